#include "platform/forms/THintManager.h"
#include "platform/forms/ControlMessages.h"
#include "platform/win/Input.h"
#include "platform/win/Screen.h"

using namespace win;

namespace {

// The control whose hint shows for the one under the pointer: the nearest, from it up through
// its parents, that shows hints.
TControl* HintTarget(TControl* control) {
    TControl* c = control;
    while (c && !c->ShowHint())
        c = c->Parent();
    return c;
}

// A control without a hint of its own shows the nearest parent's.
std::string HintOf(const TControl* control) {
    for (const TControl* c = control; c; c = c->Parent())
        if (!c->Hint().empty()) return c->Hint();
    return {};
}

} // namespace

THintManager::THintManager() = default;

THintManager::~THintManager() = default;

void THintManager::SetShowHint(bool value) {
    if (value == FShowHint) return;
    FShowHint = value;
    if (!value) {
        CancelHint();
        FreeHintWindow();
    }
}

THintManager::TToken THintManager::AddHintWindowClass(THintWindowClass windowClass) {
    FreeHintWindow();
    return FWindowClasses.Add(std::move(windowClass));
}

void THintManager::RemoveHintWindowClass(TToken token) {
    FreeHintWindow();
    FWindowClasses.Remove(token);
}

THintManager::TToken THintManager::AddShowHintHandler(TShowHintEvent handler) {
    return FShowHintHandlers.Add(std::move(handler));
}

void THintManager::RemoveShowHintHandler(TToken token) {
    FShowHintHandlers.Remove(token);
}

void THintManager::MouseControlChanged(TControl* control) {
    // The pointer passing over the hint window itself changes nothing.
    if (control && control == FHintWindow.get()) return;
    if (!control) {
        CancelHint();
        FHintControl = nullptr;
        return;
    }
    TControl* target = HintTarget(control);
    if (target == FHintControl) return;
    HideHint();
    FHintControl = target;
    if (!target || !FShowHint) return;
    StartTimer(FHintActive ? FHintShortPause : FHintPause, TStep::Show);
}

void THintManager::CancelHint() {
    HideHint();
    FHintActive = false;
}

void THintManager::HintMessage(const MSG& msg) {
    switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_ACTIVATEAPP:
        CancelHint();
        break;
    default:
        break;
    }
}

void THintManager::ControlDestroyed(TControl* control) {
    if (control != FHintControl) return;
    CancelHint();
    FHintControl = nullptr;
}

void THintManager::StartTimer(unsigned ms, TStep step) {
    if (!FTimer) {
        FTimer = std::make_unique<TTimer>(nullptr);
        FTimer->SetOnTimer([this](TObject*) { TimerFired(); });
    }
    FStep = step;
    FTimer->SetEnabled(false);
    FTimer->SetInterval(ms == 0 ? 1 : ms);
    FTimer->SetEnabled(true);
}

void THintManager::StopTimer() {
    FStep = TStep::Idle;
    if (FTimer) FTimer->SetEnabled(false);
}

void THintManager::TimerFired() {
    const TStep step = FStep;
    StopTimer();
    if (step == TStep::Show) {
        ActivateHint();
    } else if (step == TStep::Hide) {
        // The hint stays down until the pointer moves on to another control.
        CancelHint();
    }
}

void THintManager::ActivateHint() {
    // The pointer may have moved off while the pause ran.
    if (!FHintControl || !FShowHint || HintTarget(TControl::MouseControl()) != FHintControl) return;
    POINT cursor;
    GetCursorPos(&cursor);
    const TPoint at(cursor.x, cursor.y);
    THintInfo info;
    info.HintControl = FHintControl;
    if (const THintWindowClass* windowClass = FWindowClasses.Current())
        info.HintWindowClass = *windowClass;
    info.HintPos = TPoint(at.X, at.Y + CursorHeightBelowHotSpot(GetCursor()));
    info.HintMaxWidth = GetSystemMetrics(SM_CXSCREEN);
    info.CursorRect = FHintControl->ClientRect();
    info.CursorPos = FHintControl->ScreenToClient(at);
    info.HideTimeout = int(FHintHidePause);
    info.HintStr = HintOf(FHintControl);
    bool canShow = FHintControl->Perform(CM_HINTSHOW, 0, LPARAM(&info)) == 0;
    // The handler is copied: it may replace itself while it runs.
    if (canShow) {
        if (const TShowHintEvent* handler = FShowHintHandlers.Current()) {
            const TShowHintEvent call = *handler;
            if (call) call(info.HintStr, canShow, info);
        }
    }
    if (!canShow || info.HintStr.empty()) return;
    THintWindow& window = HintWindowNeeded();
    window.SetColor(info.HintColor);
    TRect r = window.CalcHintRect(info.HintMaxWidth, info.HintStr);
    r = TRect(info.HintPos.X, info.HintPos.Y, info.HintPos.X + r.Width(),
              info.HintPos.Y + r.Height());
    window.ActivateHint(r, info.HintStr);
    FHintActive = true;
    if (info.HideTimeout > 0) StartTimer(unsigned(info.HideTimeout), TStep::Hide);
}

void THintManager::HideHint() {
    StopTimer();
    if (FHintWindow) FHintWindow->ReleaseHint();
}

void THintManager::FreeHintWindow() {
    HideHint();
    FHintWindow.reset();
}

THintWindow& THintManager::HintWindowNeeded() {
    if (!FHintWindow) {
        const THintWindowClass* windowClass = FWindowClasses.Current();
        FHintWindow =
            windowClass && *windowClass ? (*windowClass)() : std::make_unique<THintWindow>(nullptr);
    }
    return *FHintWindow;
}
