#pragma once
#include "platform/forms/TCustomControl.h"
#include "platform/forms/TStatusPanels.h"
#include <functional>

using TDrawPanelEvent =
    std::function<void(class TStatusBar* statusBar, TStatusPanel* panel, const TRect& rect)>;

// The strip at the bottom of a window: panels side by side (the last one takes the rest of the
// width), or with SimplePanel one text across; a size grip in the corner when asked.
class TStatusBar : public TCustomControl {
public:
    explicit TStatusBar(TComponent* owner);
    ~TStatusBar() override;

    std::string ClassName() const override { return "TStatusBar"; }

    TStatusPanels& Panels() { return FPanels; }
    bool SimplePanel() const { return FSimplePanel; }
    void SetSimplePanel(bool value);
    const std::string& SimpleText() const { return FSimpleText; }
    void SetSimpleText(const std::string& value);
    bool SizeGrip() const { return FSizeGrip; }
    void SetSizeGrip(bool value);
    // Where a panel is drawn, in client coordinates.
    TRect PanelRect(int index);

    TDrawPanelEvent OnDrawPanel;

protected:
    void Paint() override;

private:
    void DrawField(const TRect& rect, const std::string& text, TAlignment alignment,
                   TStatusPanelBevel bevel);

    TStatusPanels FPanels{ this };
    bool FSimplePanel{ false };
    std::string FSimpleText;
    bool FSizeGrip{ true };
};
