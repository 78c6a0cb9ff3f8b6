#pragma once
#include "platform/forms/ControlMessages.h"
#include "platform/forms/TSet.h"
#include <functional>

class TObject;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

enum TMouseButton { mbLeft, mbRight, mbMiddle };
enum TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateItem>;

enum TControlStyleItem {
    csAcceptsControls,
    csCaptureMouse,
    csDesignInteractive,
    csClickEvents,
    csFramed,
    csSetCaption,
    csOpaque,
    csDoubleClicks,
    csFixedWidth,
    csFixedHeight,
    csNoDesignVisible,
    csReplicatable,
    csNoStdEvents,
    csDisplayDragImage,
    csReflector,
    csActionClient,
    csMenuEvents
};
using TControlStyle = TSet<TControlStyleItem>;

enum TControlStateItem {
    csLButtonDown,
    csClicked,
    csPalette,
    csReadingState,
    csAlignmentNeeded,
    csFocusing,
    csCreating,
    csPaintCopy,
    csCustomPaint,
    csDestroyingHandle,
    csDocking
};
using TControlState = TSet<TControlStateItem>;

using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crSizeAll = -22;
constexpr TCursor crHandPoint = -21;

using TWndMethod = std::function<void(TMessage& message)>;
using TMouseEvent =
    std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState shift, int x, int y)>;
using TKeyEvent = std::function<void(TObject* sender, unsigned short& key, TShiftState shift)>;
// The typed character as a Unicode code point; setting it to 0 swallows it.
using TKeyPressEvent = std::function<void(TObject* sender, char32_t& key)>;
using TCanResizeEvent =
    std::function<void(TObject* sender, int& newWidth, int& newHeight, bool& resize)>;

// The shift state carried in a mouse message's WParam, and the keyboard's for key messages.
TShiftState MouseShiftState(win::WPARAM keys);
TShiftState KeyboardShiftState();

// A key message (WM_KEYDOWN, WM_SYSKEYDOWN ...) read as its key and the key data the message
// carries (bit 29: Alt was down).
struct TWMKey {
    win::UINT Msg{ 0 };
    unsigned short CharCode{ 0 };
    win::LPARAM KeyData{ 0 };

    static TWMKey From(const TMessage& message) {
        return TWMKey{ message.Msg, static_cast<unsigned short>(message.WParam), message.LParam };
    }
};
// The shift state of a key message: Alt from its key data, Shift and Ctrl from the keyboard.
TShiftState KeyDataToShiftState(win::LPARAM keyData);
