#pragma once
#include "platform/forms/ControlTypes.h"
#include "platform/gfx/TFont.h"
#include "platform/gfx/TRect.h"

#include <string>
#include <string_view>

class TCustomIniFile;
class TStrings;

// The written form of every value kind of a skin description. Integers, colours and strings go
// straight through the ini class; the kinds below have their own readers and writers so that a
// rectangle or a flag reads the same in every section. Readers never write and writers never
// erase.

enum TbsInActiveEffect { ieBrightness, ieDarkness, ieGrayScale, ieNoise, ieSplitBlur, ieInvert };
enum TbsMorphKind {
    mkDefault,
    mkGradient,
    mkLeftGradient,
    mkRightGradient,
    mkLeftSlide,
    mkRightSlide,
    mkPush
};
enum TbsStretchType { bsstFull, bsstHorz, bsstVert };
// The command word of a frame button or animation.
enum TbsStdCommand {
    cmClose,
    cmMaximize,
    cmMinimize,
    cmSysMenu,
    cmDefault,
    cmRollUp,
    cmMinimizeToTray
};

// Only the digits of each comma-separated part count, so blanks and minus signs vanish: "-5,7"
// is (5, 7). An empty or missing part, or one beyond the 32-bit range, raises EConvertError.
// Parts past the fourth (rect) or second (point) are ignored.
TRect ParseRectValue(std::string_view text);
TPoint ParsePointValue(std::string_view text);

TRect SkinIniReadRect(const TCustomIniFile& ini, const std::string& section,
                      const std::string& ident);
void SkinIniWriteRect(TCustomIniFile& ini, const std::string& section, const std::string& ident,
                      const TRect& value);
TPoint SkinIniReadPoint(const TCustomIniFile& ini, const std::string& section,
                        const std::string& ident);
void SkinIniWritePoint(TCustomIniFile& ini, const std::string& section, const std::string& ident,
                       const TPoint& value);

// True only for the integer 1: 2 and -1 are false.
bool SkinIniReadBool(const TCustomIniFile& ini, const std::string& section,
                     const std::string& ident);
void SkinIniWriteBool(TCustomIniFile& ini, const std::string& section, const std::string& ident,
                      bool value);

// A style is set when its lower-case word occurs anywhere in the value.
TFontStyles SkinIniReadFontStyles(const TCustomIniFile& ini, const std::string& section,
                                  const std::string& ident);
void SkinIniWriteFontStyles(TCustomIniFile& ini, const std::string& section,
                            const std::string& ident, TFontStyles value);

// Missing gives taCenter; a word other than tacenter and taleftjustify gives taRightJustify.
TAlignment SkinIniReadAlignment(const TCustomIniFile& ini, const std::string& section,
                                const std::string& ident);
void SkinIniWriteAlignment(TCustomIniFile& ini, const std::string& section,
                           const std::string& ident, TAlignment value);

// Missing gives ieBrightness; an unknown word gives ieGrayScale.
TbsInActiveEffect ReadInActiveEffect(const TCustomIniFile& ini, const std::string& section,
                                     const std::string& ident);
void WriteInActiveEffect(TCustomIniFile& ini, const std::string& section, const std::string& ident,
                         TbsInActiveEffect value);

// Missing or unknown gives mkDefault.
TbsMorphKind ReadMorphKind(const TCustomIniFile& ini, const std::string& section,
                           const std::string& ident);
void WriteMorphKind(TCustomIniFile& ini, const std::string& section, const std::string& ident,
                    TbsMorphKind value);

// Missing gives bsstFull; any word but stfull and stvert, sthorz among them, gives bsstHorz.
TbsStretchType ReadStretchType(const TCustomIniFile& ini, const std::string& section,
                               const std::string& ident);
void WriteStretchType(TCustomIniFile& ini, const std::string& section, const std::string& ident,
                      TbsStretchType value);

// Missing gives cmDefault; any word the table does not know, cmminimizetotray among them, gives
// cmMinimizeToTray.
TbsStdCommand ReadStdCommand(const TCustomIniFile& ini, const std::string& section,
                             const std::string& ident);
void WriteStdCommand(TCustomIniFile& ini, const std::string& section, const std::string& ident,
                     TbsStdCommand value);

// A list is its count under ident + "count" and its items under the bare keys 0, 1, ...; reading
// appends to the list without clearing it.
void SkinIniReadStrings(const TCustomIniFile& ini, const std::string& section,
                        const std::string& ident, TStrings& strings);
void SkinIniWriteStrings(TCustomIniFile& ini, const std::string& section, const std::string& ident,
                         const TStrings& strings);

// A skin description has the five sections VERSION, PICTURES, FORMINFO, SKINOBJECTS and
// SKINCONTROLS, each with at least one key.
bool IsSkinIniFile(const TCustomIniFile& ini);
