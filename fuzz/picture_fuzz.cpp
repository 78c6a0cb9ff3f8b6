// A picture of unknown kind: the format is taken from the first bytes, then the picture class of
// that format reads the stream and is drawn once.
#include "fuzz/FuzzSupport.h"
#include "platform/gfx/TBitmap.h"
#include "platform/gfx/TCanvas.h"
#include "platform/gfx/TPicture.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/TMemoryStream.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TMemoryStream stream;
    stream.WriteBuffer(data, std::int64_t(size));
    stream.SetPosition(0);
    TPicture picture;
    try {
        picture.LoadFromStream(stream);
    } catch (const Exception&) {
        return 0;
    }
    TBitmap target;
    target.SetSize(8, 8);
    if (picture.Graphic()) target.Canvas().StretchDraw(TRect(0, 0, 8, 8), picture.Graphic());
    return 0;
}
