#pragma once
#include "platform/gfx/TRect.h"
#include "platform/rtl/TStringList.h"
#include <memory>
#include <string>
#include <vector>

class TListItems;
class TListView;

// Which part of an item DisplayRect measures.
enum TDisplayCode { drBounds, drIcon, drLabel, drSelectBounds };

// One item of a list view: its caption, the texts of the further columns (SubItems), its
// image and a pointer the program keeps with it. Selection and focus are the view's state
// and change through it, with its events.
class TListItem {
public:
    explicit TListItem(TListItems* owner);
    ~TListItem();
    TListItem(const TListItem&) = delete;
    TListItem& operator=(const TListItem&) = delete;

    TListItems* Owner() const { return FOwner; }
    TListView* ListView() const;
    int Index() const;

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& value);
    TStringList& SubItems() { return FSubItems; }
    const TStringList& SubItems() const { return FSubItems; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    void* Data() const { return FData; }
    void SetData(void* value) { FData = value; }

    bool Selected() const { return FSelected; }
    void SetSelected(bool value);
    bool Focused() const { return FFocused; }
    void SetFocused(bool value);

    // Client coordinates of the part asked for, as the view shows it now.
    TRect DisplayRect(TDisplayCode code) const;
    int Left() const { return DisplayRect(drBounds).Left; }
    int Top() const { return DisplayRect(drBounds).Top; }
    void MakeVisible(bool partialOK);
    // Starts the in-place rename; false when the view is read-only or refuses.
    bool EditCaption();
    void Update();
    // Copies caption, sub-items, image and data; selection and focus stay.
    void Assign(const TListItem& source);
    void Delete();

private:
    friend class TListView;
    friend class TListItems;
    void Changed();
    // True while this is the owner-data item being filled in: its changes are no news.
    bool Fetching() const;

    TListItems* FOwner;
    std::string FCaption;
    TStringList FSubItems;
    int FImageIndex{ -1 };
    void* FData{ nullptr };
    bool FSelected{ false };
    bool FFocused{ false };
};

// The items of a list view, in display order. Between BeginUpdate and EndUpdate the view
// neither lays out nor repaints. For an owner-data view the items are only a count: Item
// hands out one shared item that the view's OnData fills for that index, valid until the
// next call.
class TListItems {
public:
    explicit TListItems(TListView* owner);
    ~TListItems();
    TListItems(const TListItems&) = delete;
    TListItems& operator=(const TListItems&) = delete;

    TListView* Owner() const { return FOwner; }
    int Count() const { return OwnerData() ? FDataCount : int(FItems.size()); }
    // Raises EListError "List index out of bounds (%d)" for an index outside the list.
    TListItem* Item(int index) const;
    TListItem* operator[](int index) const { return Item(index); }
    TListItem* Add();
    TListItem* Insert(int index);
    void Delete(int index);
    void Clear();
    int IndexOf(const TListItem* item) const;
    // The number of items of an owner-data view.
    void SetCount(int value);

    void BeginUpdate();
    void EndUpdate();
    bool Updating() const { return FUpdateCount > 0; }

private:
    friend class TListItem;
    friend class TListView;
    void Changed();

    bool OwnerData() const;

    TListView* FOwner;
    std::vector<std::unique_ptr<TListItem>> FItems;
    int FUpdateCount{ 0 };
    // Owner data: the count and the one item lent out.
    int FDataCount{ 0 };
    std::unique_ptr<TListItem> FDataItem;
    int FDataIndex{ -1 };
    bool FFetching{ false };
};
