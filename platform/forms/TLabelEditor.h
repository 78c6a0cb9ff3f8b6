#pragma once
#include "platform/forms/TEdit.h"
#include <functional>

// The borderless edit a view places over an item's label while the user renames it. Enter or
// losing the focus accepts the text, Escape cancels; either way the editor hides itself and
// reports once.
class TLabelEditor : public TEdit {
public:
    // An editor over the labels of view, owned by it, that reports to onAccept and onCancel.
    TLabelEditor(TWinControl* view, std::function<void(const std::string& text)> onAccept,
                 std::function<void()> onCancel);

    std::string ClassName() const override { return "TLabelEditor"; }

    // Shows the editor over label (the view's client coordinates) in the view's font, holding
    // text, all selected; a short label leaves the editor room to grow.
    void Start(const TRect& label, const std::string& text);
    bool Editing() const { return FEditing; }
    // Ends an edit in progress as if the user had pressed Enter (accept) or Escape.
    void Finish(bool accept);

    void WndProc(TMessage& message) override;

    std::function<void(const std::string& text)> OnAccept;
    std::function<void()> OnCancel;

protected:
    void KeyDown(unsigned short& key, TShiftState shift) override;

private:
    static constexpr int kMinWidth = 60;

    bool FEditing{ false };
};
