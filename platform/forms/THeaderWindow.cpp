#include "platform/forms/THeaderWindow.h"
#include "platform/forms/TListView.h"
#include "platform/gfx/TCanvas.h"
#include "platform/gfx/TextDraw.h"
#include "platform/win/Win.h"
#include <algorithm>
#include <cstdlib>

using namespace win;

namespace {

constexpr const char* kClassName = "SysHeader32";
constexpr const char* kObjectProp = "THeaderWindow";
// How far from a divider the pointer may be and still grab it.
constexpr int kDividerSlack = 4;
constexpr int kTextMargin = 6;

void RegisterHeaderClass() {
    WNDCLASSEX known;
    if (GetClassInfoEx(nullptr, kClassName, &known)) return;
    WNDCLASSEX wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = THeaderWindow::WindowProc;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;
    RegisterClassEx(&wc);
}

} // namespace

THeaderWindow::THeaderWindow(TListView& view) : FView(view) {}

THeaderWindow::~THeaderWindow() {
    Destroy();
}

void THeaderWindow::Create(HWND parent) {
    if (FHandle) return;
    RegisterHeaderClass();
    const HWND hwnd = CreateWindowEx(0, kClassName, "", WS_CHILD | WS_VISIBLE, 0, 0, 0,
                                     FView.HeaderHeight(), parent, nullptr, nullptr, this);
    if (!hwnd) return;
    // The property may already be set from WM_NCCREATE; make sure either way.
    SetProp(hwnd, kObjectProp, this);
    FHandle = hwnd;
}

void THeaderWindow::Destroy() {
    if (!FHandle) return;
    const HWND hwnd = FHandle;
    FHandle = nullptr;
    RemoveProp(hwnd, kObjectProp);
    DestroyWindow(hwnd);
}

void THeaderWindow::Place(int x, int width, int height) {
    if (FHandle) SetWindowPos(FHandle, nullptr, x, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

TRect THeaderWindow::SectionRect(int column) const {
    TRect r = FView.HeaderSectionRect(column);
    RECT client;
    if (FHandle && GetClientRect(FHandle, &client)) r.Bottom = client.bottom;
    return r;
}

HDHITTESTINFO THeaderWindow::HitTest(POINT pt) const {
    HDHITTESTINFO info;
    info.pt = pt;
    RECT client{};
    if (FHandle) GetClientRect(FHandle, &client);
    if (pt.y < 0) info.flags |= HHT_ABOVE;
    if (pt.y >= client.bottom) info.flags |= HHT_BELOW;
    if (pt.x < 0) info.flags |= HHT_TOLEFT;
    if (pt.x >= client.right) info.flags |= HHT_TORIGHT;
    if (info.flags) return info;
    // A divider wins over the section under it; hidden (zero-width) columns have none to grab.
    int best = -1;
    int bestDistance = kDividerSlack + 1;
    for (int column : FView.ColumnOrder()) {
        const TRect r = FView.HeaderSectionRect(column);
        if (r.Width() <= 0) continue;
        const int distance = std::abs(pt.x - r.Right);
        if (distance <= bestDistance) {
            best = column;
            bestDistance = distance;
        }
    }
    if (best >= 0) {
        info.flags = HHT_ONDIVIDER;
        info.iItem = best;
        return info;
    }
    for (int column : FView.ColumnOrder()) {
        const TRect r = FView.HeaderSectionRect(column);
        if (pt.x >= r.Left && pt.x < r.Right) {
            info.flags = HHT_ONHEADER;
            info.iItem = column;
            return info;
        }
    }
    info.flags = HHT_NOWHERE;
    return info;
}

LRESULT THeaderWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        const auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
        if (cs && cs->lpCreateParams) SetProp(hwnd, kObjectProp, cs->lpCreateParams);
    }
    auto* self = static_cast<THeaderWindow*>(GetProp(hwnd, kObjectProp));
    if (msg == WM_NCDESTROY) {
        RemoveProp(hwnd, kObjectProp);
        if (self && self->FHandle == hwnd) self->FHandle = nullptr;
        return DefWindowProc(hwnd, msg, wParam, lParam);
    }
    if (!self || msg == WM_NCCREATE) return DefWindowProc(hwnd, msg, wParam, lParam);
    return self->Dispatch(msg, wParam, lParam);
}

LRESULT THeaderWindow::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
    const HWND hwnd = FHandle;
    switch (msg) {
    case WM_PAINT: {
        if (wParam) {
            Paint(reinterpret_cast<HDC>(wParam));
            return 0;
        }
        PAINTSTRUCT ps;
        const HDC dc = BeginPaint(hwnd, &ps);
        Paint(dc);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_LBUTTONDOWN:
        ButtonDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    case WM_LBUTTONDBLCLK: {
        // A double click on a divider fits the column to its widest text.
        const HDHITTESTINFO hit = HitTest(POINT{ GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam) });
        if (hit.flags == HHT_ONDIVIDER)
            FView.AutoSizeColumn(hit.iItem);
        else
            ButtonDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    }
    case WM_MOUSEMOVE:
        MouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    case WM_LBUTTONUP:
        ButtonUp(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    case WM_CAPTURECHANGED:
        if (HWND(lParam) != hwnd && (FPressed || FDragColumn >= 0)) {
            FPressed = false;
            FDragColumn = -1;
            InvalidateRect(hwnd, nullptr, FALSE);
        }
        return 0;
    case WM_SETCURSOR: {
        POINT pt;
        GetCursorPos(&pt);
        ScreenToClient(hwnd, &pt);
        if (FDragColumn >= 0 || HitTest(pt).flags == HHT_ONDIVIDER) {
            SetCursor(LoadCursor(nullptr, IDC_SIZEWE));
            return TRUE;
        }
        break;
    }
    case HDM_GETITEMCOUNT:
        return FView.Columns().Count();
    case HDM_GETITEMRECT: {
        auto* r = reinterpret_cast<RECT*>(lParam);
        if (!r || int(wParam) < 0 || int(wParam) >= FView.Columns().Count()) return FALSE;
        *r = SectionRect(int(wParam));
        return TRUE;
    }
    case HDM_HITTEST: {
        auto* info = reinterpret_cast<HDHITTESTINFO*>(lParam);
        if (!info) return -1;
        *info = HitTest(info->pt);
        return info->iItem;
    }
    case HDM_GETORDERARRAY: {
        auto* order = reinterpret_cast<int*>(lParam);
        const auto& current = FView.ColumnOrder();
        if (!order || wParam != current.size()) return FALSE;
        std::copy(current.begin(), current.end(), order);
        return TRUE;
    }
    case HDM_SETORDERARRAY: {
        const auto* order = reinterpret_cast<const int*>(lParam);
        if (!order || wParam != FView.ColumnOrder().size()) return FALSE;
        const std::vector<int> wanted(order, order + wParam);
        FView.SetColumnOrder(wanted);
        return FView.ColumnOrder() == wanted ? TRUE : FALSE;
    }
    default:
        break;
    }
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

void THeaderWindow::ButtonDown(int x, int y) {
    const HDHITTESTINFO hit = HitTest(POINT{ x, y });
    if (hit.flags == HHT_ONDIVIDER) {
        FDragColumn = hit.iItem;
        FDragOffset = x - FView.HeaderSectionRect(hit.iItem).Right;
    } else if (hit.flags == HHT_ONHEADER) {
        FPressed = true;
        FPressedInside = true;
        FPressedColumn = hit.iItem;
    } else {
        return;
    }
    SetCapture(FHandle);
    InvalidateRect(FHandle, nullptr, FALSE);
}

void THeaderWindow::MouseMove(int x, int y) {
    if (FDragColumn >= FView.Columns().Count()) FDragColumn = -1; // deleted while dragged
    if (FDragColumn >= 0) {
        TListColumn* column = FView.Column(FDragColumn);
        const int left = FView.HeaderSectionRect(FDragColumn).Left;
        column->SetWidth(column->ConstrainWidth(x - FDragOffset - left));
        return;
    }
    if (FPressed) {
        const bool inside = SectionRect(FPressedColumn).Contains(TPoint(x, y));
        if (inside != FPressedInside) {
            FPressedInside = inside;
            InvalidateRect(FHandle, nullptr, FALSE);
        }
    }
}

void THeaderWindow::ButtonUp(int x, int y) {
    const HWND hwnd = FHandle;
    const bool clicked = FPressed && SectionRect(FPressedColumn).Contains(TPoint(x, y));
    const int column = FPressedColumn;
    FPressed = false;
    FDragColumn = -1;
    if (GetCapture() == hwnd) ReleaseCapture();
    InvalidateRect(hwnd, nullptr, FALSE);
    if (clicked) FView.ColumnClick(column);
}

void THeaderWindow::Paint(HDC dc) {
    RECT client;
    GetClientRect(FHandle, &client);
    TCanvas canvas;
    canvas.SetHandle(dc);
    canvas.SetFont(FView.Font());
    canvas.Font().SetColor(clBtnText);
    int right = 0;
    for (int column : FView.ColumnOrder()) {
        TRect r = SectionRect(column);
        right = std::max(right, r.Right);
        if (r.Width() <= 0) continue;
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(clBtnFace);
        canvas.FillRect(r);
        RECT edge = r;
        const bool down = PressedColumn() == column;
        DrawEdge(dc, &edge, down ? BDR_SUNKENOUTER : EDGE_RAISED, BF_RECT | (down ? BF_FLAT : 0));
        const TListColumn* c = FView.Column(column);
        RECT text{ r.Left + kTextMargin, r.Top, r.Right - kTextMargin, r.Bottom };
        if (down) OffsetRect(&text, 1, 1);
        const UINT align = c->Alignment() == taRightJustify ? DT_RIGHT
                           : c->Alignment() == taCenter     ? DT_CENTER
                                                            : DT_LEFT;
        canvas.Brush().SetStyle(bsClear);
        DrawText(canvas.Handle(), c->Caption(), &text,
                 align | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    }
    if (right < client.right) {
        TRect rest(right, 0, client.right, client.bottom);
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(clBtnFace);
        canvas.FillRect(rest);
        RECT edge = rest;
        DrawEdge(dc, &edge, EDGE_RAISED, BF_RECT);
    }
    canvas.SetHandle(nullptr);
}
