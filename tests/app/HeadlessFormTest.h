#pragma once
#include "platform/forms/TApplication.h"
#include "platform/forms/TCustomForm.h"
#include "platform/win/headless/HeadlessBackend.h"

#include <gtest/gtest.h>
#include <memory>

// A shown 400 x 300 form on a fresh headless display, for tests that put controls on it.
class HeadlessFormTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Runs everything queued, as the event loop would, without waiting.
    void Pump();

    win::HeadlessBackend* FDisplay{ nullptr };
    std::unique_ptr<TApplication> FApp;
    TForm* FForm{ nullptr };
};
