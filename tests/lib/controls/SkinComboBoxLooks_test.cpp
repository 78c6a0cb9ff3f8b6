// The combo box's looks: the skinned face in both sizing modes, the drop-down button taken from
// button records of the right kind, the disabled text colour, the tool-button look, and
// painting the picker for others without touching its text.
#include "SkinnedFormTest.h"
#include "lib/controls/TbsSkinComboBox.h"
#include "lib/skindata/bsSkinListRecords.h"
#include "platform/gfx/TBitmap.h"
#include "tests/lib/skin/DrawingPictures.h"

#include <string>

namespace {

// The "combobox" face: 60 x 20 at (10, 10) of the picture, its middle between x 6 and 44
// growing, the item area (4, 3)-(40, 17) and the button at (44, 2)-(58, 18).
const TRect kComboFace(10, 10, 70, 30);

class SkinComboBoxLooks : public SkinnedFormTest {
protected:
    // A skin with the numbered picture and no records, for the next case of a table.
    void FreshSkin() {
        FSkin = MakeTestSkin();
        AddPicture(*FSkin, NumberedPicture(200, 100, kSkinSeed));
    }
    TbsDataSkinComboBox& AddComboRecord() {
        TFaceGeometry face{ kComboFace, TPoint(6, 0), TPoint(44, 0),
                            TPoint(),   TPoint(),     TRect(4, 3, 40, 17) };
        auto& record = AddFaceRecord<TbsDataSkinComboBox>(*FSkin, "combobox", 0, face);
        record.ButtonRect = TRect(44, 2, 58, 18);
        record.ItemTextRect = TRect(0, 0, 36, 14);
        record.FontColor = clBlack;
        return record;
    }
    TbsSkinComboBox* Combo(int width, int height, bool skinned) {
        auto* combo = new TbsSkinComboBox(FForm);
        combo->SetParent(FForm);
        combo->Items().Add("WWWWWW");
        combo->Items().Add("MMMMMM");
        if (skinned) combo->SetSkinData(FSkin.get());
        combo->SetBounds(10, 10, width, height);
        return combo;
    }
    static int CountColour(const gfx::Surface& pixels, const TRect& r, std::uint32_t rgb) {
        int count = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                if (RgbAt(pixels, x, y) == rgb) ++count;
        return count;
    }
};

TEST_F(SkinComboBoxLooks, SkinSizeKeepsTheFaceEndsAndHeightWhileStretchingFollowsAnySize) {
    AddComboRecord();
    TbsSkinComboBox* combo = Combo(150, 40, true);
    // The skin's height; only the middle grows: both end columns are the face's own.
    EXPECT_EQ(combo->Height(), 20);
    const gfx::Surface wide = PaintedPixels(*combo);
    for (int y : { 0, 1, 19 }) {
        EXPECT_EQ(RgbAt(wide, 0, y), PictureAt(kComboFace.Left, kComboFace.Top + y)) << y;
        EXPECT_EQ(RgbAt(wide, 149, y), PictureAt(kComboFace.Right - 1, kComboFace.Top + y)) << y;
    }
    // The button and the item follow the right edge.
    EXPECT_EQ(combo->Button.R, TRect(134, 2, 148, 18));
    EXPECT_EQ(combo->CBItem.R, TRect(4, 3, 130, 17));

    combo->SetUseSkinSize(false);
    combo->SetBounds(10, 10, 150, 40);
    EXPECT_EQ(combo->Height(), 40);
    EXPECT_EQ(combo->Button.R, TRect(134, 2, 148, 38));
    EXPECT_EQ(combo->CBItem.R, TRect(4, 3, 130, 37));
    const gfx::Surface stretched = PaintedPixels(*combo);
    EXPECT_EQ(RgbAt(stretched, 0, 0), PictureAt(kComboFace.Left, kComboFace.Top));
    EXPECT_EQ(RgbAt(stretched, 149, 39), PictureAt(kComboFace.Right - 1, kComboFace.Bottom - 1));
}

TEST_F(SkinComboBoxLooks, StretchedButtonComesFromTheFirstButtonRecordOfTheRightKind) {
    const TRect comboButtonFace(100, 50, 114, 66);
    const TRect editButtonFace(130, 50, 144, 66);
    struct Case {
        const char* Name;
        bool ComboButtonIsAButton;
        bool EditButton;
        const TRect* Expected;
    };
    const Case cases[] = {
        { "combobutton", true, true, &comboButtonFace },
        { "combobutton of another kind", false, true, &editButtonFace },
        { "neither", false, false, nullptr },
    };
    for (const Case& c : cases) {
        FreshSkin();
        AddComboRecord();
        if (c.ComboButtonIsAButton)
            AddFaceRecord<TbsDataSkinButtonControl>(*FSkin, "combobutton", 0,
                                                    NineSliceFace(comboButtonFace, 3));
        else
            AddFaceRecord<TbsDataSkinEditControl>(*FSkin, "combobutton", 0,
                                                  NineSliceFace(comboButtonFace, 3));
        if (c.EditButton)
            AddFaceRecord<TbsDataSkinButtonControl>(*FSkin, "editbutton", 0,
                                                    NineSliceFace(editButtonFace, 3));
        TbsSkinComboBox* combo = Combo(60, 20, true);
        combo->SetUseSkinSize(false);
        const gfx::Surface pixels = PaintedPixels(*combo);
        const TRect& b = combo->Button.R;
        if (c.Expected)
            EXPECT_EQ(RgbAt(pixels, b.Left, b.Top), PictureAt(c.Expected->Left, c.Expected->Top))
                << c.Name;
        else
            EXPECT_EQ(RgbAt(pixels, b.Left, b.Top),
                      PictureAt(kComboFace.Left + b.Left, kComboFace.Top + b.Top))
                << c.Name;
        delete combo;
    }
}

TEST_F(SkinComboBoxLooks, DisabledTextTakesTheEditRecordsColourElseGrayText) {
    struct Case {
        const char* Name;
        int EditRecord; // 0 none, 1 an edit record, 2 a record of another kind named "edit"
        std::uint32_t Expected;
    };
    const Case cases[] = {
        { "edit record", 1, 0xFF0000 },
        { "no edit record", 0, RgbOf(clGrayText) },
        { "edit of another kind", 2, RgbOf(clGrayText) },
    };
    for (const Case& c : cases) {
        FreshSkin();
        AddComboRecord();
        if (c.EditRecord == 1)
            AddFaceRecord<TbsDataSkinEditControl>(*FSkin, "edit", 0, NineSliceFace(kComboFace, 3))
                .DisabledFontColor = clRed;
        if (c.EditRecord == 2)
            AddFaceRecord<TbsDataSkinButtonControl>(*FSkin, "edit", 0, NineSliceFace(kComboFace, 3))
                .DisabledFontColor = clRed;
        TbsSkinComboBox* combo = Combo(150, 20, true);
        combo->SetItemIndex(0);
        combo->SetEnabled(false);
        for (bool skinSize : { true, false }) {
            combo->SetUseSkinSize(skinSize);
            const gfx::Surface pixels = PaintedPixels(*combo);
            EXPECT_GT(CountColour(pixels, combo->CBItem.R, c.Expected), 3)
                << c.Name << (skinSize ? ", skin size" : ", stretched");
        }
        delete combo;
    }
}

TEST_F(SkinComboBoxLooks, PaintSkinToDrawsTheGivenTextWithoutAssigningIt) {
    for (bool skinned : { false, true }) {
        if (skinned) AddComboRecord();
        TbsSkinComboBox* combo = Combo(150, 20, skinned);
        combo->SetItemIndex(1);
        int changes = 0;
        combo->OnChange = [&changes](TObject*) { ++changes; };
        combo->OnClick = [&changes](TObject*) { ++changes; };
        TBitmap withText(150, 20);
        TBitmap withoutText(150, 20);
        combo->PaintSkinTo(withText.Canvas(), 0, 0, "WWWWWW");
        combo->PaintSkinTo(withoutText.Canvas(), 0, 0, "");
        EXPECT_EQ(changes, 0) << skinned;
        EXPECT_EQ(combo->Text(), "MMMMMM") << skinned;
        bool differs = false;
        for (int x = combo->CBItem.R.Left; x < combo->CBItem.R.Right && !differs; ++x)
            for (int y = combo->CBItem.R.Top; y < combo->CBItem.R.Bottom && !differs; ++y)
                differs = RgbAt(withText, x, y) != RgbAt(withoutText, x, y);
        EXPECT_TRUE(differs) << "the given text is drawn, skinned " << skinned;
        // An ordinary paint fires nothing either.
        PaintedPixels(*combo);
        EXPECT_EQ(changes, 0) << skinned;
        delete combo;
    }
}

TEST_F(SkinComboBoxLooks, OwnerDrawnItemAndToolLookShiftWhileOpen) {
    TbsSkinComboBox* combo = Combo(150, 22, false);
    combo->SetItemIndex(1);
    std::vector<std::pair<int, TRect>> drawn;
    combo->OnComboBoxDrawItem = [&drawn](TObject*, TCanvas&, int index, int, int,
                                         const TRect& textRect,
                                         TOwnerDrawState) { drawn.emplace_back(index, textRect); };
    PaintedPixels(*combo);
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].first, 1);

    combo->SetToolButtonStyle(true);
    EXPECT_FALSE(combo->UseSkinSize());
    drawn.clear();
    PaintedPixels(*combo);
    combo->DropDown();
    PaintedPixels(*combo);
    combo->CloseUp(false);
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[0].second, TRect(2, 2, 150 - 17, 20));
    EXPECT_EQ(drawn[1].second, TRect(4, 4, 150 - 15, 22));
}

} // namespace
