#include "platform/gfx/TIcon.h"
#include "platform/gfx/GraphicExceptions.h"
#include "platform/gfx/IcoCodec.h"
#include "platform/rtl/TStream.h"

void TIcon::SetWidth(int) {
    throw EInvalidGraphicOperation("Cannot change the size of an icon");
}

void TIcon::SetHeight(int) {
    throw EInvalidGraphicOperation("Cannot change the size of an icon");
}

void TIcon::LoadFromStream(TStream& stream) {
    try {
        FPixels = gfx::IcoCodec::Decode(ReadRest(stream)).Pixels;
    } catch (const Exception& e) {
        throw EInvalidGraphic(e.Message());
    }
    Changed();
}

void TIcon::SaveToStream(TStream& stream) {
    if (Empty()) throw EInvalidGraphicOperation("Cannot save an empty icon");
    const auto bytes = gfx::IcoCodec::Encode(FPixels);
    stream.WriteBuffer(bytes.data(), std::int64_t(bytes.size()));
}

void TIcon::Assign(const TGraphic& source) {
    if (&source == this) return;
    if (!dynamic_cast<const TIcon*>(&source)) AssignError(source);
    FPixels = source.ToSurface();
    Changed();
}

void TIcon::Draw(TCanvas& canvas, const TRect& rect) {
    DrawSurface(canvas, rect, FPixels, true);
}
