#include "platform/forms/TCollection.h"
#include "platform/forms/TComponent.h"
#include "platform/forms/TList.h"
#include <gtest/gtest.h>
#include <memory>

namespace {

// Holds a reference to another component and clears it when told that component went.
class TRefHolder : public TComponent {
public:
    using TComponent::TComponent;
    std::string ClassName() const override { return "TRefHolder"; }

    void SetTarget(TComponent* target) {
        FTarget = target;
        if (target) target->FreeNotification(this);
    }
    TComponent* Target() const { return FTarget; }
    int FInserted{ 0 };
    int FRemoved{ 0 };
    bool* FDestroyed{ nullptr };
    ~TRefHolder() override {
        if (FDestroyed) *FDestroyed = true;
    }

    void Notification(TComponent* component, TOperation operation) override {
        if (operation == opInsert) ++FInserted;
        if (operation == opRemove) {
            ++FRemoved;
            if (component == FTarget) FTarget = nullptr;
        }
        TComponent::Notification(component, operation);
    }

private:
    TComponent* FTarget{ nullptr };
};

TEST(Components, OwnerFreesWhatItOwnsAndChildrenLeaveTheirOwner) {
    bool aGone = false, bGone = false;
    auto owner = std::make_unique<TComponent>(nullptr);
    auto* a = new TRefHolder(owner.get());
    auto* b = new TRefHolder(owner.get());
    a->FDestroyed = &aGone;
    b->FDestroyed = &bGone;
    ASSERT_EQ(owner->ComponentCount(), 2);
    EXPECT_EQ(owner->Components(1), b);
    EXPECT_EQ(b->ComponentIndex(), 1);
    delete a;
    EXPECT_TRUE(aGone);
    ASSERT_EQ(owner->ComponentCount(), 1);
    EXPECT_EQ(owner->Components(0), b);
    EXPECT_EQ(b->FRemoved, 1) << "siblings hear that one left";
    owner.reset();
    EXPECT_TRUE(bGone);
}

TEST(Components, SiblingsHearOfInsertAndRemoveAndClearReferences) {
    TComponent owner(nullptr);
    auto* holder = new TRefHolder(&owner);
    auto* target = new TComponent(&owner);
    EXPECT_EQ(holder->FInserted, 1);
    holder->SetTarget(target);
    delete target;
    EXPECT_EQ(holder->Target(), nullptr);
}

TEST(Components, FreeNotificationClearsReferencesAcrossOwners) {
    auto formA = std::make_unique<TComponent>(nullptr);
    auto formB = std::make_unique<TComponent>(nullptr);
    auto* holder = new TRefHolder(formA.get());
    auto* target = new TComponent(formB.get());
    holder->SetTarget(target);
    formB.reset(); // frees target
    EXPECT_EQ(holder->Target(), nullptr);

    // The other way round: the holder goes first and the target must not call it later.
    auto formC = std::make_unique<TComponent>(nullptr);
    auto* target2 = new TComponent(formC.get());
    holder->SetTarget(target2);
    formA.reset(); // frees holder
    formC.reset(); // must not reach the freed holder (ASan catches it)
}

TEST(Components, NamesAreIdentifiersUniqueIgnoringCase) {
    TComponent owner(nullptr);
    auto* a = new TComponent(&owner);
    auto* b = new TComponent(&owner);
    a->SetName("Button1");
    EXPECT_EQ(owner.FindComponent("BUTTON1"), a);
    EXPECT_EQ(owner.FindComponent("Nothing"), nullptr);
    EXPECT_EQ(owner.FindComponent(""), nullptr);
    try {
        b->SetName("button1");
        FAIL() << "duplicate accepted";
    } catch (const EComponentError& e) {
        EXPECT_EQ(e.Message(), "A component named button1 already exists");
    }
    struct Case {
        const char* name;
        bool valid;
    };
    const Case cases[] = { { "_x1", true },       { "1abc", false },   { "a b", false },
                           { "a-b", false },      { "Panel_2", true }, { "滤镜设置", true },
                           { "滤镜 设置", false } };
    for (const Case& c : cases) {
        TComponent loose(nullptr);
        if (c.valid) {
            EXPECT_NO_THROW(loose.SetName(c.name)) << c.name;
        } else {
            try {
                loose.SetName(c.name);
                ADD_FAILURE() << c.name;
            } catch (const EComponentError& e) {
                EXPECT_EQ(e.Message(),
                          std::string("'") + c.name + "' is not a valid component name");
            }
        }
    }
    a->SetName("button1"); // renaming to itself in another case is fine
    EXPECT_EQ(a->Name(), "button1");
}

TEST(Components, DestroyingAndLoadingStates) {
    struct Probe : TComponent {
        using TComponent::TComponent;
        bool* FSawDestroying{ nullptr };
        ~Probe() override { *FSawDestroying = ComponentState().Contains(csDestroying); }
    };
    bool saw = false;
    {
        TComponent owner(nullptr);
        auto* p = new Probe(&owner);
        p->FSawDestroying = &saw;
        p->SetLoading(true);
        EXPECT_TRUE(p->ComponentState().Contains(csLoading));
        p->Loaded();
        EXPECT_FALSE(p->ComponentState().Contains(csLoading));
        owner.SetDesigning(true);
        EXPECT_TRUE(p->ComponentState().Contains(csDesigning));
    }
    EXPECT_TRUE(saw);
}

TEST(Components, InsertingIntoAnotherOwnerMovesTheComponent) {
    TComponent a(nullptr), b(nullptr);
    auto* c = new TComponent(&a);
    b.InsertComponent(c);
    EXPECT_EQ(a.ComponentCount(), 0);
    EXPECT_EQ(c->Owner(), &b);
}

class TNamedItem : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;
    std::string ClassName() const override { return "TNamedItem"; }
    std::string FText;
    void Assign(const TPersistent* source) override {
        if (auto* item = dynamic_cast<const TNamedItem*>(source)) {
            FText = item->FText;
            return;
        }
        TCollectionItem::Assign(source);
    }
    void Touch() { Changed(false); }
};

TCollection::TItemFactory NamedItems() {
    return [](TCollection* c) { return new TNamedItem(c); };
}

TEST(Collections, AddInsertDeleteAndIndexes) {
    TCollection list(NamedItems());
    auto* a = static_cast<TNamedItem*>(list.Add());
    auto* c = static_cast<TNamedItem*>(list.Add());
    auto* b = static_cast<TNamedItem*>(list.Insert(1));
    EXPECT_EQ(list.Items(1), b);
    EXPECT_EQ(c->Index(), 2);
    EXPECT_EQ(list.FindItemID(c->ID()), c);
    c->SetIndex(0);
    EXPECT_EQ(list.Items(0), c);
    EXPECT_EQ(a->Index(), 1);
    delete a; // freeing an item takes it out of its collection
    EXPECT_EQ(list.Count(), 2);
    list.Delete(0);
    EXPECT_EQ(list.Items(0), b);
    EXPECT_THROW(list.Items(5), EListError);
    EXPECT_THROW(list.Insert(9), EListError);
}

TEST(Collections, ChangesAreReportedOncePerUpdateBlock) {
    TCollection list(NamedItems());
    std::vector<TCollectionItem*> updates;
    list.OnUpdate = [&](TCollectionItem* item) { updates.push_back(item); };
    auto* item = static_cast<TNamedItem*>(list.Add());
    item->Touch();
    ASSERT_EQ(updates.size(), 2u);
    EXPECT_EQ(updates[0], nullptr);
    EXPECT_EQ(updates[1], item);
    updates.clear();
    list.BeginUpdate();
    list.Add();
    list.Add();
    item->Touch();
    EXPECT_TRUE(updates.empty());
    list.EndUpdate();
    EXPECT_EQ(updates, std::vector<TCollectionItem*>{ nullptr });
}

TEST(Collections, AssignCopiesItemsAndRefusesForeignClasses) {
    TCollection from(NamedItems()), to(NamedItems());
    static_cast<TNamedItem*>(from.Add())->FText = "one";
    static_cast<TNamedItem*>(from.Add())->FText = "two";
    to.Add();
    to.Assign(&from);
    ASSERT_EQ(to.Count(), 2);
    EXPECT_EQ(static_cast<TNamedItem*>(to.Items(1))->FText, "two");
    TComponent stranger(nullptr);
    try {
        to.Assign(&stranger);
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Cannot assign a TComponent to a TCollection");
    }
    try {
        to.Assign(nullptr);
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Cannot assign a nil to a TCollection");
    }
}

TEST(Lists, IndexesOutsideTheListAreRefused) {
    TList list;
    int a = 1, b = 2, c = 3;
    list.Add(&a);
    list.Add(&b);
    list.Insert(0, &c);
    EXPECT_EQ(list.IndexOf(&a), 1);
    list.Move(0, 2);
    EXPECT_EQ(list.Last(), &c);
    EXPECT_EQ(list.Remove(&b), 1);
    try {
        list.Items(2);
        FAIL();
    } catch (const EListError& e) {
        EXPECT_EQ(e.Message(), "List index out of bounds (2)");
    }
    EXPECT_THROW(list.Insert(-1, &a), EListError);
    list.Add(nullptr);
    list.Pack();
    EXPECT_EQ(list.Count(), 2);
}

} // namespace
