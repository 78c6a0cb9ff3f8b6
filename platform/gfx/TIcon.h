#pragma once
#include "platform/gfx/TGraphic.h"

// An icon: the largest picture of an icon file, with its transparency.
class TIcon : public TGraphic {
public:
    int Width() const override { return FPixels.Width(); }
    int Height() const override { return FPixels.Height(); }
    void SetWidth(int value) override;
    void SetHeight(int value) override;
    bool Empty() const override { return FPixels.Empty(); }

    void LoadFromStream(TStream& stream) override;
    // Writes an icon file of one 32-bit picture with alpha.
    void SaveToStream(TStream& stream) override;
    void Assign(const TGraphic& source) override;
    std::string ClassName() const override { return "TIcon"; }
    std::unique_ptr<TGraphic> CreateNew() const override { return std::make_unique<TIcon>(); }
    gfx::Surface ToSurface() const override { return FPixels; }
    bool HasAlpha() const override { return !FPixels.Empty(); }

protected:
    void Draw(TCanvas& canvas, const TRect& rect) override;

private:
    gfx::Surface FPixels;
};
