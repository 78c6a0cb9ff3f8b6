#pragma once
#include "platform/forms/TLabelEditor.h"
#include "platform/win/Messaging.h"
#include <functional>
#include <string>
#include <utility>

// A view's renaming of its items in place: one label editor over the item being renamed, made
// on first use and owned by the view, and the plain click on a label that starts a rename once
// the double-click time has passed without a second click. TItem is what the view renames; TKey
// is how it remembers the clicked item until then (the list view keeps an index, because its
// owner-data items are made afresh, the tree view the node itself). The view hands its timer
// messages and its free notifications here.
template <class TItem, class TKey>
class TLabelEditing {
public:
    // A rename of item ended; text is nullptr when it was cancelled.
    using TEndEvent = std::function<void(TItem* item, const std::string* text)>;
    // The double-click time passed after a click on the label of clicked.
    using TClickEvent = std::function<void(TKey clicked)>;

    // noClick is the key that stands for no click.
    TLabelEditing(TWinControl& view, TKey noClick, TEndEvent onEnd, TClickEvent onClickWaited)
        : FView(view), FNoClick(noClick), FClicked(noClick), FOnEnd(std::move(onEnd)),
          FOnClickWaited(std::move(onClickWaited)) {}
    // The editor goes with the view, later: it must not report to what is gone by then.
    ~TLabelEditing() {
        if (!FEditor) return;
        FEditor->OnAccept = nullptr;
        FEditor->OnCancel = nullptr;
    }
    TLabelEditing(const TLabelEditing&) = delete;
    TLabelEditing& operator=(const TLabelEditing&) = delete;

    bool Editing() const { return FEditor && FEditor->Editing(); }
    TItem* Item() const { return FItem; }
    // The editor's window, once a rename has made it.
    win::HWND EditorHandle() const { return FEditor ? FEditor->Handle() : nullptr; }
    // Shows the editor over label (the view's client coordinates) holding text, to rename item.
    void Start(TItem* item, const TRect& label, const std::string& text);
    // Ends a rename in progress as Enter (accept) or Escape would.
    void Finish(bool accept) {
        if (FEditor) FEditor->Finish(accept);
    }
    // The item being renamed goes: the rename ends without a word about it.
    void Drop() {
        FItem = nullptr;
        Finish(false);
    }

    TKey Clicked() const { return FClicked; }
    // A click on the label of key that may start a rename.
    void Click(TKey key) { FClicked = key; }
    // The button went up: on the clicked label the rename waits for the double-click time,
    // elsewhere the click is forgotten.
    void Release(bool onClickedLabel);
    void ForgetClick();

    // True for the rename's own timer message, after starting what it waited for.
    bool Handle(TMessage& message);
    void Notification(TComponent* component, TOperation operation) {
        if (operation == opRemove && component == FEditor) FEditor = nullptr;
    }

private:
    void Ended(const std::string* text) {
        TItem* item = std::exchange(FItem, nullptr);
        if (item) FOnEnd(item, text);
    }

    // Distinct from the view's other timers (scroll bar repeat).
    static constexpr win::UINT_PTR kTimer = 0x4544;

    TWinControl& FView;
    TKey FNoClick;
    TKey FClicked;
    TEndEvent FOnEnd;
    TClickEvent FOnClickWaited;
    TLabelEditor* FEditor{ nullptr };
    TItem* FItem{ nullptr };
};

template <class TItem, class TKey>
void TLabelEditing<TItem, TKey>::Start(TItem* item, const TRect& label, const std::string& text) {
    Finish(true);
    if (!FEditor)
        FEditor = new TLabelEditor(
            &FView, [this](const std::string& accepted) { Ended(&accepted); },
            [this] { Ended(nullptr); });
    FItem = item;
    FEditor->Start(label, text);
}

template <class TItem, class TKey>
void TLabelEditing<TItem, TKey>::Release(bool onClickedLabel) {
    if (onClickedLabel)
        win::SetTimer(FView.Handle(), kTimer, win::GetDoubleClickTime(), nullptr);
    else
        FClicked = FNoClick;
}

template <class TItem, class TKey>
void TLabelEditing<TItem, TKey>::ForgetClick() {
    FClicked = FNoClick;
    if (FView.HandleAllocated()) win::KillTimer(FView.Handle(), kTimer);
}

template <class TItem, class TKey>
bool TLabelEditing<TItem, TKey>::Handle(TMessage& message) {
    if (message.Msg != win::WM_TIMER || message.WParam != kTimer) return false;
    win::KillTimer(FView.Handle(), kTimer);
    const TKey clicked = std::exchange(FClicked, FNoClick);
    if (clicked != FNoClick) FOnClickWaited(clicked);
    message.Result = 0;
    return true;
}
