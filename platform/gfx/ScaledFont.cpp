#include "platform/gfx/ScaledFont.h"

#include "platform/rtl/Exception.h"

#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>

namespace gfx {

namespace {

// The cell height of a request with height 0, as GDI's default font size at 96 DPI.
constexpr int kDefaultCellHeight = 16;
// Bounds on the em size, so a wild height cannot make FreeType allocate glyphs of any size.
constexpr int kMaxEmPixels = 2048;

constexpr int kBoldWeight = 600;

int Round(double value) {
    return int(std::lround(value));
}

struct VerticalUnits {
    int Ascent{ 0 };
    int Descent{ 0 };
};

// GDI's cell is the OS/2 "Windows" ascent plus descent; faces without that table use the
// horizontal header.
VerticalUnits CellUnits(FT_Face face) {
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0)
        return VerticalUnits{ os2->usWinAscent, os2->usWinDescent };
    return VerticalUnits{ face->ascender, -face->descender };
}

} // namespace

FontEngine::FontEngine() {
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) throw Exception("Cannot initialise FreeType.");
    Library.reset(library);
}

FT_Face FontEngine::SharedFace(const FaceSource& source) {
    auto [place, added] = FFaces.try_emplace({ source.Path, source.Index });
    if (!added) return place->second.get();
    FT_Face handle = nullptr;
    if (FT_New_Face(Library.get(), source.Path.c_str(), source.Index, &handle) != 0) return nullptr;
    FtFacePtr owned(handle);
    if (!FT_IS_SCALABLE(handle) || FT_Select_Charmap(handle, FT_ENCODING_UNICODE) != 0)
        return nullptr;
    place->second = std::move(owned);
    return handle;
}

ScaledFont::ScaledFont(std::shared_ptr<FontEngine> engine, FontRequest request,
                       std::vector<FaceSource> sources)
    : FEngine(std::move(engine)), FRequest(std::move(request)) {
    if (FRequest.Weight <= 0) FRequest.Weight = 400;
    for (FaceSource& source : sources) {
        Face face;
        face.Source = std::move(source);
        FFaces.push_back(std::move(face));
    }

    std::lock_guard lock(FEngine->Lock);
    // The first face that opens is the font's own; the ones before it are dropped.
    while (!FFaces.empty() && !OpenFace(0))
        FFaces.erase(FFaces.begin());
    if (FFaces.empty())
        throw Exception("No installed font can draw the font \"" + FRequest.FaceName + "\".");
    ComputeMetrics();
}

ScaledFont::~ScaledFont() {
    std::lock_guard lock(FEngine->Lock);
    FFaces.clear();
}

FT_Face ScaledFont::OpenFace(std::size_t index) {
    Face& face = FFaces[index];
    if (face.Tried) return face.Handle;
    face.Tried = true;
    FT_Face handle = FEngine->SharedFace(face.Source);
    if (!handle) return nullptr;
    FT_Size size = nullptr;
    if (FT_New_Size(handle, &size) != 0) return nullptr;
    FtSizePtr ownedSize(size);
    if (FT_Activate_Size(size) != 0) return nullptr;

    // All faces of the font share the main face's em size, so fallback glyphs match it.
    int em = 0;
    if (index == 0) {
        const VerticalUnits cell = CellUnits(handle);
        const int cellUnits = std::max(1, cell.Ascent + cell.Descent);
        const int height = FRequest.Height == 0 ? kDefaultCellHeight : FRequest.Height;
        em = height < 0 ? -height : Round(double(height) * handle->units_per_EM / cellUnits);
        em = std::clamp(em, 1, kMaxEmPixels);
        FMetrics.EmPixels = em;
    } else {
        em = FMetrics.EmPixels;
    }
    if (FT_Set_Pixel_Sizes(handle, 0, FT_UInt(em)) != 0) return nullptr;

    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(handle, FT_SFNT_OS2));
    const bool faceIsBold = (handle->style_flags & FT_STYLE_FLAG_BOLD) ||
                            (os2 && os2->version != 0xFFFF && os2->usWeightClass >= kBoldWeight);
    face.SyntheticBold = FRequest.Weight >= kBoldWeight && !faceIsBold;
    face.SyntheticItalic = FRequest.Italic && !(handle->style_flags & FT_STYLE_FLAG_ITALIC);
    face.Handle = handle;
    face.Size = std::move(ownedSize);
    return handle;
}

FT_Face ScaledFont::SizedFace(std::size_t index) {
    Face& face = FFaces[index];
    if (face.Handle) FT_Activate_Size(face.Size.get());
    return face.Handle;
}

void ScaledFont::ComputeMetrics() {
    FT_Face face = SizedFace(0);
    FFamilyName = face->family_name ? face->family_name : "";
    const double scale = double(FMetrics.EmPixels) / face->units_per_EM;
    const VerticalUnits cell = CellUnits(face);

    FMetrics.Ascent = Round(cell.Ascent * scale);
    FMetrics.Descent = Round(cell.Descent * scale);
    if (FRequest.Height > 0) FMetrics.Descent = FRequest.Height - FMetrics.Ascent;
    FMetrics.Height = FMetrics.Ascent + FMetrics.Descent;
    FMetrics.InternalLeading = std::max(0, FMetrics.Height - FMetrics.EmPixels);
    const int lineGap = face->height - (face->ascender - face->descender);
    const int beyondCell =
        lineGap - ((cell.Ascent + cell.Descent) - (face->ascender - face->descender));
    FMetrics.ExternalLeading = std::max(0, Round(beyondCell * scale));

    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    const bool hasOs2 = os2 && os2->version != 0xFFFF;
    FMetrics.MaxCharWidth = std::max(1, Round(face->max_advance_width * scale));
    FMetrics.UnderlinePosition = std::max(1, Round(-face->underline_position * scale));
    FMetrics.UnderlineThickness = std::max(1, Round(face->underline_thickness * scale));
    if (hasOs2 && os2->yStrikeoutPosition > 0) {
        FMetrics.StrikeOutPosition = Round(os2->yStrikeoutPosition * scale);
        FMetrics.StrikeOutThickness = std::max(1, Round(os2->yStrikeoutSize * scale));
    } else {
        FMetrics.StrikeOutPosition = Round(FMetrics.Ascent * 0.3);
        FMetrics.StrikeOutThickness = FMetrics.UnderlineThickness;
    }
    if (hasOs2 && os2->xAvgCharWidth > 0) {
        FMetrics.AveCharWidth = std::max(1, Round(os2->xAvgCharWidth * scale));
    } else {
        // Without the table, measure as the OS/2 table's average does: the letter "x".
        FT_Load_Char(face, 'x', FT_LOAD_TARGET_LIGHT | FT_LOAD_NO_BITMAP);
        FMetrics.AveCharWidth = std::max(1, int((face->glyph->advance.x + 32) >> 6));
    }
}

ScaledFont::GlyphRef ScaledFont::Lookup(char32_t code) {
    if (auto found = FRefs.find(code); found != FRefs.end()) return found->second;
    GlyphRef ref;
    for (std::size_t i = 0; i < FFaces.size(); ++i) {
        // The coverage sets spare opening faces that cannot help.
        if (i > 0 && !FFaces[i].Source.Covers(code)) continue;
        FT_Face face = OpenFace(i);
        if (!face) continue;
        const FT_UInt index = FT_Get_Char_Index(face, FT_ULong(code));
        if (index != 0) {
            ref = GlyphRef{ i, index };
            break;
        }
    }
    FRefs.emplace(code, ref);
    return ref;
}

std::shared_ptr<const Glyph> ScaledFont::Render(const GlyphRef& ref) {
    const Face& source = FFaces[ref.Face];
    FT_Face face = SizedFace(ref.Face);
    auto glyph = std::make_shared<Glyph>();
    if (FT_Load_Glyph(face, ref.Index, FT_LOAD_TARGET_LIGHT | FT_LOAD_NO_BITMAP) != 0) return glyph;
    FT_GlyphSlot slot = face->glyph;
    if (source.SyntheticItalic) FT_GlyphSlot_Oblique(slot);
    if (source.SyntheticBold) FT_GlyphSlot_Embolden(slot);
    glyph->Advance = int((slot->advance.x + 32) >> 6);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return glyph;

    const FT_Bitmap& bitmap = slot->bitmap;
    glyph->Left = slot->bitmap_left;
    glyph->Top = slot->bitmap_top;
    glyph->Width = int(bitmap.width);
    glyph->Height = int(bitmap.rows);
    glyph->Coverage.assign(std::size_t(glyph->Width) * std::size_t(glyph->Height), 0);
    for (int y = 0; y < glyph->Height; ++y) {
        const unsigned char* row = bitmap.buffer + std::ptrdiff_t(y) * bitmap.pitch;
        std::uint8_t* out = glyph->Coverage.data() + std::size_t(y) * std::size_t(glyph->Width);
        for (int x = 0; x < glyph->Width; ++x) {
            if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO)
                out[x] = (row[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
            else
                out[x] = row[x];
        }
    }
    return glyph;
}

std::shared_ptr<const Glyph> ScaledFont::GlyphFor(char32_t code) {
    std::lock_guard lock(FEngine->Lock);
    if (auto found = FGlyphs.find(code); found != FGlyphs.end()) return found->second;
    const GlyphRef ref = Lookup(code);
    auto glyph = ref.Index == 0 && FMissing ? FMissing : Render(ref);
    if (ref.Index == 0) FMissing = glyph;
    FGlyphs.emplace(code, glyph);
    return glyph;
}

std::shared_ptr<const Glyph> ScaledFont::MissingGlyph() {
    std::lock_guard lock(FEngine->Lock);
    if (!FMissing) FMissing = Render(GlyphRef{});
    return FMissing;
}

bool ScaledFont::HasGlyph(char32_t code) {
    std::lock_guard lock(FEngine->Lock);
    return Lookup(code).Index != 0;
}

} // namespace gfx
