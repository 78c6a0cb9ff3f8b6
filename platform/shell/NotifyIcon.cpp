#include "platform/shell/NotifyIcon.h"
#include "platform/win/Messaging.h"
#include "platform/win/WindowSystem.h"

namespace win {

namespace {

std::unique_ptr<TrayBackend>& Tray() {
    static std::unique_ptr<TrayBackend> tray;
    return tray;
}

} // namespace

std::unique_ptr<TrayBackend> InstallTrayBackend(std::unique_ptr<TrayBackend> tray) {
    std::swap(Tray(), tray);
    return tray;
}

TrayBackend* CurrentTrayBackend() {
    return Tray().get();
}

BOOL Shell_NotifyIcon(DWORD message, const NOTIFYICONDATA* data) {
    TrayBackend* tray = Tray().get();
    if (!tray || !data) return FALSE;
    switch (message) {
    case NIM_ADD:
        return tray->Add(*data);
    case NIM_MODIFY:
        return tray->Modify(*data);
    case NIM_DELETE:
        return tray->Delete(*data);
    default:
        return FALSE;
    }
}

UINT TaskbarCreatedMessage() {
    return RegisterWindowMessage("TaskbarCreated");
}

void AnnounceTrayCreated() {
    const UINT message = TaskbarCreatedMessage();
    for (const auto& window : WindowSystem::Instance().AllWindows())
        PostMessage(window->FHandle, message, 0, 0);
}

} // namespace win
