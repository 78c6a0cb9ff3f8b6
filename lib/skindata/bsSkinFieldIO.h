#pragma once
#include "lib/skindata/bsSkinIniValues.h"
#include "platform/gfx/TColor.h"

#include <string>
#include <utility>

class TCustomIniFile;

// One pass over the keys of a record's section. A record lists its keys once, in order, with
// their kinds and the values a missing key reads as; the reader fills the fields from the
// section and the writer stores them, so a writer always writes exactly the keys its reader
// reads. The kinds without a default parameter have a fixed one: rect and point zero, boolean
// false, font style empty, alignment taCenter, morph kind mkDefault, stretch type bsstFull,
// command cmDefault.
class TbsSkinFieldIO {
public:
    virtual ~TbsSkinFieldIO() = default;

    virtual bool Reading() const = 0;

    virtual void Integer(const char* key, int& field, int missing) = 0;
    virtual void Color(const char* key, TColor& field, TColor missing) = 0;
    virtual void Text(const char* key, std::string& field, const char* missing) = 0;
    virtual void Boolean(const char* key, bool& field) = 0;
    virtual void Rect(const char* key, TRect& field) = 0;
    virtual void Point(const char* key, TPoint& field) = 0;
    virtual void FontStyles(const char* key, TFontStyles& field) = 0;
    virtual void Alignment(const char* key, TAlignment& field) = 0;
    virtual void MorphKind(const char* key, TbsMorphKind& field) = 0;
    virtual void StretchType(const char* key, TbsStretchType& field) = 0;
    virtual void Command(const char* key, TbsStdCommand& field) = 0;
};

class TbsSkinFieldReader : public TbsSkinFieldIO {
public:
    TbsSkinFieldReader(const TCustomIniFile& ini, std::string section)
        : FIni(ini), FSection(std::move(section)) {}

    bool Reading() const override { return true; }
    void Integer(const char* key, int& field, int missing) override;
    void Color(const char* key, TColor& field, TColor missing) override;
    void Text(const char* key, std::string& field, const char* missing) override;
    void Boolean(const char* key, bool& field) override;
    void Rect(const char* key, TRect& field) override;
    void Point(const char* key, TPoint& field) override;
    void FontStyles(const char* key, TFontStyles& field) override;
    void Alignment(const char* key, TAlignment& field) override;
    void MorphKind(const char* key, TbsMorphKind& field) override;
    void StretchType(const char* key, TbsStretchType& field) override;
    void Command(const char* key, TbsStdCommand& field) override;

private:
    const TCustomIniFile& FIni;
    std::string FSection;
};

// Writes into the section as it stands; the record erases it first where it must.
class TbsSkinFieldWriter : public TbsSkinFieldIO {
public:
    TbsSkinFieldWriter(TCustomIniFile& ini, std::string section)
        : FIni(ini), FSection(std::move(section)) {}

    bool Reading() const override { return false; }
    void Integer(const char* key, int& field, int missing) override;
    void Color(const char* key, TColor& field, TColor missing) override;
    void Text(const char* key, std::string& field, const char* missing) override;
    void Boolean(const char* key, bool& field) override;
    void Rect(const char* key, TRect& field) override;
    void Point(const char* key, TPoint& field) override;
    void FontStyles(const char* key, TFontStyles& field) override;
    void Alignment(const char* key, TAlignment& field) override;
    void MorphKind(const char* key, TbsMorphKind& field) override;
    void StretchType(const char* key, TbsStretchType& field) override;
    void Command(const char* key, TbsStdCommand& field) override;

private:
    TCustomIniFile& FIni;
    std::string FSection;
};
