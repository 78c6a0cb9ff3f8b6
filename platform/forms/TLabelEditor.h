#pragma once
#include "platform/forms/TEdit.h"
#include <functional>

// The borderless edit a view places over an item's label while the user renames it. Enter or
// losing the focus accepts the text, Escape cancels; either way the editor hides itself and
// reports once.
class TLabelEditor : public TEdit {
public:
    explicit TLabelEditor(TComponent* owner);

    std::string ClassName() const override { return "TLabelEditor"; }

    // Shows the editor at bounds (the parent's client coordinates) holding text, all selected.
    void Start(const TRect& bounds, const std::string& text);
    bool Editing() const { return FEditing; }
    // Ends an edit in progress as if the user had pressed Enter (accept) or Escape.
    void Finish(bool accept);

    void WndProc(TMessage& message) override;

    std::function<void(const std::string& text)> OnAccept;
    std::function<void()> OnCancel;

protected:
    void KeyDown(unsigned short& key, TShiftState shift) override;

private:
    bool FEditing{ false };
};
