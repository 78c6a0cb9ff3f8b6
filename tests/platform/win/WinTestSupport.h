#pragma once
#include "platform/win/MessageSpy.h"
#include "platform/win/Win.h"
#include "platform/win/headless/HeadlessBackend.h"
#include <functional>
#include <gtest/gtest.h>
#include <optional>

namespace wintest {

using namespace win;

// A window's test behaviour: answers the messages it wants, DefWindowProc does the rest.
using Handler = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;

// Installs a fresh headless display for each test, registers the test window class "TestWnd"
// (CS_DBLCLKS) and destroys every window the test left behind.
class WinTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A window of the test class whose messages go to handler first.
    HWND Create(DWORD style, RECT bounds, HWND parent = nullptr, Handler handler = {},
                DWORD exStyle = 0, const char* text = "");
    // Runs everything queued, as the event loop would, without waiting.
    void Pump();

    HeadlessBackend* FDisplay{ nullptr };
    std::vector<std::unique_ptr<Handler>> FHandlers;
};

} // namespace wintest
