#pragma once
#include "platform/forms/TPersistent.h"
#include "platform/forms/TSet.h"
#include <functional>
#include <string>
#include <vector>

class TComponent;

enum TOperation { opInsert, opRemove };

enum TComponentStateItem {
    csLoading,
    csReading,
    csWriting,
    csDestroying,
    csDesigning,
    csAncestor,
    csUpdating,
    csFixups,
    csFreeNotification,
    csInline,
    csDesignInstance
};
using TComponentState = TSet<TComponentStateItem>;

using TNotifyEvent = std::function<void(TObject* sender)>;

// A named object in an ownership tree. An owner frees the components it owns when it goes;
// every component of the tree is told when a sibling arrives or leaves (Notification), and a
// component outside the tree asks for the same with FreeNotification, so that references to a
// component are cleared before it is gone.
class TComponent : public TPersistent {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;

    std::string ClassName() const override { return "TComponent"; }

    TComponent* Owner() const { return FOwner; }
    const std::string& Name() const { return FName; }
    // Raises EComponentError for a name that is no identifier or is taken in the owner.
    virtual void SetName(const std::string& value);
    int Tag() const { return FTag; }
    void SetTag(int value) { FTag = value; }

    int ComponentCount() const { return int(FComponents.size()); }
    TComponent* Components(int index) const;
    int ComponentIndex() const;
    // The owned component of that name, ignoring ASCII case; nullptr when there is none.
    TComponent* FindComponent(const std::string& name) const;

    TComponentState ComponentState() const { return FComponentState; }

    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);
    void DestroyComponents();
    // Marks this component and everything it owns as being destroyed.
    void Destroying();

    // Asks to be told (Notification opRemove) when component goes, whoever owns it.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    TPersistent* GetOwner() const override { return FOwner; }

    // The steps of loading from a description: Loading sets csLoading, Loaded clears it once
    // every property and reference is in place.
    void SetLoading(bool loading);
    virtual void Loaded();
    void SetDesigning(bool designing);
    // Places this component inside the one a description writes it in (a control's parent, a
    // menu item's menu). The base class has no such place and accepts any.
    virtual void SetParentComponent(TComponent*) {}

    // Told when component is inserted into or removed from this tree, or when a component this
    // one asked about goes. Overrides clear their references and then call the base, which
    // passes the news on to the owned components.
    virtual void Notification(TComponent* component, TOperation operation);

protected:
    // Checks a new name for one of the owned components.
    virtual void ValidateRename(TComponent* component, const std::string& curName,
                                const std::string& newName) const;
    void SetComponentStateItem(TComponentStateItem item, bool on);

private:
    void Insert(TComponent* component);
    void Remove(TComponent* component);

    TComponent* FOwner{ nullptr };
    std::string FName;
    int FTag{ 0 };
    std::vector<TComponent*> FComponents;
    std::vector<TComponent*> FFreeNotifies;
    TComponentState FComponentState;
};

// A component refused a name or an operation.
class EComponentError : public Exception {
public:
    using Exception::Exception;
};

// Whether text is a valid identifier: a letter or underscore followed by letters, digits and
// underscores.
bool IsValidIdent(const std::string& text);
