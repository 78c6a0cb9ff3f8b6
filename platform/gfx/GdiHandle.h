#pragma once
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/GdiObjects.h"
#include <memory>
#include <type_traits>

namespace gfx {

// Owners of GDI handles for the graphic classes: DeleteObject or DeleteDC when they go.
struct DeleteGdiObject {
    void operator()(void* object) const { win::DeleteObject(object); }
};
struct DeleteDcHandle {
    void operator()(win::HDC dc) const { win::DeleteDC(dc); }
};

template <class H>
using GdiPtr = std::unique_ptr<std::remove_pointer_t<H>, DeleteGdiObject>;
using DcPtr = std::unique_ptr<std::remove_pointer_t<win::HDC>, DeleteDcHandle>;

} // namespace gfx
