#pragma once
#include "FormsTestSupport.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TCustomForm.h"
#include "platform/win/Input.h"
#include <initializer_list>
#include <memory>
#include <string>

namespace formstest {

// A shown form to put controls on, with injected keys, typing, clicks and the wheel.
class ControlsTest : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        FApp = std::make_unique<TApplication>(nullptr);
        FApp->Initialize();
        FApp->CreateForm(FForm);
        FForm->SetBounds(40, 30, 400, 300);
        FForm->Show();
        Pump();
    }
    void TearDown() override {
        FApp.reset();
        FormsTest::TearDown();
    }
    template <typename T>
    T* Add(int left, int top, int width, int height) {
        auto* c = new T(FForm);
        c->SetParent(FForm);
        c->SetBounds(left, top, width, height);
        return c;
    }
    void Key(win::UINT vk, std::initializer_list<win::UINT> held = {}) {
        for (win::UINT h : held)
            FDisplay->PressKey(h);
        FDisplay->TypeKey(vk);
        for (win::UINT h : held)
            FDisplay->ReleaseKey(h);
        Pump();
    }
    void Type(const std::string& text) {
        FDisplay->TypeKey('Z', text);
        Pump();
    }
    // Clicks at a client point of the control, holding the keys given; far apart in time, so
    // clicks never pair into double clicks.
    void ClickAt(TControl* c, int x, int y, std::initializer_list<win::UINT> held = {}) {
        FDisplay->Time().Advance(1000);
        const TPoint p = c->ClientToScreen(TPoint(x, y));
        for (win::UINT h : held)
            FDisplay->PressKey(h);
        FDisplay->Click(p.X, p.Y);
        for (win::UINT h : held)
            FDisplay->ReleaseKey(h);
        Pump();
    }
    void WheelOver(TControl* c, int notches) {
        const TPoint p = c->ClientToScreen(TPoint(2, 2));
        FDisplay->MoveMouse(p.X, p.Y);
        FDisplay->Wheel(notches * win::WHEEL_DELTA);
        Pump();
    }

    std::unique_ptr<TApplication> FApp;
    TForm* FForm{ nullptr };
};

} // namespace formstest
