#pragma once
#include "platform/forms/TGraphicControl.h"

class TWinControl;

enum TTextLayout { tlTop, tlCenter, tlBottom };

// Text drawn on its parent. AutoSize fits the bounds to the text (keeping the width when
// wrapping words); "&" marks the accelerator that focuses FocusControl; a transparent label
// leaves its parent's pixels under the text.
class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* owner);
    ~TLabel() override;

    std::string ClassName() const override { return "TLabel"; }

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* value);

    // A new width re-fits the height of a word-wrapped auto-sized label.
    void SetBounds(int left, int top, int width, int height) override;
    void WndProc(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;
    void Loaded() override;

protected:
    void Paint() override;
    // Draws the caption in rect with the DrawText flags on canvas, in the canvas's font; with
    // DT_CALCRECT only measures, setting rect's right and bottom. Painting and size fitting
    // both go through it, so a label that draws its text otherwise is sized by its own look.
    virtual void DoDrawText(TCanvas& canvas, TRect& rect, unsigned flags);
    // The DrawText flags of the alignment, word wrap and accelerator settings.
    unsigned TextFormat() const;
    // Fits the bounds to the text when AutoSize is on.
    void AdjustBounds();

private:
    void Changed();

    TAlignment FAlignment{ taLeftJustify };
    TTextLayout FLayout{ tlTop };
    bool FWordWrap{ false };
    bool FAutoSize{ true };
    bool FShowAccelChar{ true };
    bool FTransparent{ false };
    TWinControl* FFocusControl{ nullptr };
    bool FAdjusting{ false };
};
