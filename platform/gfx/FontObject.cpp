#include "platform/gfx/FontObject.h"

#include "platform/gfx/FontCache.h"
#include "platform/gfx/GdiObjects.h"
#include "platform/gfx/GdiStructs.h"
#include "platform/gfx/ScaledFont.h"
#include "platform/rtl/TextUtils.h"

#include <algorithm>
#include <cstring>

namespace win {

void SetFaceName(LOGFONT& font, std::string_view name) {
    // Never leave half a UTF-8 sequence at the end.
    const std::size_t length = Utf8Fit(name, LF_FACESIZE - 1);
    std::memset(font.lfFaceName, 0, sizeof font.lfFaceName);
    std::memcpy(font.lfFaceName, name.data(), length);
}

std::string FaceName(const LOGFONT& font) {
    const char* end = static_cast<const char*>(std::memchr(font.lfFaceName, 0, LF_FACESIZE));
    return std::string(font.lfFaceName, end ? end : font.lfFaceName + LF_FACESIZE);
}

FontObject::FontObject(const LOGFONT& font) : GdiObject(OBJ_FONT), FLogFont(font) {
    FLogFont.lfFaceName[LF_FACESIZE - 1] = 0;
}

std::shared_ptr<gfx::ScaledFont> FontObject::Scaled() const {
    std::lock_guard lock(FLock);
    if (!FScaled) {
        gfx::FontRequest request;
        request.FaceName = FaceName(FLogFont);
        request.Height = FLogFont.lfHeight;
        request.Weight = FLogFont.lfWeight <= 0 ? FW_NORMAL : FLogFont.lfWeight;
        request.Italic = FLogFont.lfItalic != 0;
        request.CharSet = FLogFont.lfCharSet;
        FScaled = gfx::FontCache::Instance().Get(request);
    }
    return FScaled;
}

int FontObject::GetObjectInfo(int size, void* buffer) const {
    if (!buffer) return int(sizeof(LOGFONT));
    if (size <= 0) return 0;
    const int bytes = std::min(size, int(sizeof(LOGFONT)));
    std::memcpy(buffer, &FLogFont, std::size_t(bytes));
    return bytes;
}

HFONT CreateFontIndirect(const LOGFONT* font) {
    if (!font) return nullptr;
    return gdi::AddAs<HFONT>(std::make_unique<FontObject>(*font));
}

HFONT CreateFont(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                 DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                 DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, const char* faceName) {
    LOGFONT font;
    font.lfHeight = height;
    font.lfWidth = width;
    font.lfEscapement = escapement;
    font.lfOrientation = orientation;
    font.lfWeight = weight;
    font.lfItalic = BYTE(italic);
    font.lfUnderline = BYTE(underline);
    font.lfStrikeOut = BYTE(strikeOut);
    font.lfCharSet = BYTE(charSet);
    font.lfOutPrecision = BYTE(outPrecision);
    font.lfClipPrecision = BYTE(clipPrecision);
    font.lfQuality = BYTE(quality);
    font.lfPitchAndFamily = BYTE(pitchAndFamily);
    SetFaceName(font, faceName ? faceName : "");
    return CreateFontIndirect(&font);
}

FontObject* FontFromHandle(HGDIOBJ font) {
    return gdi::LookupAs<FontObject>(font);
}

HFONT CreateStockFont(int index) {
    LOGFONT font;
    switch (index) {
    case SYSTEM_FONT:
    case DEVICE_DEFAULT_FONT:
        font.lfHeight = 16;
        font.lfWeight = FW_BOLD;
        SetFaceName(font, "System");
        break;
    case DEFAULT_GUI_FONT:
        font.lfHeight = -11;
        SetFaceName(font, "MS Sans Serif");
        break;
    case ANSI_VAR_FONT:
        font.lfHeight = 13;
        SetFaceName(font, "MS Sans Serif");
        break;
    case OEM_FIXED_FONT:
    case ANSI_FIXED_FONT:
    case SYSTEM_FIXED_FONT:
        font.lfHeight = 13;
        font.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
        SetFaceName(font, "monospace");
        break;
    default:
        return nullptr;
    }
    return CreateFontIndirect(&font);
}

} // namespace win
