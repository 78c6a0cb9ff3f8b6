#pragma once
#include "platform/gfx/GdiObject.h"
#include "platform/gfx/Region.h"

namespace win {

// The object behind an HRGN.
class RegionObject : public GdiObject {
public:
    explicit RegionObject(gfx::Region region = {})
        : GdiObject(OBJ_REGION), FRegion(std::move(region)) {}

    gfx::Region& Region() { return FRegion; }
    const gfx::Region& Region() const { return FRegion; }

private:
    gfx::Region FRegion;
};

} // namespace win
