#include "platform/forms/TComponent.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/TextUtils.h"
#include <algorithm>

bool IsValidIdent(const std::string& text) {
    if (text.empty()) return false;
    // Letters of other scripts count as letters; each of their UTF-8 bytes lies above 0x7F.
    auto alpha = [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' ||
               static_cast<unsigned char>(c) >= 0x80;
    };
    if (!alpha(text[0])) return false;
    return std::all_of(text.begin() + 1, text.end(),
                       [&](char c) { return alpha(c) || (c >= '0' && c <= '9'); });
}

TComponent::TComponent(TComponent* owner) {
    if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
    Destroying();
    // Each one removes itself from both lists in turn, whatever its Notification does.
    while (!FFreeNotifies.empty()) {
        TComponent* other = FFreeNotifies.back();
        FFreeNotifies.pop_back();
        std::erase(other->FFreeNotifies, this);
        other->Notification(this, opRemove);
    }
    DestroyComponents();
    if (FOwner) FOwner->RemoveComponent(this);
}

TComponent* TComponent::Components(int index) const {
    if (index < 0 || index >= ComponentCount())
        throw EListError(Format("List index out of bounds (%d)", index));
    return FComponents[std::size_t(index)];
}

int TComponent::ComponentIndex() const {
    if (!FOwner) return -1;
    const auto& list = FOwner->FComponents;
    return int(std::find(list.begin(), list.end(), this) - list.begin());
}

TComponent* TComponent::FindComponent(const std::string& name) const {
    if (name.empty()) return nullptr;
    for (TComponent* c : FComponents)
        if (SameText(c->FName, name)) return c;
    return nullptr;
}

void TComponent::SetName(const std::string& value) {
    if (value == FName) return;
    if (!value.empty() && !IsValidIdent(value))
        throw EComponentError(Format("'%s' is not a valid component name", value));
    if (FOwner)
        FOwner->ValidateRename(this, FName, value);
    else
        ValidateRename(nullptr, FName, value);
    FName = value;
}

void TComponent::ValidateRename(TComponent* component, const std::string& curName,
                                const std::string& newName) const {
    if (!component || newName.empty() || SameText(curName, newName)) return;
    const TComponent* other = FindComponent(newName);
    if (other && other != component)
        throw EComponentError(Format("A component named %s already exists", newName));
}

void TComponent::InsertComponent(TComponent* component) {
    if (!component || component->FOwner == this) return;
    if (component->FOwner) component->FOwner->RemoveComponent(component);
    ValidateRename(component, "", component->FName);
    Insert(component);
    Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
    if (!component || component->FOwner != this) return;
    Notification(component, opRemove);
    Remove(component);
}

void TComponent::Insert(TComponent* component) {
    FComponents.push_back(component);
    component->FOwner = this;
}

void TComponent::Remove(TComponent* component) {
    std::erase(FComponents, component);
    component->FOwner = nullptr;
}

void TComponent::DestroyComponents() {
    while (!FComponents.empty()) {
        TComponent* instance = FComponents.back();
        // Siblings that asked about it hear of it; the rest of the tree is going anyway.
        if (instance->FComponentState.Contains(csFreeNotification))
            RemoveComponent(instance);
        else
            Remove(instance);
        delete instance;
    }
}

void TComponent::Destroying() {
    if (FComponentState.Contains(csDestroying)) return;
    FComponentState.Include(csDestroying);
    for (TComponent* c : FComponents)
        c->Destroying();
}

void TComponent::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove && component) RemoveFreeNotification(component);
    // A handler may free components of this tree: walk by index and re-check the bound.
    for (int i = ComponentCount() - 1; i >= 0; --i) {
        if (i >= ComponentCount()) continue;
        FComponents[std::size_t(i)]->Notification(component, operation);
    }
}

void TComponent::FreeNotification(TComponent* component) {
    if (!component || component == this) return;
    if (FOwner && component->FOwner == FOwner) {
        // Siblings hear of each other through their owner already.
        FComponentState.Include(csFreeNotification);
        component->FComponentState.Include(csFreeNotification);
        return;
    }
    if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), component) == FFreeNotifies.end())
        FFreeNotifies.push_back(component);
    if (std::find(component->FFreeNotifies.begin(), component->FFreeNotifies.end(), this) ==
        component->FFreeNotifies.end())
        component->FFreeNotifies.push_back(this);
    FComponentState.Include(csFreeNotification);
    component->FComponentState.Include(csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
    if (!component) return;
    std::erase(FFreeNotifies, component);
    std::erase(component->FFreeNotifies, this);
}

void TComponent::SetComponentStateItem(TComponentStateItem item, bool on) {
    if (on)
        FComponentState.Include(item);
    else
        FComponentState.Exclude(item);
}

void TComponent::SetLoading(bool loading) {
    SetComponentStateItem(csLoading, loading);
}

void TComponent::Loaded() {
    FComponentState.Exclude(csLoading);
}

void TComponent::SetDesigning(bool designing) {
    SetComponentStateItem(csDesigning, designing);
    for (TComponent* c : FComponents)
        c->SetDesigning(designing);
}
