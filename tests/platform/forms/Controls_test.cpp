#include "FormsTestSupport.h"
#include "platform/forms/TCustomControl.h"
#include "platform/forms/TGraphicControl.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/GdiObjects.h"
#include "platform/gfx/TBitmap.h"
#include <map>
#include <memory>

namespace formstest {
namespace {

using namespace win;

// Counts the control messages it receives.
class TProbe : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    std::string ClassName() const override { return "TProbe"; }
    std::map<UINT, int> FSeen;
    int FCreated{ 0 };
    void WndProc(TMessage& m) override {
        ++FSeen[m.Msg];
        if (m.Msg == WM_CREATE) ++FCreated;
        TCustomControl::WndProc(m);
    }
};

class TSpot : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    std::string ClassName() const override { return "TSpot"; }
    std::map<UINT, int> FSeen;
    TColor FFill{ clRed };
    void WndProc(TMessage& m) override {
        ++FSeen[m.Msg];
        TGraphicControl::WndProc(m);
    }

protected:
    void Paint() override {
        Canvas().Brush().SetColor(FFill);
        Canvas().FillRect(TRect(0, 0, Width(), Height()));
    }
};

using Controls = FormsTest;

TEST_F(Controls, HandleIsMadeOnDemandAndRecreationKeepsState) {
    auto top = std::make_unique<TTopWindow>(nullptr);
    top->SetBounds(100, 100, 300, 200);
    auto* child = new TProbe(top.get());
    child->SetParent(top.get());
    child->SetBounds(10, 20, 50, 30);
    child->SetText("hello");
    child->SetTabStop(true);
    EXPECT_FALSE(top->HandleAllocated());
    EXPECT_FALSE(child->HandleAllocated());

    const HWND h = child->Handle(); // the parent's window comes first
    ASSERT_TRUE(top->HandleAllocated());
    EXPECT_EQ(GetParent(h), top->Handle());
    EXPECT_EQ(GetWindowTextString(h), "hello");
    EXPECT_EQ(TWinControl::FindControl(h), child);

    child->SetEnabled(false);
    child->SetBounds(15, 25, 60, 35);
    child->RecreateWnd();
    const HWND h2 = child->Handle();
    EXPECT_FALSE(IsWindow(h)) << "the old window is gone";
    EXPECT_EQ(child->FCreated, 2);
    EXPECT_EQ(GetWindowTextString(h2), "hello");
    EXPECT_FALSE(IsWindowEnabled(h2));
    EXPECT_TRUE(GetWindowLongPtr(h2, GWL_STYLE) & WS_TABSTOP);
    RECT r;
    GetWindowRect(h2, &r);
    POINT p{ r.left, r.top };
    ScreenToClient(top->Handle(), &p);
    EXPECT_EQ(p.x, 15);
    EXPECT_EQ(p.y, 25);
    EXPECT_EQ(r.right - r.left, 60);
    EXPECT_EQ(child->BoundsRect(), TRect(15, 25, 75, 60));

    // Recreating the parent remakes the child's window too and keeps the focus where it was.
    child->SetEnabled(true);
    top->SetVisible(true);
    ShowWindow(top->Handle(), SW_SHOW);
    child->SetFocus();
    ASSERT_TRUE(child->Focused());
    top->RecreateWnd();
    EXPECT_TRUE(child->HandleAllocated());
    EXPECT_NE(child->Handle(), h2);
    EXPECT_TRUE(child->Focused());
}

TEST_F(Controls, ChildWithoutParentWindowIsRefused) {
    TProbe orphan(nullptr);
    orphan.SetName("Orphan");
    try {
        orphan.Handle();
        FAIL();
    } catch (const EInvalidOperation& e) {
        EXPECT_EQ(e.Message(), "Control 'Orphan' has no parent window");
    }
}

TEST_F(Controls, FreeingAParentFreesOwnedChildrenAndWindows) {
    auto top = std::make_unique<TTopWindow>(nullptr);
    auto* panel = new TProbe(top.get());
    panel->SetParent(top.get());
    auto* inner = new TProbe(top.get());
    inner->SetParent(panel);
    auto* spot = new TSpot(top.get());
    spot->SetParent(panel);
    const HWND innerHandle = inner->Handle();
    TProbe stranger(nullptr); // owned by nobody, parented by the panel
    stranger.SetParent(panel);
    top.reset();
    EXPECT_FALSE(IsWindow(innerHandle));
    EXPECT_EQ(stranger.Parent(), nullptr);
    EXPECT_FALSE(stranger.HandleAllocated());
}

// Frees itself from inside its handler of WM_USER and goes on using its fields there.
class TSelfReleasing : public TProbe {
public:
    using TProbe::TProbe;
    int FSeenAfterRelease{ -1 };
    void WndProc(TMessage& m) override {
        if (m.Msg == WM_USER) {
            Release();
            FSeenAfterRelease = FSeen[WM_USER];
        }
        TProbe::WndProc(m);
    }
};

TEST_F(Controls, ReleaseFreesTheControlOnlyAfterItsHandlerReturned) {
    auto* top = new TTopWindow(nullptr);
    auto* probe = new TSelfReleasing(nullptr);
    probe->SetParent(top);
    SendMessage(probe->Handle(), WM_USER, 0, 0);
    EXPECT_EQ(probe->FSeenAfterRelease, 0);
    EXPECT_EQ(probe->FSeen[WM_USER], 1);
    EXPECT_EQ(top->ControlCount(), 1) << "nothing goes before the queue is run";
    Pump();
    EXPECT_EQ(top->ControlCount(), 0);
    delete top;
}

TEST_F(Controls, ReplacedWindowProcSeesMessagesFirstAndCanPassThemOn) {
    auto top = std::make_unique<TTopWindow>(nullptr);
    auto* child = new TProbe(top.get());
    child->SetParent(top.get());
    std::vector<UINT> hooked;
    TWndMethod old = child->WindowProc;
    child->WindowProc = [&](TMessage& m) {
        hooked.push_back(m.Msg);
        if (m.Msg == WM_USER + 1) {
            m.Result = 42;
            return;
        }
        old(m);
    };
    EXPECT_EQ(SendMessage(child->Handle(), WM_USER + 1, 0, 0), 42);
    EXPECT_EQ(child->FSeen[WM_USER + 1], 0);
    child->Perform(CM_TEXTCHANGED, 0, 0);
    EXPECT_EQ(child->FSeen[CM_TEXTCHANGED], 1);
    EXPECT_FALSE(hooked.empty());
    child->WindowProc = old;
}

TEST_F(Controls, ChangesAreAnnouncedOnlyWhenValuesChange) {
    auto top = std::make_unique<TTopWindow>(nullptr);
    auto* c = new TProbe(top.get());
    c->SetParent(top.get());
    c->SetText("a");
    c->SetText("a");
    c->SetEnabled(false);
    c->SetEnabled(false);
    c->SetVisible(false);
    c->SetColor(clRed);
    EXPECT_EQ(c->FSeen[CM_TEXTCHANGED], 1);
    EXPECT_EQ(c->FSeen[CM_ENABLEDCHANGED], 1);
    EXPECT_EQ(c->FSeen[CM_VISIBLECHANGED], 1);
    EXPECT_EQ(c->FSeen[CM_COLORCHANGED], 1);
    // Text set through the window reaches the control too.
    SetWindowText(c->Handle(), "b");
    EXPECT_EQ(c->Text(), "b");
    EXPECT_EQ(c->FSeen[CM_TEXTCHANGED], 2);
}

TEST_F(Controls, ParentFontAndColorFlowDownUntilSetLocally) {
    auto top = std::make_unique<TTopWindow>(nullptr);
    auto* panel = new TProbe(top.get());
    panel->SetParent(top.get());
    auto* spot = new TSpot(top.get());
    spot->SetParent(panel);
    top->Font().SetName("Arial");
    top->SetColor(clBlue);
    EXPECT_EQ(panel->Font().Name(), "Arial");
    EXPECT_EQ(spot->Font().Name(), "Arial");
    EXPECT_EQ(spot->Color(), clBlue);
    spot->Font().SetName("Tahoma");
    EXPECT_FALSE(spot->ParentFont());
    top->Font().SetName("Verdana");
    EXPECT_EQ(panel->Font().Name(), "Verdana");
    EXPECT_EQ(spot->Font().Name(), "Tahoma");
    EXPECT_TRUE(panel->ParentFont());
}

TEST_F(Controls, AlignmentFillsEdgesInOrderAndFollowsResize) {
    auto top = std::make_unique<TTopWindow>(nullptr);
    top->SetBounds(0, 0, 400, 300);
    auto make = [&](TAlign a, int w, int h) {
        auto* c = new TProbe(top.get());
        c->SetBounds(0, 0, w, h);
        c->SetParent(top.get());
        c->SetAlign(a);
        return c;
    };
    auto* header = make(alTop, 10, 30);
    auto* status = make(alBottom, 10, 20);
    auto* side = make(alLeft, 50, 10);
    auto* client = make(alClient, 1, 1);
    auto* right = make(alRight, 40, 10);
    struct Case {
        TControl* c;
        TRect r;
    };
    auto check = [&](int w, int h) {
        const Case cases[] = { { header, TRect(0, 0, w, 30) },
                               { status, TRect(0, h - 20, w, h) },
                               { side, TRect(0, 30, 50, h - 20) },
                               { right, TRect(w - 40, 30, w, h - 20) },
                               { client, TRect(50, 30, w - 40, h - 20) } };
        for (const Case& c : cases)
            EXPECT_EQ(c.c->BoundsRect(), c.r) << c.c->ClassName() << " at " << w << "x" << h;
    };
    check(400, 300);
    top->SetBounds(0, 0, 500, 250);
    check(500, 250);
    top->HandleNeeded(); // with a window the client size comes from the window system
    top->SetBounds(10, 10, 320, 200);
    check(320, 200);
    // A second top-aligned control dropped above the first takes the top place.
    auto* toolbar = new TProbe(top.get());
    toolbar->SetBounds(0, 0, 10, 25);
    toolbar->SetParent(top.get());
    toolbar->SetAlign(alTop);
    EXPECT_EQ(toolbar->BoundsRect(), TRect(0, 0, 320, 25));
    EXPECT_EQ(header->Top(), 25);
    header->SetVisible(false);
    EXPECT_EQ(client->Top(), 25);
}

TEST_F(Controls, AnchorsKeepDistancesToTheirEdges) {
    auto top = std::make_unique<TTopWindow>(nullptr);
    top->SetBounds(0, 0, 400, 300);
    struct Case {
        TAnchors anchors;
        TRect after; // for a 10,10,110,60 control once the parent grows by 100x50
    };
    const Case cases[] = {
        { { akLeft, akTop }, TRect(10, 10, 110, 60) },
        { { akRight, akTop }, TRect(110, 10, 210, 60) },
        { { akLeft, akTop, akRight }, TRect(10, 10, 210, 60) },
        { { akLeft, akTop, akRight, akBottom }, TRect(10, 10, 210, 110) },
        { { akLeft, akBottom }, TRect(10, 60, 110, 110) },
        { {}, TRect(60, 35, 160, 85) },
    };
    std::vector<TProbe*> probes;
    for (const Case& c : cases) {
        auto* p = new TProbe(top.get());
        p->SetParent(top.get());
        p->SetBounds(10, 10, 100, 50);
        p->SetAnchors(c.anchors);
        probes.push_back(p);
    }
    top->SetBounds(0, 0, 500, 350);
    for (std::size_t i = 0; i < probes.size(); ++i)
        EXPECT_EQ(probes[i]->BoundsRect(), cases[i].after) << "case " << i;
    top->SetBounds(0, 0, 400, 300); // back: the rules hold, nothing drifts
    for (auto* p : probes)
        EXPECT_EQ(p->BoundsRect(), TRect(10, 10, 110, 60));
}

TEST_F(Controls, HoverEntersAndLeavesWindowedAndWindowlessControls) {
    auto top = std::make_unique<TTopWindow>(nullptr);
    top->SetBounds(100, 100, 300, 200);
    auto* panel = new TProbe(top.get());
    panel->SetParent(top.get());
    panel->SetBounds(0, 0, 100, 100);
    auto* spot = new TSpot(top.get());
    spot->SetParent(top.get());
    spot->SetBounds(150, 50, 40, 40);
    std::vector<std::string> events;
    auto watch = [&](TControl* c, const char* name) {
        c->OnMouseEnter = [&events, name](TObject*) { events.push_back(std::string("+") + name); };
        c->OnMouseLeave = [&events, name](TObject*) { events.push_back(std::string("-") + name); };
    };
    watch(top.get(), "top");
    watch(panel, "panel");
    watch(spot, "spot");
    top->Show();
    top->HandleNeeded();
    ShowWindow(top->Handle(), SW_SHOW);
    Pump();

    FDisplay->MoveMouse(120, 120); // over the panel
    Pump();
    FDisplay->MoveMouse(220, 250); // over the top window's own area
    Pump();
    FDisplay->MoveMouse(260, 160); // over the windowless spot
    Pump();
    FDisplay->MoveMouse(270, 170); // still on it
    Pump();
    FDisplay->MoveMouse(900, 900); // off every window
    Pump();
    const std::vector<std::string> expected{ "+panel", "-panel", "+top", "-top", "+spot", "-spot" };
    EXPECT_EQ(events, expected);
    EXPECT_EQ(TControl::MouseControl(), nullptr);
    EXPECT_EQ(spot->FSeen[CM_MOUSEENTER], 1);
    EXPECT_EQ(spot->FSeen[CM_MOUSELEAVE], 1);
}

TEST_F(Controls, WindowlessControlsGetClicksThroughTheirParent) {
    auto top = std::make_unique<TTopWindow>(nullptr);
    top->SetBounds(100, 100, 300, 200);
    auto* spot = new TSpot(top.get());
    spot->SetParent(top.get());
    spot->SetBounds(150, 50, 40, 40);
    int clicks = 0;
    TPoint down;
    spot->OnClick = [&](TObject*) { ++clicks; };
    spot->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int x, int y) { down = { x, y }; };
    ShowWindow(top->Handle(), SW_SHOW);
    FDisplay->Click(255, 155);
    Pump();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(down, TPoint(5, 5));
    // Pressed on it, released elsewhere: captured, so no click.
    FDisplay->MoveMouse(255, 155);
    FDisplay->PressButton();
    FDisplay->MoveMouse(120, 120);
    FDisplay->ReleaseButton();
    Pump();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(spot->FSeen[WM_LBUTTONUP], 2) << "the release went to the captured control";
}

TEST_F(Controls, PaintToDrawsWindowlessChildrenAtTheirOffset) {
    auto top = std::make_unique<TTopWindow>(nullptr);
    top->SetBounds(0, 0, 60, 40);
    top->SetColor(clWhite);
    auto* spot = new TSpot(top.get());
    spot->SetParent(top.get());
    spot->SetBounds(10, 5, 20, 10);
    auto* hidden = new TSpot(top.get());
    hidden->FFill = clBlue;
    hidden->SetParent(top.get());
    hidden->SetBounds(40, 20, 10, 10);
    hidden->SetVisible(false);

    TBitmap bmp;
    bmp.SetSize(100, 80);
    bmp.Canvas().Brush().SetColor(clBlack);
    bmp.Canvas().FillRect(TRect(0, 0, 100, 80));
    top->PaintTo(bmp.Canvas().Handle(), 30, 20);
    struct Case {
        int x, y;
        TColor color;
    };
    const Case cases[] = { { 29, 19, clBlack }, { 30, 20, clWhite }, { 40, 25, clRed },
                           { 59, 34, clRed },   { 60, 35, clWhite }, { 75, 45, clWhite },
                           { 90, 60, clBlack } };
    for (const Case& c : cases)
        EXPECT_EQ(bmp.Canvas().Pixels(c.x, c.y), c.color) << c.x << "," << c.y;
}

TEST_F(Controls, PopupMenuReferenceClearsWhenTheMenuGoes) {
    auto top = std::make_unique<TTopWindow>(nullptr);
    auto other = std::make_unique<TComponent>(nullptr);
    auto* menu = new TComponent(other.get());
    auto* sibling = new TComponent(top.get());
    auto* a = new TSpot(top.get());
    auto* b = new TSpot(top.get());
    a->SetPopupMenu(menu);
    b->SetPopupMenu(sibling);
    other.reset();
    delete sibling;
    EXPECT_EQ(a->PopupMenu(), nullptr);
    EXPECT_EQ(b->PopupMenu(), nullptr);
}

TEST_F(Controls, ScrollByMovesEveryChildAndKeepsAlignmentAlone) {
    auto top = std::make_unique<TTopWindow>(nullptr);
    top->SetBounds(0, 0, 200, 200);
    auto* windowed = new TProbe(top.get());
    windowed->SetParent(top.get());
    windowed->SetBounds(10, 20, 30, 30);
    auto* spot = new TSpot(top.get());
    spot->SetParent(top.get());
    spot->SetBounds(50, 60, 10, 10);
    top->HandleNeeded();
    top->ScrollBy(-5, 7);
    EXPECT_EQ(windowed->BoundsRect(), TRect(5, 27, 35, 57));
    EXPECT_EQ(spot->BoundsRect(), TRect(45, 67, 55, 77));
    RECT r;
    GetWindowRect(windowed->Handle(), &r);
    POINT p{ r.left, r.top };
    ScreenToClient(top->Handle(), &p);
    EXPECT_EQ(p.x, 5);
    EXPECT_EQ(p.y, 27);
}

TEST_F(Controls, TabOrderWalksFocusableControlsAndWraps) {
    auto top = std::make_unique<TTopWindow>(nullptr);
    top->SetBounds(0, 0, 200, 200);
    std::vector<TProbe*> c;
    for (int i = 0; i < 4; ++i) {
        c.push_back(new TProbe(top.get()));
        c.back()->SetParent(top.get());
        c.back()->SetTabStop(true);
    }
    c[3]->SetTabOrder(0);
    EXPECT_EQ(c[3]->TabOrder(), 0);
    EXPECT_EQ(c[0]->TabOrder(), 1);
    c[1]->SetEnabled(false);
    c[2]->SetTabStop(false);
    EXPECT_EQ(top->FindNextControl(c[3], true, true, true), c[0]);
    EXPECT_EQ(top->FindNextControl(c[0], true, true, true), c[3]) << "wraps past the skipped";
    EXPECT_EQ(top->FindNextControl(c[0], false, true, true), c[3]);
    EXPECT_EQ(top->FindNextControl(c[0], true, false, true), c[2]);
    try {
        c[1]->SetFocus();
        FAIL();
    } catch (const EInvalidOperation& e) {
        EXPECT_EQ(e.Message(), "Cannot focus a disabled or invisible window");
    }
}

} // namespace
} // namespace formstest
