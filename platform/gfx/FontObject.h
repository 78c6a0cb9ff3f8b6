#pragma once
#include "platform/gfx/GdiObject.h"
#include "platform/gfx/LogFont.h"

#include <memory>
#include <mutex>

namespace gfx {
class ScaledFont;
}

namespace win {

// The object behind an HFONT: the LOGFONT it was made from, realised through the font cache on
// first use, so creating a font never fails and never touches a font file.
class FontObject : public GdiObject {
public:
    explicit FontObject(const LOGFONT& font);

    const LOGFONT& LogFont() const { return FLogFont; }
    bool Underline() const { return FLogFont.lfUnderline != 0; }
    bool StrikeOut() const { return FLogFont.lfStrikeOut != 0; }
    // Throws Exception when no installed font can draw it.
    std::shared_ptr<gfx::ScaledFont> Scaled() const;

    int GetObjectInfo(int size, void* buffer) const override;

private:
    LOGFONT FLogFont;
    mutable std::mutex FLock;
    mutable std::shared_ptr<gfx::ScaledFont> FScaled;
};

HFONT CreateFontIndirect(const LOGFONT* font);
inline HFONT CreateFontIndirectW(const LOGFONT* font) {
    return CreateFontIndirect(font);
}
HFONT CreateFont(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                 DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                 DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, const char* faceName);

// The font object of a handle, or null for a stale handle or another kind of object.
FontObject* FontFromHandle(HGDIOBJ font);

} // namespace win
