#pragma once
#include "platform/forms/TCustomControl.h"

// What push buttons, check boxes and radio buttons share: a face on the button colour, focus
// taken by a click, a press shown while the left button or Space is held, and a click on
// release or on the caption's accelerator.
class TButtonControl : public TCustomControl {
public:
    explicit TButtonControl(TComponent* owner);
    ~TButtonControl() override;

    std::string ClassName() const override { return "TButtonControl"; }

    // Whether the face shows pressed now (left button held inside it, or Space held).
    bool Pressed() const { return FMousePressed || FSpacePressed; }

    void WndProc(TMessage& message) override;

protected:
    void KeyDown(unsigned short& key, TShiftState shift) override;
    void KeyUp(unsigned short& key, TShiftState shift) override;
    // Paints the caption in rect with the control's font, greyed when disabled.
    void DrawCaption(const TRect& rect, unsigned format);

private:
    void SetMousePressed(bool value);

    bool FMousePressed{ false };
    bool FSpacePressed{ false };
    bool FMouseDown{ false };
};
