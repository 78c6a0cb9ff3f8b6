#pragma once
#include "lib/frame/TbsSkinForm.h"
#include "platform/forms/TCustomControl.h"

#include <memory>

class TbsBitmap;

// Covers an inactive form's client area with a picture of it, blurred or under a veil of the
// form's own background, until the form is active again.
class TbsClientInActivePanel : public TCustomControl {
public:
    explicit TbsClientInActivePanel(TComponent* owner);
    ~TbsClientInActivePanel() override;

    std::string ClassName() const override { return "TbsClientInActivePanel"; }

    // Nothing for a missing or hidden form, or one without a client area.
    void ShowPanel(TCustomForm* form, TbsClientInActiveEffect effect);
    void HidePanel();

    // The captured picture; nullptr while none is held.
    TbsBitmap* Buffer() const { return FBuffer.get(); }

protected:
    void Paint() override;

private:
    std::unique_ptr<TbsBitmap> FBuffer;
};
