#include "HeadlessProgramTest.h"
#include "ProgramWindows.h"
#include "SkinSamples.h"
#include "X11ProgramTest.h"
#include "app/ProgramFolders.h"
#include "app/SettingsPlace.h"
#include "lib/controls/TbsSkinCustomListView.h"
#include "lib/skindata/TbsSkinData.h"
#include "platform/forms/TFormReader.h"
#include "platform/rtl/FileSystem.h"
#include "platform/win/WindowApi.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "tests/fixtures/FixtureSet.h"
#include "tests/lib/controls/TestSkins.h"
#include "tests/x11/EventLoop.h"
#include "tests/x11/XCapture.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>
// Last: Xlib's names and macros.
#include "tests/x11/XlibApi.h"

namespace {

using namespace skinsamples;
using namespace x11test;

// Where an element shows on the screen, and which record pictures it must show there.
struct Element {
    std::string name;
    TRect place;
    gfx::Surface picture;
    std::vector<TRect> faces;
    // The patches compared: corners of the faces, or the faces found anywhere in place.
    int patch;
    unsigned corners;
    bool anywhere{ false };
    bool plainFaces{ false };
};

bool Shows(const gfx::Surface& shot, const Element& e) {
    if (!e.anywhere)
        return CornersShow(shot, e.place, e.picture, e.faces, e.patch, e.corners, e.plainFaces);
    for (const TRect& face : e.faces)
        if (PartShows(shot, e.place, e.picture, face)) return true;
    return false;
}

// The program's windows shown on a private X server and photographed, once with the main
// skin loaded and once with a stored skin index that names no skin.
class WindowShots : public X11ProgramTest {
protected:
    WindowShots() : X11ProgramTest("window-shots") {}

    void SetUp() override {
        X11ProgramTest::SetUp();
        if (IsSkipped()) return;
        FMainSkin = LoadProgramSkin("main");
        FToolSkin = LoadProgramSkin("tool");
    }

    void StartWithSkinIndex(const std::string& stored) {
        std::ofstream(std::string(std::getenv(kSettingsFolderVariable)) + "option.ini")
            << "[Skin]\nSetSkin=" << stored << "\n";
        StartProgram();
        ASSERT_TRUE(Form1 && Form2 && Form5);
        // One job, so that the list with its header shows in place of the empty list's picture.
        auto dialogs = std::make_unique<TScriptedDialogs>();
        dialogs->FFiles = { fixtures::Standard().Avi };
        FPreviousDialogs = SetDialogs(std::move(dialogs));
        Form1->btnAddClick(nullptr);
        ASSERT_EQ(DescribedComponent<TbsSkinCustomListView>(Form1, "lvFiles")->Items().Count(), 1);
        // The pointer away from every window, so that nothing shows its hot look.
        XWarpPointer(FUser, 0, XDefaultRootWindow(FUser), 0, 0, 0, 0, 1023, 767);
        XSync(FUser, False);
    }

    // Shows the window, waits until the screen holds still where it is, saves that picture in
    // the build folder as fileName and returns the whole screen.
    gfx::Surface Photograph(TForm* form, const std::string& fileName) {
        form->Show();
        gfx::Surface previous;
        gfx::Surface shot;
        const bool still = RunUntil([&] {
            previous = std::move(shot);
            shot = CaptureXWindow(FUser, XDefaultRootWindow(FUser), 0, 0, 1024, 768);
            const TRect r = form->BoundsRect();
            return !previous.Empty() && SameScreen(previous, shot, r) &&
                   RgbAt(shot, r.Left + r.Width() / 2, r.Top + r.Height() / 2) != 0;
        });
        EXPECT_TRUE(still) << form->Name() << " never held still";
        const TRect r = form->BoundsRect();
        EXPECT_TRUE(win::HeadlessBackend::SavePng(
            CaptureXWindow(FUser, XDefaultRootWindow(FUser), r.Left, r.Top, r.Width(), r.Height()),
            ProgramFolder() + "../" + fileName));
        return shot;
    }

    static bool SameScreen(const gfx::Surface& a, const gfx::Surface& b, const TRect& r) {
        for (int y = std::max(r.Top, 0); y < std::min(r.Bottom, a.Height()); ++y)
            for (int x = std::max(r.Left, 0); x < std::min(r.Right, a.Width()); ++x)
                if (RgbAt(a, x, y) != RgbAt(b, x, y)) return false;
        return true;
    }

    static TRect ScreenPlace(TControl* c) {
        const TPoint origin = c->ClientToScreen(TPoint(0, 0));
        return TRect(origin.X, origin.Y, origin.X + c->Width(), origin.Y + c->Height());
    }

    Element ControlShowing(TForm* form, const std::string& name, const TbsSkinData& skin,
                           const std::string& record, int patch, unsigned corners = cAllCorners) {
        const TbsDataSkinControl& r = ControlRecord(skin, record);
        return { form->Name() + "." + name,
                 ScreenPlace(DescribedComponent<TControl>(form, name)),
                 RecordPicture(skin, r),
                 Faces(r),
                 patch,
                 corners };
    }

    // The window's frame: its corners from the corners of the skin's frame picture, and the
    // caption band's left end, which the skin's caption object draws from its own place in
    // that picture, ahead of the title.
    std::vector<Element> FrameShowing(TForm* form) {
        const gfx::Surface picture = FMainSkin->FPicture.ToSurface();
        const TRect bounds = form->BoundsRect();
        const TRect caption = FMainSkin->ObjectList.at(FMainSkin->GetIndex("caption"))->SkinRect;
        return { { form->Name() + " frame",
                   bounds,
                   picture,
                   { TRect(0, 0, picture.Width(), picture.Height()) },
                   3,
                   cAllCorners },
                 { form->Name() + " caption",
                   TRect(bounds.Left + caption.Left, bounds.Top + caption.Top,
                         bounds.Left + caption.Right, bounds.Top + caption.Bottom),
                   picture,
                   { caption },
                   3,
                   cTopLeft | cBottomLeft } };
    }

    // What the main skin draws in the window.
    std::vector<Element> MainSkinElements(TProgramWindow window) {
        TForm* form = ProgramWindow(window);
        const TbsSkinData& skin = *FMainSkin;
        std::vector<Element> elements = FrameShowing(form);
        switch (window) {
        case wMain: {
            // The menu bar's items start at its left end; its right end is the bare face.
            elements.push_back(ControlShowing(form, "bsSkinMainMenuBar1", skin, "mainmenubar", 2,
                                              cTopRight | cBottomRight));
            for (const char* panel : { "bsSkinPanel1", "bsSkinPanel2" })
                elements.push_back(ControlShowing(form, panel, skin, "panel", 2));
            // The caption band runs along a group box's top.
            for (const char* group : { "bsSkinPanel3", "bsSkinPanel4" })
                elements.push_back(
                    ControlShowing(form, group, skin, "groupbox", 2, cBottomLeft | cBottomRight));
            for (const char* button : { "bsSkinButton5", "bsSkinButton6" })
                elements.push_back(ControlShowing(form, button, skin, "button", 3));
            auto* list = DescribedComponent<TbsSkinCustomListView>(form, "lvFiles");
            win::RECT header{};
            win::GetWindowRect(list->SkinnedHeader(), &header);
            const TbsDataSkinControl& r = ControlRecord(skin, list->HeaderSkinDataName());
            // The first section at rest: the skin's face for it is one plain colour, which the
            // header's plain look does not have.
            const int section = list->Columns().Items(0)->Width();
            elements.push_back(
                { "lvFiles header",
                  TRect(header.left, header.top, header.left + section, header.bottom),
                  RecordPicture(skin, r),
                  { r.SkinRect },
                  3,
                  cAllCorners,
                  false,
                  true });
            break;
        }
        case wAbout:
            elements.push_back(ControlShowing(form, "bsSkinButton1", skin, "button", 3));
            break;
        case wOptions:
            for (const char* button : { "bsSkinButton1", "bsSkinButton6" })
                elements.push_back(ControlShowing(form, button, skin, "button", 3));
            break;
        }
        return elements;
    }

    // What the tool skin draws in the window.
    std::vector<Element> ToolSkinElements(TProgramWindow window) {
        TForm* form = ProgramWindow(window);
        const TbsSkinData& skin = *FToolSkin;
        std::vector<Element> elements;
        if (window == wMain) {
            for (int n : { 2, 7, 8, 10, 11, 19 })
                elements.push_back(
                    ControlShowing(form, "bsSkinButton" + std::to_string(n), skin, "button", 3));
            // The drop-down button covers a picker's right end.
            for (int n : { 1, 2, 3, 4, 9, 10 })
                elements.push_back(ControlShowing(form, "bsSkinComboBox" + std::to_string(n), skin,
                                                  "combobox", 3, cTopLeft | cBottomLeft));
        }
        if (window == wOptions) {
            const auto& radio =
                dynamic_cast<const TbsDataSkinCheckRadioControl&>(ControlRecord(skin, "radiobox"));
            // The mark's opaque middle; its rim lets the face show through.
            auto middle = [](const TRect& m) {
                return TRect(m.Left + 4, m.Top + 4, m.Right - 4, m.Bottom - 4);
            };
            for (int n : { 1, 2, 3, 4, 5, 6, 9, 10, 11, 12 }) {
                const std::string name = "bsSkinCheckRadioBox" + std::to_string(n);
                elements.push_back(
                    { form->Name() + "." + name,
                      ScreenPlace(DescribedComponent<TControl>(form, name)),
                      RecordPicture(skin, radio),
                      { middle(radio.CheckImageRect), middle(radio.UnCheckImageRect) },
                      0,
                      0,
                      true });
            }
        }
        return elements;
    }

    void CheckWindows(const std::string& stored, bool mainSkin) {
        const struct {
            TProgramWindow window;
            const char* file;
        } windows[] = { { wMain, "main" }, { wAbout, "about" }, { wOptions, "options" } };
        for (const auto& w : windows) {
            TForm* form = ProgramWindow(w.window);
            const gfx::Surface shot =
                Photograph(form, std::string("window-") + w.file + "-skin" + stored + ".png");
            for (const Element& e : MainSkinElements(w.window))
                EXPECT_EQ(Shows(shot, e), mainSkin) << e.name << " in the main skin";
            for (const Element& e : ToolSkinElements(w.window))
                EXPECT_TRUE(Shows(shot, e)) << e.name << " in the tool skin";
            if (form != Form1) form->Hide();
        }
    }

    void TearDown() override {
        X11ProgramTest::TearDown();
        if (FPreviousDialogs) SetDialogs(std::move(FPreviousDialogs));
    }

    std::unique_ptr<IDialogs> FPreviousDialogs;
    std::unique_ptr<TbsSkinData> FMainSkin;
    std::unique_ptr<TbsSkinData> FToolSkin;
};

TEST_F(WindowShots, TheMainAndToolSkinsDrawTheirElements) {
    StartWithSkinIndex("0");
    CheckWindows("0", true);
}

TEST_F(WindowShots, WithoutTheMainSkinOnlyTheToolSkinsElementsShowIt) {
    StartWithSkinIndex("5");
    CheckWindows("5", false);
}

} // namespace
