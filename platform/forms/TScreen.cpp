#include "platform/forms/TScreen.h"
#include "platform/forms/TCustomForm.h"
#include "platform/rtl/Format.h"
#include "platform/win/Input.h"
#include "platform/win/Screen.h"
#include <algorithm>

using namespace win;

TScreen* Screen = nullptr;

TScreen::TScreen(TComponent* owner) : TComponent(owner) {
    if (!Screen) Screen = this;
}

TScreen::~TScreen() {
    if (Screen == this) Screen = nullptr;
}

TCustomForm* TScreen::Forms(int index) const {
    if (index < 0 || index >= FormCount())
        throw EListError(Format("List index out of bounds (%d)", index));
    return FForms[std::size_t(index)];
}

int TScreen::Width() const {
    return GetSystemMetrics(SM_CXSCREEN);
}

int TScreen::Height() const {
    return GetSystemMetrics(SM_CYSCREEN);
}

int TScreen::MonitorCount() const {
    return GetSystemMetrics(SM_CMONITORS);
}

TRect TScreen::DesktopRect() const {
    const int x = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int y = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return TRect(x, y, x + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                 y + GetSystemMetrics(SM_CYVIRTUALSCREEN));
}

TRect TScreen::WorkAreaRect() const {
    RECT r;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &r, 0);
    return r;
}

TRect TScreen::MonitorWorkArea(const TRect& rect) const {
    const RECT r = rect;
    MONITORINFO info;
    if (GetMonitorInfo(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &info)) return info.rcWork;
    return WorkAreaRect();
}

void TScreen::SetCursor(TCursor value) {
    if (value == FCursor) return;
    FCursor = value;
    if (value == crHourGlass) win::SetCursor(LoadCursor(nullptr, IDC_WAIT));
    if (value == crDefault) win::SetCursor(LoadCursor(nullptr, IDC_ARROW));
    if (OnCursorChange) OnCursorChange(this);
}

void TScreen::AddForm(TCustomForm* form) {
    if (std::find(FForms.begin(), FForms.end(), form) == FForms.end()) FForms.push_back(form);
}

void TScreen::RemoveForm(TCustomForm* form) {
    std::erase(FForms, form);
    if (FActiveForm == form) {
        FActiveForm = nullptr;
        if (OnActiveFormChange) OnActiveFormChange(this);
    }
}

void TScreen::SetActiveForm(TCustomForm* form) {
    if (form) {
        std::erase(FForms, form);
        FForms.insert(FForms.begin(), form);
    }
    if (form == FActiveForm) return;
    FActiveForm = form;
    if (OnActiveFormChange) OnActiveFormChange(this);
}
