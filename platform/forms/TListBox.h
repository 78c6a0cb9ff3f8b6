#pragma once
#include "platform/forms/TAutoRepeat.h"
#include "platform/forms/TControlScrollBars.h"
#include "platform/forms/TCustomControl.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TListBoxStrings.h"
#include <functional>
#include <vector>

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };
enum TOwnerDrawStateItem { odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault };
using TOwnerDrawState = TSet<TOwnerDrawStateItem>;
using TDrawItemEvent =
    std::function<void(TWinControl* control, int index, const TRect& rect, TOwnerDrawState state)>;
using TMeasureItemEvent = std::function<void(TWinControl* control, int index, int& height)>;

// A list of lines to pick from: single, multiple (toggled by click or Space) or extended
// (Shift and Ctrl) selection, sorting, type-ahead, a vertical scroll bar in the frame, and
// owner drawing with fixed or per-line heights. Items live behind the LB_ messages, which the
// control answers in DefaultHandler, so hooks of WindowProc see every change; a hook that
// refuses LB_ADDSTRING makes Items.Add raise "Unable to insert a line". OnClick fires when the
// user changes the selection.
class TListBox : public TCustomControl {
public:
    explicit TListBox(TComponent* owner);
    ~TListBox() override;

    std::string ClassName() const override { return "TListBox"; }

    TStrings& Items() { return FItems; }
    void SetItems(const TStrings& value) { FItems.Assign(value); }
    int Count() const { return int(FLines.size()); }
    void Clear() { FItems.Clear(); }

    // The selected line (single selection) or the focused line (multiple); -1 for none.
    int ItemIndex();
    void SetItemIndex(int value);
    int TopIndex();
    void SetTopIndex(int value);
    // The row height of lbStandard follows the font; the owner-draw styles use this value.
    int ItemHeight() const;
    void SetItemHeight(int value);
    bool Selected(int index);
    void SetSelected(int index, bool value);
    int SelCount();
    void ClearSelection();
    void SelectAll();

    bool MultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool value);
    bool ExtendedSelect() const { return FExtendedSelect; }
    void SetExtendedSelect(bool value);
    bool Sorted() const { return FSorted; }
    // Turning sorting on sorts the lines there are, objects kept with their lines.
    void SetSorted(bool value);
    TListBoxStyle Style() const { return FStyle; }
    void SetStyle(TListBoxStyle value);
    // Typing selects the first line starting with what was typed in quick succession.
    bool AutoComplete() const { return FAutoComplete; }
    void SetAutoComplete(bool value) { FAutoComplete = value; }
    // Lines in this many columns side by side, top to bottom and then across, scrolled
    // sideways a column at a time; 0 for one column scrolled downwards.
    int Columns() const { return FColumns; }
    void SetColumns(int value);
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle value);

    // The line at a client point; with existing false a point below the last line gives Count.
    // -1 outside the client area.
    int ItemAtPos(const TPoint& pos, bool existing);
    // Where the line is drawn in client coordinates (lines above the top one lie above 0).
    TRect ItemRect(int index);

    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;

    TDrawItemEvent OnDrawItem;
    TMeasureItemEvent OnMeasureItem;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Paint() override;
    void KeyDown(unsigned short& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    // Draws one line: OnDrawItem for owner-draw styles when set, else the text.
    virtual void DrawItem(int index, const TRect& rect, TOwnerDrawState state);
    virtual void MeasureItem(int index, int& height);

private:
    struct TLine {
        std::string Text;
        win::LPARAM Data{ 0 };
        bool Selected{ false };
    };

    win::LRESULT ListMessage(TMessage& message);
    int InsertLine(int index, const std::string& text);
    void DeleteLine(int index);
    int FindString(int start, const std::string& text, bool exact) const;
    int LineHeight(int index);
    // The lines that fit wholly from the top one down.
    int PageSize();
    int MaxTopIndex();
    void SetTop(int value);
    void ScrollIntoView(int index);
    void UpdateScrollBar();
    // The user's moves of the focused line; ctrl moves only the focus in extended mode.
    void MoveFocusTo(int index, TShiftState shift);
    void SelectRange(int from, int to, bool clearOthers);
    void SetCaret(int index);
    void VScroll(unsigned code, int pos);
    void HScroll(unsigned code, int pos);
    int RowsPerColumn();
    int ColumnWidth();
    void Wheel(int delta);
    void Notify(unsigned code);
    void Changed();
    bool IsMulti() const { return FMultiSelect; }

    TListBoxStrings FItems{ *this, TListBoxStrings::ListBoxMessages };
    TControlScrollBars FScrollBars{ *this };
    TAutoRepeat FDragScroll{ *this, 0x5C02 };
    std::vector<TLine> FLines;
    int FCaret{ -1 };
    int FAnchor{ -1 };
    int FTop{ 0 };
    int FItemHeight{ 16 };
    int FColumns{ 0 };
    bool FMultiSelect{ false };
    bool FExtendedSelect{ true };
    bool FSorted{ false };
    bool FAutoComplete{ true };
    mutable int FStandardHeight{ 0 };
    bool FRedraw{ true };
    bool FTracking{ false };
    TListBoxStyle FStyle{ lbStandard };
    TFormBorderStyle FBorderStyle{ bsSingle };
    std::u32string FFilter;
    unsigned FLastKeyTime{ 0 };
};
