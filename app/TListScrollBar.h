#pragma once
#include "platform/forms/TScrollBar.h"

class TListView;

// A horizontal scroll bar outside a list view that takes the place of the list's own: the
// list's bar is kept hidden, its scroll state shows here after every message the list handles,
// and moving this bar scrolls the list.
class TListScrollBar : public TScrollBar {
public:
    explicit TListScrollBar(TComponent* owner);
    ~TListScrollBar() override;

    std::string ClassName() const override { return "TListScrollBar"; }

    TListView* ListView() const { return FListView; }
    void SetListView(TListView* value);

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void Change() override;

private:
    void Detach();
    // Takes the list's horizontal scroll state.
    void FollowList();

    TListView* FListView{ nullptr };
    TWndMethod FListProc;
    bool FFollowing{ false };
};

// Creates the job list's bar "bsSkinScrollBar1" on bsSkinPanel1 right under lvFiles, as wide
// as the list.
TListScrollBar* AttachJobListScrollBar(TComponent& form);
