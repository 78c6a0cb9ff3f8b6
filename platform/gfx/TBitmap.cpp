#include "platform/gfx/TBitmap.h"
#include "platform/gfx/BitmapObject.h"
#include "platform/gfx/BmpCodec.h"
#include "platform/gfx/GraphicExceptions.h"
#include "platform/rtl/TStream.h"
#include <algorithm>
#include <cstring>

namespace {

int BitCountOf(TPixelFormat format) {
    switch (format) {
    case pf1bit:
        return 1;
    case pf4bit:
        return 4;
    case pf8bit:
        return 8;
    case pf15bit:
    case pf16bit:
        return 16;
    case pf24bit:
        return 24;
    case pfDevice:
    case pf32bit:
        return 32;
    default:
        throw EInvalidGraphicOperation("Invalid pixel format");
    }
}

TPixelFormat FormatOfBits(int bits, bool green6) {
    switch (bits) {
    case 16:
        return green6 ? pf16bit : pf15bit;
    case 1:
        return pf1bit;
    case 4:
        return pf4bit;
    case 8:
        return pf8bit;
    case 32:
        return pf32bit;
    default:
        return pf24bit;
    }
}

win::RGBQUAD Quad(int r, int g, int b) {
    return win::RGBQUAD{ win::BYTE(b), win::BYTE(g), win::BYTE(r), 0 };
}

// Black and white; the 16 VGA colours; those 16, a 6x6x6 colour cube and a grey ramp.
std::vector<win::RGBQUAD> DefaultPalette(int bits) {
    if (bits == 1) return { Quad(0, 0, 0), Quad(255, 255, 255) };
    std::vector<win::RGBQUAD> palette = {
        Quad(0, 0, 0),       Quad(128, 0, 0),   Quad(0, 128, 0),   Quad(128, 128, 0),
        Quad(0, 0, 128),     Quad(128, 0, 128), Quad(0, 128, 128), Quad(192, 192, 192),
        Quad(128, 128, 128), Quad(255, 0, 0),   Quad(0, 255, 0),   Quad(255, 255, 0),
        Quad(0, 0, 255),     Quad(255, 0, 255), Quad(0, 255, 255), Quad(255, 255, 255),
    };
    if (bits == 4) return palette;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                palette.push_back(Quad(r * 51, g * 51, b * 51));
    for (int i = 0; i < 24; ++i) {
        const int level = 8 + i * 10;
        palette.push_back(Quad(level, level, level));
    }
    return palette;
}

constexpr std::uint32_t kMasks565[3] = { 0xF800, 0x07E0, 0x001F };

gfx::GdiPtr<win::HBITMAP> NewDib(int width, int height, int bits,
                                 const std::vector<win::RGBQUAD>& palette, bool green6 = false) {
    const std::size_t tail = std::max<std::size_t>(palette.size() * sizeof(win::RGBQUAD), 16);
    std::vector<std::uint8_t> block(sizeof(win::BITMAPINFOHEADER) + tail);
    auto* info = reinterpret_cast<win::BITMAPINFO*>(block.data());
    *info = win::BITMAPINFO{};
    info->bmiHeader.biWidth = width;
    info->bmiHeader.biHeight = height; // bottom-up, as the class library's DIBs are
    info->bmiHeader.biBitCount = win::WORD(bits);
    if (bits <= 8) {
        info->bmiHeader.biClrUsed = win::DWORD(palette.size());
        std::memcpy(info->bmiColors, palette.data(), palette.size() * sizeof(win::RGBQUAD));
    } else if (bits == 16 && green6) {
        info->bmiHeader.biCompression = win::BI_BITFIELDS;
        std::memcpy(info->bmiColors, kMasks565, sizeof kMasks565);
    }
    void* pixels = nullptr;
    gfx::GdiPtr<win::HBITMAP> handle(
        win::CreateDIBSection(nullptr, info, win::DIB_RGB_COLORS, &pixels, nullptr, 0));
    if (!handle) throw EOutOfResources("Out of system resources");
    return handle;
}

std::vector<win::RGBQUAD> PaletteEntries(win::HPALETTE palette) {
    std::vector<win::PALETTEENTRY> entries(256);
    const win::UINT count = win::GetPaletteEntries(palette, 0, 256, entries.data());
    std::vector<win::RGBQUAD> colors;
    for (win::UINT i = 0; i < count; ++i)
        colors.push_back(Quad(entries[i].peRed, entries[i].peGreen, entries[i].peBlue));
    return colors;
}

} // namespace

// The canvas of a bitmap: a memory DC with the bitmap selected, made on first use and let go
// whenever the bitmap gets a new handle.
class TBitmap::BitmapCanvas : public TCanvas {
public:
    explicit BitmapCanvas(TBitmap& owner) : FOwner(owner) {}
    ~BitmapCanvas() override { FreeContext(); }

    void FreeContext() {
        if (!FDc) return;
        DeselectHandles();
        win::SelectObject(FDc.get(), FOldBitmap);
        SetHandle(nullptr);
        FDc.reset();
    }

protected:
    void CreateHandle() override {
        gfx::DcPtr dc(win::CreateCompatibleDC(nullptr));
        if (!dc) throw EOutOfResources("Out of system resources");
        FOldBitmap = FOwner.Handle() ? win::SelectObject(dc.get(), FOwner.Handle()) : nullptr;
        FDc = std::move(dc);
        SetHandle(FDc.get());
    }

private:
    TBitmap& FOwner;
    gfx::DcPtr FDc;
    win::HGDIOBJ FOldBitmap{ nullptr };
};

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height) {
    SetSize(width, height);
}

TBitmap::~TBitmap() {
    FCanvas.reset();
}

win::BitmapObject* TBitmap::Object() const {
    return FHandle ? win::gdi::LookupAs<win::BitmapObject>(FHandle.get()) : nullptr;
}

TCanvas& TBitmap::Canvas() {
    if (!FCanvas) {
        FCanvas = std::make_unique<BitmapCanvas>(*this);
        FCanvas->OnChange = [this](TCanvas*) { Changed(); };
    }
    return *FCanvas;
}

gfx::Pixel TBitmap::FillPixel() const {
    const win::COLORREF c = ColorToRGB(FCanvas ? FCanvas->Brush().Color() : clWhite);
    return gfx::MakePixel(win::GetRValue(c), win::GetGValue(c), win::GetBValue(c), 0);
}

void TBitmap::ReplaceHandle(gfx::GdiPtr<win::HBITMAP> handle) {
    if (FCanvas) FCanvas->FreeContext();
    // A palette made from the old colour table may not match the new one.
    if (FPaletteDerived) {
        FPalette.reset();
        FPaletteDerived = false;
    }
    FHandle = std::move(handle);
}

void TBitmap::Recreate(int width, int height, TPixelFormat format,
                       const std::vector<win::RGBQUAD>* palette) {
    const int bits = BitCountOf(format);
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == 0 || height == 0) {
        ReplaceHandle(nullptr);
        FWidth = width;
        FHeight = height;
        FPixelFormat = format;
        Changed();
        return;
    }
    std::vector<win::RGBQUAD> colors;
    if (bits <= 8) {
        const win::BitmapObject* old = Object();
        if (palette)
            colors = *palette;
        else if (old && old->BitCount() == bits)
            colors = old->Palette();
        else if (FPalette && !FPaletteDerived)
            colors = PaletteEntries(FPalette.get());
        else
            colors = DefaultPalette(bits);
        if (colors.size() > (std::size_t(1) << bits)) colors.resize(std::size_t(1) << bits);
    }
    auto handle = NewDib(width, height, bits, colors, format == pf16bit);
    auto* created = win::gdi::LookupAs<win::BitmapObject>(handle.get());
    gfx::Surface content(width, height, FillPixel());
    if (const win::BitmapObject* old = Object()) {
        gfx::Surface previous;
        old->ReadPixels(previous);
        const int w = std::min(width, previous.Width());
        const int h = std::min(height, previous.Height());
        for (int y = 0; y < h; ++y)
            std::copy_n(previous.Row(y), w, content.Row(y));
    }
    created->WritePixels(content);
    ReplaceHandle(std::move(handle));
    FWidth = width;
    FHeight = height;
    FPixelFormat = format;
    Changed();
}

void TBitmap::SetSize(int width, int height) {
    if (width == FWidth && height == FHeight) return;
    Recreate(width, height, FPixelFormat);
}

void TBitmap::SetPixelFormat(TPixelFormat value) {
    if (value == FPixelFormat) return;
    BitCountOf(value); // refuses formats without a DIB layout here
    if (Empty()) {
        FPixelFormat = value;
        Changed();
        return;
    }
    Recreate(FWidth, FHeight, value);
}

void* TBitmap::ScanLine(int y) {
    win::BitmapObject* object = Object();
    if (!object || y < 0 || y >= FHeight)
        throw EInvalidGraphicOperation("Scan line index out of range");
    if (FPixelFormat == pfDevice) FPixelFormat = pf32bit; // the memory is 32-bit already
    return object->ScanLine(y);
}

void TBitmap::SetHandle(win::HBITMAP value) {
    gfx::GdiPtr<win::HBITMAP> handle(value);
    auto* object = value ? win::gdi::LookupAs<win::BitmapObject>(value) : nullptr;
    if (value && !object) {
        (void)handle.release(); // not a bitmap: not ours to delete
        throw EInvalidGraphic("Bitmap image is not valid");
    }
    ReplaceHandle(std::move(handle));
    FWidth = object ? object->Width() : 0;
    FHeight = object ? object->Height() : 0;
    if (object) FPixelFormat = FormatOfBits(object->BitCount(), object->Layout().Green6);
    Changed();
}

win::HBITMAP TBitmap::ReleaseHandle() {
    if (FCanvas) FCanvas->FreeContext();
    FWidth = FHeight = 0;
    Changed();
    return FHandle.release();
}

TColor TBitmap::TransparentColor() {
    if (FTransparentMode == tmFixed && FTransparentColor != clDefault) return FTransparentColor;
    const win::BitmapObject* object = Object();
    if (!object) return clDefault;
    const gfx::Pixel p = object->PixelAt(0, FHeight - 1);
    return TColor(win::RGB(gfx::PixelR(p), gfx::PixelG(p), gfx::PixelB(p)));
}

void TBitmap::SetTransparentColor(TColor value) {
    if (value == FTransparentColor) return;
    FTransparentMode = value == clDefault ? tmAuto : tmFixed;
    FTransparentColor = value;
    Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode value) {
    if (value == FTransparentMode) return;
    if (value == tmAuto)
        SetTransparentColor(clDefault);
    else
        SetTransparentColor(TransparentColor());
}

void TBitmap::Dormant() {
    if (FCanvas) FCanvas->FreeContext();
}

void TBitmap::LoadFromStream(TStream& stream) {
    const std::int64_t start = stream.Position();
    const TStreamRest rest(stream);
    std::size_t consumed = 0;
    gfx::DecodedImage image;
    try {
        image = gfx::BmpCodec::Decode(rest.Bytes(), &consumed);
    } catch (const Exception& e) {
        stream.Seek(start, soBeginning);
        throw EInvalidGraphic(e.Message());
    }
    stream.Seek(start + std::int64_t(consumed), soBeginning);

    const TPixelFormat format = FormatOfBits(image.BitDepth, image.Green6);
    std::vector<win::RGBQUAD> palette;
    for (gfx::Pixel p : image.Palette)
        palette.push_back(Quad(gfx::PixelR(p), gfx::PixelG(p), gfx::PixelB(p)));
    // The decoder gives opaque alpha to a 32-bit file that had none; the DIB keeps its zeros.
    if (image.BitDepth == 32 && !image.HasAlpha)
        for (int y = 0; y < image.Pixels.Height(); ++y)
            for (int x = 0; x < image.Pixels.Width(); ++x)
                image.Pixels.Row(y)[x] &= 0x00FFFFFFu;
    auto handle = NewDib(image.Pixels.Width(), image.Pixels.Height(), BitCountOf(format), palette,
                         format == pf16bit);
    win::gdi::LookupAs<win::BitmapObject>(handle.get())->WritePixels(image.Pixels);
    ReplaceHandle(std::move(handle));
    FWidth = image.Pixels.Width();
    FHeight = image.Pixels.Height();
    FPixelFormat = format;
    Changed();
}

void TBitmap::SaveToStream(TStream& stream) {
    win::BitmapObject* object = Object();
    if (!object) return;
    // The scan lines are written as they are, so every format keeps its exact bytes.
    std::vector<gfx::Pixel> palette;
    for (const win::RGBQUAD& q : object->Palette())
        palette.push_back(gfx::MakePixel(q.rgbRed, q.rgbGreen, q.rgbBlue, 255));
    std::span<const std::uint32_t> masks;
    if (object->BitCount() == 16 && object->Layout().Green6) masks = kMasks565;
    const auto bytes = gfx::BmpCodec::EncodeRows(
        FWidth, FHeight, object->BitCount(), palette, masks,
        [object](int y) -> const std::uint8_t* { return object->ScanLine(y); });
    stream.WriteBuffer(bytes.data(), std::int64_t(bytes.size()));
}

win::HPALETTE TBitmap::Palette() {
    const win::BitmapObject* object = Object();
    if (!FPalette && object && object->BitCount() <= 8) {
        const auto& colors = object->Palette();
        std::vector<std::uint8_t> block(sizeof(win::LOGPALETTE) +
                                        colors.size() * sizeof(win::PALETTEENTRY));
        auto* logical = reinterpret_cast<win::LOGPALETTE*>(block.data());
        *logical = win::LOGPALETTE{};
        logical->palNumEntries = win::WORD(colors.size());
        for (std::size_t i = 0; i < colors.size(); ++i)
            logical->palPalEntry[i] = { colors[i].rgbRed, colors[i].rgbGreen, colors[i].rgbBlue,
                                        0 };
        FPalette.reset(win::CreatePalette(logical));
        FPaletteDerived = true;
    }
    return FPalette.get();
}

void TBitmap::SetPalette(win::HPALETTE value) {
    if (value == FPalette.get()) return;
    FPalette.reset(value);
    FPaletteDerived = false;
    win::BitmapObject* object = Object();
    if (value && object && object->BitCount() <= 8) object->SetPalette(PaletteEntries(value));
    Changed();
}

void TBitmap::Assign(const TGraphic& source) {
    if (&source == this) return;
    if (const auto* bitmap = dynamic_cast<const TBitmap*>(&source)) {
        const win::BitmapObject* from = bitmap->Object();
        if (!from) {
            ReplaceHandle(nullptr);
            FWidth = bitmap->FWidth;
            FHeight = bitmap->FHeight;
        } else {
            auto handle = NewDib(from->Width(), from->Height(), from->BitCount(), from->Palette(),
                                 from->Layout().Green6);
            auto* to = win::gdi::LookupAs<win::BitmapObject>(handle.get());
            for (int y = 0; y < from->Height(); ++y)
                std::memcpy(to->ScanLine(y), const_cast<win::BitmapObject*>(from)->ScanLine(y),
                            std::size_t(from->RowBytes()));
            ReplaceHandle(std::move(handle));
            FWidth = from->Width();
            FHeight = from->Height();
        }
        FPixelFormat = bitmap->FPixelFormat;
        FTransparentColor = bitmap->FTransparentColor;
        FTransparentMode = bitmap->FTransparentMode;
        SetTransparent(bitmap->Transparent());
        Changed();
        return;
    }
    if (source.Empty()) {
        Recreate(0, 0, FPixelFormat);
        return;
    }
    const bool alpha = source.HasAlpha();
    const gfx::Surface pixels = source.ToSurface();
    auto handle = NewDib(pixels.Width(), pixels.Height(), alpha ? 32 : 24, {});
    win::gdi::LookupAs<win::BitmapObject>(handle.get())->WritePixels(pixels);
    ReplaceHandle(std::move(handle));
    FWidth = pixels.Width();
    FHeight = pixels.Height();
    FPixelFormat = alpha ? pf32bit : pf24bit;
    Changed();
}

gfx::Surface TBitmap::ToSurface() const {
    gfx::Surface pixels;
    if (const win::BitmapObject* object = Object()) object->ReadPixels(pixels);
    return pixels;
}

bool TBitmap::HasAlpha() const {
    const win::BitmapObject* object = Object();
    if (!object || object->BitCount() != 32) return false;
    gfx::Surface pixels;
    object->ReadPixels(pixels);
    for (int y = 0; y < pixels.Height(); ++y)
        for (int x = 0; x < pixels.Width(); ++x)
            if (gfx::PixelA(pixels.Row(y)[x])) return true;
    return false;
}

void TBitmap::Draw(TCanvas& canvas, const TRect& rect) {
    if (Empty()) return;
    win::HDC source = Canvas().Handle();
    if (Transparent()) {
        const win::COLORREF key = ColorToRGB(TransparentColor());
        win::TransparentBlt(canvas.Handle(), rect.Left, rect.Top, rect.Width(), rect.Height(),
                            source, 0, 0, FWidth, FHeight, key);
    } else {
        win::StretchBlt(canvas.Handle(), rect.Left, rect.Top, rect.Width(), rect.Height(), source,
                        0, 0, FWidth, FHeight, canvas.CopyMode());
    }
}
