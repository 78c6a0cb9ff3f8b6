#pragma once
#include "platform/forms/TComponent.h"
#include "platform/forms/TSet.h"

#include <string>

// The common base of the engine's components: the logger, the probe, the player and the task
// component.
class TFFBaseComponent : public TComponent {
public:
    explicit TFFBaseComponent(TComponent* owner) : TComponent(owner) {}

    std::string ClassName() const override { return "TFFBaseComponent"; }
};

using TPathFileName = std::string;

enum TSeekFlag { sfBackward, sfByte, sfAny, sfFrame };

// The bit of each flag is its libavformat AVSEEK_FLAG_* value.
using TSeekFlags = TSet<TSeekFlag>;

// AVSEEK_FLAG_BACKWARD 1, _BYTE 2, _ANY 4, _FRAME 8.
constexpr int SeekFlagsToAV(TSeekFlags flags) {
    return int(flags.Bits());
}

enum TPictureType { ptUnknown, ptI, ptP, ptB, ptS, ptSI, ptSP, ptBI };
