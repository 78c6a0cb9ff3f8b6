#pragma once
#include "platform/gfx/TGraphic.h"
#include <cstdint>
#include <vector>

// A JPEG picture. A loaded file is saved back unchanged until the picture or its settings
// change; otherwise saving compresses at CompressionQuality (1..100).
class TJPEGImage : public TGraphic {
public:
    int Width() const override { return FPixels.Width(); }
    int Height() const override { return FPixels.Height(); }
    // The class library cannot resize a JPEG picture either.
    void SetWidth(int value) override;
    void SetHeight(int value) override;
    bool Empty() const override { return FPixels.Empty(); }

    int CompressionQuality() const { return FQuality; }
    void SetCompressionQuality(int value);
    bool Grayscale() const { return FGrayscale; }
    void SetGrayscale(bool value);

    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) override;
    void Assign(const TGraphic& source) override;
    std::string ClassName() const override { return "TJPEGImage"; }
    std::unique_ptr<TGraphic> CreateNew() const override { return std::make_unique<TJPEGImage>(); }
    gfx::Surface ToSurface() const override { return FPixels; }

protected:
    void Draw(TCanvas& canvas, const TRect& rect) override;

private:
    gfx::Surface FPixels;
    std::vector<std::uint8_t> FData; // the file as loaded, until something changes
    int FQuality{ 90 };
    bool FGrayscale{ false };
};
