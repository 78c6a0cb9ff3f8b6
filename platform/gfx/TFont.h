#pragma once
#include "platform/gfx/GdiHandle.h"
#include "platform/gfx/LogFont.h"
#include "platform/gfx/TColor.h"
#include "platform/gfx/TGraphicsObject.h"
#include <cstdint>
#include <initializer_list>
#include <string>

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };

// A set of font styles: TFontStyles{ fsBold, fsUnderline }.
class TFontStyles {
public:
    TFontStyles() = default;
    TFontStyles(std::initializer_list<TFontStyle> styles) {
        for (TFontStyle s : styles)
            Include(s);
    }
    bool Contains(TFontStyle s) const { return (FBits >> s) & 1; }
    void Include(TFontStyle s) { FBits = std::uint8_t(FBits | (1u << s)); }
    void Exclude(TFontStyle s) { FBits = std::uint8_t(FBits & ~(1u << s)); }
    bool Empty() const { return FBits == 0; }
    bool operator==(const TFontStyles&) const = default;

private:
    std::uint8_t FBits{ 0 };
};

enum TFontPitch { fpDefault, fpVariable, fpFixed };
using TFontCharset = win::BYTE;

// A font: name, size in points at the screen's 96 dots per inch (or height in pixels, negative
// for the character height), colour, styles, character set and pitch.
class TFont : public TGraphicsObject {
public:
    static constexpr int PixelsPerInch = 96;

    const std::string& Name() const { return FName; }
    void SetName(const std::string& value);
    int Size() const;
    void SetSize(int points);
    int Height() const { return FHeight; }
    void SetHeight(int value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles value);
    TFontCharset Charset() const { return FCharset; }
    void SetCharset(TFontCharset value);
    TFontPitch Pitch() const { return FPitch; }
    void SetPitch(TFontPitch value);

    // The font handle for this name, height, styles, character set and pitch.
    win::HFONT Handle();
    win::LOGFONT LogFont() const;
    // Copies every property, the colour included.
    void Assign(const TFont& source);

private:
    void Modify(bool handleStale);

    std::string FName{ "MS Sans Serif" };
    int FHeight{ -11 };
    TColor FColor{ clWindowText };
    TFontStyles FStyle;
    TFontCharset FCharset{ win::DEFAULT_CHARSET };
    TFontPitch FPitch{ fpDefault };
    gfx::GdiPtr<win::HFONT> FHandle;
    bool FStale{ true };
};
