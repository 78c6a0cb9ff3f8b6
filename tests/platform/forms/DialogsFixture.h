#pragma once
#include "FormsTestSupport.h"
#include "IdleSteps.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TCustomForm.h"
#include "platform/win/Input.h"
#include <deque>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>

namespace formstest {

// Drives modal dialogs: each time the event loop runs out of input, the next step runs (it
// injects keys and clicks into the form that is active then). A loop that waits with no step
// left fails the test and ends the program, which cancels every modal form.
class DialogsTest : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        FApp = std::make_unique<TApplication>(nullptr);
        FApp->SetTitle("Converter");
        FApp->Initialize();
        FSteps.Attach(*FApp);
    }
    void TearDown() override {
        EXPECT_TRUE(FSteps.Empty()) << "steps left over";
        FApp.reset();
        FormsTest::TearDown();
    }
    void Then(std::function<void()> step) { FSteps.Then(std::move(step)); }

    TCustomForm* Active() const { return Screen->ActiveForm(); }
    template <typename T>
    T* Part(const char* name) const {
        return Active() ? dynamic_cast<T*>(Active()->FindComponent(name)) : nullptr;
    }
    void Key(win::UINT vk, std::initializer_list<win::UINT> held = {}) {
        for (win::UINT h : held)
            FDisplay->PressKey(h);
        FDisplay->TypeKey(vk);
        for (win::UINT h : held)
            FDisplay->ReleaseKey(h);
    }
    void Type(const std::string& text) { FDisplay->TypeKey('Z', text); }
    // Clicks far apart in time from the last one, so they never pair into a double click
    // unless asked to.
    void ClickAt(TControl* c, TPoint p, std::initializer_list<win::UINT> held = {},
                 bool twice = false) {
        FDisplay->Time().Advance(1000);
        const TPoint s = c->ClientToScreen(p);
        for (win::UINT h : held)
            FDisplay->PressKey(h);
        FDisplay->Click(s.X, s.Y);
        if (twice) FDisplay->Click(s.X, s.Y);
        for (win::UINT h : held)
            FDisplay->ReleaseKey(h);
    }

    std::unique_ptr<TApplication> FApp;
    IdleSteps FSteps;
};

} // namespace formstest
