#pragma once
#include "platform/forms/MessageBoxFlags.h"
#include "platform/forms/TCustomForm.h"

class TButton;

// The box the application shows messages in: an icon, the text and a row of buttons chosen by
// the MB_ flags. Each button ends the box with its answer (IDOK ...). Enter clicks the default
// button; Escape and closing the window answer Cancel when the box has that button, OK in a
// box of OK alone, and do nothing in a box that must be answered (Yes/No, Abort/Retry/Ignore).
class TMessageForm : public TCustomForm {
public:
    TMessageForm(TComponent* owner, const std::string& text, const std::string& caption,
                 unsigned type = win::MB_OK);

    std::string ClassName() const override { return "TMessageForm"; }
    // The text shown (the caption is the form's).
    const std::string& Message() const { return FMessage; }
    bool CloseQuery() override;

private:
    void AddButtons(unsigned type, int top);

    std::string FMessage;
    // The button Escape and closing answer with; nullptr when the box must be answered.
    TButton* FCancelButton{ nullptr };
};
