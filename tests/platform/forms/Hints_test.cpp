#include "ControlsFixture.h"
#include "platform/forms/ControlMessages.h"
#include "platform/forms/THintManager.h"
#include "platform/forms/TPanel.h"
#include "platform/win/Focus.h"
#include "platform/win/Input.h"
#include "platform/win/WindowApi.h"
#include <functional>
#include <string>
#include <vector>

namespace formstest {
namespace {

using namespace win;

// A control with a hint that can answer CM_HINTSHOW as a test tells it.
class THintedPanel : public TPanel {
public:
    using TPanel::TPanel;
    std::function<LRESULT(THintInfo&)> OnHintShow;

    void WndProc(TMessage& message) override {
        if (message.Msg == CM_HINTSHOW && OnHintShow) {
            message.Result = OnHintShow(*reinterpret_cast<THintInfo*>(message.LParam));
            return;
        }
        TPanel::WndProc(message);
    }
};

// A hint window class of its own, to see which class the application makes its window from.
class TTaggedHintWindow : public THintWindow {
public:
    TTaggedHintWindow(std::string tag) : THintWindow(nullptr), FTag(std::move(tag)) {}
    std::string FTag;
};

THintWindowClass Tagged(const std::string& tag) {
    return [tag] { return std::make_unique<TTaggedHintWindow>(tag); };
}

std::string TagOf(THintWindow* window) {
    auto* tagged = dynamic_cast<TTaggedHintWindow*>(window);
    return tagged ? tagged->FTag : std::string("plain");
}

class Hints : public ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        FFirst = AddHinted(10, 10, "first");
        FSecond = AddHinted(200, 10, "second");
        Loop();
    }
    THintedPanel* AddHinted(int left, int top, const std::string& hint) {
        auto* panel = Add<THintedPanel>(left, top, 100, 60);
        panel->SetHint(hint);
        panel->SetShowHint(true);
        return panel;
    }
    // Runs the application's own loop, as the program does, so that hints see the messages.
    void Loop() { FApp->ProcessMessages(); }
    void Wait(unsigned ms) {
        FDisplay->Time().Advance(ms);
        Loop();
    }
    void PointAt(TControl* c, int x = 20, int y = 20) {
        const TPoint p = c->ClientToScreen(TPoint(x, y));
        FDisplay->MoveMouse(p.X, p.Y);
        Loop();
    }
    THintWindow* Window() const { return FApp->Hints().HintWindow(); }
    bool Shown() const {
        return Window() && Window()->HandleAllocated() && IsWindowVisible(Window()->Handle());
    }
    std::string ShownText() const { return Shown() ? Window()->Caption() : std::string(); }

    THintedPanel* FFirst{ nullptr };
    THintedPanel* FSecond{ nullptr };
};

TEST_F(Hints, ShowAfterThePauseBelowThePointerWithoutActivatingAndHideAfterTheHidePause) {
    EXPECT_EQ(FApp->HintPause(), 500u);
    EXPECT_EQ(FApp->HintHidePause(), 2500u);
    const HWND active = GetActiveWindow();
    PointAt(FFirst, 30, 25);
    Wait(499);
    EXPECT_FALSE(Shown());
    Wait(1);
    ASSERT_TRUE(Shown());
    EXPECT_EQ(ShownText(), "first");
    const TPoint cursor = FFirst->ClientToScreen(TPoint(30, 25));
    RECT r;
    GetWindowRect(Window()->Handle(), &r);
    EXPECT_EQ(r.left, cursor.X);
    EXPECT_EQ(r.top, cursor.Y + CursorHeightBelowHotSpot(GetCursor()));
    EXPECT_GT(r.right - r.left, 0);
    EXPECT_EQ(GetWindowPopupKind(Window()->Handle()), PopupKind::Tooltip);
    EXPECT_EQ(GetActiveWindow(), active) << "a hint never takes the activation";
    Wait(2499);
    EXPECT_TRUE(Shown());
    Wait(1);
    EXPECT_FALSE(Shown());
}

TEST_F(Hints, MovingOnWhileAHintIsUpShowsTheNextAfterTheShortPause) {
    FApp->SetHintShortPause(100);
    PointAt(FFirst);
    Wait(500);
    ASSERT_EQ(ShownText(), "first");
    PointAt(FSecond);
    EXPECT_FALSE(Shown()) << "the old hint goes at once";
    Wait(100);
    EXPECT_EQ(ShownText(), "second");
}

TEST_F(Hints, PressKeyAndLeaveTakeTheHintDownAndStopAPendingOne) {
    struct Case {
        const char* what;
        std::function<void()> act;
    };
    const TPoint empty = FForm->ClientToScreen(TPoint(5, 200));
    const Case cases[] = {
        { "press", [&] { FDisplay->Click(empty.X, empty.Y); } },
        { "key", [&] { FDisplay->TypeKey(VK_SHIFT); } },
        { "leave", [&] { FDisplay->MoveMouse(2000, 2000); } },
    };
    for (const Case& c : cases) {
        PointAt(FForm, 5, 250);
        Wait(3000);
        PointAt(FFirst);
        Wait(500);
        ASSERT_TRUE(Shown()) << c.what;
        c.act();
        Loop();
        EXPECT_FALSE(Shown()) << c.what;

        PointAt(FForm, 5, 250);
        Wait(3000);
        PointAt(FSecond);
        Wait(200);
        c.act();
        Loop();
        Wait(3000);
        EXPECT_FALSE(Shown()) << c.what << " before the pause ran out";
    }
}

TEST_F(Hints, TheControlAndOnShowHintMayChangeOrStopTheHint) {
    THintInfo seen;
    FFirst->OnHintShow = [&](THintInfo& info) {
        seen = info;
        info.HintStr = "from control";
        return LRESULT(0);
    };
    std::string handed;
    const auto token = FApp->Hints().AddShowHintHandler([&](std::string& text, bool&, THintInfo&) {
        handed = text;
        text += " and handler";
    });
    PointAt(FFirst, 7, 9);
    Wait(500);
    EXPECT_EQ(seen.HintControl, FFirst);
    EXPECT_EQ(seen.HintStr, "first");
    EXPECT_EQ(seen.CursorPos, TPoint(7, 9));
    EXPECT_EQ(seen.HideTimeout, 2500);
    EXPECT_EQ(handed, "from control");
    EXPECT_EQ(ShownText(), "from control and handler");
    FApp->Hints().RemoveShowHintHandler(token);

    FSecond->OnHintShow = [](THintInfo&) { return LRESULT(1); };
    PointAt(FSecond);
    Wait(3000);
    EXPECT_FALSE(Shown()) << "the control refused";
    const auto refusing = FApp->Hints().AddShowHintHandler(
        [](std::string&, bool& canShow, THintInfo&) { canShow = false; });
    PointAt(FForm, 5, 250);
    Wait(3000);
    FFirst->OnHintShow = nullptr;
    PointAt(FFirst);
    Wait(3000);
    EXPECT_FALSE(Shown()) << "the handler refused";
    FApp->Hints().RemoveShowHintHandler(refusing);
}

TEST_F(Hints, RemovingARegistrationGivesBackTheOneBeforeWhateverTheOrder) {
    THintManager& hints = FApp->Hints();
    std::vector<std::string> calls;
    const auto h1 =
        hints.AddShowHintHandler([&](std::string&, bool&, THintInfo&) { calls.push_back("h1"); });
    const auto c1 = hints.AddHintWindowClass(Tagged("one"));
    const auto h2 =
        hints.AddShowHintHandler([&](std::string&, bool&, THintInfo&) { calls.push_back("h2"); });
    const auto c2 = hints.AddHintWindowClass(Tagged("two"));
    const auto showOn = [&](TControl* c) {
        PointAt(FForm, 5, 250);
        Wait(3000);
        PointAt(c);
        Wait(500);
    };
    showOn(FFirst);
    EXPECT_EQ(TagOf(Window()), "two");
    hints.RemoveHintWindowClass(c1); // not the one in force: "two" stays
    hints.RemoveShowHintHandler(h1);
    showOn(FSecond);
    EXPECT_EQ(TagOf(Window()), "two");
    hints.RemoveHintWindowClass(c2);
    hints.RemoveShowHintHandler(h2);
    hints.RemoveShowHintHandler(h2); // twice is harmless
    showOn(FFirst);
    EXPECT_EQ(TagOf(Window()), "plain");
    EXPECT_EQ(calls, (std::vector<std::string>{ "h2", "h2" }));
}

TEST_F(Hints, HintsComeFromTheNearestParentThatShowsThemAndNotWhenTheApplicationSaysNo) {
    auto* inner = new TPanel(FForm);
    inner->SetParent(FFirst);
    inner->SetBounds(5, 5, 30, 30);
    inner->SetShowHint(false);
    inner->SetParentShowHint(true); // takes the parent's "show"
    Loop();
    PointAt(inner, 3, 3);
    Wait(500);
    EXPECT_EQ(ShownText(), "first");

    FApp->SetShowHint(false);
    EXPECT_EQ(Window(), nullptr) << "switching hints off frees the window";
    PointAt(FSecond);
    Wait(3000);
    EXPECT_FALSE(Shown());
    FApp->SetShowHint(true);
}

TEST_F(Hints, AControlFreedWhileItsHintWaitsIsForgotten) {
    PointAt(FFirst);
    delete FFirst;
    FFirst = nullptr;
    Wait(3000);
    EXPECT_FALSE(Shown());
    EXPECT_EQ(FApp->Hints().HintControl(), nullptr);
}

} // namespace
} // namespace formstest
