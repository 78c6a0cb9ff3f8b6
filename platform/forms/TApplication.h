#pragma once
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TScreen.h"
#include "platform/win/Msg.h"
#include <exception>
#include <memory>

using TExceptionEvent = std::function<void(TObject* sender, const std::exception& error)>;

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

    TExceptionEvent OnException;
    TNotifyEvent OnMinimize;
    TNotifyEvent OnRestore;
    TNotifyEvent OnIdle;

    void Notification(TComponent* component, TOperation operation) override;

private:
    bool ProcessMessage(win::MSG& msg);

    std::string FTitle;
    std::string FHelpFile;
    TCustomForm* FMainForm{ nullptr };
    bool FShowMainForm{ true };
    bool FTerminated{ false };
    bool FHandlingException{ false };
    std::unique_ptr<TScreen> FScreen;
};

// The process-wide application object.
extern TApplication* Application;
