#pragma once
#include "platform/gfx/GdiStructs.h"

#include <vector>

namespace win {

// The object behind an HPALETTE: a list of colours that bitmaps copy into their colour tables.
class PaletteObject : public GdiObject {
public:
    explicit PaletteObject(std::vector<PALETTEENTRY> entries)
        : GdiObject(OBJ_PAL), FEntries(std::move(entries)) {}

    const std::vector<PALETTEENTRY>& Entries() const { return FEntries; }

    int GetObjectInfo(int size, void* buffer) const override;

private:
    std::vector<PALETTEENTRY> FEntries;
};

} // namespace win
