#include "FrameFixture.h"
#include "lib/controls/TbsSkinMenuSpeedButton.h"
#include "lib/frame/TbsSkinMDITabsBar.h"
#include "lib/frame/TbsSkinMainMenuBar.h"
#include "lib/frame/bsFrameMessages.h"
#include "lib/skindata/bsSkinTabViewRecords.h"
#include "platform/forms/TMenuItem.h"
#include "platform/forms/TPanel.h"
#include "platform/win/Messaging.h"
#include "tests/lib/menus/MenuFixture.h"

#include <string>
#include <vector>

namespace frametest {
namespace {

using namespace win;

// An MDI main form with a skinless form-skin component; children carry the frame skin.
class MDIFrame : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        FSkin = MakeFrameSkin(false);
        FMain->SetFormStyle(fsMDIForm);
        FMainSkin = SkinForm(FMain, nullptr);
        FMain->Show();
        Pump();
        // Once the frame is drawn without a skin, so that its insets hold.
        FMain->SetClientWidth(1000);
        FMain->SetClientHeight(600);
    }
    TForm* NewChild(const std::string& name, TFormBorderStyle border = bsSizeable) {
        TForm* child = NewForm(TRect(10, 10, 310, 210), border);
        child->SetName(name);
        child->SetCaption(name);
        child->SetFormStyle(fsMDIChild);
        SkinForm(child, FSkin.get());
        child->Show();
        Pump();
        return child;
    }
    TbsSkinForm* Skin(TCustomForm* form) { return FindSkinForm(form); }
    TCustomForm* Child(int index) { return FMain->MDIChildren(index); }
    TbsSkinForm* FMainSkin{ nullptr };
};

TEST_F(MDIFrame, MinimizedChildrenLineUpFromTheClientAreasBottomLeft) {
    std::vector<TForm*> children;
    for (const char* name : { "A", "B", "C", "D", "E" })
        children.push_back(NewChild(name));
    const int minW = Skin(children[0])->GetMinWidth(), minH = Skin(children[0])->GetMinHeight();
    // Room for two bars a row and two rows.
    FMain->SetClientWidth(2 * minW + 5);
    FMain->SetClientHeight(2 * minH + 5);
    const TRect area = FMainSkin->GetMDIClientArea();
    ASSERT_EQ(area.Width(), 2 * minW + 5);
    const int bottom = area.Height() - minH;
    const TPoint expected[] = { { 0, bottom },
                                { minW, bottom },
                                { 0, bottom - minH },
                                { minW, bottom - minH },
                                { 0, bottom } };
    for (std::size_t i = 0; i < children.size(); ++i) {
        Skin(children[i])->SetWindowState(wsMinimized);
        EXPECT_EQ(children[i]->Left(), expected[i].X) << i;
        EXPECT_EQ(children[i]->Top(), expected[i].Y) << i;
        EXPECT_EQ(children[i]->Width(), minW);
    }
}

TEST_F(MDIFrame, TileFillsColumnsFromTheRightAndCascadeStepsByTheCaption) {
    for (const char* name : { "A", "B", "C", "D", "E" })
        NewChild(name);
    FMainSkin->Tile();
    // Two columns: the right one holds the last three children from the bottom up at a third
    // of the height each, the left one the first two at half the height.
    struct Case {
        int index;
        TRect bounds;
    };
    const Case tiles[] = { { 4, TRect(500, 400, 1000, 600) },
                           { 3, TRect(500, 200, 1000, 400) },
                           { 2, TRect(500, 0, 1000, 200) },
                           { 1, TRect(0, 300, 500, 600) },
                           { 0, TRect(0, 0, 500, 300) } };
    for (const Case& c : tiles)
        EXPECT_EQ(Child(c.index)->BoundsRect(), c.bounds) << c.index;

    delete Child(0);
    delete Child(0);
    TForm* fixed = NewChild("F", bsSingle);
    const TSize fixedSize(fixed->Width(), fixed->Height());
    FMainSkin->Cascade();
    const int step = FMainSkin->DefCaptionHeight() + 3;
    ASSERT_EQ(step, 22);
    // 1000 - 800 leaves room for 9 steps, more than the 4 children: 3 steps off the size.
    for (int i = 0; i < 4; ++i) {
        TCustomForm* child = Child(i);
        EXPECT_EQ(child->Left(), (3 - i) * step) << i;
        EXPECT_EQ(child->Top(), (3 - i) * step) << i;
        if (child == fixed) {
            EXPECT_EQ(TSize(child->Width(), child->Height()), fixedSize) << "single keeps its size";
        } else {
            EXPECT_EQ(child->Width(), 1000 - 3 * step);
            EXPECT_EQ(child->Height(), 600 - 3 * step);
        }
    }
}

TEST_F(MDIFrame, MaximizeAllFillsTheClientAreaAndRestoreAllBringsEachBack) {
    TForm* a = NewChild("A");
    TForm* b = NewChild("B");
    b->SetBounds(40, 50, 320, 240);
    const TRect boundsA = a->BoundsRect(), boundsB = b->BoundsRect();
    FMainSkin->MaximizeAll();
    EXPECT_EQ(a->BoundsRect(), TRect(0, 0, 1000, 600));
    EXPECT_EQ(b->BoundsRect(), TRect(0, 0, 1000, 600));
    EXPECT_TRUE(FMainSkin->MDIChildMaximized());
    EXPECT_EQ(FMainSkin->FindMaximizedMDIChild(), FMain->ActiveMDIChild());

    // An aligned control takes part of the client area: the maximized children follow.
    auto* top = new TPanel(FMain);
    top->SetParent(FMain);
    top->SetHeight(30);
    top->SetAlign(alTop);
    FMainSkin->RefitMDIChildren();
    EXPECT_EQ(FMainSkin->GetMDIClientArea(), TRect(0, 30, 1000, 600));
    EXPECT_EQ(a->BoundsRect(), TRect(0, 0, 1000, 570));

    FMainSkin->RestoreAll();
    EXPECT_EQ(a->BoundsRect(), boundsA);
    EXPECT_EQ(b->BoundsRect(), boundsB);
    EXPECT_FALSE(FMainSkin->MDIChildMaximized());
    EXPECT_EQ(FMainSkin->FindMaximizedMDIChild(), nullptr);
}

TEST_F(MDIFrame, TheMenuBarShowsAMaximizedChildsButtonsWhileOneIsMaximized) {
    auto* bar = new TbsSkinMainMenuBar(FMain);
    bar->SetParent(FMain);
    bar->SetSkinForm(FMainSkin);
    FMainSkin->SetMainMenuBar(bar);
    TForm* a = NewChild("A");
    TForm* b = NewChild("B");
    Skin(a)->SetWindowState(wsMaximized);
    Pump();
    EXPECT_TRUE(bar->FMDIChildMax);
    EXPECT_FALSE(bar->ObjectList.empty());
    Skin(b)->SetWindowState(wsMaximized);
    Skin(a)->SetWindowState(wsNormal);
    Pump();
    EXPECT_TRUE(bar->FMDIChildMax) << "another child is still maximized";
    Skin(b)->SetWindowState(wsNormal);
    Pump();
    EXPECT_FALSE(bar->FMDIChildMax);
}

TEST_F(MDIFrame, TheCaptionShowsAMaximizedChildsCaptionInBrackets) {
    FMain->SetCaption("Main");
    TForm* a = NewChild("A");
    NewChild("B");
    EXPECT_EQ(FMainSkin->CaptionText(), "Main");
    Skin(a)->SetWindowState(wsMaximized);
    Pump();
    EXPECT_EQ(FMainSkin->CaptionText(), "Main - [A]");
    a->SetCaption("Letter");
    EXPECT_EQ(FMainSkin->CaptionText(), "Main - [Letter]");
    EXPECT_EQ(Skin(a)->CaptionText(), "Letter") << "a child shows its own caption only";
    Skin(a)->SetWindowState(wsNormal);
    Pump();
    EXPECT_EQ(FMainSkin->CaptionText(), "Main");
}

TEST_F(MDIFrame, APressOnTheMainFormClosesTheActiveChildsMenu) {
    TForm* child = NewChild("A");
    TbsSkinForm* childSkin = Skin(child);
    auto* menu = new TPopupMenu(child);
    auto* item = new TMenuItem(child);
    item->SetCaption("One");
    menu->Items().Add(item);
    ASSERT_EQ(FMain->ActiveMDIChild(), child);
    for (bool shown : { true, false }) {
        if (shown) {
            childSkin->PopupSkinMenu(menu, TPoint(150, 150));
            ASSERT_TRUE(childSkin->SkinMenu().Visible());
        } else {
            childSkin->SkinMenuOpen(); // menu mode with no level left on the screen
        }
        ASSERT_TRUE(childSkin->InMenu);
        Send(FMain, WM_LBUTTONDOWN, 0, MAKELPARAM(5, 5));
        EXPECT_FALSE(childSkin->SkinMenu().Visible()) << shown;
        EXPECT_FALSE(childSkin->InMenu) << shown;
    }
}

TEST_F(MDIFrame, CloseAllClosesFromTheLastChildAndGoesOnPastARefusal) {
    std::vector<std::string> closed;
    for (const char* name : { "A", "B", "C" }) {
        TForm* child = NewChild(name);
        child->OnCloseQuery = [&closed, child](TObject*, bool& canClose) {
            closed.push_back(child->Name());
            canClose = child->Name() != "B";
        };
        child->OnClose = [](TObject*, TCloseAction& action) { action = caHide; };
    }
    FMainSkin->CloseAll();
    EXPECT_EQ(closed, (std::vector<std::string>{ "A", "B", "C" })) << "last index first";
    int visible = 0;
    for (int i = 0; i < FMain->MDIChildCount(); ++i)
        visible += Child(i)->Visible();
    EXPECT_EQ(visible, 1);
}

TEST_F(MDIFrame, ChildrenKeepTheirItemsInTheWindowMenu) {
    auto* menu = new TMenuItem(FMain);
    FMain->SetWindowMenu(menu);
    TForm* doc = NewChild("Doc1");
    TForm* other = NewChild("Doc2");
    ASSERT_EQ(menu->Count(), 2);
    EXPECT_EQ(menu->Items(0)->Name(), "Doc1_BSFCHILDITEM");
    EXPECT_EQ(menu->Items(0)->Caption(), "Doc1");
    EXPECT_TRUE(menu->Items(1)->Checked()) << "the active child's item";
    EXPECT_FALSE(menu->Items(0)->Checked());

    doc->SetCaption("Letter");
    EXPECT_EQ(menu->Items(0)->Caption(), "Letter");
    Skin(doc)->SetWindowState(wsMinimized);
    menu->Items(0)->Click();
    EXPECT_EQ(Skin(doc)->WindowState(), wsNormal) << "the item restores and shows its child";
    EXPECT_EQ(FMain->ActiveMDIChild(), doc);

    // Renamed while shown, the child no longer finds its item; it goes with the last child.
    doc->SetName("Renamed");
    doc->Hide();
    EXPECT_EQ(menu->Count(), 2);
    other->Hide();
    EXPECT_EQ(menu->Count(), 0);
}

// The tabs bar on the main form, named by the main form's component.
class MDITabs : public MDIFrame {
protected:
    void SetUp() override {
        MDIFrame::SetUp();
        FBar = new TbsSkinMDITabsBar(FMain);
        FBar->SetParent(FMain);
        FBar->SetBounds(0, 0, 315, 21);
        FBar->SetSkinForm(FMainSkin);
        FMainSkin->SetMDITabsBar(FBar);
    }
    void Mouse(UINT msg, int x, int y) {
        FBar->Perform(msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
    }
    std::vector<std::string> TabNames() const {
        std::vector<std::string> names;
        for (int i = 0; i < FBar->TabCount(); ++i)
            names.push_back(FBar->Tabs(i)->Child->Name());
        return names;
    }
    TbsSkinMDITabsBar* FBar{ nullptr };
};

TEST_F(MDITabs, TabsShareTheBarAndHideBehindTheListButtonWhenNarrow) {
    for (const char* name : { "A", "B", "C" })
        NewChild(name);
    ASSERT_EQ(TabNames(), (std::vector<std::string>{ "A", "B", "C" }));
    FBar->CalcTabRects();
    EXPECT_EQ(FBar->Tabs(0)->ObjectRect, TRect(15, 0, 115, 21));
    EXPECT_EQ(FBar->Tabs(1)->ObjectRect, TRect(115, 0, 215, 21));
    EXPECT_EQ(FBar->Tabs(2)->ObjectRect, TRect(215, 0, 315, 21));
    EXPECT_EQ(FBar->GetTabIndex(115, 5), 0) << "a shared edge belongs to the left tab";
    EXPECT_EQ(FBar->GetTabIndex(5, 5), -1);
    EXPECT_TRUE(FBar->ListButton());
    EXPECT_TRUE(FBar->Tabs(2)->Active);

    NewChild("D");
    NewChild("E");
    FBar->SetMinTabWidth(80);
    FBar->SetWidth(250);
    FBar->Repaint();
    EXPECT_EQ(FBar->InVisibleCount(), 3);
    EXPECT_TRUE(FBar->Tabs(1)->Visible);
    EXPECT_FALSE(FBar->Tabs(2)->Visible);
    EXPECT_TRUE(FBar->Tabs(2)->ObjectRect.IsEmpty());
    EXPECT_TRUE(FBar->HideListButton()) << "the hidden tabs' list";

    FBar->HideListButton()->OnShowTrackMenu(nullptr);
    TMenuItem& hidden = FBar->HideListMenu().Items();
    ASSERT_EQ(hidden.Count(), 3);
    EXPECT_EQ(hidden.Items(0)->Name(), "C_BSFCHILDITEMBARHIDE");
    EXPECT_TRUE(hidden.Items(2)->Checked()) << "E is active";
    hidden.Items(0)->Click();
    EXPECT_EQ(FMain->ActiveMDIChild()->Name(), "C");

    delete Child(0);
    EXPECT_EQ(FBar->TabCount(), 4) << "a freed child takes its tab along";
}

TEST_F(MDITabs, DraggingATabDropsItBesideTheTabItPassed) {
    for (const char* name : { "A", "B", "C" })
        NewChild(name);
    FBar->Repaint();
    // The first tab (15..115) dragged right until its right edge passes the third's middle.
    Mouse(WM_LBUTTONDOWN, 50, 10);
    Mouse(WM_MOUSEMOVE, 60, 10);
    Mouse(WM_MOUSEMOVE, 200, 10);
    FBar->CalcTabRects();
    EXPECT_EQ(FBar->GetDropIndex(), 1) << "right edge 265 is on the third's middle, not past it";
    Mouse(WM_MOUSEMOVE, 210, 10);
    FBar->CalcTabRects();
    EXPECT_EQ(FBar->GetDropIndex(), 2);
    Mouse(WM_LBUTTONUP, 210, 10);
    EXPECT_EQ(TabNames(), (std::vector<std::string>{ "B", "C", "A" }));
    EXPECT_EQ(FMain->ActiveMDIChild()->Name(), "A") << "the press brought its child to the front";

    // Back to the left: past the middle of the first tab, the lowest index qualifying wins.
    Mouse(WM_LBUTTONDOWN, 250, 10);
    Mouse(WM_MOUSEMOVE, 40, 10);
    FBar->CalcTabRects();
    EXPECT_EQ(FBar->GetDropIndex(), 0);
    Mouse(WM_LBUTTONUP, 40, 10);
    EXPECT_EQ(TabNames(), (std::vector<std::string>{ "A", "B", "C" }));
}

TEST_F(MDITabs, ACloseButtonClosesOnlyWhenReleasedOnIt) {
    TForm* a = NewChild("A");
    NewChild("B");
    int closes = 0;
    a->OnCloseQuery = [&](TObject*, bool& canClose) {
        ++closes;
        canClose = false;
    };
    FBar->SetShowCloseButtons(true);
    FBar->Repaint();
    const TbsMDITab* tab = FBar->Tabs(0);
    const TRect button = tab->ButtonRect;
    ASSERT_FALSE(button.IsEmpty());
    const int x = tab->ObjectRect.Left + button.Left + 3, y = button.Top + 3;
    Mouse(WM_LBUTTONDOWN, x, y);
    EXPECT_TRUE(tab->ButtonMouseDown);
    Mouse(WM_LBUTTONUP, 40, y);
    EXPECT_EQ(closes, 0) << "released outside the button";
    Mouse(WM_LBUTTONDOWN, x, y);
    Mouse(WM_LBUTTONUP, x, y);
    EXPECT_EQ(closes, 1);
}

TEST_F(MDITabs, CloseButtonFallbacksLeaveTheSkinRecordAsLoaded) {
    auto record = std::make_unique<TbsDataSkinTabControl>("tab");
    record->TabRect = TRect(0, 0, 60, 20);
    record->CloseButtonRect = TRect(70, 0, 82, 12);
    TbsDataSkinTabControl* loaded = record.get();
    FSkin->CtrlList.push_back(std::move(record));
    FBar->SetSkinData(FSkin.get());
    NewChild("A");
    FBar->Repaint();
    ASSERT_TRUE(FBar->HasSkinElement());
    EXPECT_EQ(FBar->Look().CloseButtonActiveRect, TRect(70, 0, 82, 12));
    EXPECT_EQ(FBar->Look().CloseButtonDownRect, TRect(70, 0, 82, 12));
    EXPECT_TRUE(loaded->CloseButtonActiveRect.IsEmpty()) << "other controls read the record too";
    EXPECT_TRUE(loaded->CloseButtonDownRect.IsEmpty());
    EXPECT_EQ(FBar->GetCloseSize(), 12);
}

TEST_F(MDITabs, MDIFormWithSkinnedChildrenOneMaximizedAndTheTabsBar) {
    FMain->SetClientWidth(480);
    FMain->SetClientHeight(300);
    FBar->SetAlign(alTop);
    TForm* a = NewChild("Report");
    TForm* b = NewChild("Notes");
    a->SetBounds(20, 20, 200, 140);
    b->SetBounds(120, 60, 220, 150);
    Skin(a)->SetWindowState(wsMaximized);
    FMain->Repaint();
    Pump();
    menustest::ExpectMatchesGolden(Shown(FMain), "lib/frame/MDIForm_golden.png");
}

} // namespace
} // namespace frametest
