#include "platform/forms/TMemo.h"
#include "platform/forms/EditMessages.h"
#include "platform/forms/EditWords.h"
#include "platform/forms/ScrollRequest.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Utf8.h"
#include "platform/win/Clipboard.h"
#include "platform/win/Input.h"
#include "platform/win/Painting.h"
#include "platform/win/ScrollInfo.h"
#include "platform/win/Win.h"
#include <algorithm>
#include <optional>
#include <utility>

using namespace win;

namespace {

// Room between the frame and the text.
constexpr int kMargin = 2;
constexpr int kWheelRows = 3;

// A canvas over a screen DC with the memo's font, for measuring outside painting.
class TMeasure {
public:
    explicit TMeasure(TFont& font) : FDc(GetDC(nullptr)) {
        if (!FDc) return;
        FCanvas.SetHandle(FDc);
        FCanvas.SetFont(font);
    }
    ~TMeasure() {
        FCanvas.SetHandle(nullptr);
        if (FDc) ReleaseDC(nullptr, FDc);
    }
    TMeasure(const TMeasure&) = delete;
    TMeasure& operator=(const TMeasure&) = delete;
    int Width(std::u32string_view text) {
        return FDc && !text.empty() ? FCanvas.TextWidth(gfx::EncodeUtf8(text)) : 0;
    }
    int Height() { return FDc ? FCanvas.TextHeight("Wg") : 13; }

private:
    HDC FDc;
    TCanvas FCanvas;
};

} // namespace

TMemo::TMemo(TComponent* owner) : TCustomControl(owner) {
    FControlStyle.Include(csOpaque);
    FControlStyle.Exclude(csSetCaption);
    FColor = clWindow;
    SetParentColor(false);
    SetTabStop(true);
    SetCursor(crIBeam);
    FWidth = 185;
    FHeight = 89;
}

TMemo::~TMemo() = default;

void TMemo::SetSelStart(int value) {
    MoveCaret(value, false);
}

void TMemo::SetSelLength(int value) {
    FBuffer.Select(FBuffer.SelStart(), FBuffer.SelStart() + std::max(value, 0));
    FUndo.BreakRun();
    ScrollToCaret();
    Invalidate();
}

std::string TMemo::SelText() const {
    return gfx::EncodeUtf8(FBuffer.Selection());
}

void TMemo::SetSelText(const std::string& value) {
    Replace(gfx::DecodeUtf8(value));
}

void TMemo::SelectAll() {
    FBuffer.SelectAll();
    FUndo.BreakRun();
    Invalidate();
}

void TMemo::CopyToClipboard() {
    if (SelLength() > 0) SetClipboardText(SelText());
}

void TMemo::CutToClipboard() {
    if (FReadOnly || SelLength() == 0) return;
    CopyToClipboard();
    UserReplace({});
}

void TMemo::PasteFromClipboard() {
    std::u32string pasted = gfx::DecodeUtf8(GetClipboardText());
    // Line breaks of any system become the memo's own.
    std::u32string clean;
    for (std::size_t i = 0; i < pasted.size(); ++i) {
        if (pasted[i] == U'\r') {
            clean += U'\n';
            if (i + 1 < pasted.size() && pasted[i + 1] == U'\n') ++i;
        } else {
            clean += pasted[i];
        }
    }
    UserReplace(clean);
}

void TMemo::Undo() {
    if (FReadOnly || !FUndo.Undo(FBuffer)) return;
    TControl::FText = gfx::EncodeUtf8(FBuffer.Chars());
    FColumnX = -1;
    TextChanged();
    FModified = true;
}

TPoint TMemo::CaretPos() const {
    const int caret = FBuffer.Caret();
    const auto& chars = FBuffer.Chars();
    const int line = int(std::count(chars.begin(), chars.begin() + caret, U'\n'));
    return TPoint(caret - LineStart(line), line);
}

void TMemo::SetReadOnly(bool value) {
    FReadOnly = value;
    Invalidate();
}

void TMemo::SetWordWrap(bool value) {
    if (FWordWrap == value) return;
    FWordWrap = value;
    FScrollX = 0;
    Relayout();
}

void TMemo::SetScrollBars(TScrollStyle value) {
    if (FScrollBars == value) return;
    FScrollBars = value;
    if (HandleAllocated()) RecreateWnd();
}

void TMemo::SetBorderStyle(TFormBorderStyle value) {
    if (value != bsNone && value != bsSingle) throw EInvalidOperation("Invalid property value");
    if (FBorderStyle == value) return;
    FBorderStyle = value;
    if (HandleAllocated()) RecreateWnd();
}

int TMemo::PhysicalLines() const {
    const auto& chars = FBuffer.Chars();
    return int(std::count(chars.begin(), chars.end(), U'\n')) + 1;
}

int TMemo::LineCount() const {
    const auto& chars = FBuffer.Chars();
    if (chars.empty()) return 0;
    return PhysicalLines() - (chars.back() == U'\n' ? 1 : 0);
}

int TMemo::LineStart(int line) const {
    const auto& chars = FBuffer.Chars();
    int start = 0;
    for (int i = 0; i < line; ++i) {
        const auto next = chars.find(U'\n', start);
        if (next == std::u32string::npos) return -1;
        start = int(next) + 1;
    }
    return start;
}

int TMemo::LineLength(int line) const {
    const int start = LineStart(line);
    if (start < 0) return 0;
    const auto end = FBuffer.Chars().find(U'\n', start);
    return (end == std::u32string::npos ? FBuffer.Length() : int(end)) - start;
}

std::string TMemo::LineText(int line) const {
    const int start = LineStart(line);
    if (start < 0) return {};
    return gfx::EncodeUtf8(std::u32string_view(FBuffer.Chars()).substr(start, LineLength(line)));
}

void TMemo::UserReplace(std::u32string_view inserted, bool typed) {
    if (FReadOnly) return;
    std::u32string_view text = inserted;
    const int room = FBuffer.Room(FMaxLength);
    if (int(text.size()) > room) text = text.substr(0, room);
    // A full memo refuses the key rather than just dropping the selection.
    if (text.empty() && !inserted.empty()) return;
    // Deleting nothing is no change to take back.
    if (text.empty() && FBuffer.SelLength() == 0) return;
    FUndo.BeforeChange(FBuffer, typed);
    ReplaceText(text);
    FUndo.AfterChange(FBuffer, typed);
    FModified = true;
}

std::size_t TMemo::ByteOffset(int position, std::size_t from, int fromPosition) const {
    // The control's text is the buffer's UTF-8 form: a character starts at each lead byte.
    const std::string& bytes = TControl::FText;
    std::size_t i = from;
    for (int count = fromPosition; i < bytes.size() && count < position; ++count) {
        ++i;
        while (i < bytes.size() && (static_cast<unsigned char>(bytes[i]) & 0xC0) == 0x80)
            ++i;
    }
    return i;
}

void TMemo::Replace(std::u32string_view inserted) {
    FUndo.Clear();
    ReplaceText(inserted);
}

void TMemo::ReplaceText(std::u32string_view inserted) {
    // Only the replaced bytes change, so a long log grows without being encoded again.
    const int start = FBuffer.SelStart();
    const std::size_t from = ByteOffset(start, 0, 0);
    const std::size_t to = ByteOffset(start + FBuffer.SelLength(), from, start);
    FBuffer.Replace(inserted);
    FColumnX = -1;
    TControl::FText.replace(from, to - from, gfx::EncodeUtf8(inserted));
    TextChanged();
}

void TMemo::TextChanged() {
    FOwnChange = true;
    try {
        if (HandleAllocated()) SetWindowText(FHandle, TControl::FText.c_str());
        Perform(CM_TEXTCHANGED, 0, 0);
    } catch (...) {
        FOwnChange = false;
        throw;
    }
    FOwnChange = false;
    Relayout();
    ScrollToCaret();
}

void TMemo::Change() {
    if (OnChange) OnChange(this);
}

void TMemo::MoveCaret(int position, bool extend, bool keepColumn) {
    FBuffer.MoveCaret(position, extend);
    FUndo.BreakRun();
    if (!keepColumn) FColumnX = -1;
    ScrollToCaret();
    Invalidate();
}

void TMemo::DeleteWord(bool forward) {
    if (FReadOnly) return;
    const int caret = FBuffer.Caret();
    if (SelLength() == 0)
        FBuffer.Select(caret, forward ? NextWordStop(FBuffer.Chars(), caret)
                                      : PreviousWordStop(FBuffer.Chars(), caret));
    UserReplace({});
}

TRect TMemo::CaretRect() const {
    const int caret = FBuffer.Caret();
    const TRow& r = Rows()[RowOf(caret)];
    const int x = kMargin - FScrollX + TextWidth(r.Start, caret - r.Start);
    const int y = 1 + (RowOf(caret) - FTopRow) * RowHeight();
    return TRect(x, y, x + 1, y + RowHeight());
}

void TMemo::ShowOwnCaret() {
    const TRect r = CaretRect();
    CreateCaret(FHandle, nullptr, r.Width(), r.Height());
    SetCaretPos(r.Left, r.Top);
    ShowCaret(FHandle);
    FCaretShown = true;
}

void TMemo::HideOwnCaret() {
    if (std::exchange(FCaretShown, false)) DestroyCaret();
}

void TMemo::RestartCaretBlink() {
    if (!FCaretShown) return;
    const TRect r = CaretRect();
    HideCaret(FHandle);
    SetCaretPos(r.Left, r.Top);
    ShowCaret(FHandle);
}

void TMemo::Relayout() {
    FLayoutValid = false;
    FRowHeight = 0;
    UpdateScrollBars();
    Invalidate();
}

int TMemo::RowHeight() const {
    if (FRowHeight == 0)
        FRowHeight = std::max(1, TMeasure(const_cast<TMemo*>(this)->Font()).Height());
    return FRowHeight;
}

int TMemo::VisibleRows() const {
    return std::max(1, (ClientHeight() - 2) / RowHeight());
}

int TMemo::TextWidth(int start, int length) const {
    TMeasure measure(const_cast<TMemo*>(this)->Font());
    return measure.Width(std::u32string_view(FBuffer.Chars()).substr(start, length));
}

int TMemo::LineWidth(std::u32string_view text) const {
    // A log grows a line at a time: the lines already measured are not measured again.
    if (auto it = FWidths.find(text); it != FWidths.end()) return it->second;
    if (FWidths.size() > 50000) FWidths.clear();
    const int width = TMeasure(const_cast<TMemo*>(this)->Font()).Width(text);
    FWidths.emplace(std::u32string(text), width);
    return width;
}

const std::vector<TMemo::TRow>& TMemo::Rows() const {
    if (FLayoutValid) return FRows;
    FRows.clear();
    const std::u32string_view chars = FBuffer.Chars();
    const int width = std::max(1, ClientWidth() - 2 * kMargin);
    std::optional<TMeasure> measure;
    int start = 0;
    while (true) {
        const auto found = chars.find(U'\n', start);
        const int end = found == std::u32string_view::npos ? int(chars.size()) : int(found);
        int rowStart = start;
        const bool fits = !FWordWrap || LineWidth(chars.substr(start, end - start)) <= width;
        if (!fits && !measure) measure.emplace(const_cast<TMemo*>(this)->Font());
        while (!fits && end - rowStart > 1 &&
               measure->Width(chars.substr(rowStart, end - rowStart)) > width) {
            // The longest piece that fits, broken after its last blank when it has one.
            int lo = 1;
            int hi = end - rowStart;
            while (lo < hi) {
                const int mid = (lo + hi + 1) / 2;
                if (measure->Width(chars.substr(rowStart, mid)) <= width)
                    lo = mid;
                else
                    hi = mid - 1;
            }
            int take = lo;
            const auto blank = chars.substr(rowStart, lo + 1).find_last_of(U" \t");
            if (blank != std::u32string_view::npos && int(blank) > 0) take = int(blank) + 1;
            FRows.push_back({ rowStart, take });
            rowStart += take;
        }
        FRows.push_back({ rowStart, end - rowStart });
        if (found == std::u32string_view::npos) break;
        start = end + 1;
    }
    FLayoutValid = true;
    return FRows;
}

int TMemo::RowOf(int position) const {
    const auto& rows = Rows();
    const auto it = std::upper_bound(rows.begin(), rows.end(), position,
                                     [](int p, const TRow& r) { return p < r.Start; });
    return std::max(0, int(it - rows.begin()) - 1);
}

int TMemo::PositionInRow(int row, int x) const {
    const auto& rows = Rows();
    row = std::clamp(row, 0, int(rows.size()) - 1);
    const TRow& r = rows[row];
    // A wrapped row ends before its trailing blank, or the caret would show on the next row.
    const bool wrapped = row + 1 < int(rows.size()) && rows[row + 1].Start == r.Start + r.Length;
    const int last = r.Start + r.Length - (wrapped && r.Length > 0 ? 1 : 0);
    TMeasure measure(const_cast<TMemo*>(this)->Font());
    int previous = 0;
    for (int p = r.Start + 1; p <= last; ++p) {
        const int next =
            measure.Width(std::u32string_view(FBuffer.Chars()).substr(r.Start, p - r.Start));
        if (x < (previous + next) / 2) return p - 1;
        previous = next;
    }
    return last;
}

int TMemo::PositionAt(int x, int y) const {
    const int row = FTopRow + (y - 1) / RowHeight() - (y < 1 ? 1 : 0);
    return PositionInRow(row, x - kMargin + FScrollX);
}

int TMemo::WidestRow() const {
    int widest = 0;
    const std::u32string_view chars = FBuffer.Chars();
    for (const TRow& r : Rows())
        widest = std::max(widest, LineWidth(chars.substr(r.Start, r.Length)));
    return widest + 2 * kMargin;
}

void TMemo::SetTopRow(int value) {
    value = std::clamp(value, 0, std::max(0, int(Rows().size()) - VisibleRows()));
    if (value == FTopRow) return;
    FTopRow = value;
    UpdateScrollBars();
    Invalidate();
}

void TMemo::ScrollToCaret() {
    // A memo nobody sees (a hidden log) catches up when it is painted.
    if (!Showing()) {
        FCatchUp = true;
        return;
    }
    const int row = RowOf(FBuffer.Caret());
    if (row < FTopRow)
        SetTopRow(row);
    else if (row >= FTopRow + VisibleRows())
        SetTopRow(row - VisibleRows() + 1);
    if (!FWordWrap) {
        const TRow r = Rows()[row];
        const int x = TextWidth(r.Start, FBuffer.Caret() - r.Start);
        const int visible = std::max(1, ClientWidth() - 2 * kMargin);
        if (x < FScrollX) FScrollX = std::max(0, x - visible / 3);
        if (x > FScrollX + visible) FScrollX = x - visible + visible / 3;
        UpdateScrollBars();
    }
}

void TMemo::UpdateScrollBars() {
    if (!HandleAllocated()) return;
    if (!Showing()) {
        FCatchUp = true;
        return;
    }
    const bool vertical = FScrollBars == ssVertical || FScrollBars == ssBoth;
    const bool horizontal = !FWordWrap && (FScrollBars == ssHorizontal || FScrollBars == ssBoth);
    FTopRow = std::clamp(FTopRow, 0, std::max(0, int(Rows().size()) - VisibleRows()));
    // Bars the memo was not given keep their state without showing.
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    info.nMax = std::max(0, int(Rows().size()) - 1);
    info.nPage = UINT(VisibleRows());
    info.nPos = FTopRow;
    if (vertical)
        SetScrollInfo(FHandle, SB_VERT, &info, TRUE);
    else
        FFrame.Store(SB_VERT, info);
    info.nMax = FWordWrap ? 0 : WidestRow();
    info.nPage = UINT(std::max(1, ClientWidth()));
    info.nPos = FScrollX;
    if (horizontal)
        SetScrollInfo(FHandle, SB_HORZ, &info, TRUE);
    else
        FFrame.Store(SB_HORZ, info);
}

void TMemo::Scroll(int bar, unsigned code) {
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    GetScrollInfo(FHandle, bar, &info);
    const std::optional<int> pos =
        ScrollRequestPos(code, bar == SB_VERT ? FTopRow : FScrollX,
                         { .Line = bar == SB_VERT ? 1 : RowHeight(),
                           .Page = std::max(1, int(info.nPage) - (bar == SB_VERT ? 1 : 0)),
                           .Thumb = info.nTrackPos,
                           .Min = 0,
                           .Max = info.nMax });
    if (!pos) return;
    if (bar == SB_VERT) {
        SetTopRow(*pos);
    } else {
        FScrollX = std::clamp(*pos, 0, std::max(0, info.nMax - int(info.nPage) + 1));
        UpdateScrollBars();
        Invalidate();
    }
}

void TMemo::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    if (FBorderStyle == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
    if (FScrollBars == ssVertical || FScrollBars == ssBoth) params.Style |= WS_VSCROLL;
    if (!FWordWrap && (FScrollBars == ssHorizontal || FScrollBars == ssBoth))
        params.Style |= WS_HSCROLL;
}

void TMemo::CreateWnd() {
    TCustomControl::CreateWnd();
    Relayout();
}

void TMemo::WndProc(TMessage& message) {
    if (FFrame.Handle(message)) return;
    switch (message.Msg) {
    case WM_GETDLGCODE:
        message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_HASSETSEL |
                         (FWantReturns ? DLGC_WANTALLKEYS : 0) | (FWantTabs ? DLGC_WANTTAB : 0);
        return;
    case CM_TEXTCHANGED:
        if (!FOwnChange) {
            // Text from code replaces everything and puts the caret at the start.
            FBuffer.Assign(gfx::DecodeUtf8(Text()));
            // Bytes that are no UTF-8 read as replacement characters from here on.
            TControl::FText = gfx::EncodeUtf8(FBuffer.Chars());
            FUndo.Clear();
            FTopRow = FScrollX = 0;
            Relayout();
        }
        TCustomControl::WndProc(message);
        Change();
        return;
    case WM_VSCROLL:
    case WM_HSCROLL:
        Scroll(message.Msg == WM_VSCROLL ? SB_VERT : SB_HORZ, LOWORD(UINT(message.WParam)));
        return;
    case WM_MOUSEWHEEL:
        SetTopRow(FTopRow - GET_WHEEL_DELTA_WPARAM(message.WParam) / WHEEL_DELTA * kWheelRows);
        return;
    case WM_CUT:
        CutToClipboard();
        return;
    case WM_COPY:
        CopyToClipboard();
        return;
    case WM_PASTE:
        PasteFromClipboard();
        return;
    case WM_CLEAR:
        if (!FReadOnly) UserReplace({});
        return;
    case WM_UNDO:
        message.Result = CanUndo() && !FReadOnly;
        Undo();
        return;
    case WM_SETFOCUS:
        TCustomControl::WndProc(message);
        // The handlers of the focus's arrival may have sent it on already.
        if (HandleAllocated() && GetFocus() == FHandle) ShowOwnCaret();
        Invalidate();
        return;
    case WM_KILLFOCUS:
        HideOwnCaret();
        Invalidate();
        break;
    case WM_DESTROY:
        // The caret goes with the window.
        FCaretShown = false;
        break;
    case CM_ENABLEDCHANGED:
        Invalidate();
        break;
    case CM_FONTCHANGED:
        FWidths.clear();
        Relayout();
        TCustomControl::WndProc(message);
        // The caret is as high as a row of the new font.
        if (FCaretShown) ShowOwnCaret();
        return;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        FSelecting = false;
        break;
    default:
        break;
    }
    TCustomControl::WndProc(message);
    if (message.Msg == WM_SIZE) {
        FLayoutValid = false;
        UpdateScrollBars();
    }
}

void TMemo::DefaultHandler(TMessage& message) {
    if (message.Msg == WM_CHAR) {
        TypeChar(char32_t(message.WParam));
        RestartCaretBlink();
        return;
    }
    if (message.Msg >= EM_GETSEL && message.Msg <= EM_SETREADONLY) {
        message.Result = EditMessage(message);
        return;
    }
    TCustomControl::DefaultHandler(message);
}

LRESULT TMemo::EditMessage(TMessage& message) {
    const int w = int(message.WParam);
    switch (message.Msg) {
    case EM_GETSEL:
        return MAKELPARAM(UINT(SelStart()), UINT(SelStart() + SelLength()));
    case EM_SETSEL:
        // -1 as the start removes the selection, leaving the caret where it is.
        if (w == -1)
            FBuffer.Select(FBuffer.Caret(), FBuffer.Caret());
        else
            FBuffer.Select(w, int(message.LParam) == -1 ? FBuffer.Length() : int(message.LParam));
        FUndo.BreakRun();
        Invalidate();
        return 0;
    case EM_REPLACESEL: {
        const char* text = reinterpret_cast<const char*>(message.LParam);
        const std::u32string inserted = gfx::DecodeUtf8(text ? text : "");
        if (w) {
            FUndo.BeforeChange(FBuffer, false);
            ReplaceText(inserted);
            FUndo.AfterChange(FBuffer, false);
        } else {
            Replace(inserted);
        }
        return 0;
    }
    case EM_CANUNDO:
        return CanUndo();
    case EM_UNDO:
        message.Result = CanUndo() && !FReadOnly;
        Undo();
        return message.Result;
    case EM_EMPTYUNDOBUFFER:
        ClearUndo();
        return 0;
    case EM_SCROLLCARET:
        ScrollToCaret();
        return 0;
    case EM_GETMODIFY:
        return FModified;
    case EM_SETMODIFY:
        FModified = w != 0;
        return 0;
    case EM_GETLINECOUNT:
        return PhysicalLines();
    case EM_LINEINDEX:
        return LineStart(w == -1 ? CaretPos().Y : w);
    case EM_LINELENGTH: {
        const auto& chars = FBuffer.Chars();
        const int at = std::clamp(w, 0, FBuffer.Length());
        return LineLength(int(std::count(chars.begin(), chars.begin() + at, U'\n')));
    }
    case EM_LINEFROMCHAR: {
        const auto& chars = FBuffer.Chars();
        const int at = w == -1 ? FBuffer.Caret() : std::clamp(w, 0, FBuffer.Length());
        return LRESULT(std::count(chars.begin(), chars.begin() + at, U'\n'));
    }
    case EM_GETFIRSTVISIBLELINE:
        return FTopRow;
    case EM_LINESCROLL:
        SetTopRow(FTopRow + int(message.LParam));
        return TRUE;
    case EM_SCROLL:
        Scroll(SB_VERT, UINT(w));
        return TRUE;
    case EM_LIMITTEXT:
        SetMaxLength(w);
        return 0;
    case EM_SETREADONLY:
        SetReadOnly(w != 0);
        return TRUE;
    default:
        return 0;
    }
}

void TMemo::TypeChar(char32_t ch) {
    if (ch == U'\b') {
        // Ctrl+Backspace deleted a word on its key; its character is no second deletion.
        if (FReadOnly || GetKeyState(VK_CONTROL) < 0) return;
        if (SelLength() == 0 && FBuffer.Caret() > 0)
            FBuffer.Select(FBuffer.Caret() - 1, FBuffer.Caret());
        UserReplace({});
        return;
    }
    if (ch == U'\r' || ch == U'\n') {
        if (FWantReturns) UserReplace(U"\n", true);
        return;
    }
    if (ch == U'\t') {
        if (FWantTabs) UserReplace(U"\t", true);
        return;
    }
    if (ch < 0x20 || ch == 0x7F) return;
    UserReplace(std::u32string(1, ch), true);
}

void TMemo::KeyDown(unsigned short& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    const bool extend = shift.Contains(ssShift);
    const bool ctrl = shift.Contains(ssCtrl);
    const int caret = FBuffer.Caret();
    const auto& rows = Rows();
    const int row = RowOf(caret);
    const auto column = [&] {
        if (FColumnX < 0) FColumnX = TextWidth(rows[row].Start, caret - rows[row].Start);
        return FColumnX;
    };
    switch (key) {
    case VK_LEFT:
        if (ctrl)
            MoveCaret(PreviousWordStop(FBuffer.Chars(), caret), extend);
        else
            MoveCaret(!extend && SelLength() > 0 ? SelStart() : caret - 1, extend);
        break;
    case VK_RIGHT:
        if (ctrl)
            MoveCaret(NextWordStop(FBuffer.Chars(), caret), extend);
        else
            MoveCaret(!extend && SelLength() > 0 ? SelStart() + SelLength() : caret + 1, extend);
        break;
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT: {
        const int step = key == VK_UP || key == VK_DOWN ? 1 : VisibleRows();
        const int target = row + (key == VK_UP || key == VK_PRIOR ? -step : step);
        const int x = column();
        if (target < 0 || target >= int(rows.size())) {
            MoveCaret(target < 0 ? 0 : FBuffer.Length(), extend);
        } else {
            MoveCaret(PositionInRow(target, x), extend, true);
        }
        break;
    }
    case VK_HOME:
        MoveCaret(ctrl ? 0 : rows[row].Start, extend);
        break;
    case VK_END:
        MoveCaret(ctrl ? FBuffer.Length() : PositionInRow(row, INT32_MAX / 2), extend);
        break;
    case VK_DELETE:
        if (extend) {
            CutToClipboard();
        } else if (ctrl) {
            DeleteWord(true);
        } else if (!FReadOnly) {
            if (SelLength() == 0) FBuffer.Select(caret, caret + 1);
            UserReplace({});
        }
        break;
    case VK_BACK:
        if (ctrl) DeleteWord(false);
        break;
    case VK_INSERT:
        if (ctrl)
            CopyToClipboard();
        else if (extend)
            PasteFromClipboard();
        break;
    case 'A':
        if (ctrl) SelectAll();
        break;
    case 'Z':
        if (ctrl) Undo();
        break;
    case 'C':
        if (ctrl) CopyToClipboard();
        break;
    case 'X':
        if (ctrl) CutToClipboard();
        break;
    case 'V':
        if (ctrl) PasteFromClipboard();
        break;
    default:
        break;
    }
    RestartCaretBlink();
}

void TMemo::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        if (shift.Contains(ssDouble)) {
            // A double click selects the word under the pointer; moving on does not drag the
            // selection away from it.
            const TWordSpan word = WordAt(FBuffer.Chars(), PositionAt(x, y));
            FBuffer.Select(word.Start, word.End);
            MoveCaret(word.End, true);
            FSelecting = false;
        } else {
            MoveCaret(PositionAt(x, y), shift.Contains(ssShift));
            FSelecting = true;
        }
        RestartCaretBlink();
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TMemo::MouseMove(TShiftState shift, int x, int y) {
    if (FSelecting && shift.Contains(ssLeft)) MoveCaret(PositionAt(x, y), true);
    TCustomControl::MouseMove(shift, x, y);
}

void TMemo::Paint() {
    if (std::exchange(FCatchUp, false)) {
        ScrollToCaret();
        UpdateScrollBars();
    }
    const TRect client = ClientRect();
    FCanvas.Brush().SetStyle(bsSolid);
    FCanvas.Brush().SetColor(Enabled() && !FReadOnly ? FColor : clBtnFace);
    FCanvas.FillRect(client);
    FCanvas.SetFont(FFont);
    if (!Enabled()) FCanvas.Font().SetColor(clGrayText);
    const auto& rows = Rows();
    const int height = RowHeight();
    const bool focused = Focused();
    const int selStart = SelStart();
    const int selEnd = selStart + SelLength();
    const std::u32string_view chars = FBuffer.Chars();
    const int x0 = kMargin - FScrollX;
    for (int i = FTopRow; i < int(rows.size()); ++i) {
        const int y = 1 + (i - FTopRow) * height;
        if (y >= client.Bottom) break;
        const TRow& r = rows[i];
        FCanvas.Brush().SetStyle(bsClear);
        FCanvas.TextOut(x0, y, gfx::EncodeUtf8(chars.substr(r.Start, r.Length)));
        const int from = std::max(selStart, r.Start);
        const int to = std::min(selEnd, r.Start + r.Length);
        const bool breakSelected = selEnd > r.Start + r.Length && selStart <= r.Start + r.Length;
        if (focused && (from < to || breakSelected)) {
            const int left = x0 + TextWidth(r.Start, from - r.Start);
            // A selected line break shows as a little block after the line.
            const int right = x0 + TextWidth(r.Start, to - r.Start) + (breakSelected ? 4 : 0);
            FCanvas.Brush().SetStyle(bsSolid);
            FCanvas.Brush().SetColor(clHighlight);
            FCanvas.Font().SetColor(clHighlightText);
            FCanvas.TextRect(TRect(left, y, right, y + height), left, y,
                             gfx::EncodeUtf8(chars.substr(from, std::max(0, to - from))));
            FCanvas.Font().SetColor(FFont.Color());
        }
    }
    // The caret follows what is drawn; the window system puts it back once the paint ends.
    if (FCaretShown) {
        const TRect caret = CaretRect();
        SetCaretPos(caret.Left, caret.Top);
    }
}
