#include "platform/forms/TAction.h"
#include "platform/rtl/Format.h"
#include <algorithm>
#include <utility>

TBasicActionLink::~TBasicActionLink() {
    SetAction(nullptr);
}

void TBasicActionLink::SetAction(TBasicAction* value) {
    if (value == FAction) return;
    if (FAction) std::erase(FAction->FClients, this);
    FAction = value;
    if (FAction) FAction->FClients.push_back(this);
    if (OnChange) OnChange(FAction);
}

void LinkClientToAction(std::unique_ptr<TBasicActionLink>& link, TObject* client,
                        TBasicAction* action, std::function<void(TBasicAction*)> onChange) {
    if (!action) {
        link.reset();
        return;
    }
    if (!link) {
        link = std::make_unique<TBasicActionLink>(client);
        link->OnChange = std::move(onChange);
    }
    link->SetAction(action);
}

bool TBasicActionLink::Execute(TComponent* target) {
    if (!FAction) return false;
    FAction->FActionComponent = target;
    struct Reset {
        TBasicAction* action;
        ~Reset() { action->FActionComponent = nullptr; }
    } reset{ FAction };
    return FAction->Execute();
}

TBasicAction::TBasicAction(TComponent* owner) : TComponent(owner) {}

TBasicAction::~TBasicAction() {
    // The clients let go; each link tells its client the action is gone.
    while (!FClients.empty())
        FClients.back()->SetAction(nullptr);
}

bool TBasicAction::Execute() {
    if (!OnExecute) return false;
    OnExecute(this);
    return true;
}

bool TBasicAction::Update() {
    if (!OnUpdate) return false;
    OnUpdate(this);
    return true;
}

void TBasicAction::Change() {
    for (TBasicActionLink* link : std::vector<TBasicActionLink*>(FClients))
        if (std::find(FClients.begin(), FClients.end(), link) != FClients.end() && link->OnChange)
            link->OnChange(this);
}

TCustomAction::TCustomAction(TComponent* owner) : TBasicAction(owner) {}

TCustomAction::~TCustomAction() {
    SetActionList(nullptr);
}

void TCustomAction::SetCaption(const std::string& value) {
    if (value == FCaption) return;
    FCaption = value;
    Change();
}

void TCustomAction::SetEnabled(bool value) {
    if (value == FEnabled) return;
    FEnabled = value;
    Change();
}

void TCustomAction::SetVisible(bool value) {
    if (value == FVisible) return;
    FVisible = value;
    Change();
}

void TCustomAction::SetChecked(bool value) {
    if (value == FChecked) return;
    FChecked = value;
    if (value && FGroupIndex > 0 && FActionList)
        for (TCustomAction* other : FActionList->FActions)
            if (other != this && other->FGroupIndex == FGroupIndex) other->SetChecked(false);
    Change();
}

void TCustomAction::SetHint(const std::string& value) {
    if (value == FHint) return;
    FHint = value;
    Change();
}

void TCustomAction::SetImageIndex(int value) {
    if (value == FImageIndex) return;
    FImageIndex = value;
    Change();
}

void TCustomAction::SetShortCut(TShortCut value) {
    if (value == FShortCut) return;
    FShortCut = value;
    Change();
}

void TCustomAction::SetActionList(TActionList* value) {
    if (value == FActionList) return;
    if (FActionList) {
        std::erase(FActionList->FActions, this);
        if (FActionList->OnChange) FActionList->OnChange(FActionList);
    }
    FActionList = value;
    if (value) {
        value->FActions.push_back(this);
        if (value->OnChange) value->OnChange(value);
    }
}

void TCustomAction::SetParentComponent(TComponent* value) {
    if (auto* list = dynamic_cast<TActionList*>(value)) SetActionList(list);
}

int TCustomAction::Index() const {
    if (!FActionList) return -1;
    const auto& list = FActionList->FActions;
    return int(std::find(list.begin(), list.end(), this) - list.begin());
}

bool TCustomAction::Execute() {
    Update();
    if (!FEnabled) return false;
    if (FAutoCheck) SetChecked(!FChecked);
    if (FActionList && FActionList->ExecuteAction(this)) return true;
    return TBasicAction::Execute();
}

TActionList::TActionList(TComponent* owner) : TComponent(owner) {}

TActionList::~TActionList() {
    while (!FActions.empty())
        FActions.back()->SetActionList(nullptr);
}

TCustomAction* TActionList::Actions(int index) const {
    if (index < 0 || index >= ActionCount())
        throw EListError(Format("List index out of bounds (%d)", index));
    return FActions[std::size_t(index)];
}

void TActionList::SetImages(TComponent* value) {
    FImages = value;
    if (value) value->FreeNotification(this);
    if (OnChange) OnChange(this);
}

bool TActionList::ExecuteAction(TBasicAction* action) {
    bool handled = false;
    if (OnExecute) OnExecute(action, handled);
    return handled;
}

void TActionList::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove && component == FImages) FImages = nullptr;
    TComponent::Notification(component, operation);
}
