#pragma once
#include <cstdint>
#include <initializer_list>
#include <string>

class TObject;
class TComponent;

// The common base of the engine's components: the logger, the probe, the player and the task
// component.
class TFFBaseComponent {
public:
    explicit TFFBaseComponent(TComponent* owner) : FOwner(owner) {}
    virtual ~TFFBaseComponent() = default;
    TFFBaseComponent(const TFFBaseComponent&) = delete;
    TFFBaseComponent& operator=(const TFFBaseComponent&) = delete;

    TComponent* Owner() const { return FOwner; }

private:
    TComponent* FOwner{ nullptr };
};

using TPathFileName = std::string;

enum TSeekFlag { sfBackward, sfByte, sfAny, sfFrame };

// A set of seek flags; the bit of each flag is its libavformat AVSEEK_FLAG_* value.
class TSeekFlags {
public:
    constexpr TSeekFlags() = default;
    constexpr TSeekFlags(std::initializer_list<TSeekFlag> flags) {
        for (TSeekFlag flag : flags)
            FBits |= 1u << unsigned(flag);
    }
    constexpr bool Contains(TSeekFlag flag) const { return (FBits & (1u << unsigned(flag))) != 0; }
    constexpr std::uint32_t Bits() const { return FBits; }
    constexpr bool operator==(const TSeekFlags&) const = default;

private:
    std::uint32_t FBits{ 0 };
};

// AVSEEK_FLAG_BACKWARD 1, _BYTE 2, _ANY 4, _FRAME 8.
constexpr int SeekFlagsToAV(TSeekFlags flags) {
    return int(flags.Bits());
}

enum TPictureType { ptUnknown, ptI, ptP, ptB, ptS, ptSI, ptSP, ptBI };
