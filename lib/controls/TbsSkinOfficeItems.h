#pragma once
#include "platform/forms/TCollection.h"
#include "platform/forms/TControl.h"
#include "platform/gfx/TRect.h"

#include <string>

class TbsSkinOfficeListBox;

// One row of an office list: a header row (a caption across the list) or an item row with an
// optional bold title line, a caption and an image of the list's image list. Each change but
// Data's repaints the list and updates its scroll bar.
class TbsSkinOfficeItem : public TCollectionItem {
public:
    explicit TbsSkinOfficeItem(TCollection* collection);

    std::string ClassName() const override { return "TbsSkinOfficeItem"; }

    int ImageIndex() const { return FImageIndex; }
    virtual void SetImageIndex(int value);
    const std::string& Title() const { return FTitle; }
    virtual void SetTitle(const std::string& value);
    const std::string& Caption() const { return FCaption; }
    virtual void SetCaption(const std::string& value);
    // Free for the program; never drawn.
    void* Data() const { return FData; }
    virtual void SetData(void* value) { FData = value; }
    // A disabled row is drawn grey and can be neither hit nor chosen.
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool value);
    bool Header() const { return FHeader; }
    virtual void SetHeader(bool value);
    // Neither a header row nor disabled.
    bool Selectable() const { return !FHeader && FEnabled; }

    void Assign(const TPersistent* source) override;

    // Fired when the list's ItemIndex setter makes this row current; Sender is the list.
    TNotifyEvent OnClick;

    // Set by the list's layout: the row in the list's client coordinates, scroll applied, and
    // whether it shows in the items area.
    TRect ItemRect;
    bool IsVisible{ false };
    // The list's current row.
    bool Active{ false };

private:
    int FImageIndex{ -1 };
    std::string FTitle;
    std::string FCaption;
    bool FEnabled{ true };
    void* FData{ nullptr };
    bool FHeader{ false };
};

// The rows of an office list, owned by it. Adding, inserting, deleting and clearing repaint the
// list; a row's changes also update its scroll bar.
class TbsSkinOfficeItems : public TCollection {
public:
    explicit TbsSkinOfficeItems(TbsSkinOfficeListBox* listBox);

    std::string ClassName() const override { return "TbsSkinOfficeItems"; }

    TbsSkinOfficeItem* Items(int index) const;
    TbsSkinOfficeItem* operator[](int index) const { return Items(index); }
    TbsSkinOfficeItem* Add();
    TbsSkinOfficeItem* Insert(int index);
    void Delete(int index);
    void Clear();

    TbsSkinOfficeListBox* const OfficeListBox;

protected:
    void Update(TCollectionItem* item) override;
};
