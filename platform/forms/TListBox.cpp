#include "platform/forms/TListBox.h"
#include "platform/forms/ListControlMessages.h"
#include "platform/gfx/DcStateSaver.h"
#include "platform/gfx/Utf8.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/TextUtils.h"
#include "platform/win/Input.h"
#include "platform/win/Messaging.h"
#include "platform/win/Painting.h"
#include "platform/win/ScrollInfo.h"
#include "platform/win/Win.h"
#include <algorithm>
#include <cstring>

using namespace win;

namespace {

// Characters typed within this many milliseconds of each other search together.
constexpr unsigned kTypeAheadMs = 500;
// Lines a wheel notch scrolls, as the system's default.
constexpr int kWheelLines = 3;

bool StartsWithText(std::string_view line, std::string_view prefix) {
    return line.size() >= prefix.size() && SameText(line.substr(0, prefix.size()), prefix);
}

} // namespace

TListBox::TListBox(TComponent* owner) : TCustomControl(owner) {
    FControlStyle = TControlStyle{ csCaptureMouse, csSetCaption, csDoubleClicks, csOpaque };
    FColor = clWindow;
    SetParentColor(false);
    SetTabStop(true);
    FWidth = 121;
    FHeight = 97;
}

TListBox::~TListBox() = default;

int TListBox::ItemIndex() {
    return int(Perform(FMultiSelect ? LB_GETCARETINDEX : LB_GETCURSEL, 0, 0));
}

void TListBox::SetItemIndex(int value) {
    if (FMultiSelect)
        Perform(LB_SETCARETINDEX, WPARAM(value), 0);
    else
        Perform(LB_SETCURSEL, WPARAM(value), 0);
}

int TListBox::TopIndex() {
    return int(Perform(LB_GETTOPINDEX, 0, 0));
}

void TListBox::SetTopIndex(int value) {
    Perform(LB_SETTOPINDEX, WPARAM(value), 0);
}

int TListBox::ItemHeight() const {
    if (FStyle != lbStandard) return FItemHeight;
    if (FStandardHeight == 0) {
        const HDC dc = GetDC(nullptr);
        if (!dc) return FItemHeight;
        TCanvas canvas;
        canvas.SetHandle(dc);
        canvas.SetFont(const_cast<TListBox*>(this)->Font());
        FStandardHeight = std::max(1, canvas.TextHeight("Wg"));
        canvas.SetHandle(nullptr);
        ReleaseDC(nullptr, dc);
    }
    return FStandardHeight;
}

void TListBox::SetItemHeight(int value) {
    if (value <= 0 || value == FItemHeight) return;
    FItemHeight = value;
    Changed();
}

bool TListBox::Selected(int index) {
    const LRESULT r = Perform(LB_GETSEL, WPARAM(index), 0);
    if (r < 0) throw EListError(Format("List index out of bounds (%d)", index));
    return r != 0;
}

void TListBox::SetSelected(int index, bool value) {
    if (index < 0 || index >= Count())
        throw EListError(Format("List index out of bounds (%d)", index));
    if (FMultiSelect) {
        Perform(LB_SETSEL, value ? 1 : 0, LPARAM(index));
    } else if (value) {
        SetItemIndex(index);
    } else if (ItemIndex() == index) {
        SetItemIndex(-1);
    }
}

int TListBox::SelCount() {
    return int(Perform(LB_GETSELCOUNT, 0, 0));
}

void TListBox::ClearSelection() {
    if (FMultiSelect)
        Perform(LB_SETSEL, 0, -1);
    else
        SetItemIndex(-1);
}

void TListBox::SelectAll() {
    if (FMultiSelect) Perform(LB_SETSEL, 1, -1);
}

void TListBox::SetMultiSelect(bool value) {
    if (FMultiSelect == value) return;
    FMultiSelect = value;
    for (TLine& line : FLines)
        line.Selected = false;
    if (value && FCaret >= 0) FLines[FCaret].Selected = true;
    FAnchor = FCaret;
    Changed();
}

void TListBox::SetExtendedSelect(bool value) {
    FExtendedSelect = value;
}

void TListBox::SetSorted(bool value) {
    if (FSorted == value) return;
    FSorted = value;
    if (!value) return;
    // The focused line keeps the focus wherever sorting takes it.
    const int caret = FCaret;
    std::vector<std::pair<TLine, bool>> tagged;
    for (int i = 0; i < Count(); ++i)
        tagged.emplace_back(FLines[i], i == caret);
    std::stable_sort(tagged.begin(), tagged.end(), [](const auto& a, const auto& b) {
        return CompareText(a.first.Text, b.first.Text) < 0;
    });
    for (int i = 0; i < Count(); ++i) {
        FLines[i] = tagged[i].first;
        if (tagged[i].second) FCaret = i;
    }
    FAnchor = FCaret;
    Changed();
}

void TListBox::SetStyle(TListBoxStyle value) {
    if (FStyle == value) return;
    FStyle = value;
    Changed();
}

void TListBox::SetBorderStyle(TFormBorderStyle value) {
    if (value != bsNone && value != bsSingle) throw EInvalidOperation("Invalid property value");
    if (FBorderStyle == value) return;
    FBorderStyle = value;
    if (HandleAllocated()) RecreateWnd();
}

int TListBox::ItemAtPos(const TPoint& pos, bool existing) {
    const TRect client = ClientRect();
    if (client.Contains(pos) && FColumns > 0) {
        const int row = pos.Y / ItemHeight();
        const int index = FTop + pos.X / ColumnWidth() * RowsPerColumn() + row;
        if (row < RowsPerColumn() && index < Count()) return index;
    } else if (client.Contains(pos)) {
        int y = 0;
        for (int i = FTop; i < Count(); ++i) {
            y += LineHeight(i);
            if (pos.Y < y) return i;
        }
    }
    return existing ? -1 : Count();
}

TRect TListBox::ItemRect(int index) {
    if (FColumns > 0) {
        const int rows = RowsPerColumn();
        const int column = index / rows - FTop / rows;
        const int y = index % rows * ItemHeight();
        return TRect(column * ColumnWidth(), y, (column + 1) * ColumnWidth(), y + ItemHeight());
    }
    int y = 0;
    if (index >= FTop) {
        for (int i = FTop; i < index; ++i)
            y += LineHeight(i);
    } else {
        for (int i = index; i < FTop; ++i)
            y -= LineHeight(i);
    }
    return TRect(0, y, ClientWidth(), y + LineHeight(index));
}

void TListBox::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    if (FBorderStyle == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListBox::CreateWnd() {
    TCustomControl::CreateWnd();
    UpdateScrollBar();
}

void TListBox::WndProc(TMessage& message) {
    if (FScrollBars.Handle(message) || FDragScroll.Handle(message)) return;
    switch (message.Msg) {
    case WM_GETDLGCODE:
        message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
        return;
    case WM_VSCROLL:
        if (FColumns == 0)
            VScroll(LOWORD(UINT(message.WParam)), short(HIWORD(UINT(message.WParam))));
        return;
    case WM_HSCROLL:
        if (FColumns > 0)
            HScroll(LOWORD(UINT(message.WParam)), short(HIWORD(UINT(message.WParam))));
        return;
    case WM_MOUSEWHEEL:
        Wheel(GET_WHEEL_DELTA_WPARAM(message.WParam));
        return;
    case CN_COMMAND:
        if (HIWORD(UINT(message.WParam)) == LBN_SELCHANGE) Click();
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case CM_ENABLEDCHANGED:
        Invalidate();
        break;
    case CM_FONTCHANGED:
        FStandardHeight = 0;
        break;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        if (message.Msg == WM_LBUTTONUP || HWND(message.LParam) != FHandle) {
            FTracking = false;
            FDragScroll.Stop();
        }
        break;
    default:
        break;
    }
    TCustomControl::WndProc(message);
    if (message.Msg == WM_SIZE || message.Msg == CM_FONTCHANGED) UpdateScrollBar();
}

void TListBox::DefaultHandler(TMessage& message) {
    if (message.Msg >= LB_ADDSTRING && message.Msg <= LB_ITEMFROMPOINT) {
        message.Result = ListMessage(message);
        return;
    }
    if (message.Msg == WM_SETREDRAW) {
        FRedraw = message.WParam != 0;
        if (FRedraw) Changed();
        return;
    }
    TCustomControl::DefaultHandler(message);
}

LRESULT TListBox::ListMessage(TMessage& message) {
    const int index = int(message.WParam);
    const bool valid = index >= 0 && index < Count();
    const char* text = reinterpret_cast<const char*>(message.LParam);
    switch (message.Msg) {
    case LB_ADDSTRING:
    case LB_INSERTSTRING: {
        if (!text) text = "";
        int at = message.Msg == LB_INSERTSTRING ? index : Count();
        if (message.Msg == LB_ADDSTRING && FSorted) {
            at = int(std::upper_bound(FLines.begin(), FLines.end(), std::string_view(text),
                                      [](std::string_view t, const TLine& line) {
                                          return CompareText(t, line.Text) < 0;
                                      }) -
                     FLines.begin());
        }
        if (at == -1) at = Count();
        if (at < 0 || at > Count()) return LB_ERR;
        return InsertLine(at, text);
    }
    case LB_DELETESTRING:
        if (!valid) return LB_ERR;
        DeleteLine(index);
        return Count();
    case LB_RESETCONTENT:
        FLines.clear();
        FCaret = FAnchor = -1;
        FTop = 0;
        Changed();
        return 0;
    case LB_GETCOUNT:
        return Count();
    case LB_GETTEXT:
        if (!valid) return LB_ERR;
        if (char* out = reinterpret_cast<char*>(message.LParam)) {
            std::memcpy(out, FLines[index].Text.c_str(), FLines[index].Text.size() + 1);
        }
        return LRESULT(FLines[index].Text.size());
    case LB_GETTEXTLEN:
        return valid ? LRESULT(FLines[index].Text.size()) : LB_ERR;
    case LB_GETITEMDATA:
        return valid ? FLines[index].Data : LB_ERR;
    case LB_SETITEMDATA:
        if (!valid) return LB_ERR;
        FLines[index].Data = message.LParam;
        return 0;
    case LB_GETCURSEL:
        return FCaret;
    case LB_SETCURSEL:
        if (FMultiSelect) return LB_ERR;
        FCaret = FAnchor = valid ? index : -1;
        if (valid) ScrollIntoView(index);
        Changed();
        return valid ? index : LB_ERR;
    case LB_GETCARETINDEX:
        return FCaret;
    case LB_SETCARETINDEX:
        if (!valid) return LB_ERR;
        SetCaret(index);
        return 0;
    case LB_GETANCHORINDEX:
        return FAnchor;
    case LB_SETANCHORINDEX:
        if (!valid) return LB_ERR;
        FAnchor = index;
        return 0;
    case LB_GETSEL:
        if (!valid) return LB_ERR;
        return FMultiSelect ? FLines[index].Selected : index == FCaret;
    case LB_SETSEL: {
        if (!FMultiSelect) return LB_ERR;
        const int target = int(message.LParam);
        if (target == -1) {
            for (TLine& line : FLines)
                line.Selected = message.WParam != 0;
        } else if (target >= 0 && target < Count()) {
            FLines[target].Selected = message.WParam != 0;
        } else {
            return LB_ERR;
        }
        Changed();
        return 0;
    }
    case LB_SELITEMRANGE: {
        if (!FMultiSelect) return LB_ERR;
        const int first = LOWORD(UINT(message.LParam));
        const int last = HIWORD(UINT(message.LParam));
        for (int i = std::max(0, std::min(first, last));
             i <= std::min(Count() - 1, std::max(first, last)); ++i)
            FLines[i].Selected = message.WParam != 0;
        Changed();
        return 0;
    }
    case LB_GETSELCOUNT:
        if (!FMultiSelect) return LB_ERR;
        return std::count_if(FLines.begin(), FLines.end(),
                             [](const TLine& l) { return l.Selected; });
    case LB_GETSELITEMS: {
        if (!FMultiSelect) return LB_ERR;
        int* out = reinterpret_cast<int*>(message.LParam);
        int n = 0;
        for (int i = 0; i < Count() && n < index && out; ++i)
            if (FLines[i].Selected) out[n++] = i;
        return n;
    }
    case LB_GETTOPINDEX:
        return FTop;
    case LB_SETTOPINDEX:
        if (!valid && !(index == 0 && Count() == 0)) return LB_ERR;
        SetTop(index);
        return 0;
    case LB_FINDSTRING:
    case LB_FINDSTRINGEXACT:
        return text ? FindString(index, text, message.Msg == LB_FINDSTRINGEXACT) : LB_ERR;
    case LB_SELECTSTRING: {
        if (FMultiSelect || !text) return LB_ERR;
        const int found = FindString(index, text, false);
        if (found >= 0) Perform(LB_SETCURSEL, WPARAM(found), 0);
        return found;
    }
    case LB_GETITEMRECT: {
        RECT* out = reinterpret_cast<RECT*>(message.LParam);
        if (!out || (!valid && index != 0)) return LB_ERR;
        *out = ItemRect(index);
        return 1;
    }
    case LB_GETITEMHEIGHT:
        return FStyle == lbOwnerDrawVariable && valid ? LineHeight(index) : ItemHeight();
    case LB_SETITEMHEIGHT:
        if (LOWORD(UINT(message.LParam)) == 0) return LB_ERR;
        SetItemHeight(LOWORD(UINT(message.LParam)));
        return 0;
    case LB_ITEMFROMPOINT: {
        const TPoint p(GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam));
        const int at = ItemAtPos(p, true);
        if (at >= 0) return MAKELPARAM(UINT(at), 0);
        return MAKELPARAM(UINT(std::max(0, Count() - 1)), 1);
    }
    default:
        return LB_ERR;
    }
}

int TListBox::InsertLine(int index, const std::string& text) {
    FLines.insert(FLines.begin() + index, TLine{ text });
    if (FCaret >= index) ++FCaret;
    if (FAnchor >= index) ++FAnchor;
    Changed();
    return index;
}

void TListBox::DeleteLine(int index) {
    FLines.erase(FLines.begin() + index);
    // Removing the selected line of a single-selection list leaves nothing selected.
    if (FCaret == index)
        FCaret = FMultiSelect ? std::min(index, Count() - 1) : -1;
    else if (FCaret > index)
        --FCaret;
    if (FAnchor == index)
        FAnchor = -1;
    else if (FAnchor > index)
        --FAnchor;
    FTop = std::clamp(FTop, 0, MaxTopIndex());
    Changed();
}

int TListBox::FindString(int start, const std::string& text, bool exact) const {
    const int n = int(FLines.size());
    if (n == 0) return LB_ERR;
    const int first = start < 0 || start >= n ? 0 : start + 1;
    for (int k = 0; k < n; ++k) {
        const int i = (first + k) % n;
        const std::string& line = FLines[i].Text;
        if (exact ? SameText(line, text) : StartsWithText(line, text)) return i;
    }
    return LB_ERR;
}

int TListBox::LineHeight(int index) {
    if (FStyle != lbOwnerDrawVariable || index < 0 || index >= Count()) return ItemHeight();
    int height = FItemHeight;
    MeasureItem(index, height);
    return std::max(height, 1);
}

void TListBox::SetColumns(int value) {
    value = std::max(0, value);
    if (value == FColumns) return;
    FColumns = value;
    FTop = 0;
    if (HandleAllocated()) {
        // The bar of the other layout goes.
        SCROLLINFO none;
        none.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        SetScrollInfo(FHandle, FColumns > 0 ? SB_VERT : SB_HORZ, &none, TRUE);
    }
    Changed();
}

int TListBox::RowsPerColumn() {
    return std::max(1, ClientHeight() / ItemHeight());
}

int TListBox::ColumnWidth() {
    return std::max(1, ClientWidth() / std::max(FColumns, 1));
}

int TListBox::PageSize() {
    if (FColumns > 0) return RowsPerColumn() * FColumns;
    const int height = ClientHeight();
    int used = 0;
    int lines = 0;
    for (int i = FTop; i < Count(); ++i) {
        used += LineHeight(i);
        if (used > height) break;
        ++lines;
    }
    if (FStyle != lbOwnerDrawVariable) lines = height / ItemHeight();
    return std::max(lines, 1);
}

int TListBox::MaxTopIndex() {
    if (FColumns > 0) {
        const int rows = RowsPerColumn();
        const int lastColumn = std::max(0, Count() - 1) / rows;
        return std::max(0, lastColumn - FColumns + 1) * rows;
    }
    const int height = ClientHeight();
    int used = 0;
    int top = Count();
    while (top > 0 && used + LineHeight(top - 1) <= height) {
        used += LineHeight(top - 1);
        --top;
    }
    return std::min(top, std::max(Count() - 1, 0));
}

void TListBox::SetTop(int value) {
    // Several columns start at a column's first line.
    if (FColumns > 0) value -= std::max(value, 0) % RowsPerColumn();
    value = std::clamp(value, 0, MaxTopIndex());
    if (value == FTop) return;
    FTop = value;
    Changed();
}

void TListBox::ScrollIntoView(int index) {
    if (index < 0 || index >= Count()) return;
    if (FColumns > 0) {
        const int rows = RowsPerColumn();
        const int column = index / rows;
        const int first = FTop / rows;
        if (column < first) SetTop(column * rows);
        if (column >= first + FColumns) SetTop((column - FColumns + 1) * rows);
        return;
    }
    if (index < FTop) {
        SetTop(index);
        return;
    }
    const int height = ClientHeight();
    int used = 0;
    int top = index + 1;
    while (top > 0 && used + LineHeight(top - 1) <= height) {
        used += LineHeight(top - 1);
        --top;
    }
    top = std::min(top, index);
    if (FTop < top) SetTop(top);
}

void TListBox::UpdateScrollBar() {
    if (!HandleAllocated() || !FRedraw) return;
    FTop = std::clamp(FTop, 0, MaxTopIndex());
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = std::max(Count() - 1, 0);
    info.nPage = UINT(PageSize());
    info.nPos = FTop;
    if (FColumns > 0) {
        // Several columns scroll sideways, a column at a time.
        const int rows = RowsPerColumn();
        info.nMax = std::max(0, Count() - 1) / rows;
        info.nPage = UINT(FColumns);
        info.nPos = FTop / rows;
    }
    SetScrollInfo(FHandle, FColumns > 0 ? SB_HORZ : SB_VERT, &info, TRUE);
}

void TListBox::Changed() {
    if (!FRedraw) return;
    UpdateScrollBar();
    Invalidate();
}

void TListBox::SetCaret(int index) {
    FCaret = index;
    if (!FMultiSelect) FAnchor = index;
    ScrollIntoView(index);
    Invalidate();
}

void TListBox::SelectRange(int from, int to, bool clearOthers) {
    if (clearOthers)
        for (TLine& line : FLines)
            line.Selected = false;
    if (from < 0) from = to;
    for (int i = std::min(from, to); i <= std::max(from, to); ++i)
        FLines[i].Selected = true;
}

void TListBox::MoveFocusTo(int index, TShiftState shift) {
    if (Count() == 0) return;
    index = std::clamp(index, 0, Count() - 1);
    if (!FMultiSelect) {
        const bool changed = index != FCaret;
        SetCaret(index);
        if (changed) Notify(LBN_SELCHANGE);
        return;
    }
    if (!FExtendedSelect || (shift.Contains(ssCtrl) && !shift.Contains(ssShift))) {
        SetCaret(index);
        return;
    }
    if (shift.Contains(ssShift)) {
        SelectRange(FAnchor, index, !shift.Contains(ssCtrl));
    } else {
        SelectRange(index, index, true);
        FAnchor = index;
    }
    SetCaret(index);
    Notify(LBN_SELCHANGE);
}

void TListBox::Notify(unsigned code) {
    const WPARAM command =
        MAKEWPARAM(HandleAllocated() ? UINT(GetWindowLongPtr(FHandle, GWL_ID)) : 0, code);
    const HWND parent = HandleAllocated() ? GetParent(FHandle) : nullptr;
    // A class-library parent reflects the notification back as CN_COMMAND; any other parent
    // window just hears of it, and the control acts on it itself.
    if (parent) SendMessage(parent, WM_COMMAND, command, LPARAM(FHandle));
    if (!parent || !FindControl(parent)) Perform(CN_COMMAND, command, LPARAM(FHandle));
}

void TListBox::VScroll(unsigned code, int pos) {
    switch (code) {
    case SB_LINEUP:
        SetTop(FTop - 1);
        break;
    case SB_LINEDOWN:
        SetTop(FTop + 1);
        break;
    case SB_PAGEUP:
        SetTop(FTop - PageSize());
        break;
    case SB_PAGEDOWN:
        SetTop(FTop + PageSize());
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
        // The message carries 16 bits; the scroll state holds the whole position.
        SCROLLINFO info;
        info.fMask = SIF_TRACKPOS;
        if (code == SB_THUMBTRACK && HandleAllocated() && GetScrollInfo(FHandle, SB_VERT, &info))
            pos = info.nTrackPos;
        SetTop(pos);
        break;
    }
    case SB_TOP:
        SetTop(0);
        break;
    case SB_BOTTOM:
        SetTop(MaxTopIndex());
        break;
    default:
        break;
    }
}

void TListBox::HScroll(unsigned code, int pos) {
    const int rows = RowsPerColumn();
    const int first = FTop / rows;
    switch (code) {
    case SB_LINELEFT:
        SetTop((first - 1) * rows);
        break;
    case SB_LINERIGHT:
        SetTop((first + 1) * rows);
        break;
    case SB_PAGELEFT:
        SetTop((first - FColumns) * rows);
        break;
    case SB_PAGERIGHT:
        SetTop((first + FColumns) * rows);
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
        SCROLLINFO info;
        info.fMask = SIF_TRACKPOS;
        if (code == SB_THUMBTRACK && HandleAllocated() && GetScrollInfo(FHandle, SB_HORZ, &info))
            pos = info.nTrackPos;
        SetTop(pos * rows);
        break;
    }
    case SB_LEFT:
        SetTop(0);
        break;
    case SB_RIGHT:
        SetTop(MaxTopIndex());
        break;
    default:
        break;
    }
}

void TListBox::Wheel(int delta) {
    const int notches = delta / WHEEL_DELTA;
    if (FColumns > 0) {
        SetTop(FTop - notches * RowsPerColumn());
        return;
    }
    SetTop(FTop - notches * kWheelLines);
}

void TListBox::KeyDown(unsigned short& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    if (Count() == 0) return;
    const int page = std::max(PageSize() - 1, 1);
    const int caret = std::max(FCaret, 0);
    const int across = FColumns > 0 ? RowsPerColumn() : 0;
    switch (key) {
    case VK_LEFT:
    case VK_RIGHT:
        if (across == 0) return;
        MoveFocusTo(FCaret < 0 ? 0 : caret + (key == VK_LEFT ? -across : across), shift);
        break;
    case VK_UP:
        MoveFocusTo(FCaret < 0 ? 0 : caret - 1, shift);
        break;
    case VK_DOWN:
        MoveFocusTo(FCaret < 0 ? 0 : caret + 1, shift);
        break;
    case VK_PRIOR:
        MoveFocusTo(caret - page, shift);
        break;
    case VK_NEXT:
        MoveFocusTo(caret + page, shift);
        break;
    case VK_HOME:
        MoveFocusTo(0, shift);
        break;
    case VK_END:
        MoveFocusTo(Count() - 1, shift);
        break;
    default:
        return;
    }
    key = 0;
}

void TListBox::KeyPress(char32_t& key) {
    TCustomControl::KeyPress(key);
    if (key < 0x20 || Count() == 0) return;
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    if (key == U' ' && FMultiSelect && FCaret >= 0 && (!FExtendedSelect || ctrl)) {
        FLines[FCaret].Selected = !FLines[FCaret].Selected;
        FAnchor = FCaret;
        Invalidate();
        Notify(LBN_SELCHANGE);
        key = 0;
        return;
    }
    if (!FAutoComplete) return;
    const unsigned now = unsigned(GetMessageTime());
    if (now - FLastKeyTime > kTypeAheadMs) FFilter.clear();
    FLastKeyTime = now;
    FFilter += key;
    // A first character looks past the current line, so pressing it again moves on; a longer
    // prefix may still match the current line.
    const int start = FFilter.size() == 1 ? FCaret : FCaret - 1;
    const int found = FindString(start, gfx::EncodeUtf8(FFilter), false);
    if (found >= 0) MoveFocusTo(found, {});
    key = 0;
}

void TListBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        const int index = ItemAtPos(TPoint(x, y), true);
        if (index >= 0) {
            if (FMultiSelect && !FExtendedSelect) {
                FLines[index].Selected = !FLines[index].Selected;
                FAnchor = index;
                SetCaret(index);
                Notify(LBN_SELCHANGE);
            } else if (FMultiSelect && shift.Contains(ssCtrl) && !shift.Contains(ssShift)) {
                FLines[index].Selected = !FLines[index].Selected;
                FAnchor = index;
                SetCaret(index);
                Notify(LBN_SELCHANGE);
            } else {
                MoveFocusTo(index, shift);
                FTracking = true;
            }
        }
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TListBox::MouseMove(TShiftState shift, int x, int y) {
    if (FTracking && shift.Contains(ssLeft) && Count() > 0) {
        const TShiftState extend = FMultiSelect ? TShiftState{ ssShift } : TShiftState{};
        const bool outside = y < 0 || y >= ClientHeight();
        int index = ItemAtPos(TPoint(std::clamp(x, 0, std::max(ClientWidth() - 1, 0)), y), true);
        if (y < 0)
            index = FTop - 1;
        else if (index < 0)
            index = y >= ClientHeight() ? FTop + PageSize() : Count() - 1;
        MoveFocusTo(index, extend);
        // Held above or below the list, the selection goes on scrolling that way.
        if (!outside) {
            FDragScroll.Stop();
        } else if (!FDragScroll.Running()) {
            FDragScroll.Start([this, extend] {
                POINT p;
                GetCursorPos(&p);
                const int at = ScreenToClient(TPoint(p.x, p.y)).Y;
                if (at < 0 || at >= ClientHeight()) MoveFocusTo(FCaret + (at < 0 ? -1 : 1), extend);
            });
        }
    }
    TCustomControl::MouseMove(shift, x, y);
}

void TListBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft) FTracking = false;
    TCustomControl::MouseUp(button, shift, x, y);
}

void TListBox::MeasureItem(int index, int& height) {
    if (OnMeasureItem) OnMeasureItem(this, index, height);
}

void TListBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
    if (FStyle != lbStandard && OnDrawItem) {
        OnDrawItem(this, index, rect, state);
        return;
    }
    FCanvas.FillRect(rect);
    const int y = rect.Top + std::max(0, (rect.Height() - FCanvas.TextHeight("Wg")) / 2);
    FCanvas.TextRect(rect, rect.Left + 2, y, FLines[index].Text);
}

void TListBox::Paint() {
    const TRect client = ClientRect();
    const bool focused = Focused();
    if (FColumns > 0) {
        FCanvas.Brush().SetStyle(bsSolid);
        FCanvas.Brush().SetColor(FColor);
        FCanvas.FillRect(client);
    }
    const int last =
        FColumns > 0 ? std::min(Count(), FTop + RowsPerColumn() * (FColumns + 1)) : Count();
    int y = 0;
    for (int i = FTop; i < last && (FColumns > 0 || y < client.Bottom); ++i) {
        const TRect row = FColumns > 0 ? ItemRect(i) : TRect(0, y, client.Right, y + LineHeight(i));
        TOwnerDrawState state;
        const bool selected = FMultiSelect ? FLines[i].Selected : i == FCaret;
        if (selected) state.Include(odSelected);
        if (focused && i == FCaret) state.Include(odFocused);
        if (!Enabled()) state.Include(odDisabled);
        FCanvas.Brush().SetStyle(bsSolid);
        FCanvas.Brush().SetColor(selected ? clHighlight : FColor);
        FCanvas.SetFont(FFont);
        FCanvas.Font().SetColor(!Enabled() ? clGrayText
                                : selected ? clHighlightText
                                           : FFont.Color());
        {
            const gfx::DcStateSaver saved(FCanvas.Handle());
            IntersectClipRect(FCanvas.Handle(), row.Left, row.Top, row.Right, row.Bottom);
            DrawItem(i, row, state);
        }
        if (state.Contains(odFocused)) FCanvas.DrawFocusRect(row);
        y = row.Bottom;
    }
    if (FColumns == 0 && y < client.Bottom) {
        FCanvas.Brush().SetStyle(bsSolid);
        FCanvas.Brush().SetColor(FColor);
        FCanvas.FillRect(TRect(0, y, client.Right, client.Bottom));
    }
    // An empty focused list still shows where the focus is.
    if (focused && Count() == 0) FCanvas.DrawFocusRect(TRect(0, 0, client.Right, ItemHeight()));
}
