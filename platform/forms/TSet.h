#pragma once
#include <cstdint>
#include <initializer_list>

// A set of enumeration values (up to 64), as the class library's set types: TShiftState{ ssShift }.
template <typename E>
class TSet {
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> values) {
        for (E v : values)
            Include(v);
    }
    constexpr bool Contains(E v) const { return (FBits >> unsigned(v)) & 1u; }
    constexpr void Include(E v) { FBits |= std::uint64_t(1) << unsigned(v); }
    constexpr void Exclude(E v) { FBits &= ~(std::uint64_t(1) << unsigned(v)); }
    constexpr bool Empty() const { return FBits == 0; }
    constexpr std::uint64_t Bits() const { return FBits; }
    constexpr bool operator==(const TSet&) const = default;
    constexpr TSet operator+(TSet other) const { return FromBits(FBits | other.FBits); }
    constexpr TSet operator-(TSet other) const { return FromBits(FBits & ~other.FBits); }
    constexpr TSet operator*(TSet other) const { return FromBits(FBits & other.FBits); }

    static constexpr TSet FromBits(std::uint64_t bits) {
        TSet s;
        s.FBits = bits;
        return s;
    }

private:
    std::uint64_t FBits{ 0 };
};
