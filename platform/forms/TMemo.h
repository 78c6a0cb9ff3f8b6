#pragma once
#include "platform/forms/TControlScrollBars.h"
#include "platform/forms/TCustomEdit.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TMemoStrings.h"
#include <unordered_map>
#include <vector>

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// A multi-line text field: the keys, mouse, clipboard and blinking caret of the one-line edit
// across lines (the word keys cross line ends), word wrap, scroll bars in the frame, and Lines to
// read and write it line by line. A line added through Lines goes in as a user's replacement would,
// so the view follows it to the end of a growing log. Positions count characters; lines are
// separated by "\n".
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
    void TextChanged();
    // The byte of the control's text where a character position starts, counting on from a
    // known pair of byte and position.
    std::size_t ByteOffset(int position, std::size_t from, int fromPosition) const;
    const std::vector<TRow>& Rows() const;
    int RowOf(int position) const;
    int RowHeight() const;
    int VisibleRows() const;
    int TextWidth(int start, int length) const;
    int LineWidth(std::u32string_view text) const;
    int PositionInRow(int row, int x) const;
    int WidestRow() const;
    void SetTopRow(int value);
    void UpdateScrollBars();
    void Scroll(int bar, unsigned code);
    void Relayout();

    TMemoStrings FLines{ *this };
    TControlScrollBars FFrame{ *this };
    mutable std::vector<TRow> FRows;
    mutable bool FLayoutValid{ false };
    mutable int FRowHeight{ 0 };
    struct TTextHash {
        using is_transparent = void;
        std::size_t operator()(std::u32string_view s) const {
            return std::hash<std::u32string_view>{}(s);
        }
    };
    mutable std::unordered_map<std::u32string, int, TTextHash, std::equal_to<>> FWidths;
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
