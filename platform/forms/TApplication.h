#pragma once
#include "platform/forms/TCustomForm.h"
#include "platform/forms/THintManager.h"
#include "platform/forms/TNotifyChain.h"
#include "platform/forms/TScreen.h"
#include "platform/gfx/TIcon.h"
#include "platform/win/Msg.h"
#include <cstdint>
#include <exception>
#include <memory>
#include <utility>
#include <vector>

using TExceptionEvent = std::function<void(TObject* sender, const std::exception& error)>;
using THelpContextEvent = std::function<void(int context)>;
// A message the event loop took, before it is dispatched; setting handled keeps it from being
// dispatched at all.
using TMessageEvent = std::function<void(win::MSG& msg, bool& handled)>;

// The filters every message of the event loop passes before it is dispatched. Several parts of
// a program may each hook the loop for a while (an open menu hands the keys to itself): each
// adds its filter and removes it by the token it got, whatever the others did meanwhile.
class TMessageFilters {
public:
    using TToken = std::uint64_t;

    TToken Add(TMessageEvent filter);
    // Nothing for a token already removed.
    void Remove(TToken token);
    bool Empty() const { return FFilters.empty(); }
    // The filter added last sees the message first; the first that handles it ends the walk.
    // A filter may add or remove filters: the walk goes over those present when it began and
    // skips any removed meanwhile. True when one handled the message.
    bool Filter(win::MSG& msg);

private:
    std::vector<std::pair<TToken, TMessageEvent>> FFilters;
    TToken FNext{ 1 };
};

// The program: its forms, the event loop and what happens to errors nothing caught. One
// exists per program; constructing it makes Application and Screen point at it.
class TApplication : public TComponent {
public:
    explicit TApplication(TComponent* owner);
    ~TApplication() override;

    std::string ClassName() const override { return "TApplication"; }

    // Routes the process-wide exception handler to HandleException.
    void Initialize();

    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& value) { FTitle = value; }
    // The program's icon; forms without one of their own show it.
    TIcon& Icon() { return FIcon; }
    const std::string& HelpFile() const { return FHelpFile; }
    void SetHelpFile(const std::string& value) { FHelpFile = value; }
    TCustomForm* MainForm() const { return FMainForm; }
    bool ShowMainForm() const { return FShowMainForm; }
    void SetShowMainForm(bool value) { FShowMainForm = value; }
    bool Terminated() const { return FTerminated; }

    // Makes a form owned by the application; the first one becomes the main form.
    template <typename T>
    T* CreateForm(T*& reference) {
        T* form = new T(this);
        reference = form;
        form->AfterConstruction();
        if (!FMainForm) FMainForm = form;
        return form;
    }

    // Shows the main form and runs the event loop until Terminate (closing the main form).
    void Run();
    // Handles one message, waiting for one when none is ready.
    void HandleMessage();
    // Handles every message that is ready, then returns.
    void ProcessMessages();
    void Terminate();
    void Minimize();
    void Restore();

    // Shows error through OnException, or in the error box when that is not set.
    void HandleException(TObject* sender, const std::exception& error);
    // The error box: the message under the application's title, one OK button.
    void ShowException(const std::exception& error);
    // A modal box with text and caption, its buttons and icon chosen by MB_ flags; returns the
    // answer (IDOK ...).
    int MessageBox(const std::string& text, const std::string& caption, unsigned flags = 0);
    // Asks for help on a help context: there is no help viewer, so only OnHelp hears of it.
    void HelpContext(int context) {
        if (OnHelp) OnHelp(context);
    }

    // Hints of the program's controls (see THintManager).
    THintManager& Hints() { return FHints; }
    unsigned HintPause() const { return FHints.HintPause(); }
    void SetHintPause(unsigned ms) { FHints.SetHintPause(ms); }
    unsigned HintHidePause() const { return FHints.HintHidePause(); }
    void SetHintHidePause(unsigned ms) { FHints.SetHintHidePause(ms); }
    unsigned HintShortPause() const { return FHints.HintShortPause(); }
    void SetHintShortPause(unsigned ms) { FHints.SetHintShortPause(ms); }
    bool ShowHint() const { return FHints.ShowHint(); }
    void SetShowHint(bool value) { FHints.SetShowHint(value); }
    void CancelHint() { FHints.CancelHint(); }

    TExceptionEvent OnException;
    TNotifyEvent OnMinimize;
    TNotifyEvent OnRestore;
    // Every part of the program that must know, after OnMinimize / OnRestore.
    TNotifyChain Minimized;
    TNotifyChain Restored;
    TNotifyEvent OnIdle;
    THelpContextEvent OnHelp;
    TMessageFilters OnMessage;

    void Notification(TComponent* component, TOperation operation) override;

private:
    bool ProcessMessage(win::MSG& msg);

    std::string FTitle;
    std::string FHelpFile;
    TIcon FIcon;
    TCustomForm* FMainForm{ nullptr };
    bool FShowMainForm{ true };
    bool FTerminated{ false };
    bool FHandlingException{ false };
    std::unique_ptr<TScreen> FScreen;
    THintManager FHints;
};

// The process-wide application object.
extern TApplication* Application;
