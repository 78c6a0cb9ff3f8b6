#pragma once
#include "platform/gfx/GdiObject.h"
#include "platform/win/WinDefs.h"

// The text cursor of edits: one per program, owned by a window, drawn by inverting its
// rectangle in the owner's client area and blinking on a timer.
namespace win {

// A solid caret of width x height client pixels (the bitmap is not used); replaces any caret.
// The caret starts hidden.
BOOL CreateCaret(HWND hwnd, HBITMAP bitmap, int width, int height);
BOOL DestroyCaret();
// Calls nest: each HideCaret needs a ShowCaret before the caret shows again.
BOOL ShowCaret(HWND hwnd);
BOOL HideCaret(HWND hwnd);
BOOL SetCaretPos(int x, int y);
BOOL GetCaretPos(POINT* pt);
UINT GetCaretBlinkTime();
BOOL SetCaretBlinkTime(UINT ms);

} // namespace win
