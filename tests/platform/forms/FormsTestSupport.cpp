#include "FormsTestSupport.h"
#include "platform/win/WindowSystem.h"
#include <memory>

namespace formstest {

using namespace win;

void FormsTest::SetUp() {
    auto display = std::make_unique<HeadlessBackend>();
    FDisplay = display.get();
    InstallBackend(std::move(display));
}

void FormsTest::TearDown() {
    Pump();
    for (const auto& w : WindowSystem::Instance().AllWindows())
        DestroyWindow(w->FHandle);
    ReleaseCapture();
    Pump();
    InstallBackend(nullptr);
}

void FormsTest::Pump() {
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) continue;
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
}

} // namespace formstest
