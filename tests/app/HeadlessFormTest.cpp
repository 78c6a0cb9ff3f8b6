#include "HeadlessFormTest.h"

#include "platform/win/Win.h"
#include "platform/win/WindowSystem.h"

void HeadlessFormTest::SetUp() {
    auto display = std::make_unique<win::HeadlessBackend>();
    FDisplay = display.get();
    win::InstallBackend(std::move(display));
    FApp = std::make_unique<TApplication>(nullptr);
    FApp->Initialize();
    FApp->CreateForm(FForm);
    FForm->SetBounds(40, 30, 400, 300);
    FForm->Show();
    Pump();
}

void HeadlessFormTest::TearDown() {
    FApp.reset();
    Pump();
    for (const auto& w : win::WindowSystem::Instance().AllWindows())
        win::DestroyWindow(w->FHandle);
    win::InstallBackend(nullptr);
}

void HeadlessFormTest::Pump() {
    win::MSG msg;
    while (win::PeekMessage(&msg, nullptr, 0, 0, win::PM_REMOVE)) {
        win::TranslateMessage(&msg);
        win::DispatchMessage(&msg);
    }
}
