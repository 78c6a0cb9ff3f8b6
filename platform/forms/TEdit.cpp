#include "platform/forms/TEdit.h"
#include "platform/forms/EditMessages.h"
#include "platform/forms/EditWords.h"
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
    int Height() { return FDc ? FCanvas.TextHeight("0") : 0; }

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
    FUndo.BreakRun();
    ScrollToCaret();
    Invalidate();
}

std::string TEdit::SelText() const {
    return gfx::EncodeUtf8(FText.Selection());
}

void TEdit::SetSelText(const std::string& value) {
    std::u32string inserted = ApplyCharCase(gfx::DecodeUtf8(value));
    const int room = FText.Room(FMaxLength);
    if (int(inserted.size()) > room) inserted.resize(room);
    // A replacement by code cannot be taken back, as in the native edit.
    FUndo.Clear();
    Replace(inserted);
}

void TEdit::SelectAll() {
    FText.SelectAll();
    FUndo.BreakRun();
    ScrollToCaret();
    Invalidate();
}

void TEdit::CopyToClipboard() {
    // A masked text never leaves the field.
    if (SelLength() > 0 && !FPasswordChar) SetClipboardText(SelText());
}

void TEdit::CutToClipboard() {
    if (FReadOnly || FPasswordChar || SelLength() == 0) return;
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

void TEdit::Undo() {
    if (FReadOnly || !FUndo.Undo(FText)) return;
    TextChanged();
    FModified = true;
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

void TEdit::SetPasswordChar(char32_t value) {
    if (FPasswordChar == value) return;
    FPasswordChar = value;
    ScrollToCaret();
    Invalidate();
}

void TEdit::SetCharCase(TEditCharCase value) {
    if (FCharCase == value) return;
    FCharCase = value;
    const std::string converted = gfx::EncodeUtf8(ApplyCharCase(FText.Chars()));
    if (converted != Text()) SetText(converted);
}

std::u32string TEdit::ApplyCharCase(std::u32string chars) const {
    for (char32_t& ch : chars) {
        if (FCharCase == ecUpperCase && ch >= U'a' && ch <= U'z') ch -= U'a' - U'A';
        if (FCharCase == ecLowerCase && ch >= U'A' && ch <= U'Z') ch += U'a' - U'A';
    }
    return chars;
}

std::u32string TEdit::DisplayChars() const {
    if (!FPasswordChar) return FText.Chars();
    return std::u32string(FText.Chars().size(), FPasswordChar);
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
    const int room = area.Width() - TextX(FText.Length()) - 1;
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

void TEdit::UserReplace(const std::u32string& inserted, bool typed) {
    if (FReadOnly) return;
    std::u32string text = ApplyCharCase(inserted);
    const int room = FText.Room(FMaxLength);
    if (int(text.size()) > room) text.resize(room);
    // Nothing would change but the selection vanishing: a full field refuses the key.
    if (text.empty() && !inserted.empty()) return;
    // Deleting nothing is no change to take back.
    if (text.empty() && SelLength() == 0) return;
    FUndo.BeforeChange(FText, typed);
    Replace(text);
    FUndo.AfterChange(FText, typed);
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
    FUndo.BreakRun();
    ScrollToCaret();
    Invalidate();
}

int TEdit::WordStop(bool forward) const {
    if (FPasswordChar) return forward ? FText.Length() : 0;
    return forward ? NextWordStop(FText.Chars(), FText.Caret())
                   : PreviousWordStop(FText.Chars(), FText.Caret());
}

void TEdit::DeleteWord(bool forward) {
    if (FReadOnly) return;
    if (SelLength() == 0) FText.Select(FText.Caret(), WordStop(forward));
    UserReplace({});
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
            // Text from code replaces everything, puts the caret at the start and can no
            // longer be taken back.
            FText.Assign(ApplyCharCase(gfx::DecodeUtf8(Text())));
            const std::string shown = gfx::EncodeUtf8(FText.Chars());
            if (shown != Text()) {
                TControl::FText = shown;
                if (HandleAllocated()) SetWindowText(FHandle, shown.c_str());
            }
            FUndo.Clear();
            FModified = false;
            FScroll = 0;
            Invalidate();
        }
        TCustomControl::WndProc(message);
        Change();
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
    case CM_FONTCHANGED:
        TCustomControl::WndProc(message);
        // The caret is as high as a line of the new font.
        if (FCaretShown) ShowOwnCaret();
        Invalidate();
        return;
    case WM_DESTROY:
        // The caret goes with the window.
        FCaretShown = false;
        break;
    case CM_ENABLEDCHANGED:
        Invalidate();
        break;
    case WM_SIZE:
        TCustomControl::WndProc(message);
        ScrollToCaret();
        return;
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
    switch (message.Msg) {
    case WM_CHAR:
        TypeChar(char32_t(message.WParam));
        RestartCaretBlink();
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
        UserReplace({});
        return;
    case WM_UNDO:
    case EM_UNDO:
        message.Result = CanUndo() && !FReadOnly;
        Undo();
        return;
    default:
        break;
    }
    if (message.Msg >= EM_GETSEL && message.Msg <= EM_GETMARGINS) {
        message.Result = EditMessage(message);
        return;
    }
    TCustomControl::DefaultHandler(message);
}

LRESULT TEdit::EditMessage(TMessage& message) {
    const int w = int(message.WParam);
    switch (message.Msg) {
    case EM_GETSEL:
        return MAKELPARAM(UINT(SelStart()), UINT(SelStart() + SelLength()));
    case EM_SETSEL:
        // -1 as the start removes the selection, leaving the caret where it is.
        if (w == -1)
            FText.Select(FText.Caret(), FText.Caret());
        else
            FText.Select(w, int(message.LParam) == -1 ? FText.Length() : int(message.LParam));
        FUndo.BreakRun();
        ScrollToCaret();
        Invalidate();
        return 0;
    case EM_REPLACESEL: {
        const char* text = reinterpret_cast<const char*>(message.LParam);
        std::u32string inserted = gfx::DecodeUtf8(text ? text : "");
        const auto end = inserted.find_first_of(U"\r\n");
        if (end != std::u32string::npos) inserted.resize(end);
        if (w) {
            inserted = ApplyCharCase(std::move(inserted));
            const int room = FText.Room(FMaxLength);
            if (int(inserted.size()) > room) inserted.resize(room);
            FUndo.BeforeChange(FText, false);
            Replace(inserted);
            FUndo.AfterChange(FText, false);
        } else {
            SetSelText(gfx::EncodeUtf8(inserted));
        }
        return 0;
    }
    case EM_SCROLLCARET:
        ScrollToCaret();
        Invalidate();
        return 0;
    case EM_GETMODIFY:
        return FModified;
    case EM_SETMODIFY:
        FModified = w != 0;
        return 0;
    case EM_LIMITTEXT:
        SetMaxLength(w);
        return 0;
    case EM_SETREADONLY:
        SetReadOnly(w != 0);
        return TRUE;
    case EM_CANUNDO:
        return CanUndo();
    case EM_EMPTYUNDOBUFFER:
        ClearUndo();
        return 0;
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
        return 0;
    }
}

void TEdit::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    params.Style |= ES_AUTOHSCROLL;
    if (FPasswordChar) params.Style |= ES_PASSWORD;
    if (FCharCase == ecUpperCase) params.Style |= ES_UPPERCASE;
    if (FCharCase == ecLowerCase) params.Style |= ES_LOWERCASE;
    if (FReadOnly) params.Style |= ES_READONLY;
}

void TEdit::TypeChar(char32_t ch) {
    if (ch == U'\b') {
        // Ctrl+Backspace deleted a word on its key; its character is no second deletion.
        if (FReadOnly || GetKeyState(VK_CONTROL) < 0) return;
        if (SelLength() == 0 && FText.Caret() > 0) FText.Select(FText.Caret() - 1, FText.Caret());
        UserReplace({});
        return;
    }
    // Control characters (Ctrl+letter, Enter, Escape, Tab) are not text.
    if (ch < 0x20 || ch == 0x7F) return;
    UserReplace(std::u32string(1, ch), true);
}

void TEdit::KeyDown(unsigned short& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    const bool extend = shift.Contains(ssShift);
    const bool ctrl = shift.Contains(ssCtrl);
    switch (key) {
    case VK_LEFT:
        if (ctrl)
            MoveCaret(WordStop(false), extend);
        else
            MoveCaret(!extend && SelLength() > 0 ? SelStart() : FText.Caret() - 1, extend);
        break;
    case VK_RIGHT:
        if (ctrl)
            MoveCaret(WordStop(true), extend);
        else
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
        } else if (ctrl) {
            DeleteWord(true);
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
    case 'Z':
        if (ctrl) Undo();
        break;
    case VK_BACK:
        if (shift.Contains(ssAlt))
            Undo();
        else if (ctrl)
            DeleteWord(false);
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

void TEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        if (shift.Contains(ssDouble)) {
            // A double click selects the word under the pointer, the whole text when masked;
            // moving on does not drag the selection away from it.
            const TWordSpan word = FPasswordChar ? TWordSpan{ 0, FText.Length() }
                                                 : WordAt(FText.Chars(), PositionAt(x));
            FText.Select(word.Start, word.End);
            MoveCaret(word.End, true);
            FSelecting = false;
        } else {
            MoveCaret(PositionAt(x), shift.Contains(ssShift));
            FSelecting = true;
        }
        RestartCaretBlink();
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TEdit::MouseMove(TShiftState shift, int x, int y) {
    if (FSelecting && shift.Contains(ssLeft)) MoveCaret(PositionAt(x), true);
    TCustomControl::MouseMove(shift, x, y);
}

int TEdit::TextX(int position) {
    TMeasureCanvas measure(FFont);
    const std::u32string shown = DisplayChars();
    return measure.Width(gfx::EncodeUtf8(std::u32string_view(shown).substr(0, position)));
}

int TEdit::PositionAt(int x) {
    const int target = x - TextStart();
    TMeasureCanvas measure(FFont);
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
    const int height = std::max(1, TMeasureCanvas(FFont).Height());
    const int x = TextStart() + TextX(FText.Caret());
    const int y = LineTop(height);
    return TRect(x, y, x + 1, y + height);
}

void TEdit::ShowOwnCaret() {
    const TRect r = CaretRect();
    CreateCaret(FHandle, nullptr, r.Width(), r.Height());
    SetCaretPos(r.Left, r.Top);
    ShowCaret(FHandle);
    FCaretShown = true;
}

void TEdit::HideOwnCaret() {
    if (std::exchange(FCaretShown, false)) DestroyCaret();
}

void TEdit::RestartCaretBlink() {
    if (!FCaretShown) return;
    const TRect r = CaretRect();
    HideCaret(FHandle);
    SetCaretPos(r.Left, r.Top);
    ShowCaret(FHandle);
}

void TEdit::ScrollToCaret() {
    const int visible = std::max(1, TextArea().Width());
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
    const int saved = SaveDC(FCanvas.Handle());
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
    if (FCaretShown) SetCaretPos(x0 + TextX(FText.Caret()), y);
    RestoreDC(FCanvas.Handle(), saved);
}
