#pragma once
#include "platform/forms/ControlTypes.h"
#include "platform/forms/TComponent.h"
#include "platform/gfx/TRect.h"
#include <vector>

class TCustomForm;

// The program's forms in activation order (the active one first), and the display: its size,
// monitors and work area, and the pointer shape shown over every window.
class TScreen : public TComponent {
public:
    explicit TScreen(TComponent* owner);
    ~TScreen() override;

    std::string ClassName() const override { return "TScreen"; }

    int FormCount() const { return int(FForms.size()); }
    TCustomForm* Forms(int index) const;
    TCustomForm* ActiveForm() const { return FActiveForm; }
    // The active form whatever its class (forms of the class library's base class included).
    TCustomForm* ActiveCustomForm() const { return FActiveForm; }
    int Width() const;
    int Height() const;
    int MonitorCount() const;
    TRect DesktopRect() const;
    TRect WorkAreaRect() const;
    // The work area of the monitor nearest to rect.
    TRect MonitorWorkArea(const TRect& rect) const;
    TCursor Cursor() const { return FCursor; }
    // Anything but crDefault overrides the controls' own cursors until set back.
    void SetCursor(TCursor value);

    TNotifyEvent OnActiveFormChange;
    // After the pointer shape changed.
    TNotifyEvent OnCursorChange;

    // Kept by the forms themselves.
    void AddForm(TCustomForm* form);
    void RemoveForm(TCustomForm* form);
    void SetActiveForm(TCustomForm* form);

private:
    std::vector<TCustomForm*> FForms;
    TCustomForm* FActiveForm{ nullptr };
    TCursor FCursor{ crDefault };
};

// The process-wide screen, made by the application object.
extern TScreen* Screen;
