#include "platform/gfx/TPicture.h"
#include "platform/gfx/BmpCodec.h"
#include "platform/gfx/GifCodec.h"
#include "platform/gfx/GraphicExceptions.h"
#include "platform/gfx/IcoCodec.h"
#include "platform/gfx/JpegCodec.h"
#include "platform/gfx/PngCodec.h"
#include "platform/gfx/TBitmap.h"
#include "platform/gfx/TGIFImage.h"
#include "platform/gfx/TIcon.h"
#include "platform/gfx/TJPEGImage.h"
#include "platform/gfx/TPngImage.h"
#include "platform/rtl/TFileStream.h"
#include <algorithm>
#include <cctype>

namespace {

std::unique_ptr<TGraphic> GraphicForExtension(const std::string& fileName) {
    const std::size_t slash = fileName.find_last_of('/');
    const std::size_t dot = fileName.find_last_of('.');
    std::string ext;
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash))
        ext = fileName.substr(dot + 1);
    std::string lower = ext;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    if (lower == "bmp") return std::make_unique<TBitmap>();
    if (lower == "png") return std::make_unique<TPngImage>();
    if (lower == "jpg" || lower == "jpeg" || lower == "jpe") return std::make_unique<TJPEGImage>();
    if (lower == "gif") return std::make_unique<TGIFImage>();
    if (lower == "ico") return std::make_unique<TIcon>();
    throw EInvalidGraphic("Unknown picture file extension (." + ext + ")");
}

std::unique_ptr<TGraphic> GraphicForSignature(std::span<const std::uint8_t> head) {
    if (head.size() >= 2 && head[0] == 'B' && head[1] == 'M') return std::make_unique<TBitmap>();
    if (gfx::PngCodec::IsPng(head)) return std::make_unique<TPngImage>();
    if (gfx::JpegCodec::IsJpeg(head)) return std::make_unique<TJPEGImage>();
    if (gfx::GifCodec::IsGif(head)) return std::make_unique<TGIFImage>();
    if (gfx::IcoCodec::IsIco(head)) return std::make_unique<TIcon>();
    throw EInvalidGraphic("Unknown picture format");
}

} // namespace

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::Changed() {
    if (OnChange) OnChange(this);
}

void TPicture::SetOwned(std::unique_ptr<TGraphic> graphic) {
    FGraphic = std::move(graphic);
    if (FGraphic) FGraphic->OnChange = [this](TGraphic*) { Changed(); };
    Changed();
}

void TPicture::SetGraphic(const TGraphic* value) {
    if (value == FGraphic.get()) return;
    if (!value) {
        SetOwned(nullptr);
        return;
    }
    auto copy = value->CreateNew();
    copy->Assign(*value);
    SetOwned(std::move(copy));
}

template <class T>
T& TPicture::ForceType() {
    if (auto* existing = dynamic_cast<T*>(FGraphic.get())) return *existing;
    SetOwned(std::make_unique<T>());
    return static_cast<T&>(*FGraphic);
}

TBitmap& TPicture::Bitmap() {
    return ForceType<TBitmap>();
}

TIcon& TPicture::Icon() {
    return ForceType<TIcon>();
}

void TPicture::LoadFromFile(const std::string& fileName) {
    auto graphic = GraphicForExtension(fileName);
    graphic->LoadFromFile(fileName);
    SetOwned(std::move(graphic));
}

void TPicture::SaveToFile(const std::string& fileName) {
    if (FGraphic) FGraphic->SaveToFile(fileName);
}

void TPicture::LoadFromStream(TStream& stream) {
    const std::int64_t start = stream.Position();
    std::uint8_t head[8]{};
    const std::int64_t got = stream.Read(head, sizeof head);
    stream.Seek(start, soBeginning);
    auto graphic =
        GraphicForSignature(std::span(head, std::size_t(std::max<std::int64_t>(got, 0))));
    graphic->LoadFromStream(stream);
    SetOwned(std::move(graphic));
}

void TPicture::SaveToStream(TStream& stream) {
    if (FGraphic) FGraphic->SaveToStream(stream);
}

void TPicture::Assign(const TPicture& source) {
    if (&source != this) SetGraphic(source.Graphic());
}
