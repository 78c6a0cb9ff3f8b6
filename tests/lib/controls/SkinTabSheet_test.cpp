// The skinned tab sheet's background: the wallpaper tiled, the record's background picture,
// the client part of the frame picture tiled from its corner, clBtnFace without a record, and
// the children told of a new background only when it stretches.
#include "PointerTest.h"
#include "TestSkins.h"
#include "lib/controls/TbsSkinPageControl.h"
#include "lib/controls/TbsSkinTabSheet.h"
#include "lib/skindata/bsSkinMessages.h"
#include "lib/skindata/bsSkinTabViewRecords.h"
#include "platform/gfx/TBitmap.h"

#include <memory>
#include <string>

namespace {

constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kGreen = 0x00FF00;
constexpr std::uint32_t kBlue = 0x0000FF;

TColor ColorOf(std::uint32_t rgb) {
    return TColor((rgb & 0xFF) << 16 | (rgb & 0xFF00) | (rgb >> 16 & 0xFF));
}

// A picture in one colour with a marker pixel at (mx, my).
std::unique_ptr<TBitmap> Marked(int w, int h, std::uint32_t fill, int mx, int my) {
    auto picture = std::make_unique<TBitmap>(w, h);
    picture->Canvas().Brush().SetColor(ColorOf(fill));
    picture->Canvas().FillRect(TRect(0, 0, w, h));
    picture->Canvas().SetPixels(mx, my, ColorOf(kRed));
    return picture;
}

class SkinTabSheet : public PointerTest {
protected:
    TbsSkinTabSheet* AddSheet(TbsSkinData* skin, int width, int height) {
        FPages = Add<TbsSkinPageControl>(10, 10, 300, 200);
        FPages->SetSkinData(skin);
        auto* sheet = new TbsSkinTabSheet(FForm);
        sheet->SetPageControl(FPages);
        sheet->SetAlign(alNone);
        sheet->SetBounds(0, 0, width, height);
        Pump();
        return sheet;
    }
    static std::unique_ptr<TBitmap> Painted(TbsSkinTabSheet& sheet) {
        auto target = std::make_unique<TBitmap>(sheet.Width(), sheet.Height());
        sheet.PaintBG(target->Canvas().Handle());
        return target;
    }

    TbsSkinPageControl* FPages{ nullptr };
};

TEST_F(SkinTabSheet, TilesItsWallpaperFromTheCorner) {
    TbsSkinTabSheet* sheet = AddSheet(nullptr, 250, 120);
    sheet->SetWallPaper(*Marked(100, 50, kBlue, 0, 0));
    const auto painted = Painted(*sheet);
    for (int x : { 0, 100, 200 })
        for (int y : { 0, 50, 100 })
            EXPECT_EQ(RgbAt(*painted, x, y), kRed) << x << ", " << y;
    EXPECT_EQ(RgbAt(*painted, 249, 119), kBlue);
}

// The frame picture 30 x 30 has its client part at (3, 4)-(26, 25), green with a red corner.
TEST_F(SkinTabSheet, ChoosesItsBackgroundFromTheRecord) {
    auto skin = MakeTestSkin();
    const int frame = AddPicture(*skin, Marked(30, 30, kGreen, 3, 4));
    const int blue = AddPicture(*skin, Marked(8, 8, kBlue, 7, 7));
    const int empty = AddPicture(*skin, std::make_unique<TBitmap>());
    auto owned = std::make_unique<TbsDataSkinTabControl>("tab");
    TbsDataSkinTabControl& record = *owned;
    record.PictureIndex = frame;
    record.SkinRect = TRect(0, 0, 30, 30);
    record.ClRect = TRect(3, 4, 26, 25);
    skin->CtrlList.push_back(std::move(owned));
    skin->Empty = false;
    TbsSkinTabSheet* sheet = AddSheet(skin.get(), 60, 50);

    struct Case {
        const char* name;
        int bgPicture;
        // The colours at (0, 0), at the next tile's corner (23, 21) and at (7, 7).
        std::uint32_t atOrigin, atNextTile, atSeven;
    };
    const Case cases[] = {
        { "background picture", blue, kBlue, kBlue, kRed },
        { "client part", -1, kRed, kRed, kGreen },
        { "number past the pictures", 99, kRed, kRed, kGreen },
        { "picture without area", empty, kRed, kRed, kGreen },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        record.BGPictureIndex = c.bgPicture;
        const auto painted = Painted(*sheet);
        EXPECT_EQ(RgbAt(*painted, 0, 0), c.atOrigin);
        EXPECT_EQ(RgbAt(*painted, 23, 21), c.atNextTile);
        EXPECT_EQ(RgbAt(*painted, 7, 7), c.atSeven);
    }

    FPages->SetSkinData(nullptr);
    EXPECT_EQ(RgbAt(*Painted(*sheet), 0, 0), PlainFace()) << "no record: clBtnFace";
}

TEST_F(SkinTabSheet, ShowsTheProgramSkinsFramePictureClientPartTiled) {
    int skinned = 0;
    for (const char* name : { "main", "tool" }) {
        SCOPED_TRACE(name);
        auto skin = LoadProgramSkin(name);
        TbsSkinTabSheet* sheet = AddSheet(skin.get(), 200, 150);
        const auto* record = FPages->TabRecord();
        if (!record) { // a skin without the record shows the plain face
            EXPECT_EQ(RgbAt(*Painted(*sheet), 0, 0), PlainFace());
            FPages->SetSkinData(nullptr);
            continue;
        }
        TBitmap* picture = skin->FActivePictures.at(std::size_t(record->PictureIndex)).get();
        const TRect part(record->SkinRect.Left + record->ClRect.Left,
                         record->SkinRect.Top + record->ClRect.Top,
                         record->SkinRect.Left + record->ClRect.Right,
                         record->SkinRect.Top + record->ClRect.Bottom);
        const auto painted = Painted(*sheet);
        for (const TPoint p : { TPoint(0, 0), TPoint(part.Width() + 1, 3), TPoint(199, 149) })
            EXPECT_EQ(RgbAt(*painted, p.X, p.Y), RgbAt(*picture, part.Left + p.X % part.Width(),
                                                       part.Top + p.Y % part.Height()))
                << p.X << ", " << p.Y;
        FPages->SetSkinData(nullptr);
        ++skinned;
    }
    EXPECT_GT(skinned, 0) << "some program skin has the record";
}

// A windowed child counting the background notices it gets.
class TBackgroundListener : public TWinControl {
public:
    using TWinControl::TWinControl;
    void WndProc(TMessage& message) override {
        if (message.Msg == win::WM_PARENTBGCHANGED) ++Notices;
        TWinControl::WndProc(message);
    }
    int Notices{ 0 };
};

TEST_F(SkinTabSheet, TellsItsChildrenOfANewBackgroundOnResizeOnlyWhenStretched) {
    auto skin = MakeTestSkin();
    auto owned = std::make_unique<TbsDataSkinTabControl>("tab");
    TbsDataSkinTabControl& record = *owned;
    record.PictureIndex = AddPicture(*skin, Marked(30, 30, kGreen, 3, 4));
    record.SkinRect = TRect(0, 0, 30, 30);
    record.ClRect = TRect(3, 4, 26, 25);
    skin->CtrlList.push_back(std::move(owned));
    skin->Empty = false;
    TbsSkinTabSheet* sheet = AddSheet(skin.get(), 100, 80);
    auto* child = new TBackgroundListener(FForm);
    child->SetParent(sheet);
    child->SetBounds(5, 5, 20, 20);
    Pump();
    for (const bool stretch : { false, true }) {
        SCOPED_TRACE(stretch ? "stretched" : "tiled");
        record.StretchEffect = stretch;
        child->Notices = 0;
        sheet->SetBounds(0, 0, sheet->Width() + 10, 80);
        Pump();
        EXPECT_EQ(child->Notices, stretch ? 1 : 0);
    }
    FPages->SetSkinData(nullptr);
}

} // namespace
