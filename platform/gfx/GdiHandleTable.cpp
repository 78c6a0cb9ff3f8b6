#include "platform/gfx/GdiObject.h"

#include <mutex>
#include <vector>

namespace win {

GdiObject::~GdiObject() = default;

int GdiObject::GetObjectInfo(int, void*) const {
    return 0;
}

namespace {

// A handle value is (generation << 24 | slot + 1); value 0 is never a handle.
constexpr std::uintptr_t kSlotBits = 24;
constexpr std::uintptr_t kSlotMask = (std::uintptr_t(1) << kSlotBits) - 1;

struct Slot {
    std::unique_ptr<GdiObject> Object;
    std::uint32_t Generation{ 1 };
};

class HandleTable {
public:
    HGDIOBJ Add(std::unique_ptr<GdiObject> object) {
        std::lock_guard lock(FMutex);
        std::size_t index;
        if (!FFree.empty()) {
            index = FFree.back();
            FFree.pop_back();
        } else {
            index = FSlots.size();
            FSlots.emplace_back();
        }
        FSlots[index].Object = std::move(object);
        ++FLive;
        return Encode(index, FSlots[index].Generation);
    }

    GdiObject* Lookup(HGDIOBJ handle) {
        std::lock_guard lock(FMutex);
        Slot* slot = Find(handle);
        return slot ? slot->Object.get() : nullptr;
    }

    bool Remove(HGDIOBJ handle) {
        std::unique_ptr<GdiObject> doomed;
        {
            std::lock_guard lock(FMutex);
            Slot* slot = Find(handle);
            if (!slot) return false;
            doomed = std::move(slot->Object);
            // Generations stay below 2^32; wrapping skips 0 so no handle value becomes 0.
            slot->Generation = slot->Generation == 0xFFFFFFFFu ? 1 : slot->Generation + 1;
            FFree.push_back(std::size_t(slot - FSlots.data()));
            --FLive;
        }
        // Destroyed outside the lock: an object may release other handles as it goes.
        doomed.reset();
        return true;
    }

    std::size_t LiveCount() {
        std::lock_guard lock(FMutex);
        return FLive;
    }

private:
    static HGDIOBJ Encode(std::size_t index, std::uint32_t generation) {
        const std::uintptr_t value = (std::uintptr_t(generation) << kSlotBits) | (index + 1);
        return reinterpret_cast<HGDIOBJ>(value);
    }

    Slot* Find(HGDIOBJ handle) {
        const auto value = reinterpret_cast<std::uintptr_t>(handle);
        const std::uintptr_t slotPlusOne = value & kSlotMask;
        if (slotPlusOne == 0 || slotPlusOne > FSlots.size()) return nullptr;
        Slot& slot = FSlots[slotPlusOne - 1];
        if (!slot.Object || std::uintptr_t(slot.Generation) != (value >> kSlotBits)) return nullptr;
        return &slot;
    }

    std::mutex FMutex;
    std::vector<Slot> FSlots;
    std::vector<std::size_t> FFree;
    std::size_t FLive{ 0 };
};

HandleTable& Table() {
    // Never destroyed: objects may be released by other statics during program exit.
    static HandleTable* table = new HandleTable;
    return *table;
}

} // namespace

namespace gdi {
HGDIOBJ Add(std::unique_ptr<GdiObject> object) {
    return Table().Add(std::move(object));
}
GdiObject* Lookup(HGDIOBJ handle) {
    return Table().Lookup(handle);
}
bool Remove(HGDIOBJ handle) {
    return Table().Remove(handle);
}
std::size_t LiveCount() {
    return Table().LiveCount();
}
} // namespace gdi

DWORD GetObjectType(HGDIOBJ handle) {
    GdiObject* object = gdi::Lookup(handle);
    return object ? object->Kind() : 0;
}

} // namespace win
