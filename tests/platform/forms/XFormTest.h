#pragma once
#include "platform/forms/TApplication.h"
#include "platform/forms/TCustomForm.h"
#include "platform/gfx/Surface.h"
#include "platform/win/x11/X11Backend.h"
#include "tests/x11/XServer.h"
#include "tests/x11/XTestInput.h"
#include "tests/x11/XWindowManager.h"

#include <gtest/gtest.h>
#include <memory>

struct _XDisplay;

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

    // Whether the test runs under a window manager (openbox on the private display); one that
    // asks for it skips itself where none starts.
    virtual bool UnderWindowManager() const { return false; }

    x11test::XServer FServer{ 800, 600 };
    std::unique_ptr<x11test::XWindowManager> FManager;
    win::X11Backend* FDisplay{ nullptr };
    std::unique_ptr<TApplication> FApp;
    TForm* FForm{ nullptr };
};

// An XFormTest that also looks at the server through a connection of its own and works the
// form with real input through the test extension; skips itself where either is missing.
class XInputFormTest : public XFormTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Shows the form and waits until the server shows it.
    void ShowForm();
    // The server's window of a control.
    unsigned long XOf(TWinControl* control) const;

    _XDisplay* FUser{ nullptr };
    std::unique_ptr<x11test::XTestInput> FInput;
};

} // namespace formstest
