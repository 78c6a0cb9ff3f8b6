#pragma once
#include "lib/controls/TbsSkinListBox.h"

#include <cstdint>

// How the drop-down list's window is blended over what lies below it.
struct TbsPopupAlpha {
    bool Blend{ false };
    // Fades in from transparent to Value in fifteen steps, one every 5 ms.
    bool Animation{ false };
    std::uint8_t Value{ 0 };
};

// The drop-down list of a skinned combo box: a skinned list box in a popup window that is
// placed in screen coordinates and never takes activation or the focus.
class TbsPopupListBox : public TbsSkinListBox {
public:
    explicit TbsPopupListBox(TComponent* owner);
    ~TbsPopupListBox() override;

    std::string ClassName() const override { return "TbsPopupListBox"; }

    // Moves the window's top-left corner to origin (screen coordinates) and shows it without
    // activating it, blended as alpha says where the display composes windows.
    void Show(const TPoint& origin, const TbsPopupAlpha& alpha = {});
    // Hides the window; a fade under way stops.
    void Hide();

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;

private:
    void ApplyBlend(const TbsPopupAlpha& alpha);
    void FadeStep();
    void StopFade();

    static constexpr win::UINT_PTR kFadeTimer = 2;
    static constexpr unsigned kFadeMs = 5;

    bool FOldAlphaBlend{ false };
    int FOldAlphaBlendValue{ 0 };
    // While fading: the alpha reached, the goal and the step; 0 step: no fade under way.
    int FFadeAlpha{ 0 };
    int FFadeTarget{ 0 };
    int FFadeStep{ 0 };
};
