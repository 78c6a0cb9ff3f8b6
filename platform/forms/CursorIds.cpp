#include "platform/forms/CursorIds.h"
#include "platform/forms/DragTypes.h"
#include "platform/win/Input.h"

using namespace win;

UINT_PTR CursorId(TCursor cursor) {
    switch (cursor) {
    case crCross:
        return IDC_CROSS;
    case crIBeam:
        return IDC_IBEAM;
    case crSizeNESW:
        return IDC_SIZENESW;
    case crSizeNS:
        return IDC_SIZENS;
    case crSizeNWSE:
        return IDC_SIZENWSE;
    case crSizeWE:
        return IDC_SIZEWE;
    case crUpArrow:
        return IDC_UPARROW;
    case crHourGlass:
        return IDC_WAIT;
    case crNo:
        return IDC_NO;
    case crAppStart:
        return IDC_APPSTARTING;
    case crSizeAll:
        return IDC_SIZEALL;
    case crHandPoint:
        return IDC_HAND;
    case crDrag:
        return IDC_DRAG;
    case crNoDrop:
        return IDC_NODROP;
    default:
        return IDC_ARROW;
    }
}
