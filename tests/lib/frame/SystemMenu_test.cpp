#include "FrameFixture.h"

#include "lib/frame/TbsTrayIcon.h"
#include "lib/menus/TbsSkinMenu.h"
#include "lib/menus/TbsSkinPopupWindow.h"
#include "lib/menus/TbsSkinPopupMenu.h"
#include "platform/forms/ShortCutText.h"
#include "platform/forms/TMenuItem.h"
#include "platform/shell/FakeTray.h"

#include <string>

namespace frametest {
namespace {

using namespace win;
using Icons = TbsSkinForm::TbsBorderIcons;

// The items as "Name" (a line: "-"), joined by spaces.
std::string Names(const TMenuItem& items) {
    std::string names;
    for (int i = 0; i < items.Count(); ++i) {
        if (!names.empty()) names += ' ';
        const TMenuItem& item = *items.Items(i);
        names += item.IsLine() ? "-" : item.Name().empty() ? item.Caption() : item.Name();
    }
    return names;
}

TMenuItem* Find(TMenuItem& items, const std::string& name) {
    return items.FindByName(name);
}

class SystemMenu : public FrameTest {
protected:
    TbsSkinForm* ShownSkinForm(Icons icons) {
        FSkin = MakeFrameSkin();
        FForm = NewForm(TRect(100, 100, 400, 300), bsSizeable);
        TbsSkinForm* skinForm = SkinForm(FForm, FSkin.get());
        skinForm->SetBorderIcons(icons);
        FForm->Show();
        return skinForm;
    }

    TForm* FForm{ nullptr };
};

TEST_F(SystemMenu, ItemsFollowTheBorderIconsAndTheWindowState) {
    using enum TbsSkinForm::TbsBorderIcon;
    const Icons settingsDialog{ biSystemMenu, biMinimize, biMaximize, biRollUp };
    struct Case {
        const char* what;
        Icons icons;
        TWindowState state;
        bool rolledUp;
        const char* names;
    };
    const Case cases[] = {
        { "main window", { biMinimize }, wsNormal, false, "BSF_MINITEM - BSF_CLOSE" },
        { "about box", { biRollUp }, wsNormal, false, "BSF_ROLLUP - BSF_CLOSE" },
        { "options dialog", {}, wsNormal, false, "BSF_CLOSE" },
        { "settings dialog", settingsDialog, wsNormal, false,
          "BSF_MINITEM BSF_MAXITEM BSF_ROLLUP - BSF_CLOSE" },
        { "maximized", settingsDialog, wsMaximized, false,
          "BSF_MINITEM BSF_RESTORE BSF_ROLLUP - BSF_CLOSE" },
        { "minimized", settingsDialog, wsMinimized, false, "BSF_MAXITEM BSF_RESTORE - BSF_CLOSE" },
        { "rolled up", settingsDialog, wsNormal, true,
          "BSF_MINITEM BSF_MAXITEM BSF_RESTORE - BSF_CLOSE" },
        { "to tray",
          { TbsSkinForm::biMinimizeToTray },
          wsNormal,
          false,
          "BSF_MINTOTRAY - BSF_CLOSE" },
    };
    for (const Case& c : cases) {
        TbsSkinForm* skinForm = ShownSkinForm(c.icons);
        skinForm->SetWindowState(c.state);
        skinForm->SetRollUpState(c.rolledUp);
        EXPECT_EQ(Names(*skinForm->GetSystemMenuItems()), c.names) << c.what;
        delete FForm;
    }
}

TEST_F(SystemMenu, CaptionsComeFromTheStringTableAndCloseShowsAltF4) {
    TbsSkinForm* skinForm = ShownSkinForm({ TbsSkinForm::biMinimize });
    TMenuItem& items = *skinForm->GetSystemMenuItems();
    EXPECT_EQ(Find(items, "BSF_MINITEM")->Caption(), "Mi&nimize");
    EXPECT_EQ(Find(items, "BSF_CLOSE")->Caption(), "&Close");
    EXPECT_EQ(ShortCutToText(Find(items, "BSF_CLOSE")->ShortCut()), "Alt+F4");
    EXPECT_EQ(Names(skinForm->SysTrayMenu()->Items()), "TRAY_BSF_RESTORE - TRAY_BSF_CLOSE");
}

TEST_F(SystemMenu, ReopeningRebuildsWithoutDuplicatesAndKeepsTheAuthorsItems) {
    TbsSkinForm* skinForm = ShownSkinForm({ TbsSkinForm::biMinimize, TbsSkinForm::biMaximize });
    skinForm->ShowSystemMenuAt(150, 150);
    skinForm->ShowSystemMenuAt(150, 150);
    EXPECT_EQ(Names(*skinForm->GetSystemMenuItems()), "BSF_MINITEM BSF_MAXITEM - BSF_CLOSE");
    ASSERT_EQ(skinForm->SkinMenu().PopupList().size(), 1u);
    EXPECT_EQ(skinForm->SkinMenu().PopupList()[0]->ItemList().size(), 4u);
    skinForm->SkinMenu().Hide();

    auto* author = new TPopupMenu(FForm);
    auto* own = new TMenuItem(FForm);
    own->SetCaption("About");
    author->Items().Add(own);
    skinForm->SetSystemMenu(author);
    skinForm->SetWindowState(wsMaximized);
    skinForm->GetSystemMenuItems();
    EXPECT_EQ(Names(*skinForm->GetSystemMenuItems()), "BSF_MINITEM BSF_RESTORE About BSF_CLOSE")
        << "Restore comes before Maximize in an author's menu";
    skinForm->SetUseDefaultSysMenu(false);
    skinForm->SetWindowState(wsNormal);
    EXPECT_EQ(Names(*skinForm->GetSystemMenuItems()), "BSF_MINITEM BSF_RESTORE About BSF_CLOSE")
        << "shown as it stands";
}

TEST_F(SystemMenu, RestoreOnARolledUpFormUnrollsItAndKeepsTheWindowState) {
    TbsSkinForm* skinForm = ShownSkinForm({ TbsSkinForm::biRollUp, TbsSkinForm::biMaximize });
    const int height = FForm->Height();
    skinForm->SetRollUpState(true);
    ASSERT_TRUE(skinForm->RollUpState());
    Find(*skinForm->GetSystemMenuItems(), "BSF_RESTORE")->Click();
    EXPECT_FALSE(skinForm->RollUpState());
    EXPECT_EQ(skinForm->WindowState(), wsNormal);
    EXPECT_EQ(FForm->Height(), height);

    skinForm->SetWindowState(wsMaximized);
    Find(*skinForm->GetSystemMenuItems(), "BSF_RESTORE")->Click();
    EXPECT_EQ(skinForm->WindowState(), wsNormal);
}

TEST_F(SystemMenu, ARightClickOnTheCaptionOpensItUnlessDisabled) {
    TbsSkinForm* skinForm = ShownSkinForm({});
    for (bool disabled : { true, false }) {
        skinForm->SetDisableSystemMenu(disabled);
        Send(FForm, WM_NCRBUTTONDOWN, HTCAPTION, MAKELPARAM(150, 105));
        EXPECT_EQ(skinForm->SkinMenu().Visible(), !disabled);
        EXPECT_EQ(skinForm->InMenu, !disabled);
    }
}

// The program's main form with its tray icon on a fake tray.
class TrayMenu : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        auto tray = std::make_unique<FakeTray>();
        FTray = tray.get();
        InstallTrayBackend(std::move(tray));
        FMain->Show();
        FSkinForm = SkinForm(FMain, nullptr);
        FSkinForm->SetBorderIcons({ TbsSkinForm::biMinimize });
        FIcon = new TbsTrayIcon(FMain);
        FIcon->Loaded();
        FSkinForm->SetTrayIcon(FIcon);
        FSkinForm->OnMinimizeToTray = [this](TObject*) { ++FToTray; };
        FSkinForm->OnRestoreFromTray = [this](TObject*) { ++FFromTray; };
    }
    void TearDown() override {
        FApp.reset();
        InstallTrayBackend(nullptr);
        FrameTest::TearDown();
    }

    FakeTray* FTray{ nullptr };
    TbsSkinForm* FSkinForm{ nullptr };
    TbsTrayIcon* FIcon{ nullptr };
    int FToTray{ 0 }, FFromTray{ 0 };
};

TEST_F(TrayMenu, MinimizeGoesToTheTrayAndTheTrayMenusRestoreComesBack) {
    EXPECT_TRUE(FTray->Icons().empty()) << "the icon hides until the form goes to the tray";
    EXPECT_EQ(FIcon->PopupMenu(), FSkinForm->SysTrayMenu());
    FSkinForm->SetAlwaysMinimizeToTray(true);
    Find(*FSkinForm->GetSystemMenuItems(), "BSF_MINITEM")->Click();
    Pump();
    EXPECT_FALSE(FMain->Visible());
    EXPECT_EQ(FTray->Icons().size(), 1u);
    EXPECT_EQ(FToTray, 1);

    Find(FSkinForm->SysTrayMenu()->Items(), "TRAY_BSF_RESTORE")->Click();
    Pump();
    EXPECT_TRUE(FMain->Visible());
    EXPECT_TRUE(FTray->Icons().empty());
    EXPECT_EQ(FFromTray, 1);

    FSkinForm->SetAlwaysShowInTray(true);
    FSkinForm->MinimizeToTray();
    ASSERT_TRUE(FTray->Mouse(WM_LBUTTONDBLCLK)) << "a double click on the icon restores too";
    Pump();
    EXPECT_TRUE(FMain->Visible());
    EXPECT_EQ(FTray->Icons().size(), 1u) << "AlwaysShowInTray keeps the icon";
    EXPECT_EQ(FFromTray, 2);
}

TEST_F(TrayMenu, WithoutATrayIconNothingHappens) {
    FSkinForm->SetTrayIcon(nullptr);
    FSkinForm->MinimizeToTray();
    FSkinForm->RestoreFromTray();
    EXPECT_TRUE(FMain->Visible());
    EXPECT_EQ(FToTray + FFromTray, 0);
}

} // namespace
} // namespace frametest
