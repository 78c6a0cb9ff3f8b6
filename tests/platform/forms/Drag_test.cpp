#include "ControlsFixture.h"
#include "platform/forms/CursorIds.h"
#include "platform/forms/TCustomControl.h"
#include "platform/forms/TGraphicControl.h"
#include "platform/rtl/Format.h"
#include <string>
#include <vector>

namespace formstest {
namespace {

using namespace win;

// A windowed source and a target (windowed or windowless) side by side; every drag event and
// the source's clicks are written to one log.
class Drag : public ControlsTest {
protected:
    void Build(bool windowlessTarget, bool targetAccepts, TDragKind kind = dkDrag) {
        FSource = Add<TCustomControl>(10, 10, 100, 60);
        FSource->SetDragMode(dmAutomatic);
        FSource->SetDragKind(kind);
        FSource->SetDragCursor(crHandPoint);
        FSource->OnClick = [this](TObject*) { FLog.push_back("click"); };
        FSource->OnStartDrag = [this](TObject* sender, TDragObject*) {
            FLog.push_back(sender == FSource ? "start" : "start ?");
        };
        FSource->OnEndDrag = [this](TObject* sender, TObject* target, int x, int y) {
            if (sender != FSource) FLog.push_back("end from ?");
            const char* to = target == FTarget ? "target" : target ? "?" : "nowhere";
            FLog.push_back(Format("end %s %d,%d", to, x, y));
        };
        if (windowlessTarget)
            FTarget = Add<TGraphicControl>(200, 10, 100, 60);
        else
            FTarget = Add<TCustomControl>(200, 10, 100, 60);
        FTarget->OnDragOver = [this, targetAccepts](TObject* sender, TObject* source, int x, int y,
                                                    TDragState state, bool& accept) {
            static const char* const kStates[] = { "enter", "leave", "move" };
            const bool right = sender == FTarget && source == FSource && accept;
            FLog.push_back(Format("over %s %d,%d%s", kStates[state], x, y, right ? "" : " ?"));
            accept = targetAccepts;
        };
        FTarget->OnDragDrop = [this](TObject* sender, TObject* source, int x, int y) {
            const bool right = sender == FTarget && source == FSource;
            FLog.push_back(Format("drop %d,%d%s", x, y, right ? "" : " ?"));
        };
        Pump();
    }
    void MoveTo(TControl* c, int x, int y) {
        const TPoint p = c->ClientToScreen(TPoint(x, y));
        FDisplay->MoveMouse(p.X, p.Y);
        Pump();
    }
    // Press in the source, then, as a hand would, past the threshold and on over the target.
    void PressAndDragOnto(TControl* over) {
        MoveTo(FSource, 20, 20);
        FDisplay->PressButton();
        Pump();
        MoveTo(FSource, 30, 20);
        MoveTo(over, 10, 10);
        MoveTo(over, 15, 12);
    }
    HCURSOR CursorOf(TCursor cursor) { return LoadCursor(nullptr, CursorId(cursor)); }

    TControl* FSource{ nullptr };
    TControl* FTarget{ nullptr };
    std::vector<std::string> FLog;
};

TEST_F(Drag, ReleaseDropsOnAnAcceptingTargetOnly) {
    using Log = std::vector<std::string>;
    const Log overAndOut{ "start", "over enter 10,10", "over move 15,12" };
    struct Case {
        const char* name;
        bool windowlessTarget;
        bool accepts;
        bool releaseOverTarget;
        Log expected;
    };
    const Case cases[] = {
        { "accepting window",
          false,
          true,
          true,
          { "start", "over enter 10,10", "over move 15,12", "drop 15,12", "end target 15,12" } },
        { "accepting windowless control",
          true,
          true,
          true,
          { "start", "over enter 10,10", "over move 15,12", "drop 15,12", "end target 15,12" } },
        { "refusing window",
          false,
          false,
          true,
          { "start", "over enter 10,10", "over move 15,12", "over leave 15,12",
            "end nowhere 0,0" } },
        { "empty space after the target",
          false,
          true,
          false,
          { "start", "over enter 10,10", "over move 15,12", "over leave 150,12",
            "end nowhere 0,0" } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Build(c.windowlessTarget, c.accepts);
        PressAndDragOnto(FTarget);
        EXPECT_TRUE(FSource->Dragging());
        EXPECT_EQ(GetCursor(), CursorOf(c.accepts ? crHandPoint : crNoDrop));
        if (!c.releaseOverTarget) {
            MoveTo(FTarget, 150, 12);
            EXPECT_EQ(GetCursor(), CursorOf(crNoDrop));
        }
        FDisplay->ReleaseButton();
        Pump();
        EXPECT_EQ(FLog, c.expected);
        EXPECT_FALSE(FSource->Dragging());
        EXPECT_EQ(GetCapture(), nullptr);
        delete FSource;
        delete FTarget;
        FLog.clear();
    }
}

TEST_F(Drag, APressThatStaysWithinTheThresholdIsAClick) {
    Build(false, true);
    MoveTo(FSource, 20, 20);
    FDisplay->PressButton();
    Pump();
    MoveTo(FSource, 25, 15);
    FDisplay->ReleaseButton();
    Pump();
    EXPECT_EQ(FLog, std::vector<std::string>{ "click" });
    EXPECT_FALSE(FSource->Dragging());
}

TEST_F(Drag, EscapeCancelsWithALeaveToTheTarget) {
    Build(false, true);
    PressAndDragOnto(FTarget);
    Key(VK_ESCAPE);
    FDisplay->ReleaseButton();
    Pump();
    EXPECT_EQ(FLog, (std::vector<std::string>{ "start", "over enter 10,10", "over move 15,12",
                                               "over leave 15,12", "end nowhere 0,0" }));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(Drag, LosingTheMouseCancels) {
    Build(false, true);
    PressAndDragOnto(FTarget);
    SetCapture(FForm->Handle());
    Pump();
    EXPECT_FALSE(FSource->Dragging());
    EXPECT_EQ(FLog.back(), "end nowhere 0,0");
}

TEST_F(Drag, ManualControlsDragOnlyWhenAskedAndDockingDoesNothing) {
    Build(false, true, dkDock);
    PressAndDragOnto(FTarget);
    FDisplay->ReleaseButton();
    Pump();
    EXPECT_TRUE(FLog.empty());

    FSource->SetDragKind(dkDrag);
    FSource->SetDragMode(dmManual);
    PressAndDragOnto(FTarget);
    FDisplay->ReleaseButton();
    Pump();
    EXPECT_TRUE(FLog.empty());

    // Asked at once, the drag starts without any move and drops where the pointer goes.
    MoveTo(FSource, 20, 20);
    FSource->BeginDrag(true);
    EXPECT_EQ(FLog, std::vector<std::string>{ "start" });
    MoveTo(FTarget, 10, 10);
    FSource->EndDrag(true);
    EXPECT_EQ(FLog, (std::vector<std::string>{ "start", "over enter 10,10", "drop 10,10",
                                               "end target 10,10" }));
}

} // namespace
} // namespace formstest
