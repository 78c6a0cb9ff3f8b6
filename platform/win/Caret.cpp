#include "platform/win/Caret.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/win/CaretState.h"
#include "platform/win/Messaging.h"
#include "platform/win/Painting.h"
#include "platform/win/WindowApi.h"

namespace win {

namespace {

struct Caret {
    HWND FOwner{};
    RECT FRect;           // client coordinates
    int FHideCount{ 1 };  // created hidden
    bool FDrawn{ false }; // its pixels are inverted on screen right now
    UINT_PTR FTimer{ 0 };
    UINT FBlinkTime{ 530 };
};

Caret& State() {
    static Caret caret;
    return caret;
}

// Inverting twice restores the pixels, so drawing and erasing are the same operation.
void Invert() {
    Caret& c = State();
    if (!IsWindow(c.FOwner)) return;
    HDC dc = GetDC(c.FOwner);
    InvertRect(dc, &c.FRect);
    ReleaseDC(c.FOwner, dc);
    c.FDrawn = !c.FDrawn;
}

void Erase() {
    if (State().FDrawn) Invert();
}

void Blink(HWND, UINT, UINT_PTR, DWORD) {
    Caret& c = State();
    if (c.FHideCount == 0) Invert();
}

void Restart() {
    Caret& c = State();
    if (c.FTimer) KillTimer(nullptr, c.FTimer);
    c.FTimer = c.FHideCount == 0 ? SetTimer(nullptr, 0, c.FBlinkTime, Blink) : 0;
}

} // namespace

BOOL CreateCaret(HWND hwnd, HBITMAP, int width, int height) {
    if (!IsWindow(hwnd)) return FALSE;
    DestroyCaret();
    Caret& c = State();
    c.FOwner = hwnd;
    c.FRect = RECT{ 0, 0, width > 0 ? width : 1, height > 0 ? height : 1 };
    c.FHideCount = 1;
    c.FDrawn = false;
    return TRUE;
}

BOOL DestroyCaret() {
    Caret& c = State();
    if (!c.FOwner) return FALSE;
    Erase();
    if (c.FTimer) KillTimer(nullptr, c.FTimer);
    c.FTimer = 0;
    c.FOwner = nullptr;
    return TRUE;
}

BOOL ShowCaret(HWND hwnd) {
    Caret& c = State();
    if (!c.FOwner || (hwnd && hwnd != c.FOwner) || c.FHideCount == 0) return FALSE;
    if (--c.FHideCount == 0) {
        Invert();
        Restart();
    }
    return TRUE;
}

BOOL HideCaret(HWND hwnd) {
    Caret& c = State();
    if (!c.FOwner || (hwnd && hwnd != c.FOwner)) return FALSE;
    if (c.FHideCount++ == 0) {
        Erase();
        Restart();
    }
    return TRUE;
}

BOOL SetCaretPos(int x, int y) {
    Caret& c = State();
    if (!c.FOwner) return FALSE;
    const bool drawn = c.FDrawn;
    Erase();
    OffsetRect(&c.FRect, x - c.FRect.left, y - c.FRect.top);
    if (drawn) Invert();
    return TRUE;
}

BOOL GetCaretPos(POINT* pt) {
    Caret& c = State();
    if (!pt || !c.FOwner) return FALSE;
    *pt = POINT{ c.FRect.left, c.FRect.top };
    return TRUE;
}

UINT GetCaretBlinkTime() {
    return State().FBlinkTime;
}

BOOL SetCaretBlinkTime(UINT ms) {
    State().FBlinkTime = ms;
    if (State().FTimer) Restart();
    return TRUE;
}

void CaretBeforePaint(HWND hwnd) {
    if (State().FOwner == hwnd) Erase();
}

void CaretAfterPaint(HWND hwnd) {
    Caret& c = State();
    if (c.FOwner == hwnd && c.FHideCount == 0 && !c.FDrawn) Invert();
}

void CaretOwnerGone(HWND hwnd) {
    Caret& c = State();
    if (c.FOwner != hwnd) return;
    c.FDrawn = false; // its pixels go with the window
    DestroyCaret();
}

} // namespace win
