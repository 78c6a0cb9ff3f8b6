#pragma once
#include "platform/gfx/WinTypes.h"

#include <string>
#include <string_view>

// The font records GDI calls exchange. Face names are UTF-8.
namespace win {

// Windows holds 32 UTF-16 units; as UTF-8 a CJK name needs up to three bytes for each.
constexpr int LF_FACESIZE = 96;

constexpr LONG FW_DONTCARE = 0;
constexpr LONG FW_THIN = 100;
constexpr LONG FW_EXTRALIGHT = 200;
constexpr LONG FW_LIGHT = 300;
constexpr LONG FW_NORMAL = 400;
constexpr LONG FW_MEDIUM = 500;
constexpr LONG FW_SEMIBOLD = 600;
constexpr LONG FW_BOLD = 700;
constexpr LONG FW_EXTRABOLD = 800;
constexpr LONG FW_HEAVY = 900;

constexpr BYTE ANSI_CHARSET = 0;
constexpr BYTE DEFAULT_CHARSET = 1;
constexpr BYTE SYMBOL_CHARSET = 2;
constexpr BYTE SHIFTJIS_CHARSET = 128;
constexpr BYTE HANGUL_CHARSET = 129;
constexpr BYTE GB2312_CHARSET = 134;
constexpr BYTE CHINESEBIG5_CHARSET = 136;
constexpr BYTE OEM_CHARSET = 255;

constexpr BYTE OUT_DEFAULT_PRECIS = 0;
constexpr BYTE OUT_TT_PRECIS = 4;
constexpr BYTE CLIP_DEFAULT_PRECIS = 0;
constexpr BYTE DEFAULT_QUALITY = 0;
constexpr BYTE ANTIALIASED_QUALITY = 4;
constexpr BYTE CLEARTYPE_QUALITY = 5;
constexpr BYTE DEFAULT_PITCH = 0;
constexpr BYTE FIXED_PITCH = 1;
constexpr BYTE VARIABLE_PITCH = 2;
constexpr BYTE FF_DONTCARE = 0x00;
constexpr BYTE FF_SWISS = 0x20;
constexpr BYTE FF_MODERN = 0x30;

// TEXTMETRIC's tmPitchAndFamily bits; TMPF_FIXED_PITCH set means a variable pitch, as in GDI.
constexpr BYTE TMPF_FIXED_PITCH = 0x01;
constexpr BYTE TMPF_VECTOR = 0x02;
constexpr BYTE TMPF_TRUETYPE = 0x04;

struct LOGFONT {
    LONG lfHeight{ 0 };
    LONG lfWidth{ 0 };
    LONG lfEscapement{ 0 };
    LONG lfOrientation{ 0 };
    LONG lfWeight{ FW_DONTCARE };
    BYTE lfItalic{ 0 };
    BYTE lfUnderline{ 0 };
    BYTE lfStrikeOut{ 0 };
    BYTE lfCharSet{ DEFAULT_CHARSET };
    BYTE lfOutPrecision{ OUT_DEFAULT_PRECIS };
    BYTE lfClipPrecision{ CLIP_DEFAULT_PRECIS };
    BYTE lfQuality{ DEFAULT_QUALITY };
    BYTE lfPitchAndFamily{ DEFAULT_PITCH };
    char lfFaceName[LF_FACESIZE]{};
};
using LOGFONTW = LOGFONT;

// Copies a UTF-8 face name into lfFaceName, cut at a character boundary when too long.
void SetFaceName(LOGFONT& font, std::string_view name);
std::string FaceName(const LOGFONT& font);

struct TEXTMETRIC {
    LONG tmHeight{ 0 };
    LONG tmAscent{ 0 };
    LONG tmDescent{ 0 };
    LONG tmInternalLeading{ 0 };
    LONG tmExternalLeading{ 0 };
    LONG tmAveCharWidth{ 0 };
    LONG tmMaxCharWidth{ 0 };
    LONG tmWeight{ 0 };
    LONG tmOverhang{ 0 };
    LONG tmDigitizedAspectX{ 96 };
    LONG tmDigitizedAspectY{ 96 };
    char32_t tmFirstChar{ 0x20 };
    char32_t tmLastChar{ 0xFFFC };
    char32_t tmDefaultChar{ 0x1F };
    char32_t tmBreakChar{ 0x20 };
    BYTE tmItalic{ 0 };
    BYTE tmUnderlined{ 0 };
    BYTE tmStruckOut{ 0 };
    BYTE tmPitchAndFamily{ 0 };
    BYTE tmCharSet{ DEFAULT_CHARSET };
};
using TEXTMETRICW = TEXTMETRIC;

} // namespace win
