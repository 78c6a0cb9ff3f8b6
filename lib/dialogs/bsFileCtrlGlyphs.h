#pragma once
#include "platform/forms/TObject.h"
#include "platform/gfx/TBitmap.h"

#include <memory>

// The small pictures of the drive, folder and file lists, drawn in code. Each lies on a
// background of one colour that nothing in the picture uses, the bottom-left pixel's: drawn
// with that colour transparent, only the picture shows.
enum class TbsFileGlyph {
    Floppy,
    Hard,
    Network,
    CDROM,
    RAM,
    OpenFolder,
    ClosedFolder,
    CurrentFolder
};

std::unique_ptr<TBitmap> MakeFileGlyph(TbsFileGlyph glyph);

// A glyph a list row can carry as its object: the row's picture, and by its identity the row's
// kind. Drawn with its bottom-left pixel's colour transparent.
class TbsGlyphObject : public TObject {
public:
    explicit TbsGlyphObject(TbsFileGlyph glyph);
    std::string ClassName() const override { return "TbsGlyphObject"; }
    TBitmap& Bitmap() const { return *FBitmap; }

private:
    std::unique_ptr<TBitmap> FBitmap;
};
