#pragma once
#include "platform/forms/TPersistent.h"
#include <functional>
#include <memory>
#include <vector>

class TCollection;

// One entry of a collection. It belongs to its collection, which frees it; freeing an item
// directly takes it out of its collection first.
class TCollectionItem : public TPersistent {
public:
    explicit TCollectionItem(TCollection* collection);
    ~TCollectionItem() override;

    std::string ClassName() const override { return "TCollectionItem"; }

    TCollection* Collection() const { return FCollection; }
    // Moves the item to another collection (nullptr: none; the caller then owns it).
    void SetCollection(TCollection* value);
    int Index() const;
    virtual void SetIndex(int value);
    int ID() const { return FID; }
    virtual std::string DisplayName() const;
    TPersistent* GetOwner() const override;

protected:
    // Tells the collection that this item (or, with allItems, every item) changed.
    void Changed(bool allItems);

private:
    friend class TCollection;
    TCollection* FCollection{ nullptr };
    int FID{ 0 };
};

// An ordered, owned list of items of one class, made by the factory it was given.
class TCollection : public TPersistent {
public:
    using TItemFactory = std::function<TCollectionItem*(TCollection*)>;

    // Makes plain TCollectionItem entries unless another factory is given.
    explicit TCollection(TItemFactory factory = {});
    TCollection(TPersistent* owner, TItemFactory factory);
    ~TCollection() override;

    std::string ClassName() const override { return "TCollection"; }

    int Count() const { return int(FItems.size()); }
    TCollectionItem* Items(int index) const;
    TCollectionItem* Add();
    TCollectionItem* Insert(int index);
    void Delete(int index);
    void Clear();
    TCollectionItem* FindItemID(int id) const;

    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    // Replaces the items by copies of source's items (made by this collection's factory).
    void Assign(const TPersistent* source) override;
    TPersistent* GetOwner() const override { return FOwner; }

    // Called with the changed item, or nullptr when the whole collection changed; not during
    // BeginUpdate/EndUpdate, which reports one change at the end.
    std::function<void(TCollectionItem* item)> OnUpdate;

protected:
    virtual void Update(TCollectionItem* item);
    void Changed();

private:
    friend class TCollectionItem;
    void InsertItem(TCollectionItem* item);
    void RemoveItem(TCollectionItem* item);
    void MoveItem(TCollectionItem* item, int newIndex);
    void ItemChanged(TCollectionItem* item);

    TPersistent* FOwner{ nullptr };
    TItemFactory FFactory;
    std::vector<TCollectionItem*> FItems;
    int FNextID{ 0 };
    int FUpdateCount{ 0 };
};
