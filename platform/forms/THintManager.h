#pragma once
#include "platform/forms/THintWindow.h"
#include "platform/forms/TTimer.h"
#include "platform/win/Msg.h"
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// Makes the application's hint window; replaceable so that a skin draws hints its own way.
using THintWindowClass = std::function<std::unique_ptr<THintWindow>()>;

// What a hint is about to show, handed to the control (CM_HINTSHOW, LParam points at it; a
// nonzero result stops the hint) and then to OnShowHint, both of which may change it.
struct THintInfo {
    TControl* HintControl{ nullptr };
    THintWindowClass HintWindowClass;
    TPoint HintPos; // screen point of the hint's top-left corner
    int HintMaxWidth{ 0 };
    TColor HintColor{ clInfoBk };
    TRect CursorRect; // in the control's client coordinates: leaving it ends the hint
    TPoint CursorPos; // in the control's client coordinates
    int ReshowTimeout{ 0 };
    int HideTimeout{ 0 };
    std::string HintStr;
};

using TShowHintEvent = std::function<void(std::string& hintStr, bool& canShow, THintInfo& info)>;

// Values that several parts of a program may each put in place for a while: the last one added
// is the one in force, and removing one by its token brings back the one before, whatever the
// others did meanwhile.
template <typename T>
class TTokenStack {
public:
    using TToken = std::uint64_t;

    TToken Add(T value) {
        const TToken token = FNext++;
        FEntries.emplace_back(token, std::move(value));
        return token;
    }
    // Nothing for a token already removed.
    void Remove(TToken token) {
        std::erase_if(FEntries, [token](const auto& entry) { return entry.first == token; });
    }
    // The value in force, or nullptr when none was added.
    const T* Current() const { return FEntries.empty() ? nullptr : &FEntries.back().second; }

private:
    std::vector<std::pair<TToken, T>> FEntries;
    TToken FNext{ 1 };
};

// The application's hints: when the pointer rests on a control with a hint for HintPause, the
// hint window shows the hint below the pointer for HintHidePause; moving on to another control
// while a hint was up shows the next one after HintShortPause. A press, a key or leaving the
// program's windows takes the hint down.
class THintManager {
public:
    using TToken = std::uint64_t;

    THintManager();
    ~THintManager();
    THintManager(const THintManager&) = delete;
    THintManager& operator=(const THintManager&) = delete;

    unsigned HintPause() const { return FHintPause; }
    void SetHintPause(unsigned ms) { FHintPause = ms; }
    unsigned HintHidePause() const { return FHintHidePause; }
    void SetHintHidePause(unsigned ms) { FHintHidePause = ms; }
    unsigned HintShortPause() const { return FHintShortPause; }
    void SetHintShortPause(unsigned ms) { FHintShortPause = ms; }
    // Off: no hint shows and the hint window is freed; on again, the window is made afresh
    // from the hint window class in force.
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool value);

    // The class in force makes the hint window; a change frees the current window.
    TToken AddHintWindowClass(THintWindowClass windowClass);
    void RemoveHintWindowClass(TToken token);
    // The handler in force hears of every hint before it shows (OnShowHint).
    TToken AddShowHintHandler(TShowHintEvent handler);
    void RemoveShowHintHandler(TToken token);

    // The hint window, made when the first hint shows; nullptr before.
    THintWindow* HintWindow() const { return FHintWindow.get(); }
    TControl* HintControl() const { return FHintControl; }

    // The pointer moved onto control (nullptr: off the program's windows).
    void MouseControlChanged(TControl* control);
    // Takes the hint down; the next one waits the whole HintPause.
    void CancelHint();
    // Presses, keys and losing the activation end a hint; the message goes on as usual.
    void HintMessage(const win::MSG& msg);
    // A control going away is forgotten.
    void ControlDestroyed(TControl* control);

private:
    enum class TStep { Idle, Show, Hide };

    void StartTimer(unsigned ms, TStep step);
    void StopTimer();
    void TimerFired();
    void ActivateHint();
    void HideHint();
    void FreeHintWindow();
    THintWindow& HintWindowNeeded();

    unsigned FHintPause{ 500 };
    unsigned FHintHidePause{ 2500 };
    unsigned FHintShortPause{ 50 };
    bool FShowHint{ true };
    bool FHintActive{ false };
    TStep FStep{ TStep::Idle };
    TControl* FHintControl{ nullptr };
    TTokenStack<THintWindowClass> FWindowClasses;
    TTokenStack<TShowHintEvent> FShowHintHandlers;
    std::unique_ptr<THintWindow> FHintWindow;
    std::unique_ptr<TTimer> FTimer;
};
