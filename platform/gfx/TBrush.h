#pragma once
#include "platform/gfx/GdiHandle.h"
#include "platform/gfx/TColor.h"
#include "platform/gfx/TGraphicsObject.h"

class TBitmap;

enum TBrushStyle {
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross
};

// A brush: solid, clear, hatched, or a pattern from a bitmap the caller keeps alive.
class TBrush : public TGraphicsObject {
public:
    TColor Color() const { return FColor; }
    // Choosing a colour makes a clear brush solid again.
    void SetColor(TColor value);
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle value);
    TBitmap* Bitmap() const { return FBitmap; }
    // The pattern is taken from the bitmap when the handle is made; nil returns to the style.
    void SetBitmap(TBitmap* value);

    win::HBRUSH Handle();
    void Assign(const TBrush& source);

private:
    void Modify();

    TColor FColor{ clWhite };
    TBrushStyle FStyle{ bsSolid };
    TBitmap* FBitmap{ nullptr };
    gfx::GdiPtr<win::HBRUSH> FHandle;
    bool FStale{ true };
};
