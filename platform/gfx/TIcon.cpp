#include "platform/gfx/TIcon.h"
#include "platform/gfx/GraphicExceptions.h"
#include "platform/gfx/IcoCodec.h"
#include "platform/gfx/TCanvas.h"
#include "platform/rtl/TStream.h"
#include <algorithm>

TIcon::~TIcon() = default;

const gfx::Surface* TIcon::Largest() const {
    if (FImages.empty()) return nullptr;
    return &*std::max_element(FImages.begin(), FImages.end(), [](const auto& a, const auto& b) {
        return std::int64_t(a.Width()) * a.Height() < std::int64_t(b.Width()) * b.Height();
    });
}

int TIcon::Width() const {
    const gfx::Surface* largest = Largest();
    return largest ? largest->Width() : 0;
}

int TIcon::Height() const {
    const gfx::Surface* largest = Largest();
    return largest ? largest->Height() : 0;
}

void TIcon::SetWidth(int) {
    throw EInvalidGraphicOperation("Cannot change the size of an icon");
}

void TIcon::SetHeight(int) {
    throw EInvalidGraphicOperation("Cannot change the size of an icon");
}

void TIcon::SetImages(std::vector<gfx::Surface> images) {
    std::erase_if(images, [](const gfx::Surface& s) { return s.Empty(); });
    FHandle.reset();
    FImages = std::move(images);
    Changed();
}

win::HICON TIcon::Handle() {
    if (!FHandle && !FImages.empty()) FHandle.reset(win::CreateIconFromImages(FImages));
    return FHandle.get();
}

void TIcon::SetHandle(win::HICON value) {
    if (value == FHandle.get()) return;
    const win::IconObject* object = win::IconFromHandle(value);
    if (value && !object) throw EInvalidGraphic("Icon image is not valid");
    SetImages(object ? object->Images() : std::vector<gfx::Surface>{});
    FHandle.reset(value);
}

win::HICON TIcon::ReleaseHandle() {
    win::HICON handle = Handle();
    (void)FHandle.release();
    FImages.clear();
    Changed();
    return handle;
}

void TIcon::LoadFromStream(TStream& stream) {
    std::vector<gfx::Surface> images;
    try {
        for (gfx::DecodedImage& image : gfx::IcoCodec::DecodeAll(ReadRest(stream)))
            images.push_back(std::move(image.Pixels));
    } catch (const Exception& e) {
        throw EInvalidGraphic(e.Message());
    }
    SetImages(std::move(images));
}

void TIcon::SaveToStream(TStream& stream) {
    if (Empty()) throw EInvalidGraphicOperation("Cannot save an empty icon");
    const auto bytes = gfx::IcoCodec::Encode(FImages);
    stream.WriteBuffer(bytes.data(), std::int64_t(bytes.size()));
}

void TIcon::Assign(const TGraphic& source) {
    if (&source == this) return;
    const auto* icon = dynamic_cast<const TIcon*>(&source);
    if (!icon) AssignError(source);
    SetImages(icon->FImages);
}

gfx::Surface TIcon::ToSurface() const {
    const gfx::Surface* largest = Largest();
    return largest ? *largest : gfx::Surface();
}

void TIcon::Draw(TCanvas& canvas, const TRect& rect) {
    win::DrawIconEx(canvas.Handle(), rect.Left, rect.Top, Handle(), rect.Width(), rect.Height(), 0,
                    nullptr, win::DI_NORMAL);
}
