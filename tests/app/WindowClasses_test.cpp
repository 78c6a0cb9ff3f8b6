#include "HeadlessProgramTest.h"
#include "ProgramWindows.h"
#include "lib/controls/TbsSkinBevel.h"
#include "lib/controls/TbsSkinCheckRadioBox.h"
#include "lib/controls/TbsSkinComboBox.h"
#include "lib/controls/TbsSkinControl.h"
#include "lib/controls/TbsSkinCustomEdit.h"
#include "lib/controls/TbsSkinCustomListView.h"
#include "lib/controls/TbsSkinLabelBase.h"
#include "lib/controls/TbsSkinOfficeComboBox.h"
#include "lib/controls/TbsSkinPanel.h"
#include "lib/dialogs/TbsSelectSkinDialog.h"
#include "lib/dialogs/TbsSkinOpenDialog.h"
#include "lib/dialogs/TbsSkinSelectDirectoryDialog.h"
#include "lib/dialogs/bsMessages.h"
#include "lib/frame/TbsSkinForm.h"
#include "lib/frame/TbsSkinMainMenu.h"
#include "lib/menus/TbsSkinHint.h"
#include "lib/menus/TbsSkinPopupMenu.h"
#include "lib/skindata/TbsSkinData.h"
#include "platform/forms/TFormReader.h"
#include "platform/win/Win.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/headless/HeadlessBackend.h"

#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using enum TbsSkinForm::TbsBorderIcon;

// The skin object a component names, whatever kind of skinned component it is; nullptr when
// it names none or is no skinned component.
TbsSkinData* SkinObjectOf(TComponent* c) {
    if (auto* control = dynamic_cast<IbsSkinnedControl*>(c)) return control->SkinData();
    if (auto* form = dynamic_cast<TbsSkinForm*>(c)) return form->SkinData();
    TbsSkinData* skin = nullptr;
    auto take = [&]<typename T>(T*) {
        if (auto* typed = dynamic_cast<T*>(c)) skin = typed->SkinData();
        return skin != nullptr;
    };
    take((TbsSkinMainMenu*)nullptr) || take((TbsSkinPopupMenu*)nullptr) ||
        take((TbsSkinMessage*)nullptr) || take((TbsSkinHint*)nullptr) ||
        take((TbsSkinOpenDialog*)nullptr) || take((TbsSkinSelectDirectoryDialog*)nullptr) ||
        take((TbsSelectSkinDialog*)nullptr);
    return skin;
}

// The record name a skinned control looks up; empty for a component without one.
std::string RecordNameOf(TComponent* c) {
    std::optional<std::string> name;
    auto take = [&]<typename T>(T*) {
        if (auto* typed = dynamic_cast<T*>(c)) name = typed->SkinDataName();
        return name.has_value();
    };
    take((TbsSkinControlBase<TCustomControl>*)nullptr) ||
        take((TbsSkinControlBase<TGraphicControl>*)nullptr) ||
        take((TbsSkinLabelBase<TLabel>*)nullptr) ||
        take((TbsSkinLabelBase<TGraphicControl>*)nullptr) || take((TbsSkinBevel*)nullptr) ||
        take((TbsSkinCustomEdit*)nullptr) || take((TbsSkinCustomListView*)nullptr);
    return name.value_or("");
}

struct ComponentRow {
    TProgramWindow window;
    std::string name;
    const char* className;
    // The main window's skin object the component names; empty for none.
    const char* skinObject;
    // Empty where the component has no record of its own.
    const char* record;
    // For the form-skin components only.
    std::optional<TbsBorderIcons> borderIcons;
};

const char* const kMain = "bsSkinData1";
const char* const kTool = "bsSkinData2";

std::vector<ComponentRow> Rows() {
    std::vector<ComponentRow> rows{
        { wMain, "bsSkinForm1", "TbsSkinForm", kMain, "", TbsBorderIcons{ biMinimize } },
        { wMain, "bsSkinMainMenuBar1", "TbsSkinMainMenuBar", kMain, "mainmenubar", {} },
        { wMain, "bsSkinMainMenu1", "TbsSkinMainMenu", kMain, "", {} },
        { wMain, "bsSkinPopupMenu1", "TbsSkinPopupMenu", "", "", {} },
        { wMain, "bsSkinPopupMenu2", "TbsSkinPopupMenu", "", "", {} },
        { wMain, "bsSkinToolBar2", "TbsSkinToolBar", kMain, "toolpanel", {} },
        { wMain, "bsSkinMenuSpeedButton1", "TbsSkinMenuSpeedButton", kMain, "toolmenubutton", {} },
        { wMain, "Divider1", "TbsSkinBevel", kMain, "bevel", {} },
        { wMain, "Divider2", "TbsSkinBevel", kMain, "bevel", {} },
        { wMain, "bsSkinPanel1", "TbsSkinPanel", kMain, "panel", {} },
        { wMain, "bsSkinPanel2", "TbsSkinPanel", kMain, "panel", {} },
        { wMain, "bsSkinPanel5", "TbsSkinPanel", kMain, "panel", {} },
        { wMain, "bsSkinPanel3", "TbsSkinPanel", kMain, "groupbox", {} },
        { wMain, "bsSkinPanel4", "TbsSkinPanel", kMain, "groupbox", {} },
        { wMain, "lvFiles", "TbsSkinListView", kMain, "listview", {} },
        { wMain, "bsSkinScrollBar1", "TbsSkinScrollBar", kMain, "hscrollbar", {} },
        { wMain, "Video_OutPut_Folder_Edit", "TbsSkinEdit", kMain, "edit", {} },
        { wMain, "bsSkinOfficeComboBox1", "TbsSkinOfficeComboBox", kMain, "combobox", {} },
        { wMain, "bsSkinOfficeComboBox2", "TbsSkinOfficeComboBox", kMain, "combobox", {} },
        { wMain, "bsSkinSlider1", "TbsSkinSlider", kMain, "slider", {} },
        { wMain, "OpenDialog1", "TbsSkinOpenDialog", kMain, "", {} },
        { wMain, "OpenDialog2", "TbsSkinOpenDialog", kMain, "", {} },
        { wMain, "bsSkinOpenDialog1", "TbsSkinOpenDialog", kMain, "", {} },
        { wMain, "bsSkinSelectDirectoryDialog1", "TbsSkinSelectDirectoryDialog", kMain, "", {} },
        { wMain, "bsSkinSelectDirectoryDialog2", "TbsSkinSelectDirectoryDialog", kMain, "", {} },
        { wMain, "bsSelectSkinDialog1", "TbsSelectSkinDialog", kMain, "", {} },
        { wMain, "bsSkinSavePictureDialog1", "TbsSkinSavePictureDialog", kMain, "", {} },
        { wMain, "bsSkinMessage1", "TbsSkinMessage", kMain, "", {} },
        { wMain, "bsSkinHint1", "TbsSkinHint", kMain, "", {} },
        { wMain, "bsTrayIcon1", "TbsTrayIcon", "", "", {} },
        { wMain, "bsResourceStrData1", "TbsResourceStrData", "", "", {} },
        { wMain, "bsSkinData1", "TbsSkinData", "", "", {} },
        { wMain, "bsSkinData2", "TbsSkinData", "", "", {} },
        // Left as the platform's own.
        { wMain, "SavePictureDialog1", "TSavePictureDialog", "", "", {} },
        { wMain, "Panel6", "TPanel", "", "", {} },
        { wMain, "edt", "TEdit", "", "", {} },

        { wAbout, "bsSkinForm1", "TbsSkinForm", kMain, "", TbsBorderIcons{ biRollUp } },
        { wAbout, "bsSkinLinkLabel1", "TbsSkinLinkLabel", kMain, "stdlabel", {} },
        { wAbout, "bsSkinLinkLabel2", "TbsSkinLinkLabel", kMain, "stdlabel", {} },
        { wAbout, "bsSkinButton1", "TbsSkinButton", kMain, "button", {} },

        { wOptions, "bsSkinForm1", "TbsSkinForm", kMain, "", TbsBorderIcons{} },
        { wOptions, "bsSkinStdLabel1", "TbsSkinStdLabel", kMain, "stdlabel", {} },
        { wOptions, "bsSkinComboBox2", "TbsSkinComboBox", kMain, "combobox", {} },
        { wOptions, "bsSkinButton1", "TbsSkinButton", kMain, "button", {} },
        { wOptions, "bsSkinButton6", "TbsSkinButton", kMain, "button", {} },
        { wOptions, "bsSkinCheckRadioBox7", "TbsSkinCheckRadioBox", kMain, "checkbox", {} },
        { wOptions, "bsSkinCheckRadioBox8", "TbsSkinCheckRadioBox", kMain, "checkbox", {} },
        { wOptions, "bsSkinMessage1", "TbsSkinMessage", kMain, "", {} },
    };
    auto numbered = [&](TProgramWindow window, const std::string& stem,
                        std::initializer_list<int> numbers, const char* className, const char* skin,
                        const char* record) {
        for (int n : numbers)
            rows.push_back({ window, stem + std::to_string(n), className, skin, record, {} });
    };
    numbered(wMain, "bsSkinButton", { 2, 7, 8, 10, 11, 12, 19 }, "TbsSkinButton", kTool, "button");
    numbered(wMain, "bsSkinButton", { 1, 3, 4, 5, 6, 9, 13, 14, 15, 16, 20, 21, 22, 23 },
             "TbsSkinButton", kMain, "button");
    numbered(wMain, "bsSkinStdLabel", { 2, 3, 10, 11, 12, 13, 14, 15 }, "TbsSkinStdLabel", kMain,
             "stdlabel");
    numbered(wMain, "bsSkinComboBox", { 1, 2, 3, 4, 9, 10 }, "TbsSkinComboBox", kTool, "combobox");
    numbered(wAbout, "bsSkinStdLabel", { 1, 2, 3, 4 }, "TbsSkinStdLabel", kMain, "stdlabel");
    numbered(wOptions, "GroupBox", { 1, 2, 3, 4 }, "TbsSkinGroupBox", kMain, "groupbox");
    numbered(wOptions, "bsSkinCheckRadioBox", { 1, 2, 3, 4, 5, 6, 9, 10, 11, 12 },
             "TbsSkinCheckRadioBox", kTool, "radiobox");
    return rows;
}

class WindowClasses : public HeadlessProgramTest {
protected:
    WindowClasses() : HeadlessProgramTest("window-classes") {}
};

TEST_F(WindowClasses, EveryComponentHasItsSkinnedClassAndSettings) {
    StartProgram();
    ASSERT_TRUE(FErrors.empty()) << FErrors.front();
    for (const ComponentRow& row : Rows()) {
        TForm* form = ProgramWindow(row.window);
        SCOPED_TRACE(form->Name() + "." + row.name);
        TComponent* c = form->FindComponent(row.name);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->ClassName(), row.className);
        TComponent* expectedSkin = *row.skinObject ? Form1->FindComponent(row.skinObject) : nullptr;
        EXPECT_EQ(SkinObjectOf(c), expectedSkin) << "skin object " << row.skinObject;
        EXPECT_EQ(RecordNameOf(c), row.record);
        if (row.borderIcons) {
            auto* frame = dynamic_cast<TbsSkinForm*>(c);
            ASSERT_NE(frame, nullptr);
            EXPECT_TRUE(frame->BorderIcons() == *row.borderIcons);
        }
    }
    for (int n : { 1, 2, 3, 4, 5, 6, 9, 10, 11, 12 }) {
        const auto* radio = DescribedComponent<TbsSkinCheckRadioBox>(Form5, "bsSkinCheckRadioBox" +
                                                                                std::to_string(n));
        EXPECT_TRUE(radio->Radio()) << n;
        EXPECT_EQ(radio->GroupIndex(), 1) << n;
    }
    for (int n : { 7, 8 })
        EXPECT_FALSE(DescribedComponent<TbsSkinCheckRadioBox>(Form5, "bsSkinCheckRadioBox" +
                                                                         std::to_string(n))
                         ->Radio())
            << n;
    EXPECT_EQ(DescribedComponent<TbsSkinCustomListView>(Form1, "lvFiles")->HeaderSkinDataName(),
              "resizetoolbutton");
    auto* mainFrame = DescribedComponent<TbsSkinForm>(Form1, "bsSkinForm1");
    EXPECT_EQ(mainFrame->MenusSkinData(), Form1->FindComponent(kMain));
    EXPECT_EQ(mainFrame->SkinHint(), Form1->FindComponent("bsSkinHint1"));
    EXPECT_EQ(mainFrame->TrayIcon(), Form1->FindComponent("bsTrayIcon1"));
    EXPECT_EQ(mainFrame->MainMenuBar(), Form1->FindComponent("bsSkinMainMenuBar1"));
    auto* aboutFrame = DescribedComponent<TbsSkinForm>(Form2, "bsSkinForm1");
    EXPECT_EQ(aboutFrame->PositionInMonitor(), bspDesktopCenter);
    EXPECT_TRUE(aboutFrame->ShowIcon());
    EXPECT_TRUE(aboutFrame->Magnetic());
    EXPECT_EQ(aboutFrame->MagneticSize(), 10);
}

// The program's pickers and option boxes, alone on a panel: the rules the program's handlers
// rest on.
class PickersAndBoxes : public ::testing::Test {
protected:
    void SetUp() override {
        win::InstallBackend(std::make_unique<win::HeadlessBackend>());
        FParent = std::make_unique<TbsSkinPanel>(nullptr);
    }
    void TearDown() override {
        FParent.reset();
        for (const auto& w : win::WindowSystem::Instance().AllWindows())
            win::DestroyWindow(w->FHandle);
        win::InstallBackend(nullptr);
    }
    template <typename T>
    T* Add() {
        auto* c = new T(FParent.get());
        c->SetParent(FParent.get());
        return c;
    }
    std::unique_ptr<TbsSkinPanel> FParent;
};

void AddRow(TbsSkinComboBox* picker, const char* text) {
    picker->Items().Add(text);
}
void AddRow(TbsSkinOfficeComboBox* picker, const char* text) {
    picker->Items().Add()->SetCaption(text);
}
std::string Shown(TbsSkinComboBox* picker) {
    return picker->Text();
}
std::string Shown(TbsSkinOfficeComboBox* picker) {
    return picker->Items()[picker->ItemIndex()]->Caption();
}

// Sets 0, 0 again, then 1 and counts the changes raised.
template <typename T>
int ChangesOfThreeSets(T* picker) {
    AddRow(picker, "a");
    AddRow(picker, "b");
    int changes = 0;
    picker->OnChange = [&](TObject*) { ++changes; };
    picker->SetItemIndex(0);
    picker->SetItemIndex(0);
    picker->SetItemIndex(1);
    EXPECT_EQ(Shown(picker), "b");
    return changes;
}

// The format pickers announce every index they are given, the preset pickers only changes.
TEST_F(PickersAndBoxes, PickersRaiseChangeAsTheirKindDoes) {
    EXPECT_EQ(ChangesOfThreeSets(Add<TbsSkinOfficeComboBox>()), 3) << "office";
    EXPECT_EQ(ChangesOfThreeSets(Add<TbsSkinComboBox>()), 2) << "plain";
}

TEST_F(PickersAndBoxes, RadioBoxesUncheckTheirGroupAndEverySetClicks) {
    auto* a = Add<TbsSkinCheckRadioBox>();
    auto* b = Add<TbsSkinCheckRadioBox>();
    auto* other = Add<TbsSkinCheckRadioBox>(); // another group on the same parent
    auto* check = Add<TbsSkinCheckRadioBox>(); // a check box, not a radio box
    for (auto* r : { a, b, other })
        r->SetRadio(true);
    a->SetGroupIndex(1);
    b->SetGroupIndex(1);
    other->SetGroupIndex(2);
    other->SetChecked(true);
    check->SetChecked(true);
    int clicks = 0;
    b->OnClick = [&](TObject*) { ++clicks; };

    a->SetChecked(true);
    b->SetChecked(true);
    EXPECT_FALSE(a->Checked());
    EXPECT_TRUE(other->Checked());
    EXPECT_TRUE(check->Checked());
    b->SetChecked(true);
    EXPECT_EQ(clicks, 2) << "setting the state it holds clicks too";
    b->BoxClick();
    EXPECT_TRUE(b->Checked()) << "clicking a checked radio box keeps it checked";
    check->BoxClick();
    EXPECT_FALSE(check->Checked());
}

} // namespace
