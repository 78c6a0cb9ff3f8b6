#include "platform/gfx/TFont.h"
#include "platform/gfx/FontObject.h"
#include <cstdlib>

namespace {

// a * b / c rounded half away from zero, as the Win32 MulDiv.
int MulDiv(int a, int b, int c) {
    const long long product = static_cast<long long>(a) * b;
    const long long half = std::llabs(c) / 2;
    return int((product + (product >= 0 ? half : -half)) / c);
}

} // namespace

void TFont::Modify(bool handleStale) {
    if (handleStale) FStale = true;
    Changed();
}

void TFont::SetName(const std::string& value) {
    if (value.empty() || value == FName) return;
    FName = value;
    Modify(true);
}

int TFont::Size() const {
    return -MulDiv(FHeight, 72, PixelsPerInch);
}

void TFont::SetSize(int points) {
    SetHeight(-MulDiv(points, PixelsPerInch, 72));
}

void TFont::SetHeight(int value) {
    if (value == FHeight) return;
    FHeight = value;
    Modify(true);
}

void TFont::SetColor(TColor value) {
    if (value == FColor) return;
    FColor = value;
    Modify(false);
}

void TFont::SetStyle(TFontStyles value) {
    if (value == FStyle) return;
    FStyle = value;
    Modify(true);
}

void TFont::SetCharset(TFontCharset value) {
    if (value == FCharset) return;
    FCharset = value;
    Modify(true);
}

void TFont::SetPitch(TFontPitch value) {
    if (value == FPitch) return;
    FPitch = value;
    Modify(true);
}

win::LOGFONT TFont::LogFont() const {
    win::LOGFONT font;
    font.lfHeight = FHeight;
    font.lfWeight = FStyle.Contains(fsBold) ? win::FW_BOLD : win::FW_NORMAL;
    font.lfItalic = FStyle.Contains(fsItalic);
    font.lfUnderline = FStyle.Contains(fsUnderline);
    font.lfStrikeOut = FStyle.Contains(fsStrikeOut);
    font.lfCharSet = FCharset;
    static constexpr win::BYTE kPitch[] = { win::DEFAULT_PITCH, win::VARIABLE_PITCH,
                                            win::FIXED_PITCH };
    font.lfPitchAndFamily = kPitch[FPitch];
    win::SetFaceName(font, FName);
    return font;
}

win::HFONT TFont::Handle() {
    if (FStale || !FHandle) {
        const win::LOGFONT font = LogFont();
        FHandle.reset(win::CreateFontIndirect(&font));
        FStale = false;
    }
    return FHandle.get();
}

void TFont::Assign(const TFont& source) {
    if (&source == this) return;
    FName = source.FName;
    FHeight = source.FHeight;
    FColor = source.FColor;
    FStyle = source.FStyle;
    FCharset = source.FCharset;
    FPitch = source.FPitch;
    Modify(true);
}
