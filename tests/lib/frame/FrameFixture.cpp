#include "FrameFixture.h"

#include "platform/gfx/TBitmap.h"
#include "platform/win/WindowApi.h"

#include <algorithm>

namespace frametest {

using namespace win;

std::uint32_t FramePixel(int x, int y, bool active) {
    const std::uint32_t r = std::uint32_t(x * 2) & 0xFF, g = std::uint32_t(y * 3) & 0xFF;
    return r << 16 | g << 8 | (active ? 0x40u : 0xA0u);
}

namespace {

std::unique_ptr<TBitmap> Picture(bool active) {
    auto picture = std::make_unique<TBitmap>(TFrameSkin::kWidth, TFrameSkin::kHeight);
    picture->SetPixelFormat(pf24bit);
    for (int y = 0; y < TFrameSkin::kHeight; ++y)
        for (int x = 0; x < TFrameSkin::kWidth; ++x) {
            const std::uint32_t c = FramePixel(x, y, active);
            picture->Canvas().SetPixels(x, y, TColor((c & 0xFF) << 16 | (c & 0xFF00) | c >> 16));
        }
    return picture;
}

} // namespace

std::unique_ptr<TbsSkinData> MakeFrameSkin(bool withMask) {
    auto skin = MakeTestSkin();
    skin->FPicture.Assign(*Picture(true));
    skin->FInActivePicture.Assign(*Picture(false));
    if (withMask) {
        TBitmap& mask = skin->FMask;
        mask.SetSize(TFrameSkin::kWidth, TFrameSkin::kHeight);
        mask.Canvas().Brush().SetColor(clBlack);
        mask.Canvas().FillRect(TRect(0, 0, TFrameSkin::kWidth, TFrameSkin::kHeight));
        // The two top corners are rounded off: three pixels cut on a slant.
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x + y < 3; ++x) {
                mask.Canvas().SetPixels(x, y, clWhite);
                mask.Canvas().SetPixels(TFrameSkin::kWidth - 1 - x, y, clWhite);
            }
        skin->MaskRectArea = TFrameSkin::kClient;
    }
    skin->LTPoint = TPoint(20, 24);
    skin->RTPoint = TPoint(100, 24);
    skin->LBPoint = TPoint(20, 76);
    skin->RBPoint = TPoint(100, 76);
    skin->ClRect = TFrameSkin::kClient;
    skin->CaptionRect = TFrameSkin::kCaption;
    skin->ButtonsOffset = 2;
    skin->HitTestLTPoint = TPoint(8, 8);
    skin->HitTestRTPoint = TPoint(112, 8);
    skin->HitTestLBPoint = TPoint(8, 72);
    skin->HitTestRBPoint = TPoint(112, 72);
    skin->BorderW = 3;
    skin->TopStretch = skin->LeftStretch = skin->RightStretch = skin->BottomStretch = true;
    auto caption = std::make_unique<TbsDataSkinCaption>("caption");
    caption->SkinRect = TFrameSkin::kCaption;
    skin->ObjectList.push_back(std::move(caption));
    // Picture 0 of the further pictures holds the caption buttons' own faces.
    auto buttons = std::make_unique<TBitmap>(64, 16);
    AddPicture(*skin, std::move(buttons));
    skin->Empty = false;
    return skin;
}

TbsDataSkinStdButton& AddStdButton(TbsSkinData& skin, const std::string& name,
                                   TbsStdCommand command, const TRect& skinRect, bool inAPicture) {
    auto record = std::make_unique<TbsDataSkinStdButton>(name);
    record->Command = command;
    record->SkinRect = skinRect;
    record->SkinRectInAPicture = inAPicture;
    record->ActivePictureIndex = 0;
    TbsDataSkinStdButton& added = *record;
    skin.ObjectList.push_back(std::move(record));
    return added;
}

TbsDataUserObject& AddUserObject(TbsSkinData& skin, const std::string& name,
                                 const TRect& skinRect) {
    auto record = std::make_unique<TbsDataUserObject>(name);
    record->SkinRect = skinRect;
    TbsDataUserObject& added = *record;
    skin.ObjectList.push_back(std::move(record));
    return added;
}

void FrameTest::SetUp() {
    FormsTest::SetUp();
    FApp = std::make_unique<TApplication>(nullptr);
    FApp->Initialize();
    FApp->CreateForm(FMain);
    FMain->SetBounds(0, 0, 200, 100);
}

void FrameTest::TearDown() {
    Pump();
    FApp.reset();
    FSkin.reset();
    FormsTest::TearDown();
}

TForm* FrameTest::NewForm(const TRect& bounds, TFormBorderStyle border) {
    TForm* form = nullptr;
    FApp->CreateForm(form);
    form->SetBorderStyle(border);
    form->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    return form;
}

TbsSkinForm* FrameTest::SkinForm(TForm* form, TbsSkinData* skin) {
    auto* component = new TbsSkinForm(form);
    component->SetSkinData(skin);
    return component;
}

void FrameTest::Wait(unsigned ms) {
    for (unsigned passed = 0; passed < ms; passed += 5) {
        FDisplay->Time().Advance(5);
        Pump();
    }
}

gfx::Surface FrameTest::Shown(TForm* form) {
    Pump();
    const auto* native = FDisplay->Native(form->Handle());
    return native ? native->FPresented : gfx::Surface();
}

LRESULT FrameTest::Send(TForm* form, UINT msg, WPARAM wParam, LPARAM lParam) {
    return SendMessage(form->Handle(), msg, wParam, lParam);
}

TRecordingObject::TRecordingObject(TbsSkinForm* parent, const std::string& name, const TRect& rect)
    : TbsActiveSkinObject(parent, nullptr) {
    IDName = name;
    SkinRect = ObjectRect = rect;
    SkinRectInAPicture = true;
}

void TRecordingObject::MouseDown(int x, int y, TMouseButton button) {
    FLog.push_back("down " + std::to_string(x) + "," + std::to_string(y) +
                   (button == mbRight ? " right" : ""));
}

void TRecordingObject::MouseUp(int x, int y, TMouseButton button) {
    FLog.push_back("up " + std::to_string(x) + "," + std::to_string(y) +
                   (button == mbRight ? " right" : ""));
}

void TRecordingObject::MouseMove(int x, int y) {
    FLog.push_back("move " + std::to_string(x) + "," + std::to_string(y));
}

void TRecordingObject::MouseEnter() {
    FLog.push_back("enter");
}

void TRecordingObject::MouseLeave() {
    FLog.push_back("leave");
}

void TRecordingObject::DblClick() {
    FLog.push_back("dblclick");
}

std::uint32_t LayerPixel(int x, int y) {
    return std::uint32_t(x) << 16 | std::uint32_t(y) << 8 | 0x40;
}

int AddLayerFrame(TbsSkinData& skin, bool hitTest) {
    auto picture = std::make_unique<TBitmap>(kSW, kSH);
    picture->SetPixelFormat(pf24bit);
    auto mask = std::make_unique<TBitmap>(kSW, kSH);
    mask->SetPixelFormat(pf24bit);
    for (int y = 0; y < kSH; ++y)
        for (int x = 0; x < kSW; ++x) {
            const std::uint32_t c = LayerPixel(x, y);
            picture->Canvas().SetPixels(x, y, TColor((c & 0xFF) << 16 | (c & 0xFF00) | c >> 16));
            const int edge = std::min({ x, y, kSW - 1 - x, kSH - 1 - y });
            const int grey = edge == 0 ? 0 : std::min(255, edge * 8);
            mask->Canvas().SetPixels(x, y, TColor(grey * 0x010101));
        }
    const int index = AddPicture(skin, std::move(picture));
    const int maskIndex = AddPicture(skin, std::move(mask));
    TbsDataSkinLayerFrame& frame = skin.LayerFrame;
    frame.PictureIndex = index;
    frame.MaskPictureIndex = maskIndex;
    frame.ClRect = TRect(34, 31, 167, 144);
    frame.LTPoint = TPoint(46, 43);
    frame.RTPoint = TPoint(158, 43);
    frame.LBPoint = TPoint(42, 133);
    frame.RBPoint = TPoint(160, 133);
    if (hitTest) {
        frame.BorderRect = TRect(24, 21, 177, 154);
        frame.HitTestEnable = true;
    }
    skin.SetShowLayeredBorders(true);
    return index;
}

} // namespace frametest

void PrintTo(const TbsSkinForm::TbsBorderIcons& icons, std::ostream* os) {
    const char* names[] = { "SystemMenu", "Minimize", "Maximize", "RollUp", "MinimizeToTray" };
    *os << "[";
    for (int i = 0; i < 5; ++i)
        if (icons.Contains(TbsBorderIcon(i))) *os << names[i] << " ";
    *os << "]";
}
