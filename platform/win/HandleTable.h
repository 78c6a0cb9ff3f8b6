#pragma once
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace win {

// Slots addressed by handle values that pack the slot index (low 32 bits, plus one so that 0 is
// never a handle) with the slot's generation (high bits). Freeing a slot bumps its generation,
// so a handle kept past its object's end looks up nothing instead of a later occupant.
// Lookups take a lock: other threads post and send to windows by handle.
template <typename T>
class HandleTable {
public:
    std::uint64_t Add(std::shared_ptr<T> object) {
        std::lock_guard lock(FMutex);
        std::uint32_t index;
        if (!FFree.empty()) {
            index = FFree.back();
            FFree.pop_back();
        } else {
            index = std::uint32_t(FSlots.size());
            FSlots.push_back({});
        }
        FSlots[index].FObject = std::move(object);
        return Pack(index, FSlots[index].FGeneration);
    }

    std::shared_ptr<T> Get(std::uint64_t handle) const {
        std::lock_guard lock(FMutex);
        const Slot* slot = Find(handle);
        return slot ? slot->FObject : nullptr;
    }

    bool Remove(std::uint64_t handle) {
        std::lock_guard lock(FMutex);
        Slot* slot = const_cast<Slot*>(Find(handle));
        if (!slot) return false;
        slot->FObject.reset();
        // Generations skip zero so that a packed handle is never zero or a small sentinel.
        if (++slot->FGeneration == 0) slot->FGeneration = 1;
        FFree.push_back(std::uint32_t(handle & 0xFFFFFFFF) - 1);
        return true;
    }

    std::vector<std::shared_ptr<T>> All() const {
        std::lock_guard lock(FMutex);
        std::vector<std::shared_ptr<T>> result;
        for (const Slot& s : FSlots)
            if (s.FObject) result.push_back(s.FObject);
        return result;
    }

private:
    struct Slot {
        std::shared_ptr<T> FObject;
        std::uint32_t FGeneration{ 1 };
    };

    static std::uint64_t Pack(std::uint32_t index, std::uint32_t generation) {
        return (std::uint64_t(generation) << 32) | (std::uint64_t(index) + 1);
    }

    const Slot* Find(std::uint64_t handle) const {
        const std::uint64_t low = handle & 0xFFFFFFFF;
        if (low == 0 || low > FSlots.size()) return nullptr;
        const Slot& slot = FSlots[low - 1];
        if (!slot.FObject || slot.FGeneration != std::uint32_t(handle >> 32)) return nullptr;
        return &slot;
    }

    mutable std::mutex FMutex;
    std::vector<Slot> FSlots;
    std::vector<std::uint32_t> FFree;
};

} // namespace win
