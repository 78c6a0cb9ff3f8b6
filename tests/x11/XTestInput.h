#pragma once
#include <string>

// Xlib's connection; declared alone, so that this header brings in none of its macros.
struct _XDisplay;

namespace x11test {

// Real input through the X server's test extension, as a user's hands give it: the server
// delivers it to whatever window lies under the pointer or holds the focus, grabs and the
// window manager included. Every call returns once the server has handled the event.
class XTestInput {
public:
    // Opens a connection of its own to the display.
    explicit XTestInput(const std::string& display);
    ~XTestInput();
    XTestInput(const XTestInput&) = delete;
    XTestInput& operator=(const XTestInput&) = delete;

    // Whether the server has the test extension; without it every call does nothing.
    bool Available() const { return FAvailable; }

    // Screen coordinates.
    void MovePointer(int x, int y);
    // Buttons as X numbers them: 1 left, 2 middle, 3 right.
    void PressButton(unsigned button = 1);
    void ReleaseButton(unsigned button = 1);
    // Moves there, then presses and releases the button.
    void Click(int x, int y, unsigned button = 1);
    // Keys by keysym (XK_Return, XK_Down, 'a' ...); a keysym the keyboard map lacks does nothing.
    void PressKey(unsigned long keysym);
    void ReleaseKey(unsigned long keysym);
    void TypeKey(unsigned long keysym);

private:
    void Key(unsigned long keysym, bool down);
    void Button(unsigned button, bool down);

    _XDisplay* FDisplay{ nullptr };
    bool FAvailable{ false };
};

} // namespace x11test
