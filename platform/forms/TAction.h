#pragma once
#include "platform/forms/TComponent.h"
#include "platform/forms/TMenuItem.h"
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TActionList;
class TBasicAction;

// Ties a client (a control, a menu item) to an action: the client shows the action's state
// and runs it when clicked.
class TBasicActionLink {
public:
    explicit TBasicActionLink(TObject* client) : FClient(client) {}
    virtual ~TBasicActionLink();
    TBasicActionLink(const TBasicActionLink&) = delete;
    TBasicActionLink& operator=(const TBasicActionLink&) = delete;

    TBasicAction* Action() const { return FAction; }
    void SetAction(TBasicAction* value);
    TObject* Client() const { return FClient; }
    // Runs the action for the client; false when there is no action or it did nothing.
    bool Execute(TComponent* target = nullptr);

    // Called when the action's state changed (and with nullptr as it goes).
    std::function<void(TBasicAction* action)> OnChange;

private:
    friend class TBasicAction;
    TObject* FClient;
    TBasicAction* FAction{ nullptr };
};

// Links a client to an action through its link, made on first use with onChange as its handler;
// nullptr drops the link.
void LinkClientToAction(std::unique_ptr<TBasicActionLink>& link, TObject* client,
                        TBasicAction* action, std::function<void(TBasicAction*)> onChange);

// A command that clients share: OnExecute runs it, OnUpdate refreshes its state.
class TBasicAction : public TComponent {
public:
    explicit TBasicAction(TComponent* owner);
    ~TBasicAction() override;

    std::string ClassName() const override { return "TBasicAction"; }

    // Runs OnExecute; false when there is none.
    virtual bool Execute();
    // Runs OnUpdate; false when there is none.
    virtual bool Update();
    TComponent* ActionComponent() const { return FActionComponent; }

    TNotifyEvent OnExecute;
    TNotifyEvent OnUpdate;

protected:
    // Tells every linked client that the state changed.
    void Change();

private:
    friend class TBasicActionLink;
    std::vector<TBasicActionLink*> FClients;
    TComponent* FActionComponent{ nullptr };
};

// An action with the state its clients show: caption, enabling, checking, image and shortcut.
class TCustomAction : public TBasicAction {
public:
    explicit TCustomAction(TComponent* owner);
    ~TCustomAction() override;

    std::string ClassName() const override { return "TCustomAction"; }

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    bool Checked() const { return FChecked; }
    // Checking an action of a group (GroupIndex > 0) unchecks the others of its list.
    void SetChecked(bool value);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value) { FGroupIndex = value; }
    bool AutoCheck() const { return FAutoCheck; }
    void SetAutoCheck(bool value) { FAutoCheck = value; }
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut value);

    TActionList* ActionList() const { return FActionList; }
    void SetActionList(TActionList* value);
    // A description writes actions inside their list.
    void SetParentComponent(TComponent* value) override;
    int Index() const;

    // Disabled actions do nothing; AutoCheck toggles Checked first; the list's OnExecute may
    // take the action over.
    bool Execute() override;

private:
    std::string FCaption;
    bool FEnabled{ true };
    bool FVisible{ true };
    bool FChecked{ false };
    int FGroupIndex{ 0 };
    bool FAutoCheck{ false };
    std::string FHint;
    int FImageIndex{ -1 };
    TShortCut FShortCut{ scNone };
    TActionList* FActionList{ nullptr };
};

class TAction : public TCustomAction {
public:
    using TCustomAction::TCustomAction;
    std::string ClassName() const override { return "TAction"; }
};

using TActionEvent = std::function<void(TBasicAction* action, bool& handled)>;

// The actions of a form, with the image list their ImageIndex refers to.
class TActionList : public TComponent {
public:
    explicit TActionList(TComponent* owner);
    ~TActionList() override;

    std::string ClassName() const override { return "TActionList"; }

    int ActionCount() const { return int(FActions.size()); }
    TCustomAction* Actions(int index) const;
    TComponent* Images() const { return FImages; }
    void SetImages(TComponent* value);
    // Runs OnExecute for action; true when the list handled it.
    bool ExecuteAction(TBasicAction* action);

    TActionEvent OnExecute;
    TNotifyEvent OnChange;

    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TCustomAction;
    std::vector<TCustomAction*> FActions;
    TComponent* FImages{ nullptr };
};
