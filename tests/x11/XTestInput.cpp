#include "XTestInput.h"

#include "tests/x11/XlibApi.h"

// The extension's header uses Xlib's Time, which XlibApi.h renames.
#define Time XlibTime
#include <X11/extensions/XTest.h>
#undef Time

namespace x11test {

XTestInput::XTestInput(const std::string& display) : FDisplay(XOpenDisplay(display.c_str())) {
    int event = 0, error = 0, major = 0, minor = 0;
    FAvailable = FDisplay && XTestQueryExtension(FDisplay, &event, &error, &major, &minor);
}

XTestInput::~XTestInput() {
    if (FDisplay) XCloseDisplay(FDisplay);
}

void XTestInput::MovePointer(int x, int y) {
    if (!FAvailable) return;
    XTestFakeMotionEvent(FDisplay, -1, x, y, CurrentTime);
    XSync(FDisplay, False);
}

void XTestInput::Button(unsigned button, bool down) {
    if (!FAvailable) return;
    XTestFakeButtonEvent(FDisplay, button, down ? True : False, CurrentTime);
    XSync(FDisplay, False);
}

void XTestInput::PressButton(unsigned button) {
    Button(button, true);
}

void XTestInput::ReleaseButton(unsigned button) {
    Button(button, false);
}

void XTestInput::Click(int x, int y, unsigned button) {
    MovePointer(x, y);
    PressButton(button);
    ReleaseButton(button);
}

void XTestInput::Key(unsigned long keysym, bool down) {
    if (!FAvailable) return;
    const KeyCode code = XKeysymToKeycode(FDisplay, KeySym(keysym));
    if (code == 0) return;
    XTestFakeKeyEvent(FDisplay, code, down ? True : False, CurrentTime);
    XSync(FDisplay, False);
}

void XTestInput::PressKey(unsigned long keysym) {
    Key(keysym, true);
}

void XTestInput::ReleaseKey(unsigned long keysym) {
    Key(keysym, false);
}

void XTestInput::TypeKey(unsigned long keysym) {
    PressKey(keysym);
    ReleaseKey(keysym);
}

} // namespace x11test
