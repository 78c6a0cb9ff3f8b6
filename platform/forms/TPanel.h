#pragma once
#include "platform/forms/TCustomControl.h"

enum TPanelBevel { bvNone, bvLowered, bvRaised, bvSpace };

// A container on the button colour, framed by an outer and an inner bevel with a border
// between them, its caption drawn in the middle; children align inside the frame.
class TPanel : public TCustomControl {
public:
    explicit TPanel(TComponent* owner);
    ~TPanel() override;

    std::string ClassName() const override { return "TPanel"; }

    TPanelBevel BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TPanelBevel value);
    TPanelBevel BevelInner() const { return FBevelInner; }
    void SetBevelInner(TPanelBevel value);
    int BevelWidth() const { return FBevelWidth; }
    // Raises EInvalidOperation "Invalid property value" for a width below 1.
    void SetBevelWidth(int value);
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);

    // How far the frame reaches in from each side.
    int FrameWidth() const;

    void WndProc(TMessage& message) override;

protected:
    void AdjustClientRect(TRect& rect) const override;
    void Paint() override;

private:
    void FrameChanged();

    TPanelBevel FBevelOuter{ bvRaised };
    TPanelBevel FBevelInner{ bvNone };
    int FBevelWidth{ 1 };
    int FBorderWidth{ 0 };
    TAlignment FAlignment{ taCenter };
};

// Draws a bevel of width lines around rect, raised or lowered, and moves rect inside it.
void DrawBevelFrame(TCanvas& canvas, TRect& rect, bool raised, int width);
