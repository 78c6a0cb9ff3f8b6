#pragma once
#include "platform/gfx/TCanvas.h"
#include "platform/win/WinDefs.h"

class TControl;

// A control's canvas. Painting lends it the paint DC; outside painting it fetches a DC of the
// control's window when first used (a screen-format DC while the control has no window, which
// measures alike and shows nothing) and gives it back once the message being handled is done,
// so that no DC outlives a move, a resize or the window itself.
class TControlCanvas : public TCanvas {
public:
    TControlCanvas() = default;
    ~TControlCanvas() override;

    TControl* Control() const { return FControl; }
    void SetControl(TControl* value);
    // Gives back a DC this canvas fetched; a DC lent to it for painting is not its to free.
    void FreeHandle();
    // Gives back the DCs fetched by the canvases of this thread that no one holds locked.
    static void FreeDeviceContexts();

protected:
    void CreateHandle() override;

private:
    TControl* FControl{ nullptr };
    win::HWND FWindow{};
    win::HDC FFetched{};
};
