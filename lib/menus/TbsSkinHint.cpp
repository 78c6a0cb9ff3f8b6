#include "lib/menus/TbsSkinHint.h"
#include "lib/menus/IbsHintSource.h"
#include "lib/menus/TbsSkinHintWindow.h"
#include "lib/skindata/TbsSkinData.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TImageList.h"
#include "platform/forms/TTimer.h"
#include "platform/win/Input.h"
#include "platform/win/Win.h"

using namespace win;

TbsSkinHint::TbsSkinHint(TComponent* owner) : TComponent(owner) {
    FHW = new TbsSkinHintWindow(this);
    if (ComponentState().Contains(csDesigning) || !Application) return;
    // The application's own hint window is made from our class from now on.
    FClassToken = Application->Hints().AddHintWindowClass(
        [] { return std::make_unique<TbsSkinHintWindow>(nullptr); });
    InstallShowHintHandler();
    Application->SetHintShortPause(100);
}

TbsSkinHint::~TbsSkinHint() {
    // The application must not call into a freed component: it gets back what it had before.
    if (Application) {
        Application->Hints().RemoveShowHintHandler(FHandlerToken);
        Application->Hints().RemoveHintWindowClass(FClassToken);
    }
    FHintTimer.reset();
}

void TbsSkinHint::InstallShowHintHandler() {
    if (!Application) return;
    Application->Hints().RemoveShowHintHandler(FHandlerToken);
    FHandlerToken = Application->Hints().AddShowHintHandler(
        [this](std::string& hintStr, bool& canShow, THintInfo& info) {
            AppShowHint(hintStr, canShow, info);
        });
}

void TbsSkinHint::SetSkinData(TbsSkinData* value) {
    FSkinData = value;
    if (value) FreeNotification(value);
}

void TbsSkinHint::SetActive(bool value) {
    FActive = value;
    TCustomForm* mainForm = Application ? Application->MainForm() : nullptr;
    if (value && mainForm) {
        for (int i = 0; i < mainForm->ComponentCount(); ++i) {
            auto* other = dynamic_cast<TbsSkinHint*>(mainForm->Components(i));
            if (other && other != this && other->Active()) other->SetActive(false);
        }
    }
    if (FActive && !ComponentState().Contains(csDesigning)) InstallShowHintHandler();
}

void TbsSkinHint::AppShowHint(std::string& hintStr, bool& canShow, THintInfo& info) {
    SetCurrent("", 0, nullptr);
    if (const auto* source = dynamic_cast<const IbsHintSource*>(info.HintControl))
        SetCurrent(source->HintTitle(), source->HintImageIndex(), source->HintImageList());
    if (OnShowHint) OnShowHint(hintStr, canShow, info);
}

void TbsSkinHint::SetCurrent(const std::string& title, int imageIndex,
                             TCustomImageList* imageList) {
    FHintTitle = title;
    FHintImageIndex = imageIndex;
    FHintImageList = imageList;
    if (imageList) FreeNotification(imageList);
}

void TbsSkinHint::ActivateHint(const TPoint& p, const std::string& hint) {
    SetCurrent("", 0, nullptr);
    FHW->ActivateHint(TRect(p.X, p.Y, p.X, p.Y), hint);
}

void TbsSkinHint::ActivateHintEx(const TPoint& p, const std::string& hintTitle,
                                 const std::string& hint, int imageIndex,
                                 TCustomImageList* imageList) {
    SetCurrent(hintTitle, imageIndex, imageList);
    FHW->ActivateHintEx(TRect(p.X, p.Y, p.X, p.Y), hintTitle, hint, imageIndex, imageList);
}

void TbsSkinHint::ActivateHint2(const std::string& hint) {
    FHintText = hint;
    SetCurrent("", 0, nullptr);
    StartDelayed(TPending::Plain);
}

void TbsSkinHint::ActivateHint3(const TRect& fromRect, const std::string& hint, bool top) {
    FHintText = hint;
    SetCurrent("", 0, nullptr);
    FFromRect = fromRect;
    FTop = top;
    StartDelayed(TPending::FromRect);
}

void TbsSkinHint::ActivateHintEx2(const std::string& hintTitle, const std::string& hint,
                                  int imageIndex, TCustomImageList* imageList) {
    FHintText = hint;
    SetCurrent(hintTitle, imageIndex, imageList);
    FPendingTitle = hintTitle;
    FPendingImageIndex = imageIndex;
    FPendingImageList = imageList;
    StartDelayed(TPending::Extended);
}

void TbsSkinHint::StartDelayed(TPending pending) {
    // One timer serves every delayed hint: a new call starts the show pause afresh, so two
    // calls inside the pause show only the second text, once.
    if (!FHintTimer) {
        FHintTimer = std::make_unique<TTimer>(nullptr);
        FHintTimer->SetEnabled(false);
        FHintTimer->SetOnTimer([this](TObject*) { HintTimerFired(); });
    }
    FPending = pending;
    FTimerStep = TTimerStep::Waiting;
    FHintTimer->SetEnabled(false);
    FHintTimer->SetInterval(Application ? Application->HintPause() : 500);
    FHintTimer->SetEnabled(true);
}

void TbsSkinHint::HintTimerFired() {
    if (FTimerStep == TTimerStep::Waiting) {
        HintTimerShow();
    } else {
        HideHint();
    }
}

void TbsSkinHint::HintTimerShow() {
    POINT cursor;
    GetCursorPos(&cursor);
    const TRect at(cursor.x, cursor.y + GetCursorHeightMargin(), cursor.x,
                   cursor.y + GetCursorHeightMargin());
    switch (FPending) {
    case TPending::Plain:
        FHW->ActivateHint(at, FHintText);
        break;
    case TPending::FromRect:
        FHW->ActivateHintFromRect(FFromRect, FHintText, FTop);
        break;
    case TPending::Extended:
        FHW->ActivateHintEx(at, FPendingTitle, FHintText, FPendingImageIndex, FPendingImageList);
        break;
    }
    FTimerStep = TTimerStep::Shown;
    FHintTimer->SetEnabled(false);
    FHintTimer->SetInterval(Application ? Application->HintHidePause() : 2500);
    FHintTimer->SetEnabled(true);
}

bool TbsSkinHint::IsVisible() const {
    return FHW->HandleAllocated() && IsWindowVisible(FHW->Handle());
}

void TbsSkinHint::HideHint() {
    if (FHintTimer) FHintTimer->SetEnabled(false);
    FTimerStep = TTimerStep::Idle;
    if (!IsVisible()) return;
    FHW->ReleaseHint();
    SetCurrent("", 0, nullptr);
}

int TbsSkinHint::GetCursorHeightMargin() {
    return CursorHeightBelowHotSpot(GetCursor());
}

void TbsSkinHint::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == FSkinData) FSkinData = nullptr;
    if (component == FHintImageList) FHintImageList = nullptr;
    if (component == FPendingImageList) FPendingImageList = nullptr;
    if (component == FHW) FHW = nullptr;
}
