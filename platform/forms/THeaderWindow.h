#pragma once
#include "platform/forms/CommCtrl.h"
#include "platform/gfx/GdiObject.h"
#include "platform/gfx/TRect.h"
#include "platform/win/WinDefs.h"

class TListView;

// The header child window of a list view in report view: a plain window of class
// "SysHeader32" with its own window procedure, so that a skin can subclass it. Its sections
// are the view's columns in display order; dragging a divider resizes a column, clicking a
// section reports a column click. It answers the HDM_ messages.
class THeaderWindow {
public:
    explicit THeaderWindow(TListView& view);
    ~THeaderWindow();
    THeaderWindow(const THeaderWindow&) = delete;
    THeaderWindow& operator=(const THeaderWindow&) = delete;

    void Create(win::HWND parent);
    void Destroy();
    win::HWND Handle() const { return FHandle; }
    // Places the header at x (the view's horizontal scroll makes it negative) and width.
    void Place(int x, int width, int height);

    // Header coordinates of a column's section.
    TRect SectionRect(int column) const;
    win::HDHITTESTINFO HitTest(win::POINT pt) const;
    int PressedColumn() const { return FPressed && FPressedInside ? FPressedColumn : -1; }
    int DraggedColumn() const { return FDragColumn; }

    static win::LRESULT WindowProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam,
                                   win::LPARAM lParam);

private:
    win::LRESULT Dispatch(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);
    void Paint(win::HDC dc);
    void ButtonDown(int x, int y);
    void MouseMove(int x, int y);
    void ButtonUp(int x, int y);

    TListView& FView;
    win::HWND FHandle{};
    int FDragColumn{ -1 };
    int FDragOffset{ 0 };
    int FPressedColumn{ -1 };
    bool FPressed{ false };
    bool FPressedInside{ false };
};
