#pragma once
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SIZES_H

#include <fontconfig/fontconfig.h>

#include <memory>

// Owners of the FreeType and fontconfig handles the font code holds.
namespace gfx {

struct FtLibraryFree {
    void operator()(FT_Library library) const { FT_Done_FreeType(library); }
};
using FtLibraryPtr = std::unique_ptr<std::remove_pointer_t<FT_Library>, FtLibraryFree>;

struct FtFaceFree {
    void operator()(FT_Face face) const { FT_Done_Face(face); }
};
using FtFacePtr = std::unique_ptr<std::remove_pointer_t<FT_Face>, FtFaceFree>;

struct FtSizeFree {
    void operator()(FT_Size size) const { FT_Done_Size(size); }
};
using FtSizePtr = std::unique_ptr<std::remove_pointer_t<FT_Size>, FtSizeFree>;

struct FcPatternFree {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using FcPatternPtr = std::unique_ptr<FcPattern, FcPatternFree>;

struct FcFontSetFree {
    void operator()(FcFontSet* set) const { FcFontSetDestroy(set); }
};
using FcFontSetPtr = std::unique_ptr<FcFontSet, FcFontSetFree>;

struct FcCharSetFree {
    void operator()(FcCharSet* set) const { FcCharSetDestroy(set); }
};
using FcCharSetPtr = std::unique_ptr<FcCharSet, FcCharSetFree>;

} // namespace gfx
