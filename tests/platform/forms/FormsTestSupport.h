#pragma once
#include "platform/forms/TWinControl.h"
#include "platform/win/Win.h"
#include "platform/win/headless/HeadlessBackend.h"
#include <gtest/gtest.h>

namespace formstest {

// Installs a fresh headless display for each test; the test frees its controls before
// TearDown, which destroys any window left and takes the display away.
class FormsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Runs everything queued, as the event loop would, without waiting.
    void Pump();

    win::HeadlessBackend* FDisplay{ nullptr };
};

// A parentless windowed control that is a top-level window of its own.
class TTopWindow : public TWinControl {
public:
    explicit TTopWindow(TComponent* owner) : TWinControl(owner) {
        FControlStyle.Include(csAcceptsControls);
    }
    std::string ClassName() const override { return "TTopWindow"; }

protected:
    void CreateParams(TCreateParams& params) override {
        TWinControl::CreateParams(params);
        params.Style = (params.Style & ~win::WS_CHILD) | win::WS_POPUP;
        params.WndParent = nullptr;
    }
};

} // namespace formstest
