#pragma once
#include "platform/forms/TCustomControl.h"

// A container framed by an etched line with its caption set into the top edge; children
// align inside the frame, below the caption.
class TGroupBox : public TCustomControl {
public:
    explicit TGroupBox(TComponent* owner);
    ~TGroupBox() override;

    std::string ClassName() const override { return "TGroupBox"; }

    void WndProc(TMessage& message) override;

protected:
    void AdjustClientRect(TRect& rect) const override;
    void Paint() override;

private:
    // The caption's line height in the control's font.
    int CaptionHeight() const;
};
