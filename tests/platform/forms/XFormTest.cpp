#include "XFormTest.h"

#include "platform/win/Win.h"
#include "tests/x11/EventLoop.h"
#include "tests/x11/XCapture.h"
#include "tests/x11/XWindows.h"

// Last: Xlib's names and macros.
#include "tests/x11/XlibApi.h"

namespace formstest {

void XFormTest::SetUp() {
    if (FServer.Name().empty()) GTEST_SKIP() << "no Xvfb could be started";
    if (UnderWindowManager()) {
        FManager = std::make_unique<x11test::XWindowManager>(FServer.Name());
        if (!FManager->Running()) GTEST_SKIP() << "openbox is not installed or did not start";
    }
    auto display = std::make_unique<win::X11Backend>(FServer.Name().c_str());
    FDisplay = display.get();
    win::InstallBackend(std::move(display));
    FApp = std::make_unique<TApplication>(nullptr);
    FApp->Initialize();
    FApp->CreateForm(FForm);
}

void XFormTest::TearDown() {
    if (!FDisplay) return;
    FApp.reset();
    win::InstallBackend(nullptr);
}

TRect XFormTest::InWindow(TControl* c) const {
    win::RECT window;
    win::GetWindowRect(FForm->Handle(), &window);
    const TPoint p = c->Parent()->ClientToScreen(TPoint(c->Left(), c->Top()));
    const int x = p.X - window.left;
    const int y = p.Y - window.top;
    return TRect(x, y, x + c->Width(), y + c->Height());
}

gfx::Surface XFormTest::Capture() const {
    return x11test::CaptureXWindow(FServer.Name(), FDisplay->XWindowOf(FForm->Handle()),
                                   FForm->Width(), FForm->Height());
}

void XInputFormTest::SetUp() {
    XFormTest::SetUp();
    if (!FDisplay) return;
    FUser = XOpenDisplay(FServer.Name().c_str());
    if (!FUser) GTEST_SKIP() << "the X server did not accept a client";
    FInput = std::make_unique<x11test::XTestInput>(FServer.Name());
    if (!FInput->Available()) GTEST_SKIP() << "the server has no test extension";
}

void XInputFormTest::TearDown() {
    XFormTest::TearDown();
    FInput.reset();
    if (FUser) XCloseDisplay(FUser);
}

void XInputFormTest::ShowForm() {
    FForm->Show();
    ASSERT_TRUE(x11test::RunUntil([&] { return x11test::XWindowViewable(FUser, XOf(FForm)); }));
}

unsigned long XInputFormTest::XOf(TWinControl* control) const {
    return FDisplay->XWindowOf(control->Handle());
}

} // namespace formstest
