// The skinned edit: its height and client area with and without a record, its buttons, its
// painting (frame, background, text once, disabled colour), the frame-paint requests, the skin
// change walk, tool-bar centring and its form description.
#include "EditTestSupport.h"
#include "SkinnedFormTest.h"
#include "TestControls.h"

#include "lib/controls/bsSkinChangeWalk.h"
#include "lib/controls/bsSkinCtrlsClasses.h"
#include "lib/skindata/bsSkinListRecords.h"
#include "lib/skindata/bsSkinMessages.h"
#include "platform/forms/EditMessages.h"
#include "platform/forms/TFormReader.h"
#include "platform/forms/TImageList.h"
#include "platform/forms/TTextMeasure.h"

#include <cstdlib>

namespace {

using namespace win;

// The edit face of the test skin: 60 x 22 at (10, 10) of the numbered picture, fixed 3-pixel
// parts left and right, the text area 3 pixels in.
const TRect kEditFace(10, 10, 70, 32);
// The button edit's face: the same size at (10, 40), its fixed right part 20 wide holding the
// push button.
const TRect kButtonFace(10, 40, 70, 62);
const TRect kButton(42, 3, 57, 19);
const TRect kActiveButton(150, 10, 165, 26);
const TRect kDownButton(150, 40, 165, 56);

class SkinEdit : public SkinnedFormTest {
protected:
    void SetUp() override {
        SkinnedFormTest::SetUp();
        auto& edit = AddFaceRecord<TbsDataSkinEditControl>(
            *FSkin, "edit", 0,
            { kEditFace, { 3, 3 }, { 57, 3 }, { 3, 19 }, { 57, 19 }, { 3, 3, 57, 19 } });
        edit.ActiveSkinRect = TRect(80, 10, 140, 32);
        edit.FontName = "Arial";
        edit.FontHeight = 16;
        edit.FontColor = clBlue;
        edit.ActiveFontColor = clGreen;
        edit.DisabledFontColor = clRed;
        auto& button = AddFaceRecord<TbsDataSkinEditControl>(
            *FSkin, "buttonedit", 0,
            { kButtonFace, { 3, 3 }, { 40, 3 }, { 3, 19 }, { 40, 19 }, { 3, 3, 40, 19 } });
        button.ButtonRect = kButton;
        button.ActiveButtonRect = kActiveButton;
        button.DownButtonRect = kDownButton;
    }
    TbsSkinEdit* AddEdit(const std::string& record, bool buttonMode = false,
                         bool useSkinFont = true) {
        auto* edit = new TbsSkinEdit(FForm);
        edit->SetSkinDataName(record);
        edit->SetButtonMode(buttonMode);
        edit->SetUseSkinFont(useSkinFont);
        edit->SetSkinData(FSkin.get());
        edit->SetParent(FForm);
        edit->SetBounds(20, 30, 160, 22);
        Pump();
        return edit;
    }
    // The edit's window as the screen shows it, frame included.
    gfx::Surface Shot(TWinControl* control) {
        Pump();
        RECT r;
        GetWindowRect(control->Handle(), &r);
        const gfx::Surface screen = FDisplay->ComposeScreen();
        gfx::Surface shot(r.right - r.left, r.bottom - r.top);
        for (int y = 0; y < shot.Height(); ++y)
            for (int x = 0; x < shot.Width(); ++x)
                shot.Set(x, y, screen.At(r.left + x, r.top + y));
        return shot;
    }
    // The client rectangle in window coordinates.
    static TRect ClientInWindow(TWinControl* control) {
        RECT window, client;
        GetWindowRect(control->Handle(), &window);
        GetClientRect(control->Handle(), &client);
        MapWindowPoints(control->Handle(), nullptr, reinterpret_cast<POINT*>(&client), 2);
        return TRect(client.left - window.left, client.top - window.top, client.right - window.left,
                     client.bottom - window.top);
    }
    // A window point of the control on the screen.
    static TPoint OnScreen(TWinControl* control, int x, int y) {
        RECT window;
        GetWindowRect(control->Handle(), &window);
        return TPoint(window.left + x, window.top + y);
    }
    void ClickWindowPoint(TWinControl* control, int x, int y) {
        FDisplay->Time().Advance(1000);
        const TPoint p = OnScreen(control, x, y);
        FDisplay->Click(p.X, p.Y);
        Pump();
    }
    // A line of the font on the screen, as the edit measures it.
    static int LineHeight(const TFont& font) { return TTextMeasure(font).MetricHeight(); }
};

// Whether a pixel has nearly that colour (each channel within 8), as the cores of smoothed
// glyphs have.
bool HasColour(const gfx::Surface& pixels, std::uint32_t rgb) {
    const auto near = [](std::uint32_t a, std::uint32_t b, int shift) {
        return std::abs(int(a >> shift & 0xFF) - int(b >> shift & 0xFF)) <= 8;
    };
    for (int y = 0; y < pixels.Height(); ++y)
        for (int x = 0; x < pixels.Width(); ++x) {
            const std::uint32_t c = RgbAt(pixels, x, y);
            if (near(c, rgb, 0) && near(c, rgb, 8) && near(c, rgb, 16)) return true;
        }
    return false;
}

TEST_F(SkinEdit, HeightFollowsTheRecordOrTheFontOrIsKept) {
    struct Case {
        const char* name;
        bool record;
        bool useSkinFont;
        int defaultHeight;
        int extra; // -1: the face's height; else added to a line of the default font
        int kept;  // when the asked height stays
    };
    const Case cases[] = {
        { "record, skin font", true, true, 0, -1, 0 },
        { "record, skin font, default height", true, true, 24, -1, 0 },
        { "record, own font: a line and the frame", true, false, 0, 22 - 16, 0 },
        { "plain, skin font: kept", false, true, 0, 0, 40 },
        { "plain, skin font, default height", false, true, 24, 0, 24 },
        { "plain, own font: a line and 2 x 2", false, false, 0, 4, 0 },
        { "plain, own font, default height", false, false, 24, 4, 0 },
    };
    for (const Case& c : cases) {
        auto* edit = AddEdit(c.record ? "edit" : "missing", false, c.useSkinFont);
        edit->SetBounds(20, 30, 160, 40);
        if (c.defaultHeight) edit->SetDefaultHeight(c.defaultHeight);
        const int expected = c.kept        ? c.kept
                             : c.extra < 0 ? kEditFace.Height()
                                           : LineHeight(edit->DefaultFont()) + c.extra;
        EXPECT_EQ(edit->Height(), expected) << c.name;
        delete edit;
    }
    // A bigger font makes a plain edit with its own font taller.
    auto* edit = AddEdit("missing", false, false);
    const int before = edit->Height();
    edit->DefaultFont().SetHeight(30);
    EXPECT_GT(edit->Height(), before);
}

TEST_F(SkinEdit, ClientAreaIsTheRecordsTextAreaOrTwoPixelsIn) {
    struct Case {
        const char* name;
        const char* record;
        bool buttonMode;
        TRect client; // at 160 x 22
    };
    const Case cases[] = {
        { "plain", "missing", false, { 2, 2, 158, 20 } },
        { "plain with a button", "missing", true, { 2, 2, 160 - 22 - 2, 20 } },
        { "record", "edit", false, { 3, 3, 160 - 3, 22 - 3 } },
        { "button record", "buttonedit", true, { 3, 3, 160 - 20, 22 - 3 } },
    };
    for (const Case& c : cases) {
        auto* edit = AddEdit(c.record, c.buttonMode);
        EXPECT_EQ(ClientInWindow(edit), c.client) << c.name;
        delete edit;
    }
}

TEST_F(SkinEdit, ImageButtonClicksOnlyWhenReleasedOverIt) {
    TImageList images(nullptr);
    images.SetSize(12, 12);
    TBitmap square(12, 12);
    images.Add(square, nullptr);
    auto* edit = AddEdit("missing");
    edit->SetImages(&images);
    edit->SetLeftImageIndex(0);
    edit->SetRightImageIndex(0);
    Pump();
    int left = 0;
    int right = 0;
    edit->OnLeftButtonClick = [&](TObject*) { ++left; };
    edit->OnRightButtonClick = [&](TObject*) { ++right; };
    // The text keeps clear of both images.
    RECT format{};
    edit->Perform(EM_GETRECT, 0, LPARAM(&format));
    EXPECT_EQ(TRect(format), TRect(14, 0, 156 - 14, 18));

    // Pressed on the left image, released elsewhere: no click.
    const TPoint leftImage = OnScreen(edit, 2 + 6, 11);
    FDisplay->MoveMouse(leftImage.X, leftImage.Y);
    FDisplay->PressButton();
    FDisplay->MoveMouse(leftImage.X + 60, leftImage.Y);
    FDisplay->ReleaseButton();
    Pump();
    EXPECT_EQ(left, 0);
    EXPECT_TRUE(edit->Focused()) << "a press on an image focuses the edit";
    ClickWindowPoint(edit, 2 + 6, 11);
    ClickWindowPoint(edit, 160 - 2 - 6, 11);
    EXPECT_EQ(left, 1);
    EXPECT_EQ(right, 1);
    EXPECT_EQ(edit->Text(), "") << "image presses never reach the text";
    delete edit;
}

TEST_F(SkinEdit, PushButtonClicksAndShowsItsStatesFromTheRecord) {
    auto* edit = AddEdit("buttonedit", true);
    int clicks = 0;
    edit->OnButtonClick = [&](TObject*) { ++clicks; };
    // The button sits in the face's fixed right part: it moves with the right edge.
    const TRect button(kButton.Left + 100, kButton.Top, kButton.Right + 100, kButton.Bottom);
    const TPoint middle((button.Left + button.Right) / 2, (button.Top + button.Bottom) / 2);
    const TPoint over = OnScreen(edit, middle.X, middle.Y);
    FDisplay->MoveMouse(over.X, over.Y);
    Pump();
    EXPECT_EQ(RgbAt(Shot(edit), button.Left, button.Top),
              PictureAt(kActiveButton.Left, kActiveButton.Top));
    FDisplay->PressButton();
    Pump();
    EXPECT_EQ(RgbAt(Shot(edit), button.Left, button.Top),
              PictureAt(kDownButton.Left, kDownButton.Top));
    FDisplay->ReleaseButton();
    Pump();
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(edit->Focused());
    // A click on the text is no button click.
    ClickWindowPoint(edit, 20, 11);
    EXPECT_EQ(clicks, 1);
    delete edit;

    // The plain look's button is the square at the right end.
    edit = AddEdit("missing", true);
    clicks = 0;
    edit->OnButtonClick = [&](TObject*) { ++clicks; };
    ClickWindowPoint(edit, 160 - 11, 11);
    ClickWindowPoint(edit, 160 - 30, 11);
    EXPECT_EQ(clicks, 1);
}

TEST_F(SkinEdit, ButtonRecordOfAnotherKindIsNoButton) {
    // With its own font the button edit stretches its face and draws the button from the
    // "editbutton" record, else "resizebutton".
    const auto buttonPixels = [this] {
        auto* edit = AddEdit("buttonedit", true, false);
        const gfx::Surface shot = Shot(edit);
        delete edit;
        return shot;
    };
    const gfx::Surface without = buttonPixels();
    // A record of that name but of another kind: no button, no fault.
    AddFaceRecord(*FSkin, "editbutton", 0,
                  { { 100, 60, 130, 90 }, { 2, 2 }, { 28, 2 }, { 2, 28 }, { 28, 28 }, {} });
    EXPECT_TRUE(SamePixels(buttonPixels(), without));
    // A button record under the second name is taken instead.
    AddFaceRecord<TbsDataSkinButtonControl>(
        *FSkin, "resizebutton", 0,
        { { 100, 60, 130, 90 }, { 2, 2 }, { 28, 2 }, { 2, 28 }, { 28, 28 }, { 2, 2, 28, 28 } });
    const gfx::Surface with = buttonPixels();
    EXPECT_FALSE(SamePixels(with, without));
    EXPECT_EQ(RgbAt(with, 142, 3), PictureAt(100, 60)) << "the button face's top-left corner";
}

TEST_F(SkinEdit, FrameAndBackgroundComeFromTheFaceActiveUnderThePointer) {
    auto* edit = AddEdit("edit");
    gfx::Surface shot = Shot(edit);
    const int w = shot.Width() - 1;
    const int h = shot.Height() - 1;
    ASSERT_EQ(h + 1, kEditFace.Height());
    EXPECT_EQ(RgbAt(shot, 0, 0), PictureAt(kEditFace.Left, kEditFace.Top));
    EXPECT_EQ(RgbAt(shot, w, 0), PictureAt(kEditFace.Right - 1, kEditFace.Top));
    EXPECT_EQ(RgbAt(shot, 0, h), PictureAt(kEditFace.Left, kEditFace.Bottom - 1));
    EXPECT_EQ(RgbAt(shot, w, h), PictureAt(kEditFace.Right - 1, kEditFace.Bottom - 1));
    // The text area's first pixel: the face's client part, painted on erase.
    EXPECT_EQ(RgbAt(shot, 3, 3), PictureAt(kEditFace.Left + 3, kEditFace.Top + 3));
    const TPoint over = OnScreen(edit, 80, 11);
    FDisplay->MoveMouse(over.X, over.Y);
    shot = Shot(edit);
    EXPECT_EQ(RgbAt(shot, 0, 0), PictureAt(80, 10));
    EXPECT_EQ(RgbAt(shot, 3, 3), PictureAt(83, 13));
    EXPECT_EQ(edit->Font().Color(), clGreen) << "the record's active colour";
}

TEST_F(SkinEdit, DisabledTextTakesTheRecordsDisabledColour) {
    auto* edit = AddEdit("edit");
    edit->SetText("IIII HHHH");
    Pump();
    const std::uint32_t red = 0xFF0000;
    const std::uint32_t blue = 0x0000FF;
    EXPECT_TRUE(HasColour(Shot(edit), blue));
    edit->SetEnabled(false);
    const gfx::Surface shot = Shot(edit);
    EXPECT_TRUE(HasColour(shot, red));
    EXPECT_FALSE(HasColour(shot, blue));
}

TEST_F(SkinEdit, APaintCycleDrawsTheTextOnce) {
    auto* edit = AddEdit("missing");
    edit->SetText("Sample text");
    const gfx::Surface cycle = Shot(edit);
    // One pass by hand: the background and the text over it, once.
    HDC dc = GetDC(edit->Handle());
    edit->Perform(WM_ERASEBKGND, WPARAM(dc), 0);
    ReleaseDC(edit->Handle(), dc);
    ValidateRect(edit->Handle(), nullptr);
    EXPECT_TRUE(SamePixels(Shot(edit), cycle));
    // A second drawing of the text would show: its smoothed edges darken.
    dc = GetDC(edit->Handle());
    edit->Perform(WM_PAINT, WPARAM(dc), 0); // only ends the erase pass
    edit->Perform(WM_PAINT, WPARAM(dc), 0);
    ReleaseDC(edit->Handle(), dc);
    EXPECT_FALSE(SamePixels(Shot(edit), cycle));
    edit->Invalidate();
    EXPECT_TRUE(SamePixels(Shot(edit), cycle));
}

TEST_F(SkinEdit, FramePaintRequestsAreAnsweredOnlyWithTheirKey) {
    auto* edit = AddEdit("edit");
    TBitmap target(160, 22);
    target.Canvas().Brush().SetColor(clBlack);
    target.Canvas().FillRect(TRect(0, 0, 160, 22));
    const HDC dc = target.Canvas().Handle();
    EXPECT_EQ(edit->Perform(WM_SKINFRAMEPAINTEX, WPARAM(dc), 1), 0);
    EXPECT_EQ(RgbAt(target, 0, 0), 0u) << "nothing painted";
    EXPECT_EQ(edit->Perform(WM_SKINFRAMEPAINTEX, 0, SKIN_PAINT_KEY), SKIN_PAINT_KEY);
    EXPECT_EQ(edit->Perform(WM_SKINFRAMEPAINTEX, WPARAM(dc), SKIN_PAINT_KEY), SKIN_PAINT_KEY);
    EXPECT_EQ(RgbAt(target, 0, 0), PictureAt(kEditFace.Left, kEditFace.Top));
    EXPECT_EQ(RgbAt(target, 80, 11), 0u) << "the text area is left out";
    EXPECT_EQ(edit->Perform(WM_SKINFRAMEPAINT, 0, 0), 0);
    EXPECT_EQ(edit->Perform(WM_SKINFRAMEPAINT, WPARAM(dc), 0), SKIN_FRAME_PAINTED);
    EXPECT_NE(RgbAt(target, 80, 11), 0u) << "the whole frame, the text area included";
}

TEST_F(SkinEdit, SkinChangeWalkRebindsTheEdit) {
    auto* edit = AddEdit("later");
    EXPECT_EQ(edit->FIndex, -1);
    EXPECT_EQ(edit->Height(), 22) << "a plain edit keeps its height";
    edit->SetBounds(20, 30, 160, 30);
    AddFaceRecord<TbsDataSkinEditControl>(
        *FSkin, "later", 0,
        { { 0, 0, 60, 26 }, { 3, 3 }, { 57, 3 }, { 3, 23 }, { 57, 23 }, { 3, 3, 57, 23 } });
    BeforeChangeControlsSkinData(*FForm, FSkin.get());
    EXPECT_EQ(edit->FIndex, -1) << "edits take no part before the change";
    ChangeControlsSkinData(*FForm, FSkin.get());
    EXPECT_NE(edit->FIndex, -1);
    EXPECT_EQ(edit->Height(), 26);
    EXPECT_EQ(ClientInWindow(edit), TRect(3, 3, 157, 23));
}

TEST_F(SkinEdit, AlignedEditIsCentredOnAToolBarThatAdjustsItsControls) {
    auto* bar = Add<TTestToolBar>(0, 0, 300, 40);
    bar->FClient = TRect(0, 2, 300, 37);
    const auto onBar = [&](TAlign align) {
        auto* edit = new TbsSkinEdit(FForm);
        edit->SetSkinData(FSkin.get());
        edit->SetParent(bar);
        edit->SetAlign(align);
        edit->SetBounds(5, 1, 100, 22);
        Pump();
        return edit;
    };
    auto* aligned = onBar(alLeft);
    // 2 + 35 div 2 - 22 div 2
    EXPECT_EQ(aligned->Top(), 8);
    EXPECT_EQ(aligned->Height(), 22);
    auto* placed = onBar(alNone);
    EXPECT_EQ(placed->Top(), 1);
}

TEST_F(SkinEdit, FormDescriptionBindsTheOutputFolderEdit) {
    RegisterSkinCtrlsClasses();
    const char* description = R"(object Described: TForm
  object Images: TImageList
  end
  object Folder: TbsSkinEdit
    Left = 92
    Top = 70
    Width = 448
    Height = 21
    TabOrder = 2
    ReadOnly = True
    ButtonMode = True
    Alignment = taCenter
    Images = Images
    RightImageIndex = 1
    DefaultColor = clInfoBk
    DefaultFont.Name = 'Tahoma'
    SkinDataName = 'buttonedit'
  end
end
)";
    auto* form = new TForm(FForm);
    ReadFormDescription(form, description, "Described.dfm");
    auto* edit = DescribedComponent<TbsSkinEdit>(form, "Folder");
    EXPECT_TRUE(edit->ReadOnly());
    EXPECT_FALSE(static_cast<TCustomEdit*>(edit)->ReadOnly());
    EXPECT_TRUE(edit->ButtonMode());
    EXPECT_EQ(edit->Alignment(), taCenter);
    EXPECT_EQ(edit->Images(), DescribedComponent<TImageList>(form, "Images"));
    EXPECT_EQ(edit->RightImageIndex(), 1);
    EXPECT_EQ(edit->DefaultColor(), clInfoBk);
    EXPECT_EQ(edit->DefaultFont().Name(), "Tahoma");
    EXPECT_EQ(edit->SkinDataName(), "buttonedit");
    EXPECT_EQ(edit->Width(), 448);
    delete form;
}

TEST_F(SkinEdit, PlainLookTakesTheDefaultColourFontAndSize) {
    auto* edit = new TbsSkinEdit(FForm);
    edit->SetSkinDataName("missing");
    edit->SetParent(FForm);
    edit->SetBounds(20, 30, 160, 22);
    edit->SetDefaultColor(clYellow);
    edit->DefaultFont().SetName("Tahoma");
    edit->SetDefaultWidth(120);
    edit->SetSkinData(FSkin.get());
    EXPECT_EQ(edit->Width(), 120);
    EXPECT_EQ(edit->Font().Name(), "Tahoma");
    const gfx::Surface shot = Shot(edit);
    EXPECT_EQ(RgbAt(shot, 0, 0), RgbOf(clBtnShadow));
    EXPECT_EQ(RgbAt(shot, 1, 1), RgbOf(clBtnFace));
    EXPECT_EQ(RgbAt(shot, 5, 5), RgbOf(clYellow));
    // While no record is bound, the default font is the edit's font.
    edit->DefaultFont().SetName("Arial");
    EXPECT_EQ(edit->Font().Name(), "Arial");
}

} // namespace
