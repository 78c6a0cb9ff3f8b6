#include "Src/FFmpeg/SharedEncoderTables.h"

extern "C" {
#include <libavcodec/codec.h>
}

#include <string_view>

bool TSharedEncoderTables::Rebuilds(const AVCodec* codec) {
    return codec && codec->name && std::string_view(codec->name) == "libxvid";
}

TSharedEncoderTables& TSharedEncoderTables::Instance() {
    static TSharedEncoderTables gate;
    return gate;
}

TSharedEncoderTables::CodingScope::CodingScope(TSharedEncoderTables& gate, bool needed)
    : FGate(needed ? &gate : nullptr) {
    if (FGate) FGate->BeginCoding();
}

TSharedEncoderTables::CodingScope::~CodingScope() {
    if (FGate) FGate->EndCoding();
}

TSharedEncoderTables::OpeningScope::OpeningScope(TSharedEncoderTables& gate, bool needed)
    : FGate(needed ? &gate : nullptr) {
    if (FGate) FGate->BeginOpening();
}

TSharedEncoderTables::OpeningScope::~OpeningScope() {
    if (FGate) FGate->EndOpening();
}

void TSharedEncoderTables::BeginCoding() {
    std::unique_lock lock(FLock);
    FChanged.wait(lock, [this] { return !FOpening && FOpeningWaits == 0; });
    ++FCoding;
}

void TSharedEncoderTables::EndCoding() {
    {
        std::lock_guard lock(FLock);
        --FCoding;
    }
    FChanged.notify_all();
}

void TSharedEncoderTables::BeginOpening() {
    std::unique_lock lock(FLock);
    ++FOpeningWaits;
    FChanged.wait(lock, [this] { return !FOpening && FCoding == 0; });
    --FOpeningWaits;
    FOpening = true;
}

void TSharedEncoderTables::EndOpening() {
    {
        std::lock_guard lock(FLock);
        FOpening = false;
    }
    FChanged.notify_all();
}
