#include "platform/forms/TEdit.h"
#include "platform/forms/EditMessages.h"
#include "platform/forms/TTextMeasure.h"
#include "platform/gfx/DcStateSaver.h"
#include "platform/gfx/TextDraw.h"
#include "platform/gfx/Utf8.h"
#include "platform/win/Input.h"
#include "platform/win/Painting.h"
#include "platform/win/Win.h"
#include <algorithm>
#include <utility>

using namespace win;

namespace {

// The sunken edge's width; a pixel of air follows it before the text.
constexpr int kEdge = 2;

} // namespace

TEdit::TEdit(TComponent* owner) : TCustomEdit(owner) {
    FWidth = 121;
    FHeight = 21;
}

TEdit::~TEdit() = default;

void TEdit::SetSelText(const std::string& value) {
    std::u32string inserted = Converted(gfx::DecodeUtf8(value));
    const int room = FBuffer.Room(FMaxLength);
    if (int(inserted.size()) > room) inserted.resize(room);
    // A replacement by code cannot be taken back, as in the native edit.
    FUndo.Clear();
    ReplaceSelection(inserted);
}

void TEdit::SetBorderStyle(TFormBorderStyle value) {
    if (value != bsNone && value != bsSingle) throw EInvalidOperation("Invalid property value");
    if (FBorderStyle == value) return;
    FBorderStyle = value;
    Invalidate();
}

void TEdit::SetPasswordChar(char32_t value) {
    if (FPasswordChar == value) return;
    FPasswordChar = value;
    ScrollToCaret();
    Invalidate();
}

void TEdit::SetCharCase(TEditCharCase value) {
    if (FCharCase == value) return;
    FCharCase = value;
    const std::string converted = gfx::EncodeUtf8(Converted(FBuffer.Chars()));
    if (converted != Text()) SetText(converted);
}

std::u32string TEdit::Converted(std::u32string chars) const {
    for (char32_t& ch : chars) {
        if (FCharCase == ecUpperCase && ch >= U'a' && ch <= U'z') ch -= U'a' - U'A';
        if (FCharCase == ecLowerCase && ch >= U'A' && ch <= U'Z') ch += U'a' - U'A';
    }
    return chars;
}

std::u32string TEdit::Pasted(std::u32string chars) const {
    const auto end = chars.find_first_of(U"\r\n");
    if (end != std::u32string::npos) chars.resize(end);
    return chars;
}

std::u32string TEdit::DisplayChars() const {
    if (!FPasswordChar) return FBuffer.Chars();
    return std::u32string(FBuffer.Chars().size(), FPasswordChar);
}

TRect TEdit::FormatRect() const {
    if (FFormatRect) return *FFormatRect;
    TRect r = ClientRect();
    if (FBorderStyle == bsSingle) {
        r.Left += kEdge;
        r.Top += kEdge;
        r.Right = std::max(r.Left, r.Right - kEdge);
        r.Bottom = std::max(r.Top, r.Bottom - kEdge);
    }
    return r;
}

TRect TEdit::TextArea() const {
    TRect r = FormatRect();
    r.Left += FLeftMargin;
    r.Right = std::max(r.Left, r.Right - FRightMargin);
    return r;
}

int TEdit::TextStart() {
    const TRect area = TextArea();
    const LONG_PTR style = HandleAllocated() ? GetWindowLongPtr(FHandle, GWL_STYLE) : 0;
    if (!(style & (ES_CENTER | ES_RIGHT))) return area.Left - FScroll;
    // A text shorter than the field sits at the side its style asks for; the caret keeps a
    // pixel after it.
    const int room = area.Width() - TextX(FBuffer.Length()) - 1;
    if (room <= 0) return area.Left - FScroll;
    return area.Left + ((style & ES_RIGHT) ? room : room / 2);
}

void TEdit::SetMargins(unsigned which, int left, int right) {
    if (which == EC_USEFONTINFO) {
        FLeftMargin = FRightMargin = kDefaultMargin;
    } else {
        if (which & EC_LEFTMARGIN)
            FLeftMargin = left == int(EC_USEFONTINFO) ? kDefaultMargin : left;
        if (which & EC_RIGHTMARGIN)
            FRightMargin = right == int(EC_USEFONTINFO) ? kDefaultMargin : right;
    }
    ScrollToCaret();
    Invalidate();
}

void TEdit::SetFormatRect(const RECT* rect) {
    if (rect)
        FFormatRect = TRect(*rect);
    else
        FFormatRect.reset();
    ScrollToCaret();
}

void TEdit::ReplaceSelection(std::u32string_view inserted) {
    FBuffer.Replace(inserted);
    TextChanged();
}

void TEdit::TextChanged() {
    PublishText([this] { SetText(gfx::EncodeUtf8(FBuffer.Chars())); });
    ScrollToCaret();
    Invalidate();
}

void TEdit::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_GETDLGCODE:
        message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_HASSETSEL;
        return;
    case CM_TEXTCHANGED:
        if (!FOwnChange) {
            // Text from code replaces everything, puts the caret at the start and can no
            // longer be taken back.
            FBuffer.Assign(Converted(gfx::DecodeUtf8(Text())));
            const std::string shown = gfx::EncodeUtf8(FBuffer.Chars());
            if (shown != Text()) {
                TControl::FText = shown;
                if (HandleAllocated()) SetWindowText(FHandle, shown.c_str());
            }
            FUndo.Clear();
            FModified = false;
            FScroll = 0;
            Invalidate();
        }
        TCustomEdit::WndProc(message);
        Change();
        return;
    case WM_SIZE:
        TCustomEdit::WndProc(message);
        ScrollToCaret();
        return;
    default:
        break;
    }
    TCustomEdit::WndProc(message);
}

LRESULT TEdit::EditMessage(TMessage& message) {
    const int w = int(message.WParam);
    switch (message.Msg) {
    case EM_REPLACESEL: {
        const char* text = reinterpret_cast<const char*>(message.LParam);
        std::u32string inserted = gfx::DecodeUtf8(text ? text : "");
        const auto end = inserted.find_first_of(U"\r\n");
        if (end != std::u32string::npos) inserted.resize(end);
        if (w) {
            inserted = Converted(std::move(inserted));
            const int room = FBuffer.Room(FMaxLength);
            if (int(inserted.size()) > room) inserted.resize(room);
            FUndo.BeforeChange(FBuffer, false);
            ReplaceSelection(inserted);
            FUndo.AfterChange(FBuffer, false);
        } else {
            SetSelText(gfx::EncodeUtf8(inserted));
        }
        return 0;
    }
    case EM_SETPASSWORDCHAR:
        SetPasswordChar(char32_t(unsigned(w)));
        return 0;
    case EM_GETPASSWORDCHAR:
        return LRESULT(FPasswordChar);
    case EM_SETMARGINS:
        SetMargins(unsigned(w), LOWORD(UINT_PTR(message.LParam)), HIWORD(UINT_PTR(message.LParam)));
        return 0;
    case EM_GETMARGINS:
        return MAKELPARAM(UINT(FLeftMargin), UINT(FRightMargin));
    case EM_SETRECT:
    case EM_SETRECTNP:
        SetFormatRect(reinterpret_cast<const RECT*>(message.LParam));
        if (message.Msg == EM_SETRECT) Invalidate();
        return 0;
    case EM_GETRECT:
        if (auto* out = reinterpret_cast<RECT*>(message.LParam)) *out = FormatRect();
        return 0;
    default:
        return TCustomEdit::EditMessage(message);
    }
}

void TEdit::CreateParams(TCreateParams& params) {
    TCustomEdit::CreateParams(params);
    params.Style |= ES_AUTOHSCROLL;
    if (FPasswordChar) params.Style |= ES_PASSWORD;
    if (FCharCase == ecUpperCase) params.Style |= ES_UPPERCASE;
    if (FCharCase == ecLowerCase) params.Style |= ES_LOWERCASE;
    if (FReadOnly) params.Style |= ES_READONLY;
}

bool TEdit::CaretKey(unsigned short key, bool extend, bool) {
    switch (key) {
    case VK_HOME:
        MoveCaret(0, extend);
        return true;
    case VK_END:
        MoveCaret(FBuffer.Length(), extend);
        return true;
    default:
        return false;
    }
}

int TEdit::TextX(int position) {
    TTextMeasure measure(FFont);
    const std::u32string shown = DisplayChars();
    return measure.Width(gfx::EncodeUtf8(std::u32string_view(shown).substr(0, position)));
}

int TEdit::PositionAt(int x, int) {
    const int target = x - TextStart();
    TTextMeasure measure(FFont);
    int previous = 0;
    const std::u32string shown = DisplayChars();
    const std::u32string_view chars = shown;
    for (int i = 1; i <= int(chars.size()); ++i) {
        const int next = measure.Width(gfx::EncodeUtf8(chars.substr(0, i)));
        if (target < (previous + next) / 2) return i - 1;
        previous = next;
    }
    return int(chars.size());
}

int TEdit::LineTop(int textHeight) const {
    // The plain field centres its line; a rectangle set by an owner holds the line at its top,
    // where the owner's frame expects it.
    const TRect format = FormatRect();
    return FFormatRect ? format.Top : format.Top + std::max(0, (format.Height() - textHeight) / 2);
}

TRect TEdit::CaretRect() {
    const int height = std::max(1, TTextMeasure(FFont).Height());
    const int x = TextStart() + TextX(FBuffer.Caret());
    const int y = LineTop(height);
    return TRect(x, y, x + 1, y + height);
}

void TEdit::ScrollToCaret() {
    const int visible = std::max(1, TextArea().Width());
    const int x = TextX(FBuffer.Caret());
    if (x - FScroll > visible) FScroll = x - visible;
    if (x < FScroll) FScroll = x;
    // Never scroll past the end when the whole text fits again.
    FScroll = std::max(0, std::min(FScroll, TextX(FBuffer.Length()) - visible + 1));
    if (x < FScroll) FScroll = x;
}

void TEdit::Paint() {
    RECT edge = ClientRect();
    const HDC dc = FCanvas.Handle();
    if (FBorderStyle == bsSingle) DrawEdge(dc, &edge, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    const TRect inner(edge);
    // The parent may colour the field, as it does a native edit's: a brush it answers with
    // fills the background (the stock NULL_BRUSH leaves what is behind the text) and the text
    // takes the colour it set in the DC.
    const UINT query = Enabled() && !FReadOnly ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC;
    const HWND parent = GetParent(FHandle);
    const auto brush =
        parent ? HBRUSH(SendMessage(parent, query, WPARAM(dc), LPARAM(FHandle))) : HBRUSH(nullptr);
    FCanvas.SetFont(FFont);
    if (brush) {
        if (brush != HBRUSH(GetStockObject(NULL_BRUSH))) {
            const RECT fill = inner;
            FillRect(dc, &fill, brush);
        }
        FCanvas.Font().SetColor(TColor(GetTextColor(dc)));
    } else {
        FCanvas.Brush().SetStyle(bsSolid);
        FCanvas.Brush().SetColor(Enabled() && !FReadOnly ? FColor : clBtnFace);
        FCanvas.FillRect(inner);
        if (!Enabled()) FCanvas.Font().SetColor(clGrayText);
    }
    const TRect format = FormatRect();
    const gfx::DcStateSaver saved(FCanvas.Handle());
    IntersectClipRect(FCanvas.Handle(), inner.Left, inner.Top, inner.Right, inner.Bottom);
    IntersectClipRect(FCanvas.Handle(), format.Left, format.Top, format.Right, format.Bottom);

    const std::u32string shown = DisplayChars();
    const std::string text = gfx::EncodeUtf8(shown);
    const int textHeight = FCanvas.TextHeight("0");
    const int y = LineTop(textHeight);
    const int x0 = TextStart();
    const TColor textColor = FCanvas.Font().Color();
    FCanvas.Brush().SetStyle(bsClear);
    FCanvas.TextOut(x0, y, text);
    if (SelLength() > 0 && Focused()) {
        const int left = x0 + TextX(SelStart());
        const int right = x0 + TextX(SelStart() + SelLength());
        FCanvas.Brush().SetStyle(bsSolid);
        FCanvas.Brush().SetColor(clHighlight);
        FCanvas.Font().SetColor(clHighlightText);
        FCanvas.TextRect(
            TRect(left, y, right, y + textHeight), left, y,
            gfx::EncodeUtf8(std::u32string_view(shown).substr(SelStart(), SelLength())));
        FCanvas.Font().SetColor(textColor);
    }
    // The caret follows what is drawn; the window system puts it back once the paint ends.
    if (FCaretShown) SetCaretPos(x0 + TextX(FBuffer.Caret()), y);
}
