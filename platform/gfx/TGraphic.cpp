#include "platform/gfx/TGraphic.h"
#include "platform/gfx/GdiHandle.h"
#include "platform/gfx/GraphicExceptions.h"
#include "platform/gfx/TCanvas.h"
#include "platform/rtl/TFileStream.h"
#include "platform/rtl/TMemoryStream.h"
#include <algorithm>
#include <cstring>

void TGraphic::SetTransparent(bool value) {
    if (value == FTransparent) return;
    FTransparent = value;
    Changed();
}

void TGraphic::SetModified(bool value) {
    if (value)
        Changed();
    else
        FModified = false;
}

void TGraphic::Changed() {
    FModified = true;
    if (OnChange) OnChange(this);
}

void TGraphic::LoadFromFile(const std::string& fileName) {
    TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(stream);
}

void TGraphic::SaveToFile(const std::string& fileName) {
    TFileStream stream(fileName, fmCreate);
    SaveToStream(stream);
}

void TGraphic::Assign(const TGraphic& source) {
    AssignError(source);
}

void TGraphic::AssignError(const TGraphic& source) const {
    throw EConvertError("Cannot assign a " + source.ClassName() + " to a " + ClassName() + ".");
}

std::vector<std::uint8_t> TGraphic::ReadRest(TStream& stream) {
    const std::int64_t size = stream.Size() - stream.Position();
    std::vector<std::uint8_t> bytes(std::size_t(size > 0 ? size : 0));
    if (!bytes.empty()) stream.ReadBuffer(bytes.data(), std::int64_t(bytes.size()));
    return bytes;
}

TGraphic::TStreamRest::TStreamRest(TStream& stream) {
    if (auto* memory = dynamic_cast<TMemoryStream*>(&stream)) {
        const std::size_t position = std::min(
            memory->ByteCount(), std::size_t(std::max<std::int64_t>(0, stream.Position())));
        FBytes = std::span<const std::uint8_t>(memory->Memory() + position,
                                               memory->ByteCount() - position);
        return;
    }
    FCopy = ReadRest(stream);
    FBytes = FCopy;
}

void TGraphic::DrawSurface(TCanvas& canvas, const TRect& rect, const gfx::Surface& pixels,
                           bool withAlpha) {
    if (pixels.Empty() || rect.IsEmpty()) return;
    // A top-down DIB section of the picture, premultiplied for AlphaBlend when it has alpha.
    win::BITMAPINFO info{};
    info.bmiHeader.biWidth = pixels.Width();
    info.bmiHeader.biHeight = -pixels.Height();
    info.bmiHeader.biBitCount = withAlpha ? 32 : 24;
    void* bits = nullptr;
    gfx::GdiPtr<win::HBITMAP> bitmap(
        win::CreateDIBSection(nullptr, &info, win::DIB_RGB_COLORS, &bits, nullptr, 0));
    gfx::DcPtr dc(win::CreateCompatibleDC(nullptr));
    if (!bitmap || !dc || !bits) throw EInvalidGraphicOperation("Out of system resources");
    auto* bytes = static_cast<std::uint8_t*>(bits);
    const std::size_t rowBytes =
        ((std::size_t(pixels.Width()) * (withAlpha ? 32 : 24) + 31) / 32) * 4;
    for (int y = 0; y < pixels.Height(); ++y) {
        const gfx::Pixel* src = pixels.Row(y);
        std::uint8_t* dst = bytes + std::size_t(y) * rowBytes;
        for (int x = 0; x < pixels.Width(); ++x) {
            const gfx::Pixel p = src[x];
            if (withAlpha) {
                const unsigned a = gfx::PixelA(p);
                dst[4 * x] = std::uint8_t((gfx::PixelB(p) * a + 127) / 255);
                dst[4 * x + 1] = std::uint8_t((gfx::PixelG(p) * a + 127) / 255);
                dst[4 * x + 2] = std::uint8_t((gfx::PixelR(p) * a + 127) / 255);
                dst[4 * x + 3] = std::uint8_t(a);
            } else {
                dst[3 * x] = gfx::PixelB(p);
                dst[3 * x + 1] = gfx::PixelG(p);
                dst[3 * x + 2] = gfx::PixelR(p);
            }
        }
    }
    win::HGDIOBJ old = win::SelectObject(dc.get(), bitmap.get());
    win::HDC target = canvas.Handle();
    if (withAlpha) {
        win::BLENDFUNCTION blend;
        blend.AlphaFormat = win::AC_SRC_ALPHA;
        win::AlphaBlend(target, rect.Left, rect.Top, rect.Width(), rect.Height(), dc.get(), 0, 0,
                        pixels.Width(), pixels.Height(), blend);
    } else {
        win::StretchBlt(target, rect.Left, rect.Top, rect.Width(), rect.Height(), dc.get(), 0, 0,
                        pixels.Width(), pixels.Height(), canvas.CopyMode());
    }
    win::SelectObject(dc.get(), old);
}
