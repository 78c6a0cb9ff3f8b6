// The media probe on a damaged file: opening, the stream descriptions, and decoding the first
// pictures into a bitmap.
#include "Src/AVProbe.h"
#include "Src/FFmpegLoader.h"
#include "fuzz/FuzzSupport.h"
#include "platform/gfx/TBitmap.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (!GlobalLoader().Load(AVProbeLibraries)) {
        std::fprintf(stderr, "%s\n", TFFmpegLoader::LastErrMsg().c_str());
        std::exit(1);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string file = fuzz::WriteScratchFile("media", fuzz::Bytes(data, size));
    TAVProbe probe(nullptr);
    if (!probe.LoadFile(file)) return 0;
    probe.FileInfoText();
    TBitmap bitmap;
    for (int picture = 0; picture < 8 && probe.Decode(); ++picture)
        probe.CopyToBitmap(bitmap);
    probe.CloseFile();
    return 0;
}
