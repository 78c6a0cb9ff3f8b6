#include "MenuFixture.h"
#include "TitledPanel.h"
#include "lib/menus/bsSkinHint.h"
#include "lib/skindata/bsSkinWindowRecords.h"
#include "platform/forms/TPanel.h"
#include "platform/win/Input.h"
#include "platform/win/Win.h"

namespace menustest {
namespace {

using namespace win;

TEST(HintLayout, LineSeparatorsBecomeLineBreaks) {
    struct Case {
        const char* text;
        const char* separator;
        const char* expected;
    };
    const Case cases[] = {
        { "a@b", "@", "a\n\rb" },  { "a@b", "", "a@b" },
        { "@@", "@", "\n\r\n\r" }, { "one<br>two<br>", "<br>", "one\n\rtwo\n\r" },
        { "plain", "@", "plain" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReplaceLineSeparators(c.text, c.separator), c.expected) << c.text;
}

TEST(HintLayout, HintsPastTheAreaFlipByTheirSizePlusTwo) {
    const TRect area(0, 0, 800, 600);
    struct Case {
        TRect hint;
        TRect expected;
    };
    const Case cases[] = {
        { TRect(100, 100, 200, 120), TRect(100, 100, 200, 120) },
        { TRect(750, 100, 850, 120), TRect(648, 100, 748, 120) },
        { TRect(100, 590, 200, 610), TRect(100, 568, 200, 588) },
        { TRect(750, 590, 850, 610), TRect(648, 568, 748, 588) },
        { TRect(700, 580, 800, 600), TRect(700, 580, 800, 600) }, // touching is inside
        { TRect(-50, -20, 10, 0), TRect(-50, -20, 10, 0) },       // left and top not tested
    };
    for (const Case& c : cases)
        EXPECT_EQ(FitHintRect(c.hint, area), c.expected) << c.hint.Left << "," << c.hint.Top;
}

TEST(HintLayout, ResizedCornersNeverCrossTheirOpposites) {
    // A 40 x 30 picture whose right corners sit well right of the left ones.
    TbsDataSkinHintWindow record;
    record.LTPoint = TPoint(12, 10);
    record.RTPoint = TPoint(30, 8);
    record.LBPoint = TPoint(8, 22);
    record.RBPoint = TPoint(34, 20);
    record.ClRect = TRect(5, 5, 35, 25);
    struct Case {
        int w, h;
        int expectedW, expectedH;
    };
    const Case cases[] = {
        { 60, 50, 60, 50 }, // larger than the picture: no correction
        { 10, 30, 22, 30 }, // RT would pass LT: W grows by 12 - (30 - 30) = 12
        { 40, 5, 40, 18 },  // LB would rise above LT: H grows by 10 - (22 - 25) = 13
        { 1, 1, 22, 18 },
    };
    for (const Case& c : cases) {
        int W = c.w, H = c.h;
        const TbsHintGeometry g = ResizeHintGeometry(record, 40, 30, W, H);
        EXPECT_EQ(W, c.expectedW) << c.w << "x" << c.h;
        EXPECT_EQ(H, c.expectedH) << c.w << "x" << c.h;
        EXPECT_GE(g.NewRTPoint.X, g.NewLTPoint.X);
        EXPECT_GE(g.NewRBPoint.X, g.NewLBPoint.X);
        EXPECT_GE(g.NewLBPoint.Y, g.NewLTPoint.Y);
        EXPECT_GE(g.NewRBPoint.Y, g.NewRTPoint.Y);
        EXPECT_EQ(g.NewClRect, TRect(5, 5, 35 + W - 40, 25 + H - 30));
    }
}

class SkinHint : public MenuTest {
protected:
    void SetUp() override {
        MenuTest::SetUp();
        FHint = new TbsSkinHint(FForm);
    }
    void Loop() { FApp->ProcessMessages(); }
    void WaitLoop(unsigned ms) {
        FDisplay->Time().Advance(ms);
        Loop();
    }
    template <typename T>
    T* AddPanel(int left, int top, const std::string& hint) {
        auto* panel = new T(FForm);
        panel->SetParent(FForm);
        panel->SetBounds(left, top, 100, 50);
        panel->SetHint(hint);
        panel->SetShowHint(true);
        Loop();
        return panel;
    }
    void Hover(TControl* c) {
        FDisplay->MoveMouse(0, 0);
        Loop();
        WaitLoop(3000);
        const TPoint p = c->ClientToScreen(TPoint(10, 10));
        FDisplay->MoveMouse(p.X, p.Y);
        Loop();
        WaitLoop(FApp->HintPause());
    }
    static bool Visible(TWinControl* w) {
        return w && w->HandleAllocated() && IsWindowVisible(w->Handle());
    }
    TbsSkinHintWindow* AppWindow() {
        return dynamic_cast<TbsSkinHintWindow*>(FApp->Hints().HintWindow());
    }

    TbsSkinHint* FHint{ nullptr };
};

TEST_F(SkinHint, ASeparatorMakesTwoLinesAndAnEmptyOneKeepsTheAt) {
    TbsSkinHintWindow& w = *FHint->HintWindow();
    FHint->ActivateHint(TPoint(50, 50), "a");
    const int oneLine = w.Height();
    FHint->ActivateHint(TPoint(50, 50), "a@b");
    EXPECT_EQ(w.Caption(), "a\n\rb");
    EXPECT_GT(w.Height(), oneLine + oneLine / 2) << "two lines";
    FHint->SetLineSeparator("");
    FHint->ActivateHint(TPoint(50, 50), "a@b");
    EXPECT_EQ(w.Caption(), "a@b");
    EXPECT_EQ(w.Height(), oneLine);
    EXPECT_TRUE(FHint->IsVisible());
    EXPECT_EQ(w.BoundsRect().Left, 50);
}

TEST_F(SkinHint, TheApplicationsHintsComeFromTheSkinnedWindowWithTheControlsTitle) {
    EXPECT_EQ(FApp->HintShortPause(), 100u);
    auto* titled = AddPanel<TTitledPanel>(10, 10, "with title");
    titled->FTitle = "Title";
    auto* plain = AddPanel<TPanel>(10, 100, "plain");
    std::vector<std::string> seen;
    FHint->OnShowHint = [&](std::string& text, bool&, THintInfo&) { seen.push_back(text); };
    Hover(titled);
    ASSERT_NE(AppWindow(), nullptr) << "the application's window is of the skinned class";
    EXPECT_TRUE(Visible(AppWindow()));
    EXPECT_EQ(FHint->HintTitle(), "Title");
    EXPECT_TRUE(AppWindow()->AExtendedStyle);
    Hover(plain);
    EXPECT_TRUE(Visible(AppWindow()));
    EXPECT_EQ(FHint->HintTitle(), "");
    EXPECT_FALSE(AppWindow()->AExtendedStyle) << "a plain control gets a plain hint";
    EXPECT_EQ(seen, (std::vector<std::string>{ "with title", "plain" }));
}

TEST_F(SkinHint, ASecondActiveComponentTurnsTheFirstOffAndTakesTheHints) {
    auto* panel = AddPanel<TPanel>(10, 10, "hint");
    int firstCalls = 0, secondCalls = 0;
    FHint->OnShowHint = [&](std::string&, bool&, THintInfo&) { ++firstCalls; };
    auto* second = new TbsSkinHint(FForm);
    second->OnShowHint = [&](std::string&, bool&, THintInfo&) { ++secondCalls; };
    second->SetActive(true);
    EXPECT_FALSE(FHint->Active());
    EXPECT_TRUE(second->Active());
    Hover(panel);
    EXPECT_EQ(firstCalls, 0);
    EXPECT_EQ(secondCalls, 1);
}

TEST_F(SkinHint, TwoDelayedHintsInsideThePauseShowOnlyTheSecondOnce) {
    const TPoint p = FForm->ClientToScreen(TPoint(20, 20));
    FDisplay->MoveMouse(p.X, p.Y);
    Loop();
    TbsSkinHintWindow& w = *FHint->HintWindow();
    FHint->ActivateHint2("first");
    WaitLoop(300);
    FHint->ActivateHint2("second");
    WaitLoop(300);
    EXPECT_FALSE(FHint->IsVisible()) << "the pause starts again with the second call";
    WaitLoop(200);
    ASSERT_TRUE(FHint->IsVisible());
    EXPECT_EQ(w.Caption(), "second");
    EXPECT_EQ(w.BoundsRect().Left, p.X);
    EXPECT_EQ(w.BoundsRect().Top, p.Y + TbsSkinHint::GetCursorHeightMargin());
    WaitLoop(FApp->HintHidePause());
    EXPECT_FALSE(FHint->IsVisible());
    WaitLoop(5000);
    EXPECT_FALSE(FHint->IsVisible()) << "shown once";
}

TEST_F(SkinHint, AHintAboveOrBelowARectIsCentredOnIt) {
    TbsSkinHintWindow& w = *FHint->HintWindow();
    const TRect from(200, 200, 300, 220);
    for (bool top : { true, false }) {
        FHint->ActivateHint3(from, "centred", top);
        WaitLoop(FApp->HintPause());
        ASSERT_TRUE(FHint->IsVisible());
        const TRect r = w.BoundsRect();
        EXPECT_EQ(r.Left, 250 - r.Width() / 2);
        EXPECT_EQ(top ? r.Bottom : r.Top, top ? 200 : 220);
        FHint->HideHint();
        EXPECT_FALSE(FHint->IsVisible());
    }
    FHint->HideHint(); // nothing to hide: changes nothing
    EXPECT_FALSE(FHint->IsVisible());
}

TEST_F(SkinHint, FreeingTheComponentGivesBackTheClassAndHandlerBefore) {
    delete FHint;
    FHint = nullptr;
    int before = 0;
    const auto handler =
        FApp->Hints().AddShowHintHandler([&](std::string&, bool&, THintInfo&) { ++before; });
    auto* hint = new TbsSkinHint(FForm);
    auto* panel = AddPanel<TPanel>(10, 10, "hint");
    Hover(panel);
    EXPECT_NE(AppWindow(), nullptr);
    EXPECT_EQ(before, 0);
    delete hint;
    Hover(panel);
    EXPECT_EQ(AppWindow(), nullptr) << "the plain class is back";
    EXPECT_TRUE(Visible(FApp->Hints().HintWindow()));
    EXPECT_EQ(before, 1) << "the handler before is back";
    FApp->Hints().RemoveShowHintHandler(handler);
}

TEST_F(SkinHint, WithoutAnActiveComponentTheSkinnedWindowShowsNothing) {
    auto* panel = AddPanel<TPanel>(10, 10, "hint");
    Hover(panel);
    ASSERT_TRUE(Visible(AppWindow()));
    FHint->SetActive(false);
    Hover(panel);
    EXPECT_FALSE(Visible(AppWindow()));
}

TEST_F(SkinHint, AnImageOutsideTheListIsLeftOut) {
    TImageList* images = MakeImages();
    TbsSkinHintWindow& w = *FHint->HintWindow();
    FHint->ActivateHintEx(TPoint(40, 40), "", "text", 99, images);
    const int without = w.Width();
    FHint->ActivateHintEx(TPoint(40, 40), "", "text", 1, images);
    EXPECT_EQ(w.Width(), without + images->Width() + 10);
    FHint->ActivateHintEx(TPoint(40, 40), "", "text", -1, images);
    EXPECT_EQ(w.Width(), without);
}


class SkinHintPictures : public SkinHint, public testing::WithParamInterface<const char*> {
protected:
    gfx::Surface ShownHint() {
        Loop();
        const auto* native = FDisplay->Native(FHint->HintWindow()->Handle());
        return native ? native->FPresented : gfx::Surface();
    }
};

// The hint window as a user sees it: the skin's hint picture around two lines of text, and
// without a skin the plain frame and face.
TEST_P(SkinHintPictures, DrawsTwoLinesOnItsFace) {
    const std::string skinName = GetParam();
    std::unique_ptr<TbsSkinData> skin;
    if (!skinName.empty()) {
        skin = LoadProgramSkin(skinName);
        FHint->SetSkinData(skin.get());
    }
    FHint->ActivateHint(TPoint(50, 50), "Convert the list@Ctrl+R");
    ASSERT_TRUE(FHint->IsVisible());
    ExpectMatchesGolden(ShownHint(), "lib/menus/" +
                                         std::string(skinName.empty() ? "Plain" : "Skinned") +
                                         "Hint_golden.png");
    FHint->HideHint();
    FHint->SetSkinData(nullptr);
}

INSTANTIATE_TEST_SUITE_P(Skins, SkinHintPictures, testing::Values("", "main"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return std::string(*info.param ? "Skinned" : "Plain");
                         });

} // namespace
} // namespace menustest
