#pragma once
// Xlib's macros (None, Bool, Status ...) must come after every C++ header that uses those names:
// a test includes this header after all its others. Xlib's types Screen and Time would clash with
// the class library's Screen and Time at global scope, so they take other names here.
#define Screen XlibScreen
#define Time XlibTime
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#undef Screen
#undef Time
