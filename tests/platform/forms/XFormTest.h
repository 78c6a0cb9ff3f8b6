#pragma once
#include "platform/forms/TApplication.h"
#include "platform/forms/TCustomForm.h"
#include "platform/gfx/Surface.h"
#include "platform/win/x11/X11Backend.h"
#include "tests/x11/XServer.h"

#include <gtest/gtest.h>
#include <memory>

namespace formstest {

// A form of a fresh application on a private X server, for tests that read back what the
// server shows of it. The test skips itself when no server could be started.
class XFormTest : public ::testing::Test {
protected:
    void SetUp() override;
    // Frees the application with its windows and takes the display away.
    void TearDown() override;

    // The control's rectangle in the pixels of its form's window, frame included.
    TRect InWindow(TControl* c) const;
    // What the server shows of the form's window; empty when it cannot be read.
    gfx::Surface Capture() const;

    x11test::XServer FServer{ 800, 600 };
    win::X11Backend* FDisplay{ nullptr };
    std::unique_ptr<TApplication> FApp;
    TForm* FForm{ nullptr };
};

} // namespace formstest
