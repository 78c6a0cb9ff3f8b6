// The main window's family and format pickers rebuilt on a test form with the main skin, filled
// as the program fills them, then opened, stepped and chosen from as a user would.
#include "OfficePickers.h"
#include "PointerTest.h"
#include "TestSkins.h"
#include "lib/controls/TbsPopupOfficeListBox.h"
#include "lib/skindata/TbsSkinData.h"
#include "platform/forms/TImageList.h"
#include "platform/win/headless/HeadlessBackend.h"

namespace {

class ProgramPickers : public PointerTest {
protected:
    void SetUp() override {
        PointerTest::SetUp();
        FSkin = LoadProgramSkin("main");
        TImageList* images = MakePickerImages(FForm);
        FFamilies = MakeToolPicker(FForm, FSkin.get(), images);
        FFamilies->SetParent(FForm);
        FFamilies->SetBounds(10, 10, 150, 44);
        FFormats = MakeToolPicker(FForm, FSkin.get(), images);
        FFormats->SetParent(FForm);
        FFormats->SetBounds(170, 10, 200, 44);
        // As the main window does: a new family refills the formats and picks the first one.
        FFamilies->OnChange = [this](TObject*) {
            ++FFamilyChanges;
            FillFormats(*FFormats);
            FFormats->SetItemIndex(1);
        };
        FFormats->OnChange = [this](TObject*) { FChosen.push_back(FFormats->ItemIndex()); };
        FillFamilies(*FFamilies);
        FFamilies->SetItemIndex(0);
        Pump();
    }
    void TearDown() override {
        delete FFamilies;
        delete FFormats;
        PointerTest::TearDown();
    }
    // Press and release on the picker.
    void ClickPicker(TControl* picker) {
        Wait(1000, 1000);
        MoveTo(picker, picker->Width() / 2, picker->Height() / 2);
        Press();
        Release();
    }
    TPoint RowCentre(TbsSkinCustomOfficeComboBox* picker, int row) {
        const TRect r = picker->FListBox->Items()[row]->ItemRect;
        return TPoint(r.Left + r.Width() / 2, r.Top + r.Height() / 2);
    }

    std::unique_ptr<TbsSkinData> FSkin;
    TbsSkinOfficeComboBox* FFamilies{ nullptr };
    TbsSkinOfficeComboBox* FFormats{ nullptr };
    int FFamilyChanges{ 0 };
    std::vector<int> FChosen;
};

TEST_F(ProgramPickers, ChoosingAFamilyByPointerRefillsTheFormats) {
    ASSERT_EQ(FFamilyChanges, 1);
    ASSERT_EQ(FFormats->Items().Count(), kFormatRows);
    ClickPicker(FFamilies);
    ASSERT_TRUE(FFamilies->IsPopupVisible());
    // The family list is skinned from its own record, four rows of 50.
    EXPECT_NE(FFamilies->FListBox->FIndex, -1);
    EXPECT_EQ(FFamilies->FListBox->SkinDataName(), "resizetoolpanel");
    EXPECT_EQ(FFamilies->FListBox->Height(), FFamilies->FListBox->CalcHeight(4));
    EXPECT_EQ(FFamilies->FListBox->Items()[2]->ItemRect.Height(), 50);
    EXPECT_EQ(FFamilies->FListBox->ScrollBar, nullptr);
    // The highlight follows the pointer; a click chooses.
    MoveTo(FFamilies->FListBox, RowCentre(FFamilies, 2));
    EXPECT_EQ(FFamilies->FListBox->ItemIndex(), 2);
    Press();
    Release();
    EXPECT_FALSE(FFamilies->IsPopupVisible());
    EXPECT_EQ(FFamilies->ItemIndex(), 2);
    EXPECT_EQ(FFamilyChanges, 2);
    EXPECT_EQ(FFormats->ItemIndex(), 1);
    EXPECT_TRUE(FFamilies->Focused());
}

TEST_F(ProgramPickers, FormatsStepOverSeparatorsByKeysAndWheelAndChooseWithEnter) {
    ClickPicker(FFormats);
    ASSERT_TRUE(FFormats->IsPopupVisible());
    TbsPopupOfficeListBox* list = FFormats->FListBox;
    EXPECT_EQ(list->SkinDataName(), "listbox");
    EXPECT_EQ(list->Items()[1]->ItemRect.Height(), 60);
    ASSERT_NE(list->ScrollBar, nullptr) << "eleven rows of 60 do not fit six";
    FChosen.clear();
    // The wheel over the open list only moves the highlight, past the separator at row 5.
    for (int i = 0; i < 4; ++i)
        WheelOver(FFormats, -1);
    EXPECT_EQ(list->ItemIndex(), 6);
    EXPECT_TRUE(FChosen.empty());
    // The highlighted row scrolled into view.
    EXPECT_TRUE(list->Items()[6]->IsVisible);
    EXPECT_LE(list->Items()[6]->ItemRect.Bottom, list->ItemsRect().Bottom);
    Key(win::VK_RETURN);
    EXPECT_FALSE(FFormats->IsPopupVisible());
    EXPECT_EQ(FFormats->ItemIndex(), 6);
    EXPECT_EQ(FChosen, (std::vector<int>{ 6 }));
    // Up from the first format after a separator goes to the format before it.
    Key(win::VK_UP);
    EXPECT_EQ(FFormats->ItemIndex(), 4);
    // Page Up stops past the separator at row 0; the separators are never chosen.
    Key(win::VK_PRIOR);
    EXPECT_EQ(FFormats->ItemIndex(), 1);
    Key(win::VK_UP);
    EXPECT_EQ(FFormats->ItemIndex(), 1);
    EXPECT_EQ(FChosen, (std::vector<int>{ 6, 4, 1, 1 }));
}

TEST_F(ProgramPickers, TheOpenToolLookShowsTheChosenFormatWhileTheListMoves) {
    const gfx::Surface closed = PaintedPixels(*FFormats);
    ClickPicker(FFormats);
    const gfx::Surface open = PaintedPixels(*FFormats);
    EXPECT_FALSE(SamePixels(open, closed));
    WheelOver(FFormats, -1);
    EXPECT_TRUE(SamePixels(PaintedPixels(*FFormats), open));
    Key(win::VK_ESCAPE);
    EXPECT_EQ(FFormats->ItemIndex(), 1);
    EXPECT_FALSE(SamePixels(PaintedPixels(*FFormats), open));
}

} // namespace
