#pragma once
#include "lib/controls/TbsCBButtonX.h"
#include "lib/controls/TbsRepeatTimer.h"
#include "lib/controls/TbsSkinCustomControl.h"
#include "lib/controls/bsSkinItemDrawing.h"
#include "platform/forms/DragTypes.h"
#include "platform/gfx/TBitmap.h"
#include "platform/rtl/TStringList.h"

class TbsListBox;
class TbsSkinScrollBar;
class TCustomImageList;

// The skinned list box: a frame from the record "listbox" (or a plain one) around an inner
// owner-drawn list, whose native scroll bars are replaced by a skinned bar that comes and goes
// with the content and follows the inner list's scroll state.
class TbsSkinCustomListBox : public TbsSkinCustomControl {
public:
    explicit TbsSkinCustomListBox(TComponent* owner);
    ~TbsSkinCustomListBox() override;

    std::string ClassName() const override { return "TbsSkinCustomListBox"; }

    TStrings& Items();
    void SetItems(const TStrings& value);
    int ItemIndex();
    void SetItemIndex(int value);
    int TopIndex();
    void SetTopIndex(int value);
    void Clear();

    // The inner list's selection: several rows at once, with Shift and Ctrl, and kept sorted.
    // Sorting removes a shown vertical bar first; the rows' new order brings it back.
    bool MultiSelect() const;
    void SetMultiSelect(bool value);
    bool ExtandedSelect() const;
    void SetExtandedSelect(bool value);
    bool Sorted() const;
    void SetSorted(bool value);
    bool Selected(int index);
    void SetSelected(int index, bool value);
    int SelCount();
    int ItemAtPos(const TPoint& pos, bool existing);
    TRect ItemRect(int item);
    TCanvas& ListBoxCanvas();
    // Settings of the inner list itself.
    TFont& ListBoxFont();
    void SetListBoxFont(const TFont& value);
    int ListBoxTabOrder() const;
    void SetListBoxTabOrder(int value);
    bool ListBoxTabStop() const;
    void SetListBoxTabStop(bool value);
    TComponent* ListBoxPopupMenu() const;
    void SetListBoxPopupMenu(TComponent* value);
    TDragMode ListBoxDragMode() const;
    void SetListBoxDragMode(TDragMode value);
    TDragKind ListBoxDragKind() const;
    void SetListBoxDragKind(TDragKind value);
    TCursor ListBoxDragCursor() const;
    void SetListBoxDragCursor(TCursor value);
    // Stored in the inner list's own drag events, which report the inner list as the sender.
    const TDragDropEvent& OnListBoxDragDrop() const;
    void SetOnListBoxDragDrop(TDragDropEvent value);
    const TDragOverEvent& OnListBoxDragOver() const;
    void SetOnListBoxDragOver(TDragOverEvent value);
    const TStartDragEvent& OnListBoxStartDrag() const;
    void SetOnListBoxStartDrag(TStartDragEvent value);
    const TEndDragEvent& OnListBoxEndDrag() const;
    void SetOnListBoxEndDrag(TEndDragEvent value);

    // 0: the height is free; else the control is as high as this many rows need.
    int RowCount() const { return FRowCount; }
    void SetRowCount(int value);
    int DefaultItemHeight() const { return FDefaultItemHeight; }
    void SetDefaultItemHeight(int value);
    bool UseSkinItemHeight() const { return FUseSkinItemHeight; }
    void SetUseSkinItemHeight(bool value) { FUseSkinItemHeight = value; }
    bool CaptionMode() const { return FCaptionMode; }
    void SetCaptionMode(bool value);
    int DefaultCaptionHeight() const { return FDefaultCaptionHeight; }
    void SetDefaultCaptionHeight(int value);

    // Images shown at each row's left: ImageIndex, or below 0 the row's own index. A
    // reference, cleared when the image list goes.
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    // Tab stops of the rows' text in pixels, one a line.
    TStrings& TabWidths() { return FTabWidths; }
    void SetTabWidths(const TStrings& value);
    // Draws a row's content instead of the built-in drawing.
    TbsDrawSkinItemEvent OnDrawItem;

    // The caption strip of caption mode: a glyph (a strip of NumGlyphs images, the second
    // shown while disabled), the control's text, and the up, down and check buttons.
    TBitmap& Glyph() { return FGlyph; }
    void SetGlyph(const TBitmap& value);
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int value);
    TFont& DefaultCaptionFont() { return FDefaultCaptionFont; }
    void SetDefaultCaptionFont(const TFont& value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    bool ShowCaptionButtons() const { return FShowCaptionButtons; }
    void SetShowCaptionButtons(bool value);
    // Replace the caption buttons' own actions (one item up or down; a click of the list).
    TNotifyEvent OnUpButtonClick;
    TNotifyEvent OnDownButtonClick;
    TNotifyEvent OnCheckButtonClick;

    // A horizontal bar scrolls rows wider than the list, stepping by the width of "0".
    bool HorizontalExtent() const { return FHorizontalExtent; }
    void SetHorizontalExtent(bool value);
    // Rows in this many columns, scrolled sideways by a horizontal bar; 0 for one column.
    int Columns() const;
    void SetColumns(int value);
    // The width of item Index on Canvas, for the horizontal extent.
    virtual int GetItemWidth(int Index, TCanvas& Canvas);

    // The control's height for that many rows.
    int CalcHeight(int AItemsCount);
    // Shows, ranges or removes the skinned bar from the inner list's scroll state.
    void UpDateScrollBar();

    // Sees every message of the inner list first; leaving handled false suppresses it.
    virtual void ListBoxWProc(TMessage& message, bool& handled);

    void GetSkinData() override;
    void ChangeSkinData() override;
    void Notification(TComponent* component, TOperation operation) override;
    // The inner list's input, reported with this control as the sender; the click is also the
    // check button's action.
    virtual void ListBoxMouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void ListBoxMouseMove(TShiftState shift, int x, int y);
    virtual void ListBoxMouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void ListBoxClick();
    virtual void ListBoxDblClick();
    virtual void ListBoxKeyDown(unsigned short& key, TShiftState shift);
    virtual void ListBoxKeyPress(char32_t& key);
    // The inner list took or lost the focus, or got its window; nothing here, for lists of
    // their own kind.
    virtual void ListBoxEnter() {}
    virtual void ListBoxExit() {}
    virtual void ListBoxCreateWnd() {}
    TMouseEvent OnListBoxMouseDown;
    TMouseMoveEvent OnListBoxMouseMove;
    TMouseEvent OnListBoxMouseUp;
    TNotifyEvent OnListBoxClick;
    TNotifyEvent OnListBoxDblClick;
    TKeyEvent OnListBoxKeyDown;
    TKeyPressEvent OnListBoxKeyPress;
    // Never raised: the inner list reports no key-ups.
    TKeyEvent OnListBoxKeyUp;
    // Draws one row of the inner list with the look of the record, or the plain one.
    void DrawListItem(TCanvas& C, int index, const TRect& rect, TOwnerDrawState state);
    // The inner list's background under rect: the record's client part tiled, or clWindow.
    void PaintListBackground(TCanvas& C, const TRect& rect);
    // Lays the inner list and the bar out at once, also before the window exists.
    void SetBounds(int left, int top, int width, int height) override;
    void WndProc(TMessage& message) override;

    TbsListBox* ListBox{ nullptr };
    // The skinned bar (horizontal with columns); nullptr while the rows fit.
    TbsSkinScrollBar* ScrollBar{ nullptr };
    // The horizontal-extent bar; nullptr while the rows are narrow enough.
    TbsSkinScrollBar* HScrollBar{ nullptr };
    TRect ListRect;
    // Caption buttons, 0 up, 1 down, 2 check; the one under the pointer and the held one.
    TbsCBButtonX Buttons[3];
    int OldActiveButton{ -1 };
    int ActiveButton{ -1 };
    int CaptureButton{ -1 };
    // 0 none, 1 repeating up, 2 repeating down.
    int TimerMode{ 0 };
    TRect NewCaptionRect;
    std::string VScrollBarName;
    std::string HScrollBarName;
    std::string BothScrollBarName;
    // Copies of the "listbox" record's row looks; an empty active or focus rect is the item
    // rect.
    TRect SItemRect;
    TRect ActiveItemRect;
    TRect FocusItemRect;
    int ItemLeftOffset{ 0 };
    int ItemRightOffset{ 0 };
    TRect ItemTextRect;
    std::string FontName;
    TFontStyles FontStyle;
    int FontHeight{ 0 };
    TColor FontColor{ clBlack };
    TColor ActiveFontColor{ clBlack };
    TColor FocusFontColor{ clBlack };
    bool ShowFocus{ false };
    TRect CaptionRect;
    std::string CaptionFontName;
    TFontStyles CaptionFontStyle;
    int CaptionFontHeight{ 0 };
    TColor CaptionFontColor{ clBlack };
    TRect UpButtonRect;
    TRect ActiveUpButtonRect;
    TRect DownUpButtonRect;
    TRect DownButtonRect;
    TRect ActiveDownButtonRect;
    TRect DownDownButtonRect;
    TRect CheckButtonRect;
    TRect ActiveCheckButtonRect;
    TRect DownCheckButtonRect;
    TRect ButtonsArea;
    TRect DisabledButtonsRect;

protected:
    void CreateControlDefaultImage(TBitmap& B) override;
    void CreateControlSkinImage(TBitmap& B) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    // A row's content over its face, with the face's font and colours on C: OnDrawItem when
    // set, else the image and the text. Lists of their own kind draw their rows here.
    virtual void DrawRowContent(TCanvas& C, int index, const TSize& size, const TRect& textRect,
                                TOwnerDrawState state);

private:
    void CalcRects();
    // Caption buttons take part: caption mode with the buttons shown, and with a record only
    // when it has an up or down button.
    bool CaptionButtonsActive() const;
    void CalcPlainCaptionButtons();
    void DrawCaptionButton(TCanvas& C, int i);
    void DrawCaptionText(TCanvas& C, const TRect& R, int y);
    void TestActive(int x, int y);
    void ButtonEnter(int i);
    void ButtonLeave(int i);
    void ButtonUp(int i, int x, int y);
    void StepCaptionButton(int i);
    void CaptionTimerTick();
    void ShowScrollBar();
    void HideScrollBar();
    void SBChange();
    void ShowHScrollBar();
    void HideHScrollBar();
    void HSBChange();
    void UpDateHScrollBar();
    // The vertical bar's record name, or the horizontal one's with columns.
    std::string ScrollBarSkinName() const;
    void SetHScrollBarNames();
    void DrawDefaultItem(TCanvas& C, int index, const TSize& size, TOwnerDrawState state);
    void DrawSkinItem(TCanvas& C, int index, const TSize& size, TOwnerDrawState state,
                      bool stretched);
    TFontCharset TextCharset() const;

    int FRowCount{ 0 };
    int FDefaultItemHeight{ 20 };
    bool FUseSkinItemHeight{ true };
    bool FCaptionMode{ false };
    int FDefaultCaptionHeight{ 20 };
    bool FInUpdate{ false };
    bool FHorizontalExtent{ false };
    // Set during a skin change: the horizontal bar is removed, not updated.
    bool FStopUpDateHScrollBar{ false };
    TCustomImageList* FImages{ nullptr };
    int FImageIndex{ -1 };
    TStringList FTabWidths;
    TBitmap FGlyph;
    int FNumGlyphs{ 1 };
    int FSpacing{ 2 };
    TFont FDefaultCaptionFont;
    TAlignment FAlignment{ taLeftJustify };
    bool FShowCaptionButtons{ true };
    TbsRepeatTimer FRepeat{ *this, 100 };
};

// The published skinned list box.
class TbsSkinListBox : public TbsSkinCustomListBox {
public:
    using TbsSkinCustomListBox::TbsSkinCustomListBox;
    std::string ClassName() const override { return "TbsSkinListBox"; }
};
