#include "XWindows.h"

#include "tests/x11/XlibApi.h"

namespace x11test {

std::string XWindowTitle(Display* d, unsigned long window) {
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(d, window, XInternAtom(d, "_NET_WM_NAME", False), 0, 1024, False,
                           XInternAtom(d, "UTF8_STRING", False), &type, &format, &count, &after,
                           &data) == Success &&
        data)
        title.assign(reinterpret_cast<char*>(data), count);
    if (data) XFree(data);
    return title;
}

bool XWindowViewable(Display* d, unsigned long window) {
    XWindowAttributes attributes{};
    return XGetWindowAttributes(d, window, &attributes) && attributes.map_state == IsViewable;
}

unsigned long FindViewableXWindow(Display* d, const std::string& title) {
    ::Window root, parent, *children = nullptr;
    unsigned count = 0;
    ::Window found = 0;
    if (!XQueryTree(d, XDefaultRootWindow(d), &root, &parent, &children, &count)) return 0;
    for (unsigned i = 0; i < count && !found; ++i)
        if (XWindowViewable(d, children[i]) && XWindowTitle(d, children[i]) == title)
            found = children[i];
    if (children) XFree(children);
    return found;
}

void SendXCloseRequest(Display* d, unsigned long window) {
    XEvent close{};
    close.xclient.type = ClientMessage;
    close.xclient.window = window;
    close.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    close.xclient.format = 32;
    close.xclient.data.l[0] = long(XInternAtom(d, "WM_DELETE_WINDOW", False));
    close.xclient.data.l[1] = CurrentTime;
    XSendEvent(d, window, False, NoEventMask, &close);
    XFlush(d);
}

} // namespace x11test
