#include "platform/gfx/TPen.h"

int PenModeToRop2(TPenMode mode) {
    static constexpr int kRop2[] = { win::R2_BLACK,       win::R2_WHITE,      win::R2_NOP,
                                     win::R2_NOT,         win::R2_COPYPEN,    win::R2_NOTCOPYPEN,
                                     win::R2_MERGEPENNOT, win::R2_MASKPENNOT, win::R2_MERGENOTPEN,
                                     win::R2_MASKNOTPEN,  win::R2_MERGEPEN,   win::R2_NOTMERGEPEN,
                                     win::R2_MASKPEN,     win::R2_NOTMASKPEN, win::R2_XORPEN,
                                     win::R2_NOTXORPEN };
    return kRop2[mode];
}

void TPen::Modify() {
    FStale = true;
    Changed();
}

void TPen::SetColor(TColor value) {
    if (value == FColor) return;
    FColor = value;
    Modify();
}

void TPen::SetWidth(int value) {
    if (value < 0 || value == FWidth) return;
    FWidth = value;
    Modify();
}

void TPen::SetStyle(TPenStyle value) {
    if (value == FStyle) return;
    FStyle = value;
    Modify();
}

void TPen::SetMode(TPenMode value) {
    if (value == FMode) return;
    // The mode lives in the DC, not in the pen object: the handle stays valid.
    FMode = value;
    Changed();
}

win::HPEN TPen::Handle() {
    if (FStale || !FHandle) {
        static constexpr win::UINT kStyles[] = { win::PS_SOLID,      win::PS_DASH,
                                                 win::PS_DOT,        win::PS_DASHDOT,
                                                 win::PS_DASHDOTDOT, win::PS_NULL,
                                                 win::PS_INSIDEFRAME };
        FHandle.reset(win::CreatePen(int(kStyles[FStyle]), FWidth, ColorToRGB(FColor)));
        FStale = false;
    }
    return FHandle.get();
}

void TPen::Assign(const TPen& source) {
    if (&source == this) return;
    FColor = source.FColor;
    FWidth = source.FWidth;
    FStyle = source.FStyle;
    FMode = source.FMode;
    Modify();
}
