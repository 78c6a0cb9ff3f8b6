// PCX pictures as skins carry them: 8-bit, run-length coded or plain, palette at the end.
#include "fuzz/FuzzSupport.h"
#include "lib/skindraw/TbsBitmap.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/TMemoryStream.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TMemoryStream stream;
    stream.WriteBuffer(data, std::int64_t(size));
    stream.SetPosition(0);
    TbsBitmap bitmap;
    try {
        bitmap.LoadFromPcxStream(stream);
    } catch (const Exception&) {}
    return 0;
}
