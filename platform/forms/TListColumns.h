#pragma once
#include "platform/forms/ControlTypes.h"
#include "platform/forms/TCollection.h"
#include <string>

class TListView;

// One column of a list view in report view. A width of 0 hides the column; MaxWidth and
// MinWidth (0: no limit) bound what dragging its divider may make of it.
class TListColumn : public TCollectionItem {
public:
    explicit TListColumn(TCollection* collection);

    std::string ClassName() const override { return "TListColumn"; }
    std::string DisplayName() const override { return FCaption; }
    void Assign(const TPersistent* source) override;

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& value);
    int Width() const { return FWidth; }
    void SetWidth(int value);
    int MinWidth() const { return FMinWidth; }
    void SetMinWidth(int value);
    int MaxWidth() const { return FMaxWidth; }
    void SetMaxWidth(int value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    // value brought into MinWidth .. MaxWidth.
    int ConstrainWidth(int value) const;

private:
    std::string FCaption;
    int FWidth{ 50 };
    int FMinWidth{ 0 };
    int FMaxWidth{ 0 };
    TAlignment FAlignment{ taLeftJustify };
    int FImageIndex{ -1 };
};

// The columns of a list view; every change re-lays the view out.
class TListColumns : public TCollection {
public:
    explicit TListColumns(TListView* owner);

    std::string ClassName() const override { return "TListColumns"; }

    TListColumn* Add() { return static_cast<TListColumn*>(TCollection::Add()); }
    TListColumn* Items(int index) const {
        return static_cast<TListColumn*>(TCollection::Items(index));
    }
    TListView* Owner() const { return FListView; }

protected:
    void Update(TCollectionItem* item) override;

private:
    TListView* FListView;
    bool FConstructing{ false };
};
