#pragma once
#include "platform/win/WinDefs.h"
#include <vector>

// The client window of an MDI form: a child window over the part of the form's client area
// that its aligned controls leave free, and the parent of the form's MDI child windows, which
// it clips. Its procedure keeps which child is active, raises the active child to the top of
// the children's z-order and answers the WM_MDI* messages; like any window it can be
// subclassed, and what a subclass passes on reaches this procedure.
//
// WM_MDIACTIVATE (WParam: the child, 0 for none) activates a child: the old one gets
// WM_NCACTIVATE FALSE, the new one WM_NCACTIVATE TRUE, and both WM_MDIACTIVATE with WParam the
// child losing and LParam the child gaining the activation. WM_MDIGETACTIVE answers the active
// child. WM_MDINEXT (WParam: the child to start from, 0 for the active one; LParam 0: the next
// one below it, else the one above) activates another visible child. WM_MDIDESTROY destroys
// the child in WParam. WM_MDITILE, WM_MDICASCADE and WM_MDIICONARRANGE arrange the children
// with the window system's own frames. A button press inside a child activates it.
class TMDIClient {
public:
    // Makes the client window inside form (empty until the form aligns its controls).
    explicit TMDIClient(win::HWND form);
    ~TMDIClient();
    TMDIClient(const TMDIClient&) = delete;
    TMDIClient& operator=(const TMDIClient&) = delete;

    win::HWND Handle() const { return FHandle; }
    // The MDI child windows (WS_EX_MDICHILD) in z-order, topmost first.
    std::vector<win::HWND> Children() const;
    // The active child, or nullptr when none is (or the one kept is gone).
    win::HWND Active() const;

private:
    static void RegisterClientClass();
    static win::LRESULT Proc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);
    void Activate(win::HWND child);
    void ActivateNext(win::HWND from, bool previous);
    void Tile() const;
    void Cascade() const;
    void ArrangeIcons() const;
    std::vector<win::HWND> Arrangeable() const;

    win::HWND FHandle{};
    win::HWND FActive{};
};
