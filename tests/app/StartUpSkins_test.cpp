#include "HeadlessProgramTest.h"
#include "ProgramWindows.h"
#include "SkinSamples.h"
#include "lib/controls/TbsSkinControl.h"
#include "lib/frame/TbsSkinForm.h"
#include "lib/skindata/TbsSkinData.h"
#include "platform/forms/TFormReader.h"
#include "tests/lib/controls/TestSkins.h"

#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace skinsamples;

// The program's windows after start-up with a stored skin index: the main skin object takes
// the list's skin only when the index names it, while the controls bound to the second skin
// object keep the tool skin in every case.
class StartUpSkins : public HeadlessProgramTest {
protected:
    StartUpSkins() : HeadlessProgramTest("startup-skins") {}

    void StartWithSkinIndex(const std::string& stored) {
        std::ofstream(FRoot + "settings/option.ini") << "[Skin]\nSetSkin=" << stored << "\n";
        StartProgram();
        ASSERT_TRUE(Form1 && Form2 && Form5);
        ASSERT_TRUE(FErrors.empty()) << FErrors.front();
        for (TProgramWindow window : { wMain, wAbout, wOptions })
            ProgramWindow(window)->HandleNeeded();
    }
    static TbsSkinControlBase<TCustomControl>* Skinned(TForm* form, const std::string& name) {
        return DescribedComponent<TbsSkinControlBase<TCustomControl>>(form, name);
    }
};

// Controls drawn from the main skin, in each window.
const std::vector<std::pair<TProgramWindow, const char*>> kMainSkinned{
    { wMain, "bsSkinMainMenuBar1" }, { wMain, "bsSkinToolBar2" }, { wMain, "bsSkinPanel1" },
    { wMain, "bsSkinPanel2" },       { wMain, "bsSkinPanel4" },   { wMain, "bsSkinButton6" },
    { wAbout, "bsSkinButton1" },     { wOptions, "GroupBox1" },   { wOptions, "bsSkinButton6" },
};

// Controls drawn from the tool skin: the tool bar's command buttons, the six preset pickers
// and the options dialog's radio boxes.
std::vector<std::pair<TProgramWindow, std::string>> ToolSkinned() {
    std::vector<std::pair<TProgramWindow, std::string>> controls;
    for (int n : { 2, 7, 8, 10, 11, 12, 19 })
        controls.emplace_back(wMain, "bsSkinButton" + std::to_string(n));
    for (int n : { 1, 2, 3, 4, 9, 10 })
        controls.emplace_back(wMain, "bsSkinComboBox" + std::to_string(n));
    for (int n : { 1, 2, 3, 4, 5, 6, 9, 10, 11, 12 })
        controls.emplace_back(wOptions, "bsSkinCheckRadioBox" + std::to_string(n));
    return controls;
}

// The opaque middle of a check mark picture; its rim lets the face show through.
TRect MarkCentre(const TRect& mark) {
    return TRect(mark.Left + 4, mark.Top + 4, mark.Right - 4, mark.Bottom - 4);
}

TEST_F(StartUpSkins, AnIndexOutsideTheListLeavesTheMainSkinEmptyAndTheToolSkinInPlace) {
    const auto mainSkin = LoadProgramSkin("main");
    const auto toolSkin = LoadProgramSkin("tool");
    const TbsDataSkinControl& mainButton = ControlRecord(*mainSkin, "button");
    const TbsDataSkinControl& toolButton = ControlRecord(*toolSkin, "button");
    const auto& toolRadio =
        dynamic_cast<const TbsDataSkinCheckRadioControl&>(ControlRecord(*toolSkin, "radiobox"));

    for (const auto& [stored, skinned] : { std::pair{ "0", true }, std::pair{ "5", false } }) {
        SCOPED_TRACE(std::string("SetSkin ") + stored);
        StartWithSkinIndex(stored);
        if (HasFatalFailure()) return;
        EXPECT_EQ(DescribedComponent<TbsSkinData>(Form1, "bsSkinData1")->Empty, !skinned);
        EXPECT_FALSE(DescribedComponent<TbsSkinData>(Form1, "bsSkinData2")->Empty);
        for (TProgramWindow window : { wMain, wAbout, wOptions }) {
            TForm* form = ProgramWindow(window);
            auto* frame = DescribedComponent<TbsSkinForm>(form, "bsSkinForm1");
            EXPECT_TRUE(frame->SkinnableForm())
                << form->Name() << ": the component draws the frame";
            EXPECT_EQ(frame->FSkinSupport, skinned) << form->Name();
        }
        for (const auto& [form, name] : kMainSkinned)
            EXPECT_EQ(Skinned(ProgramWindow(form), name)->FIndex >= 0, skinned) << name;
        for (const auto& [form, name] : ToolSkinned())
            EXPECT_GE(Skinned(ProgramWindow(form), name)->FIndex, 0) << name;

        // What they paint: the output panel's "打开" from the main skin's button faces only
        // when it has them, the tool bar's "选项" and a radio box's mark always from the tool
        // skin's.
        const gfx::Surface open = PaintedPixels(*Skinned(Form1, "bsSkinButton6"));
        EXPECT_EQ(CornersShow(open, TRect(0, 0, open.Width(), open.Height()),
                              RecordPicture(*mainSkin, mainButton), Faces(mainButton), 3),
                  skinned);
        const gfx::Surface options = PaintedPixels(*Skinned(Form1, "bsSkinButton19"));
        EXPECT_TRUE(CornersShow(options, TRect(0, 0, options.Width(), options.Height()),
                                RecordPicture(*toolSkin, toolButton), Faces(toolButton), 3));
        const gfx::Surface radio = PaintedPixels(*Skinned(Form5, "bsSkinCheckRadioBox1"));
        const gfx::Surface toolPicture = RecordPicture(*toolSkin, toolRadio);
        const TRect whole(0, 0, radio.Width(), radio.Height());
        EXPECT_TRUE(PartShows(radio, whole, toolPicture, MarkCentre(toolRadio.CheckImageRect)) ||
                    PartShows(radio, whole, toolPicture, MarkCentre(toolRadio.UnCheckImageRect)));
        TearDown();
        SetUp();
    }
}

} // namespace
