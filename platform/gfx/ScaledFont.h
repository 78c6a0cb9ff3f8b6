#pragma once
#include "platform/gfx/FontMatcher.h"
#include "platform/gfx/FontRequest.h"
#include "platform/gfx/FreeType.h"

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

namespace gfx {

// The FreeType library, its open faces and the lock every use of them takes: FreeType faces are
// not safe to share between threads, and the GUI thread shares its fonts with the occasional
// worker.
struct FontEngine {
    FontEngine();

    // The face of a font file, opened once for every size drawn with it: opening a large face
    // and preparing its hinting cost far more than a size does. Nullptr when the file holds no
    // scalable face with a Unicode map. The caller holds Lock.
    FT_Face SharedFace(const FaceSource& source);

    FtLibraryPtr Library;
    std::mutex Lock;

private:
    std::map<std::pair<std::string, int>, FtFacePtr> FFaces;
};

// A realised font's metrics in whole pixels, as TEXTMETRIC reports them.
struct FontMetrics {
    int EmPixels{ 0 };
    int Height{ 0 };
    int Ascent{ 0 };
    int Descent{ 0 };
    int InternalLeading{ 0 };
    int ExternalLeading{ 0 };
    int AveCharWidth{ 0 };
    int MaxCharWidth{ 0 };
    // Distances from the baseline: underline below, strike-out above.
    int UnderlinePosition{ 0 };
    int UnderlineThickness{ 1 };
    int StrikeOutPosition{ 0 };
    int StrikeOutThickness{ 1 };
};

// An anti-aliased glyph image: 8-bit coverage, Width x Height, whose top-left pixel lies Left
// pixels right of the pen and Top pixels above the baseline.
struct Glyph {
    int Left{ 0 };
    int Top{ 0 };
    int Width{ 0 };
    int Height{ 0 };
    int Advance{ 0 };
    std::vector<std::uint8_t> Coverage;
};

// A font at one size and style, with per-glyph fallback: a character its own face lacks comes
// from the first face of the match list that has it. Glyph images are rendered once and kept.
class ScaledFont {
public:
    ScaledFont(std::shared_ptr<FontEngine> engine, FontRequest request,
               std::vector<FaceSource> sources);
    ~ScaledFont();
    ScaledFont(const ScaledFont&) = delete;
    ScaledFont& operator=(const ScaledFont&) = delete;

    const FontRequest& Request() const { return FRequest; }
    const FontMetrics& Metrics() const { return FMetrics; }
    // The family of the face that draws the font's own characters.
    const std::string& FamilyName() const { return FFamilyName; }

    std::shared_ptr<const Glyph> GlyphFor(char32_t code);
    int Advance(char32_t code) { return GlyphFor(code)->Advance; }
    // The main face's glyph for characters no face has (usually a box).
    std::shared_ptr<const Glyph> MissingGlyph();
    // Whether some face of the match list has a glyph for the character.
    bool HasGlyph(char32_t code);

private:
    struct Face {
        FaceSource Source;
        FT_Face Handle{ nullptr }; // the engine's
        FtSizePtr Size;            // this font's size of it
        bool Tried{ false };
        bool SyntheticBold{ false };
        bool SyntheticItalic{ false };
    };
    struct GlyphRef {
        std::size_t Face{ 0 };
        unsigned Index{ 0 };
    };

    FT_Face OpenFace(std::size_t index);
    // The face with this font's size made the one its glyphs load at.
    FT_Face SizedFace(std::size_t index);
    GlyphRef Lookup(char32_t code);
    std::shared_ptr<const Glyph> Render(const GlyphRef& ref);
    void ComputeMetrics();

    std::shared_ptr<FontEngine> FEngine;
    FontRequest FRequest;
    FontMetrics FMetrics;
    std::string FFamilyName;
    std::vector<Face> FFaces;
    std::unordered_map<char32_t, GlyphRef> FRefs;
    std::unordered_map<char32_t, std::shared_ptr<const Glyph>> FGlyphs;
    std::shared_ptr<const Glyph> FMissing;
};

} // namespace gfx
