#include "platform/forms/TEdit.h"
#include "platform/gfx/TextDraw.h"
#include "platform/gfx/Utf8.h"
#include "platform/win/Input.h"
#include "platform/win/Painting.h"
#include "platform/win/Win.h"
#include <algorithm>

using namespace win;

namespace {

// The sunken edge's width; a pixel of air follows it before the text.
constexpr int kEdge = 2;

// A canvas over a screen DC with the edit's font, for measuring outside painting.
class TMeasureCanvas {
public:
    explicit TMeasureCanvas(const TFont& font) : FDc(GetDC(nullptr)) {
        if (!FDc) return;
        FCanvas.SetHandle(FDc);
        FCanvas.SetFont(font);
    }
    ~TMeasureCanvas() {
        FCanvas.SetHandle(nullptr);
        if (FDc) ReleaseDC(nullptr, FDc);
    }
    TMeasureCanvas(const TMeasureCanvas&) = delete;
    TMeasureCanvas& operator=(const TMeasureCanvas&) = delete;
    int Width(std::string_view text) { return FDc ? FCanvas.TextWidth(text) : 0; }

private:
    HDC FDc;
    TCanvas FCanvas;
};

} // namespace

TEdit::TEdit(TComponent* owner) : TCustomControl(owner) {
    FControlStyle.Include(csOpaque);
    FControlStyle.Exclude(csSetCaption);
    FColor = clWindow;
    SetParentColor(false);
    SetTabStop(true);
    SetCursor(crIBeam);
    FWidth = 121;
    FHeight = 21;
}

TEdit::~TEdit() = default;

int TEdit::SelStart() const {
    return FText.SelStart();
}

int TEdit::SelLength() const {
    return FText.SelLength();
}

void TEdit::SetSelStart(int value) {
    MoveCaret(value, false);
}

void TEdit::SetSelLength(int value) {
    const int start = SelStart();
    FText.Select(start, start + std::max(value, 0));
    ScrollToCaret();
    Invalidate();
}

std::string TEdit::SelText() const {
    return gfx::EncodeUtf8(FText.Selection());
}

void TEdit::SetSelText(const std::string& value) {
    std::u32string inserted = gfx::DecodeUtf8(value);
    const int room = FText.Room(FMaxLength);
    if (int(inserted.size()) > room) inserted.resize(room);
    Replace(inserted);
}

void TEdit::SelectAll() {
    FText.SelectAll();
    ScrollToCaret();
    Invalidate();
}

void TEdit::CopyToClipboard() {
    if (SelLength() > 0) SetClipboardText(SelText());
}

void TEdit::CutToClipboard() {
    if (FReadOnly || SelLength() == 0) return;
    CopyToClipboard();
    UserReplace({});
}

void TEdit::PasteFromClipboard() {
    std::u32string pasted = gfx::DecodeUtf8(GetClipboardText());
    // One line only: a pasted text ends at its first line break.
    const auto end = pasted.find_first_of(U"\r\n");
    if (end != std::u32string::npos) pasted.resize(end);
    UserReplace(pasted);
}

void TEdit::SetMaxLength(int value) {
    FMaxLength = std::max(value, 0);
}

void TEdit::SetReadOnly(bool value) {
    FReadOnly = value;
    Invalidate();
}

void TEdit::SetBorderStyle(TFormBorderStyle value) {
    if (value != bsNone && value != bsSingle) throw EInvalidOperation("Invalid property value");
    if (FBorderStyle == value) return;
    FBorderStyle = value;
    Invalidate();
}

int TEdit::Margin() const {
    return (FBorderStyle == bsSingle ? kEdge : 0) + 1;
}

void TEdit::UserReplace(const std::u32string& inserted) {
    if (FReadOnly) return;
    std::u32string text = inserted;
    const int room = FText.Room(FMaxLength);
    if (int(text.size()) > room) text.resize(room);
    // Nothing would change but the selection vanishing: a full field refuses the key.
    if (text.empty() && !inserted.empty()) return;
    Replace(text);
    FModified = true;
}

void TEdit::Replace(const std::u32string& inserted) {
    FText.Replace(inserted);
    TextChanged();
}

void TEdit::TextChanged() {
    FOwnChange = true;
    try {
        SetText(gfx::EncodeUtf8(FText.Chars()));
    } catch (...) {
        FOwnChange = false;
        throw;
    }
    FOwnChange = false;
    ScrollToCaret();
    Invalidate();
}

void TEdit::MoveCaret(int position, bool extend) {
    FText.MoveCaret(position, extend);
    ScrollToCaret();
    Invalidate();
}

void TEdit::Change() {
    if (OnChange) OnChange(this);
}

void TEdit::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_GETDLGCODE:
        message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_HASSETSEL;
        return;
    case CM_TEXTCHANGED:
        if (!FOwnChange) {
            // Text from code replaces everything and puts the caret at the start.
            FText.Assign(gfx::DecodeUtf8(Text()));
            FScroll = 0;
            Invalidate();
        }
        TCustomControl::WndProc(message);
        Change();
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case CM_FONTCHANGED:
    case CM_ENABLEDCHANGED:
        Invalidate();
        break;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        FSelecting = false;
        break;
    default:
        break;
    }
    TCustomControl::WndProc(message);
}

void TEdit::DefaultHandler(TMessage& message) {
    if (message.Msg == WM_CHAR) {
        TypeChar(char32_t(message.WParam));
        return;
    }
    TCustomControl::DefaultHandler(message);
}

void TEdit::TypeChar(char32_t ch) {
    if (ch == U'\b') {
        if (FReadOnly) return;
        if (SelLength() == 0 && FText.Caret() > 0) FText.Select(FText.Caret() - 1, FText.Caret());
        UserReplace({});
        return;
    }
    // Control characters (Ctrl+letter, Enter, Escape, Tab) are not text.
    if (ch < 0x20 || ch == 0x7F) return;
    UserReplace(std::u32string(1, ch));
}

void TEdit::KeyDown(unsigned short& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    const bool extend = shift.Contains(ssShift);
    const bool ctrl = shift.Contains(ssCtrl);
    switch (key) {
    case VK_LEFT:
        MoveCaret(!extend && SelLength() > 0 ? SelStart() : FText.Caret() - 1, extend);
        break;
    case VK_RIGHT:
        MoveCaret(!extend && SelLength() > 0 ? SelStart() + SelLength() : FText.Caret() + 1,
                  extend);
        break;
    case VK_HOME:
        MoveCaret(0, extend);
        break;
    case VK_END:
        MoveCaret(FText.Length(), extend);
        break;
    case VK_DELETE:
        if (extend) {
            CutToClipboard();
        } else if (!FReadOnly) {
            if (SelLength() == 0) FText.Select(FText.Caret(), FText.Caret() + 1);
            UserReplace({});
        }
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
}

void TEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        MoveCaret(PositionAt(x), shift.Contains(ssShift));
        FSelecting = true;
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TEdit::MouseMove(TShiftState shift, int x, int y) {
    if (FSelecting && shift.Contains(ssLeft)) MoveCaret(PositionAt(x), true);
    TCustomControl::MouseMove(shift, x, y);
}

int TEdit::TextX(int position) {
    TMeasureCanvas measure(FFont);
    return measure.Width(gfx::EncodeUtf8(std::u32string_view(FText.Chars()).substr(0, position)));
}

int TEdit::PositionAt(int x) {
    const int target = x - Margin() + FScroll;
    TMeasureCanvas measure(FFont);
    int previous = 0;
    const std::u32string_view chars = FText.Chars();
    for (int i = 1; i <= int(chars.size()); ++i) {
        const int next = measure.Width(gfx::EncodeUtf8(chars.substr(0, i)));
        if (target < (previous + next) / 2) return i - 1;
        previous = next;
    }
    return int(chars.size());
}

void TEdit::ScrollToCaret() {
    const int visible = std::max(1, ClientWidth() - 2 * Margin());
    const int x = TextX(FText.Caret());
    if (x - FScroll > visible) FScroll = x - visible;
    if (x < FScroll) FScroll = x;
    // Never scroll past the end when the whole text fits again.
    FScroll = std::max(0, std::min(FScroll, TextX(FText.Length()) - visible + 1));
    if (x < FScroll) FScroll = x;
}

void TEdit::Paint() {
    RECT edge = ClientRect();
    const HDC dc = FCanvas.Handle();
    if (FBorderStyle == bsSingle) DrawEdge(dc, &edge, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    const TRect inner(edge);
    FCanvas.Brush().SetStyle(bsSolid);
    FCanvas.Brush().SetColor(Enabled() && !FReadOnly ? FColor : clBtnFace);
    FCanvas.FillRect(inner);
    FCanvas.SetFont(FFont);
    if (!Enabled()) FCanvas.Font().SetColor(clGrayText);
    const int saved = SaveDC(FCanvas.Handle());
    IntersectClipRect(FCanvas.Handle(), inner.Left, inner.Top, inner.Right, inner.Bottom);

    const std::string text = gfx::EncodeUtf8(FText.Chars());
    const int textHeight = FCanvas.TextHeight("0");
    const int y = inner.Top + std::max(0, (inner.Height() - textHeight) / 2);
    const int x0 = Margin() - FScroll;
    FCanvas.Brush().SetStyle(bsClear);
    FCanvas.TextOut(x0, y, text);
    if (SelLength() > 0 && Focused()) {
        const int left = x0 + TextX(SelStart());
        const int right = x0 + TextX(SelStart() + SelLength());
        FCanvas.Brush().SetStyle(bsSolid);
        FCanvas.Brush().SetColor(clHighlight);
        FCanvas.Font().SetColor(clHighlightText);
        FCanvas.TextRect(TRect(left, y, right, y + textHeight), left, y, SelText());
        FCanvas.Font().SetColor(FFont.Color());
    }
    if (Focused()) {
        const int cx = x0 + TextX(FText.Caret());
        FCanvas.Pen().SetColor(clWindowText);
        FCanvas.MoveTo(cx, y);
        FCanvas.LineTo(cx, y + textHeight);
    }
    RestoreDC(FCanvas.Handle(), saved);
}
