#pragma once
#include "platform/forms/TButtonControl.h"
#include "platform/forms/TCustomForm.h"

// A push button. Enter clicks the focused button, or the Default one while the focus is on
// something that is not a button; Escape clicks the Cancel one. A click hands ModalResult to
// the form, which ends a modal run.
class TButton : public TButtonControl {
public:
    explicit TButton(TComponent* owner);
    ~TButton() override;

    std::string ClassName() const override { return "TButton"; }

    bool Default() const { return FDefault; }
    void SetDefault(bool value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool value) { FCancel = value; }
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult value) { FModalResult = value; }

    void Click() override;
    void WndProc(TMessage& message) override;

protected:
    void Paint() override;

private:
    void CMFocusChanged(TMessage& message);

    bool FDefault{ false };
    bool FCancel{ false };
    // Whether Enter clicks this button now.
    bool FActive{ false };
    TModalResult FModalResult{ mrNone };
};
