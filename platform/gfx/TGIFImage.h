#pragma once
#include "platform/gfx/TGraphic.h"

// The first frame of a GIF picture; saved as one frame with a colour table of at most 256
// colours (exact when the picture has no more), keeping see-through pixels transparent.
class TGIFImage : public TGraphic {
public:
    int Width() const override { return FPixels.Width(); }
    int Height() const override { return FPixels.Height(); }
    void SetWidth(int value) override;
    void SetHeight(int value) override;
    bool Empty() const override { return FPixels.Empty(); }

    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) override;
    // From a transparent TBitmap, its transparent colour becomes see-through.
    void Assign(const TGraphic& source) override;
    std::string ClassName() const override { return "TGIFImage"; }
    std::unique_ptr<TGraphic> CreateNew() const override { return std::make_unique<TGIFImage>(); }
    gfx::Surface ToSurface() const override { return FPixels; }
    bool HasAlpha() const override { return FHasAlpha; }

protected:
    void Draw(TCanvas& canvas, const TRect& rect) override;

private:
    gfx::Surface FPixels;
    bool FHasAlpha{ false };
};
