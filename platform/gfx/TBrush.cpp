#include "platform/gfx/TBrush.h"
#include "platform/gfx/TBitmap.h"

void TBrush::Modify() {
    FStale = true;
    Changed();
}

void TBrush::SetColor(TColor value) {
    if (value == FColor && FStyle != bsClear) return;
    FColor = value;
    if (FStyle == bsClear) FStyle = bsSolid;
    Modify();
}

void TBrush::SetStyle(TBrushStyle value) {
    if (value == FStyle) return;
    FStyle = value;
    Modify();
}

void TBrush::SetBitmap(TBitmap* value) {
    FBitmap = value;
    Modify();
}

win::HBRUSH TBrush::Handle() {
    if (FStale || !FHandle) {
        win::HBRUSH brush = nullptr;
        if (FBitmap && !FBitmap->Empty()) {
            brush = win::CreatePatternBrush(FBitmap->Handle());
        } else if (FStyle == bsSolid) {
            brush = win::CreateSolidBrush(ColorToRGB(FColor));
        } else if (FStyle == bsClear) {
            win::LOGBRUSH hollow;
            hollow.lbStyle = win::BS_NULL;
            brush = win::CreateBrushIndirect(&hollow);
        } else {
            brush = win::CreateHatchBrush(int(FStyle) - int(bsHorizontal), ColorToRGB(FColor));
        }
        FHandle.reset(brush);
        FStale = false;
    }
    return FHandle.get();
}

void TBrush::Assign(const TBrush& source) {
    if (&source == this) return;
    FColor = source.FColor;
    FStyle = source.FStyle;
    FBitmap = source.FBitmap;
    Modify();
}
