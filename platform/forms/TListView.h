#pragma once
#include "platform/forms/TControlScrollBars.h"
#include "platform/forms/TCustomControl.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TLabelEditing.h"
#include "platform/forms/TListColumns.h"
#include "platform/forms/TListItems.h"
#include "platform/forms/TTypeAhead.h"
#include "platform/win/ScrollInfo.h"
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class TCustomImageList;
class THeaderWindow;

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
// What changed in an item that OnChange reports.
enum TItemChange { ctText, ctImage, ctState };

using TLVSelectItemEvent = std::function<void(TObject* sender, TListItem* item, bool selected)>;
using TLVChangeEvent = std::function<void(TObject* sender, TListItem* item, TItemChange change)>;
using TLVColumnClickEvent = std::function<void(TObject* sender, TListColumn* column)>;
using TLVEditingEvent = std::function<void(TObject* sender, TListItem* item, bool& allowEdit)>;
using TLVEditedEvent = std::function<void(TObject* sender, TListItem* item, std::string& text)>;
using TLVDeletedEvent = std::function<void(TObject* sender, TListItem* item)>;
using TLVOwnerDataEvent = std::function<void(TObject* sender, TListItem* item)>;
// What an owner-data find looks for, and which way from the start item.
enum TItemFind { ifData, ifPartialString, ifExactString, ifNearest };
enum TSearchDirection { sdLeft, sdRight, sdAbove, sdBelow, sdAll };
// Answers an owner-data find: index is -1 on entry and the found item's index (or -1) after.
using TLVOwnerDataFindEvent =
    std::function<void(TObject* sender, TItemFind find, const std::string& findString,
                       int startIndex, TSearchDirection direction, bool wrap, int& index)>;

// The list view: items with sub-items and images shown as large icons, small icons, a list or
// a report of columns under a header child window (class "SysHeader32"). Selection follows the
// mouse and the keys; the scroll state of both directions is readable with GetScrollInfo
// whether or not bars are shown, and the view answers the LVM_ messages of the skinned list.
class TListView : public TCustomControl {
public:
    explicit TListView(TComponent* owner);
    ~TListView() override;

    std::string ClassName() const override { return "TListView"; }

    TListColumns& Columns() { return FColumns; }
    TListColumn* Column(int index) const { return FColumns.Items(index); }
    TListItems& Items() { return FItems; }
    const TListItems& Items() const { return FItems; }

    TViewStyle ViewStyle() const { return FViewStyle; }
    void SetViewStyle(TViewStyle value);
    bool GridLines() const { return FGridLines; }
    void SetGridLines(bool value);
    bool RowSelect() const { return FRowSelect; }
    void SetRowSelect(bool value);
    bool MultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool value);
    // Read-only: captions cannot be renamed in place.
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value) { FReadOnly = value; }
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool value);
    bool ShowColumnHeaders() const { return FShowColumnHeaders; }
    void SetShowColumnHeaders(bool value);
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle value);
    TCustomImageList* SmallImages() const { return FSmallImages; }
    void SetSmallImages(TCustomImageList* value);
    TCustomImageList* LargeImages() const { return FLargeImages; }
    void SetLargeImages(TCustomImageList* value);
    // Owner data: the view holds only a count (Items().SetCount) and asks OnData for an
    // item's texts and image whenever it needs them. Switching drops the items.
    bool OwnerData() const { return FOwnerData; }
    void SetOwnerData(bool value);

    // The first selected item (nullptr: none); setting selects only that item.
    TListItem* Selected() const;
    void SetSelected(TListItem* item);
    TListItem* ItemFocused() const;
    void SetItemFocused(TListItem* item);
    int ItemIndex() const;
    void SetItemIndex(int value);
    int SelCount() const;
    void ClearSelection();
    void SelectAll();

    // The first item shown in report and list view.
    TListItem* TopItem() const;
    // Rows that fit whole in report view; items that fit whole in the other views.
    int VisibleRowCount() const;
    TListItem* GetItemAt(int x, int y) const;
    // Scrolls by pixels; report view moves by whole rows, list view by whole columns.
    void Scroll(int dx, int dy);
    TRect ItemRect(int index, TDisplayCode code) const;
    bool IsEditing() const;
    win::HWND HeaderHandle() const;

    // Called by the parts when they change.
    void ColumnsChanged();
    void ItemsChanged();
    void ItemChanged(TListItem* item, TItemChange change);
    void ItemRemoving(TListItem* item);
    void FetchItem(TListItem* item);
    void DataCountChanged();
    // An owner-data item was inserted (+1) or deleted (-1) at index: states move with them.
    void DataItemsShifted(int index, int delta);
    void SetItemSelected(TListItem* item, bool value);
    void SetItemFocusedState(TListItem* item, bool value);
    bool EditItem(TListItem* item);
    void MakeItemVisible(int index, bool partialOK);

    // The header's view of the columns: display order, positions and clicks.
    const std::vector<int>& ColumnOrder() const { return FColumnOrder; }
    void SetColumnOrder(const std::vector<int>& order);
    TRect HeaderSectionRect(int column) const;
    int HeaderHeight() const;
    virtual void ColumnClick(int column);
    // Sets a column's width (within its limits) to fit its caption and its texts.
    void AutoSizeColumn(int column);

    void WndProc(TMessage& message) override;

    TLVSelectItemEvent OnSelectItem;
    TLVChangeEvent OnChange;
    TLVColumnClickEvent OnColumnClick;
    TLVEditingEvent OnEditing;
    TLVEditedEvent OnEdited;
    // An item is about to be freed. Not while the view itself goes.
    TLVDeletedEvent OnDeletion;
    // Fills in an owner-data item: its index tells which.
    TLVOwnerDataEvent OnData;
    // Finds an owner-data item for the type-ahead without fetching every caption.
    TLVOwnerDataFindEvent OnDataFind;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Paint() override;
    void KeyDown(unsigned short& key, TShiftState shift) override;
    // Typing moves to the next item whose caption starts with what was typed.
    void KeyPress(char32_t& key) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void Notification(TComponent* component, TOperation operation) override;
    void FontChanged() override;
    virtual void Change(TListItem* item, TItemChange change);
    // The hooks a descendant overrides; each runs its event.
    virtual bool CanEdit(TListItem* item);
    // A rename ended; text is nullptr when it was cancelled.
    virtual void Edit(TListItem* item, const std::string* text);
    virtual void Delete(TListItem* item);
    // Fills in an owner-data item; runs OnData.
    virtual void OwnerDataFetch(TListItem* item);
    // Finds an owner-data item; runs OnDataFind. No answer (neither an override nor the event):
    // the type-ahead reads the captions itself.
    virtual std::optional<int> OwnerDataFind(TItemFind find, const std::string& findString,
                                             int startIndex, TSearchDirection direction, bool wrap);

private:
    // Where things are in the current view style, derived from font, images and size.
    struct TGeometry {
        TRect Client;
        int Top{ 0 };        // where items start, below the header
        int RowHeight{ 17 }; // report, list and small-icon rows
        int CellWidth{ 1 };  // list, small-icon and icon cells
        int CellHeight{ 17 };
        int PerColumn{ 1 }; // list view: items in a column
        int PerRow{ 1 };    // icon views: items in a row
        int IconWidth{ 0 };
        int IconHeight{ 0 };
    };
    TGeometry Geometry() const;
    TRect ItemRectAt(const TGeometry& g, int index, TDisplayCode code) const;
    int ItemAtPoint(int x, int y) const;
    int TotalColumnWidth() const;
    int ColumnLeft(int column) const;
    void Relayout();
    void UpdateMetrics();
    void SelectOnly(int index);
    // Selection and focus by index, for stored items and owner data alike.
    bool IsSelectedAt(int index) const;
    bool IsFocusedAt(int index) const;
    int FocusedIndex() const;
    void SetIndexSelected(int index, bool value);
    void SetFocusedIndex(int index);
    void NotifyState(int index, bool selected);
    void UpdateHeader();
    void ScrollTo(int x, int y);
    void ClampScroll();
    void GetScroll(int bar, win::SCROLLINFO& info) const;
    // Hands the view's scroll state to its bars, which show while there is something to scroll.
    void UpdateScrollBars();
    void ScrollMessage(int bar, int code, int thumb);
    void Wheel(int delta);
    void MoveFocus(int index, TShiftState shift);
    void SelectRange(int from, int to, bool keepOthers);
    void PaintReport(const TGeometry& g);
    void PaintIcons(const TGeometry& g);
    void PaintItemLabel(const TRect& cell, const std::string& text, TAlignment alignment,
                        bool highlighted);
    bool HighlightShown() const;
    TMessageAnswer ListMessage(const TMessage& message);

    TListColumns FColumns;
    TListItems FItems;
    std::vector<int> FColumnOrder;
    std::unique_ptr<THeaderWindow> FHeader;
    // Remembers a clicked item by its index: owner-data items are made afresh.
    TLabelEditing<TListItem, int> FLabelEditing;
    TViewStyle FViewStyle{ vsIcon };
    bool FGridLines{ false };
    bool FRowSelect{ false };
    bool FMultiSelect{ false };
    bool FReadOnly{ false };
    bool FHideSelection{ true };
    bool FShowColumnHeaders{ true };
    TFormBorderStyle FBorderStyle{ bsSingle };
    TCustomImageList* FSmallImages{ nullptr };
    TCustomImageList* FLargeImages{ nullptr };
    bool FOwnerData{ false };
    std::vector<bool> FDataSelected;
    int FDataFocused{ -1 };
    int FScrollX{ 0 }; // pixels (list view: whole columns of pixels)
    int FScrollY{ 0 }; // report view: rows; icon views: pixels
    int FAnchor{ -1 }; // where a shift-extended selection starts
    TControlScrollBars FScrollBars{ *this };
    TTypeAhead FTypeAhead;
    int FTextHeight{ 13 };
    int FLabelWidth{ 0 }; // widest caption, for the list and small-icon cells
};
