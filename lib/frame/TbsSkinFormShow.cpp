// Showing the form: its first placement, and the fade-in that a skin or the component asks for.
#include "lib/frame/TbsSkinForm.h"

#include "lib/frame/bsFrameMessages.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindraw/TbsLayerManager.h"
#include "lib/skindraw/bsSystemVersion.h"
#include "platform/forms/TApplication.h"
#include "platform/win/Messaging.h"

using namespace win;

namespace {

constexpr UINT_PTR kFadeTimer = 1;
// A fade step follows the previous one once more than 5 ms have passed.
constexpr UINT kFadeStepMs = 6;

} // namespace

bool TbsSkinForm::FadeWanted() const {
    return FAlphaBlend || FAlphaBlendAnimation || (FSD && FSD->AnimationForAllWindows());
}

void TbsSkinForm::ShowWindowFirst(TMessage& message) {
    const bool shown = message.WParam != 0;
    if (!shown) {
        if (!FSkinnableForm) return;
        if (FLayerManager->IsVisible()) FLayerManager->Hide();
        if (FMenuLayerManager->IsVisible()) FMenuLayerManager->Hide();
        if (FBorderLayer.FVisible && FIsVistaOs) SetFormLayered(true);
        MDIShowWindow(false);
        return;
    }
    if (FStartShow) {
        if (FPositionInMonitor == bspDefault) {
            FStartShow = false;
        } else if (FWindowState == wsNormal) {
            FStartShow = false;
            ApplyPositionInMonitor();
        }
    }
    if (FSkinnableForm && FSD && FSD->AnimationForAllWindows() && FAlphaBlendValue == 0)
        FAlphaBlendValue = 255;
    const bool fade = FIsLayerEnabled && FadeWanted();
    if (fade || (FSkinnableForm && NeedLayeredShow())) {
        FFade.reset();
        SetFormLayered(true);
        SetFormAlpha(0);
        if (FSkinnableForm && IsLayeredBorderUsed() &&
            (FForm->Visible() || FForm->Tag() == TRAY_HIDDEN_TAG)) {
            FBorderLayer.CheckFormAlpha(0, false);
            FBorderLayer.ShowWithForm();
        }
        if (HandleReady()) SetTimer(FForm->Handle(), kFadeTimer, 1, nullptr);
    }
    if (FSkinnableForm && !IsMDIForm()) NudgeFormWidth();
    MDIShowWindow(true);
}

void TbsSkinForm::ShowWindowSecond(TMessage& message) {
    if (message.WParam == 0) {
        if (IsLayeredBorderUsed()) FBorderLayer.Hide();
        return;
    }
    if (FIsLayerEnabled && !FadeWanted() && !NeedLayeredShow() &&
        (FForm->Visible() || FForm->Tag() == TRAY_HIDDEN_TAG) && IsLayeredBorderUsed()) {
        if (Application) Application->ProcessMessages();
        FBorderLayer.FActive = true;
        FBorderLayer.ShowWithForm();
    }
}

// The fade runs on the form's timer: each step raises the alpha by a fifteenth of the goal
// (at least 1) once more than 5 ms have passed, so the window keeps handling its messages
// while it comes up.
void TbsSkinForm::FadeInTimer() {
    if (!HandleReady()) return;
    const HWND hwnd = FForm->Handle();
    if (FFade) {
        FadeStep();
        return;
    }
    if (NeedLayeredShow()) {
        KillTimer(hwnd, kFadeTimer);
        SetFormLayered(false);
        if (IsLayeredBorderUsed() && (FForm->Visible() || FForm->Tag() == TRAY_HIDDEN_TAG)) {
            FBorderLayer.FActive = FForm->Active();
            FBorderLayer.CheckFormAlpha(255, true);
        }
        return;
    }
    if (!FIsLayerEnabled || !FadeWanted()) return;
    KillTimer(hwnd, kFadeTimer);
    if (IsLayeredBorderUsed()) FBorderLayer.FActive = FForm->Active();
    const bool animation = FAlphaBlendAnimation || (FSD && FSD->AnimationForAllWindows());
    const int target = animation && !FAlphaBlend ? 255 : FAlphaBlendValue;
    if (animation) {
        FFade = std::make_unique<TFadeIn>();
        FFade->Target = target;
        FFade->Step = std::max(1, target / 15);
        FadeStep();
        return;
    }
    if (target != 255) {
        SetFormAlpha(FAlphaBlendValue);
        if (IsLayeredBorderUsed()) FBorderLayer.CheckFormAlpha(FAlphaBlendValue, true);
        return;
    }
    // An opaque form is not left layered.
    SetFormLayered(false);
    if (IsLayeredBorderUsed()) FBorderLayer.CheckFormAlpha(255, true);
}

void TbsSkinForm::FadeStep() {
    const HWND hwnd = FForm->Handle();
    TFadeIn& fade = *FFade;
    fade.Alpha = std::min(fade.Alpha + fade.Step, fade.Target);
    SetFormAlpha(fade.Alpha);
    if (IsLayeredBorderUsed()) FBorderLayer.CheckFormAlpha(fade.Alpha, true);
    if (fade.Alpha < fade.Target) {
        SetTimer(hwnd, kFadeTimer, kFadeStepMs, nullptr);
        return;
    }
    KillTimer(hwnd, kFadeTimer);
    const int target = fade.Target;
    FFade.reset();
    if (target == 255) {
        SetFormLayered(false);
        if (IsLayeredBorderUsed()) FBorderLayer.CheckFormAlpha(255, true);
    }
}
