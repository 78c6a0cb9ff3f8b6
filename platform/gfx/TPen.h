#pragma once
#include "platform/gfx/GdiHandle.h"
#include "platform/gfx/TColor.h"
#include "platform/gfx/TGraphicsObject.h"

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TPenMode {
    pmBlack,
    pmWhite,
    pmNop,
    pmNot,
    pmCopy,
    pmNotCopy,
    pmMergePenNot,
    pmMaskPenNot,
    pmMergeNotPen,
    pmMaskNotPen,
    pmMerge,
    pmNotMerge,
    pmMask,
    pmNotMask,
    pmXor,
    pmNotXor
};

// The binary raster operation (R2_...) of a pen mode.
int PenModeToRop2(TPenMode mode);

// A pen: its handle is made on first use after each change.
class TPen : public TGraphicsObject {
public:
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    int Width() const { return FWidth; }
    void SetWidth(int value);
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle value);
    TPenMode Mode() const { return FMode; }
    void SetMode(TPenMode value);

    win::HPEN Handle();
    void Assign(const TPen& source);

private:
    void Modify();

    TColor FColor{ clBlack };
    int FWidth{ 1 };
    TPenStyle FStyle{ psSolid };
    TPenMode FMode{ pmCopy };
    gfx::GdiPtr<win::HPEN> FHandle;
    bool FStale{ true };
};
