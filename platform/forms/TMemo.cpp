#include "platform/forms/TMemo.h"
#include "platform/forms/EditMessages.h"
#include "platform/forms/ScrollRequest.h"
#include "platform/forms/TTextMeasure.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Utf8.h"
#include "platform/rtl/TextUtils.h"
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

// Widths of pieces of the memo's text in its font.
class TMeasure {
public:
    explicit TMeasure(const TFont& font) : FMeasure(font) {}
    int Width(std::u32string_view text) {
        return text.empty() ? 0 : FMeasure.Width(gfx::EncodeUtf8(text));
    }

private:
    TTextMeasure FMeasure;
};

// The byte of a UTF-8 text where a character position starts, counting on from a known pair of
// byte and position: a character starts at each lead byte.
std::size_t StepBytes(const std::string& bytes, std::size_t from, int fromPosition, int position) {
    std::size_t i = from;
    for (int count = fromPosition; i < bytes.size() && count < position; ++count) {
        ++i;
        while (i < bytes.size() && (static_cast<unsigned char>(bytes[i]) & 0xC0) == 0x80)
            ++i;
    }
    return i;
}

} // namespace

TMemo::TMemo(TComponent* owner) : TCustomEdit(owner) {
    FWidth = 185;
    FHeight = 89;
}

TMemo::~TMemo() = default;

LRESULT TMemo::CopyText(WPARAM maxCount, LPARAM buffer) const {
    char* out = reinterpret_cast<char*>(buffer);
    if (!out || maxCount == 0) return 0;
    const std::size_t n = Utf8Fit(TControl::FText, std::size_t(maxCount) - 1);
    std::copy_n(TControl::FText.data(), n, out);
    out[n] = 0;
    return LRESULT(n);
}

void TMemo::SetSelText(const std::string& value) {
    Replace(gfx::DecodeUtf8(value));
}

std::u32string TMemo::Pasted(std::u32string pasted) const {
    std::u32string clean;
    for (std::size_t i = 0; i < pasted.size(); ++i) {
        if (pasted[i] == U'\r') {
            clean += U'\n';
            if (i + 1 < pasted.size() && pasted[i + 1] == U'\n') ++i;
        } else {
            clean += pasted[i];
        }
    }
    return clean;
}

void TMemo::TextSwapped() {
    TControl::FText = gfx::EncodeUtf8(FBuffer.Chars());
    IndexWholeText();
    FColumnX = -1;
    TextChanged(0);
}

void TMemo::IndexWholeText() {
    FIndex.Assign(FBuffer.Chars(), TControl::FText);
}

TPoint TMemo::CaretPos() const {
    const int caret = FBuffer.Caret();
    const int line = FIndex.LineOf(caret);
    return TPoint(caret - FIndex.Line(line).Start, line);
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
    return FIndex.Count();
}

int TMemo::LineCount() const {
    const auto& chars = FBuffer.Chars();
    if (chars.empty()) return 0;
    return PhysicalLines() - (chars.back() == U'\n' ? 1 : 0);
}

int TMemo::LineStart(int line) const {
    if (line <= 0) return 0;
    return line < FIndex.Count() ? FIndex.Line(line).Start : -1;
}

int TMemo::LineLength(int line) const {
    const int start = LineStart(line);
    if (start < 0) return 0;
    const int end = line + 1 < FIndex.Count() ? FIndex.Line(line + 1).Start - 1 : FBuffer.Length();
    return end - start;
}

std::string TMemo::LineText(int line) const {
    const int start = LineStart(line);
    if (start < 0) return {};
    return gfx::EncodeUtf8(std::u32string_view(FBuffer.Chars()).substr(start, LineLength(line)));
}

std::size_t TMemo::ByteOffset(int position) const {
    // The control's text is the buffer's UTF-8 form.
    const TTextLineIndex::TLine& line = FIndex.Line(FIndex.LineOf(position));
    return StepBytes(TControl::FText, line.Byte, line.Start, position);
}

void TMemo::Replace(std::u32string_view inserted) {
    FUndo.Clear();
    ReplaceSelection(inserted);
}

void TMemo::ReplaceSelection(std::u32string_view inserted) {
    // Only the replaced bytes change, so a long log grows without being encoded again.
    const int start = FBuffer.SelStart();
    const int removed = FBuffer.SelLength();
    const std::size_t from = ByteOffset(start);
    const std::size_t to = StepBytes(TControl::FText, from, start, start + removed);
    const int line = FIndex.LineOf(start);
    const std::string encoded = gfx::EncodeUtf8(inserted);
    FBuffer.Replace(inserted);
    FColumnX = -1;
    TControl::FText.replace(from, to - from, encoded);
    FIndex.Replace(start, removed, from, to - from, inserted, encoded);
    TextChanged(line);
}

void TMemo::TextChanged(int line) {
    DropRowsFrom(line);
    // The window's text is read through WM_GETTEXT, which the memo answers from its own copy:
    // handing the whole text over at every change would cost more the longer the text grew.
    PublishText([this] { Perform(CM_TEXTCHANGED, 0, 0); });
    // The bars are set and the memo repainted once for the whole change.
    if (Showing())
        FollowCaret();
    else
        FCatchUp = true;
    UpdateScrollBars();
    Invalidate();
}

TRect TMemo::CaretRect() {
    const int caret = FBuffer.Caret();
    const TRow& r = Rows()[RowOf(caret)];
    const int x = kMargin - FScrollX + TextWidth(r.Start, caret - r.Start);
    const int y = 1 + (RowOf(caret) - FTopRow) * RowHeight();
    return TRect(x, y, x + 1, y + RowHeight());
}

void TMemo::Relayout(int fromLine) {
    DropRowsFrom(fromLine);
    UpdateScrollBars();
    Invalidate();
}

void TMemo::DropRowsFrom(int line) const {
    if (line >= int(FLaidLines.size())) return;
    FRows.resize(std::size_t(FLaidLines[std::size_t(line)].FirstRow));
    FLaidLines.resize(std::size_t(line));
}

int TMemo::RowHeight() const {
    if (FRowHeight == 0) {
        const int measured = TTextMeasure(FFont).Height();
        // Without a screen to measure on, rows keep a usual height.
        FRowHeight = std::max(1, measured ? measured : 13);
    }
    return FRowHeight;
}

int TMemo::VisibleRows() const {
    return std::max(1, (ClientHeight() - 2) / RowHeight());
}

int TMemo::TextWidth(int start, int length) const {
    TMeasure measure(FFont);
    return measure.Width(std::u32string_view(FBuffer.Chars()).substr(start, length));
}

int TMemo::PieceWidth(std::u32string_view piece) const {
    if (piece.empty()) return 0;
    if (!FMeasure) FMeasure = std::make_unique<TTextMeasure>(FFont);
    return FMeasure->Width(gfx::EncodeUtf8(piece));
}

TTextMeasure::TFit TMemo::PieceFit(std::u32string_view piece, int width) const {
    if (!FMeasure) FMeasure = std::make_unique<TTextMeasure>(FFont);
    return FMeasure->Fit(gfx::EncodeUtf8(piece), width);
}

int TMemo::LineWidth(int line) const {
    // Lines are measured once, also when a new width wraps them again.
    const TTextLineIndex::TLine& entry = FIndex.Line(line);
    if (entry.Width < 0)
        entry.Width =
            PieceWidth(std::u32string_view(FBuffer.Chars()).substr(entry.Start, LineLength(line)));
    return entry.Width;
}

const std::vector<TMemo::TRow>& TMemo::Rows() const {
    const int width = std::max(1, ClientWidth() - 2 * kMargin);
    if (FWordWrap && width != FLaidWidth) DropRowsFrom(0);
    FLaidWidth = width;
    if (int(FLaidLines.size()) < FIndex.Count()) LayOutLines(width);
    return FRows;
}

void TMemo::LayOutLines(int width) const {
    const std::u32string_view chars = FBuffer.Chars();
    for (int line = int(FLaidLines.size()); line < FIndex.Count(); ++line) {
        const int start = FIndex.Line(line).Start;
        const int end = start + LineLength(line);
        // A line not measured yet gives its width with what fits of it in the first row.
        std::optional<TTextMeasure::TFit> first;
        if (const TTextLineIndex::TLine& entry = FIndex.Line(line); FWordWrap && entry.Width < 0) {
            first = PieceFit(chars.substr(start, end - start), width);
            entry.Width = first->Width;
        }
        const int lineWidth = LineWidth(line);
        FLaidLines.push_back(
            { int(FRows.size()),
              FLaidLines.empty() ? lineWidth : std::max(lineWidth, FLaidLines.back().Widest) });
        int rowStart = start;
        const bool fits = !FWordWrap || lineWidth <= width;
        while (!fits && end - rowStart > 1) {
            const TTextMeasure::TFit rest =
                rowStart == start && first
                    ? *first
                    : PieceFit(chars.substr(rowStart, end - rowStart), width);
            if (rest.Width <= width) break;
            // The longest piece that fits, broken after its last blank when it has one.
            const int lo = std::max(1, rest.Count);
            int take = lo;
            const auto blank = chars.substr(rowStart, lo + 1).find_last_of(U" \t");
            if (blank != std::u32string_view::npos && int(blank) > 0) take = int(blank) + 1;
            FRows.push_back({ rowStart, take });
            rowStart += take;
        }
        FRows.push_back({ rowStart, end - rowStart });
    }
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
    TMeasure measure(FFont);
    int previous = 0;
    for (int p = r.Start + 1; p <= last; ++p) {
        const int next =
            measure.Width(std::u32string_view(FBuffer.Chars()).substr(r.Start, p - r.Start));
        if (x < (previous + next) / 2) return p - 1;
        previous = next;
    }
    return last;
}

int TMemo::PositionAt(int x, int y) {
    const int row = FTopRow + (y - 1) / RowHeight() - (y < 1 ? 1 : 0);
    return PositionInRow(row, x - kMargin + FScrollX);
}

int TMemo::WidestRow() const {
    Rows();
    return (FLaidLines.empty() ? 0 : FLaidLines.back().Widest) + 2 * kMargin;
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
    if (FollowCaret()) {
        UpdateScrollBars();
        Invalidate();
    }
}

bool TMemo::FollowCaret() {
    const int row = RowOf(FBuffer.Caret());
    const int lastTop = std::max(0, int(Rows().size()) - VisibleRows());
    const int top = std::clamp(FTopRow, 0, lastTop);
    int wanted = top;
    if (row < top)
        wanted = row;
    else if (row >= top + VisibleRows())
        wanted = row - VisibleRows() + 1;
    const int oldTop = std::exchange(FTopRow, std::clamp(wanted, 0, lastTop));
    const int oldScrollX = FScrollX;
    if (!FWordWrap) {
        const TRow r = Rows()[row];
        const int x = TextWidth(r.Start, FBuffer.Caret() - r.Start);
        const int visible = std::max(1, ClientWidth() - 2 * kMargin);
        if (x < FScrollX) FScrollX = std::max(0, x - visible / 3);
        if (x > FScrollX + visible) FScrollX = x - visible + visible / 3;
    }
    return FTopRow != oldTop || FScrollX != oldScrollX;
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
    TCustomEdit::CreateParams(params);
    if (FBorderStyle == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
    if (FScrollBars == ssVertical || FScrollBars == ssBoth) params.Style |= WS_VSCROLL;
    if (!FWordWrap && (FScrollBars == ssHorizontal || FScrollBars == ssBoth))
        params.Style |= WS_HSCROLL;
}

void TMemo::CreateWnd() {
    TCustomEdit::CreateWnd();
    FRowHeight = 0;
    Relayout();
}

void TMemo::WndProc(TMessage& message) {
    if (FFrame.Handle(message)) return;
    switch (message.Msg) {
    case WM_GETDLGCODE:
        message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_HASSETSEL |
                         (FWantReturns ? DLGC_WANTALLKEYS : 0) | (FWantTabs ? DLGC_WANTTAB : 0);
        return;
    case WM_GETTEXT:
        message.Result = CopyText(message.WParam, message.LParam);
        return;
    case WM_GETTEXTLENGTH:
        message.Result = LRESULT(TControl::FText.size());
        return;
    case CM_TEXTCHANGED:
        if (!FOwnChange) {
            // Text from code replaces everything and puts the caret at the start.
            FBuffer.Assign(gfx::DecodeUtf8(Text()));
            // Bytes that are no UTF-8 read as replacement characters from here on.
            TControl::FText = gfx::EncodeUtf8(FBuffer.Chars());
            IndexWholeText();
            FUndo.Clear();
            FTopRow = FScrollX = 0;
            Relayout();
        }
        TCustomEdit::WndProc(message);
        Change();
        return;
    case WM_VSCROLL:
    case WM_HSCROLL:
        Scroll(message.Msg == WM_VSCROLL ? SB_VERT : SB_HORZ, LOWORD(UINT(message.WParam)));
        return;
    case WM_MOUSEWHEEL:
        SetTopRow(FTopRow - GET_WHEEL_DELTA_WPARAM(message.WParam) / WHEEL_DELTA * kWheelRows);
        return;
    case CM_FONTCHANGED:
        FMeasure.reset();
        FIndex.ForgetWidths();
        FRowHeight = 0;
        Relayout();
        break;
    default:
        break;
    }
    TCustomEdit::WndProc(message);
    // A new width wraps the rows again when they are next needed.
    if (message.Msg == WM_SIZE) UpdateScrollBars();
}

LRESULT TMemo::EditMessage(TMessage& message) {
    const int w = int(message.WParam);
    switch (message.Msg) {
    case EM_REPLACESEL: {
        const char* text = reinterpret_cast<const char*>(message.LParam);
        const std::u32string inserted = gfx::DecodeUtf8(text ? text : "");
        if (w) {
            FUndo.BeforeChange(FBuffer, false);
            ReplaceSelection(inserted);
            FUndo.AfterChange(FBuffer, false);
        } else {
            Replace(inserted);
        }
        return 0;
    }
    case EM_GETLINECOUNT:
        return PhysicalLines();
    case EM_LINEINDEX:
        return LineStart(w == -1 ? CaretPos().Y : w);
    case EM_LINELENGTH:
        return LineLength(FIndex.LineOf(std::clamp(w, 0, FBuffer.Length())));
    case EM_LINEFROMCHAR:
        return FIndex.LineOf(w == -1 ? FBuffer.Caret() : std::clamp(w, 0, FBuffer.Length()));
    case EM_GETFIRSTVISIBLELINE:
        return FTopRow;
    case EM_LINESCROLL:
        SetTopRow(FTopRow + int(message.LParam));
        return TRUE;
    case EM_SCROLL:
        Scroll(SB_VERT, UINT(w));
        return TRUE;
    default:
        return TCustomEdit::EditMessage(message);
    }
}

void TMemo::TypeChar(char32_t ch) {
    if (ch == U'\r' || ch == U'\n') {
        if (FWantReturns) UserReplace(U"\n", true);
        return;
    }
    if (ch == U'\t') {
        if (FWantTabs) UserReplace(U"\t", true);
        return;
    }
    TCustomEdit::TypeChar(ch);
}

bool TMemo::CaretKey(unsigned short key, bool extend, bool ctrl) {
    const int caret = FBuffer.Caret();
    const auto& rows = Rows();
    const int row = RowOf(caret);
    switch (key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT: {
        const int step = key == VK_UP || key == VK_DOWN ? 1 : VisibleRows();
        const int target = row + (key == VK_UP || key == VK_PRIOR ? -step : step);
        // A run of line keys keeps to the column it started from.
        if (FColumnX < 0) FColumnX = TextWidth(rows[row].Start, caret - rows[row].Start);
        const int x = FColumnX;
        if (target < 0 || target >= int(rows.size())) {
            MoveCaret(target < 0 ? 0 : FBuffer.Length(), extend);
        } else {
            MoveCaret(PositionInRow(target, x), extend);
            FColumnX = x;
        }
        return true;
    }
    case VK_HOME:
        MoveCaret(ctrl ? 0 : rows[row].Start, extend);
        return true;
    case VK_END:
        MoveCaret(ctrl ? FBuffer.Length() : PositionInRow(row, INT32_MAX / 2), extend);
        return true;
    default:
        return false;
    }
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
