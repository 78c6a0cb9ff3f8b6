#pragma once
#include "lib/controls/TbsSkinOfficeListBox.h"

// The drop-down of the office picker: an office list in a popup window placed in screen
// coordinates that never takes activation or the focus. With its picker's AlphaBlend it is
// shown translucent, and with AlphaBlendAnimation it fades in on a 5 ms window timer, so the
// program keeps answering while it fades.
class TbsPopupOfficeListBox : public TbsSkinOfficeListBox {
public:
    static constexpr win::UINT_PTR kFadeTimer = 2;
    static constexpr unsigned kFadeStepMs = 5;

    explicit TbsPopupOfficeListBox(TComponent* owner);
    ~TbsPopupOfficeListBox() override;

    std::string ClassName() const override { return "TbsPopupOfficeListBox"; }

    // Moves the window's top-left corner to origin (screen coordinates) and shows it without
    // activating it.
    void Show(const TPoint& origin);
    // Hides it; a fade under way ends.
    void Hide();
    // The alpha the fade has reached; the target once it has ended.
    int FadeAlpha() const { return FFadeAlpha; }
    bool Fading() const { return FFading; }

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;

private:
    void ApplyLayeredState();
    void StopFade();
    void FadeStep();

    bool FOldAlphaBlend{ false };
    std::uint8_t FOldAlphaBlendValue{ 0 };
    bool FFading{ false };
    int FFadeAlpha{ 0 };
};
