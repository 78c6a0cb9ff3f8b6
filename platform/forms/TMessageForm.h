#pragma once
#include "platform/forms/TCustomForm.h"

// The box the application shows messages in: the text over one OK button. Enter, Escape, a
// click on the button or closing the box ends it.
class TMessageForm : public TCustomForm {
public:
    TMessageForm(TComponent* owner, const std::string& text, const std::string& caption);

    std::string ClassName() const override { return "TMessageForm"; }
    // The text shown (the caption is the form's).
    const std::string& Message() const { return FMessage; }

private:
    std::string FMessage;
};
