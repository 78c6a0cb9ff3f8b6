#pragma once
#include "platform/forms/TControlScrollBars.h"
#include "platform/forms/TCustomEdit.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TMemoStrings.h"
#include "platform/forms/TTextLineIndex.h"
#include "platform/forms/TTextMeasure.h"
#include <memory>
#include <string_view>
#include <vector>

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// A multi-line text field: the keys, mouse, clipboard and blinking caret of the one-line edit
// across lines (the word keys cross line ends), word wrap, scroll bars in the frame, and Lines to
// read and write it line by line. A line added through Lines goes in as a user's replacement would,
// so the view follows it to the end of a growing log. Positions count characters; lines are
// separated by "\n".
//
// A change lays out again only the lines from the first one it touched, and a hidden memo lays
// out nothing until it is shown, so adding a line to a log costs the same however long it is.
class TMemo : public TCustomEdit {
public:
    explicit TMemo(TComponent* owner);
    ~TMemo() override;

    std::string ClassName() const override { return "TMemo"; }

    TStrings& Lines() { return FLines; }
    void SetLines(const TStrings& value) { FLines.Assign(value); }
    void Clear() { SetText(""); }

    // Replaces the selection with value, leaving the caret after it, in view.
    void SetSelText(const std::string& value);
    void ClearSelection() { SetSelText(""); }
    // The caret's column (X) and line (Y).
    TPoint CaretPos() const;
    // The first line in view, counted in display rows (wrapped lines count each row).
    int TopRow() const { return FTopRow; }

    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle value);
    bool WantReturns() const { return FWantReturns; }
    void SetWantReturns(bool value) { FWantReturns = value; }
    bool WantTabs() const { return FWantTabs; }
    void SetWantTabs(bool value) { FWantTabs = value; }
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle value);

    // Lines as Lines counts them: a final line break opens no further line.
    int LineCount() const;
    int LineStart(int line) const;
    int LineLength(int line) const;
    std::string LineText(int line) const;
    // Lines the text holds, counting the empty one after a final line break.
    int PhysicalLines() const;

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Paint() override;
    void ReplaceSelection(std::u32string_view inserted) override;
    void TextSwapped() override;
    // Line breaks of any system become the memo's own.
    std::u32string Pasted(std::u32string chars) const override;
    bool CaretKey(unsigned short key, bool extend, bool ctrl) override;
    void TypeChar(char32_t ch) override;
    int PositionAt(int x, int y) override;
    TRect CaretRect() override;
    void ScrollToCaret() override;
    // The line keys start from the caret's place again.
    void CaretMoved() override { FColumnX = -1; }
    win::LRESULT EditMessage(TMessage& message) override;

private:
    // One display row: a whole line, or a piece of a wrapped one; the line break is not in it.
    struct TRow {
        int Start{ 0 };
        int Length{ 0 };
    };

    // A replacement by code, which cannot be taken back.
    void Replace(std::u32string_view inserted);
    // The text was replaced from line on; everything when it was assigned whole.
    void TextChanged(int line);
    void IndexWholeText();
    // WM_GETTEXT from the memo's own copy of its text.
    win::LRESULT CopyText(win::WPARAM maxCount, win::LPARAM buffer) const;
    // The byte of the control's text where a character position starts.
    std::size_t ByteOffset(int position) const;
    const std::vector<TRow>& Rows() const;
    // Lays out the lines not laid out yet.
    void LayOutLines(int width) const;
    // Forgets the rows of line and of the lines after it.
    void DropRowsFrom(int line) const;
    int RowOf(int position) const;
    int RowHeight() const;
    int VisibleRows() const;
    int TextWidth(int start, int length) const;
    // Measured once per line and font.
    int LineWidth(int line) const;
    // Width of a piece of the text in the memo's font, through one measure kept while the font
    // stays.
    int PieceWidth(std::u32string_view piece) const;
    // How much of a piece fits in width, and the width of all of it, in one measuring.
    TTextMeasure::TFit PieceFit(std::u32string_view piece, int width) const;
    int PositionInRow(int row, int x) const;
    int WidestRow() const;
    void SetTopRow(int value);
    // Brings the caret into view without setting the bars or painting; tells whether it moved.
    bool FollowCaret();
    void UpdateScrollBars();
    void Scroll(int bar, unsigned code);
    void Relayout(int fromLine = 0);

    TMemoStrings FLines{ *this };
    TControlScrollBars FFrame{ *this };
    TTextLineIndex FIndex;
    // Rows of the lines laid out so far, which are the first FLaidLines.size() lines.
    mutable std::vector<TRow> FRows;
    struct TLaidLine {
        int FirstRow{ 0 };
        // The widest line up to this one.
        int Widest{ 0 };
    };
    mutable std::vector<TLaidLine> FLaidLines;
    // The width the rows were wrapped to.
    mutable int FLaidWidth{ -1 };
    mutable int FRowHeight{ 0 };
    mutable std::unique_ptr<TTextMeasure> FMeasure;
    bool FCatchUp{ false };
    int FTopRow{ 0 };
    int FScrollX{ 0 };
    int FColumnX{ -1 };
    bool FWordWrap{ true };
    bool FWantReturns{ true };
    bool FWantTabs{ false };
    TScrollStyle FScrollBars{ ssNone };
    TFormBorderStyle FBorderStyle{ bsSingle };
};
