#pragma once
#include "platform/forms/TComponent.h"
#include "platform/win/WinDefs.h"

// Fires OnTimer on the GUI thread every Interval milliseconds while enabled. It runs only
// while it has a handler and a nonzero interval.
class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    std::string ClassName() const override { return "TTimer"; }

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    unsigned Interval() const { return FInterval; }
    void SetInterval(unsigned ms);
    // Setting the handler starts or stops the timer as well.
    void SetOnTimer(TNotifyEvent handler);
    const TNotifyEvent& OnTimer() const { return FOnTimer; }

protected:
    virtual void Timer();

private:
    static win::LRESULT WindowProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam,
                                   win::LPARAM lParam);
    void UpdateTimer();

    bool FEnabled{ true };
    unsigned FInterval{ 1000 };
    TNotifyEvent FOnTimer;
    win::HWND FWindow{};
};
