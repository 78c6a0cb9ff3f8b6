#include "platform/forms/TApplication.h"
#include "platform/forms/TMessageForm.h"
#include "platform/win/Messaging.h"
#include "platform/win/WindowApi.h"
#include <algorithm>

using namespace win;

TApplication* Application = nullptr;

TMessageFilters::TToken TMessageFilters::Add(TMessageEvent filter) {
    const TToken token = FNext++;
    FFilters.emplace_back(token, std::move(filter));
    return token;
}

void TMessageFilters::Remove(TToken token) {
    std::erase_if(FFilters, [token](const auto& entry) { return entry.first == token; });
}

bool TMessageFilters::Filter(MSG& msg) {
    if (FFilters.empty()) return false;
    const auto filters = FFilters;
    for (auto it = filters.rbegin(); it != filters.rend(); ++it) {
        const bool present = std::any_of(FFilters.begin(), FFilters.end(), [&](const auto& entry) {
            return entry.first == it->first;
        });
        if (!present) continue;
        bool handled = false;
        it->second(msg, handled);
        if (handled) return true;
    }
    return false;
}

TApplication::TApplication(TComponent* owner)
    : TComponent(owner), FScreen(std::make_unique<TScreen>(nullptr)) {
    if (!Application) Application = this;
}

TApplication::~TApplication() {
    Destroying();
    DestroyComponents(); // the forms, while Screen still lists them
    if (Application == this) {
        SetExceptionHandler(nullptr);
        Application = nullptr;
    }
}

void TApplication::Initialize() {
    SetExceptionHandler([this](const std::exception& error) { HandleException(this, error); });
}

void TApplication::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove && component == FMainForm) FMainForm = nullptr;
    TComponent::Notification(component, operation);
}

void TApplication::Run() {
    if (FMainForm && FShowMainForm) FMainForm->Show();
    while (!FTerminated) {
        try {
            HandleMessage();
        } catch (...) {
            ::HandleException();
        }
    }
}

bool TApplication::ProcessMessage(MSG& msg) {
    if (!PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
    if (msg.message == WM_QUIT) {
        FTerminated = true;
        return true;
    }
    try {
        FHints.HintMessage(msg);
        if (OnMessage.Filter(msg)) return true;
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    } catch (...) {
        ::HandleException();
    }
    return true;
}

void TApplication::HandleMessage() {
    MSG msg;
    if (ProcessMessage(msg)) return;
    if (OnIdle) OnIdle(this);
    if (!FTerminated) WaitMessage();
}

void TApplication::ProcessMessages() {
    MSG msg;
    while (ProcessMessage(msg)) {}
}

void TApplication::Terminate() {
    if (FTerminated) return;
    FTerminated = true;
    PostQuitMessage(0);
}

void TApplication::Minimize() {
    if (FMainForm && FMainForm->HandleAllocated()) ShowWindow(FMainForm->Handle(), SW_MINIMIZE);
    if (OnMinimize) OnMinimize(this);
    Minimized.Notify(this);
}

void TApplication::Restore() {
    if (FMainForm && FMainForm->HandleAllocated()) ShowWindow(FMainForm->Handle(), SW_RESTORE);
    if (OnRestore) OnRestore(this);
    Restored.Notify(this);
}

void TApplication::HandleException(TObject* sender, const std::exception& error) {
    if (OnException) {
        OnException(sender, error);
        return;
    }
    ShowException(error);
}

void TApplication::ShowException(const std::exception& error) {
    // An error while the box is up (e.g. in its painting) must not open boxes without end.
    if (FHandlingException) return;
    FHandlingException = true;
    try {
        MessageBox(error.what(), FTitle);
    } catch (...) {
        FHandlingException = false;
        throw;
    }
    FHandlingException = false;
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
    TMessageForm box(nullptr, text, caption, flags);
    box.AfterConstruction();
    return box.ShowModal();
}
