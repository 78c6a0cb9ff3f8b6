#include "platform/gfx/BrushObject.h"
#include "platform/gfx/PaletteObject.h"
#include "platform/gfx/PenObject.h"

#include <cstring>

namespace win {

namespace {

template <class T>
int CopyOut(const T& value, int size, void* buffer) {
    if (!buffer) return int(sizeof(T));
    if (size < int(sizeof(T))) return 0;
    std::memcpy(buffer, &value, sizeof(T));
    return int(sizeof(T));
}

} // namespace

int PenObject::GetObjectInfo(int size, void* buffer) const {
    return CopyOut(FPen, size, buffer);
}

BrushObject::BrushObject(gfx::Surface pattern, bool monochrome)
    : GdiObject(OBJ_BRUSH), FBrush{ BS_PATTERN, 0, 0 }, FPattern(std::move(pattern)),
      FMonochrome(monochrome) {}

int BrushObject::GetObjectInfo(int size, void* buffer) const {
    return CopyOut(FBrush, size, buffer);
}

int PaletteObject::GetObjectInfo(int size, void* buffer) const {
    return CopyOut(WORD(FEntries.size()), size, buffer);
}

} // namespace win
