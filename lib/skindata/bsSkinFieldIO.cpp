#include "lib/skindata/bsSkinFieldIO.h"

#include "platform/rtl/TCustomIniFile.h"

void TbsSkinFieldReader::Integer(const char* key, int& field, int missing) {
    field = FIni.ReadInteger(FSection, key, missing);
}

void TbsSkinFieldReader::Color(const char* key, TColor& field, TColor missing) {
    field = FIni.ReadInteger(FSection, key, missing);
}

void TbsSkinFieldReader::Text(const char* key, std::string& field, const char* missing) {
    field = FIni.ReadString(FSection, key, missing);
}

void TbsSkinFieldReader::Boolean(const char* key, bool& field) {
    field = SkinIniReadBool(FIni, FSection, key);
}

void TbsSkinFieldReader::Rect(const char* key, TRect& field) {
    field = SkinIniReadRect(FIni, FSection, key);
}

void TbsSkinFieldReader::Point(const char* key, TPoint& field) {
    field = SkinIniReadPoint(FIni, FSection, key);
}

void TbsSkinFieldReader::FontStyles(const char* key, TFontStyles& field) {
    field = SkinIniReadFontStyles(FIni, FSection, key);
}

void TbsSkinFieldReader::Alignment(const char* key, TAlignment& field) {
    field = SkinIniReadAlignment(FIni, FSection, key);
}

void TbsSkinFieldReader::MorphKind(const char* key, TbsMorphKind& field) {
    field = ReadMorphKind(FIni, FSection, key);
}

void TbsSkinFieldReader::StretchType(const char* key, TbsStretchType& field) {
    field = ReadStretchType(FIni, FSection, key);
}

void TbsSkinFieldReader::Command(const char* key, TbsStdCommand& field) {
    field = ReadStdCommand(FIni, FSection, key);
}

void TbsSkinFieldWriter::Integer(const char* key, int& field, int) {
    FIni.WriteInteger(FSection, key, field);
}

void TbsSkinFieldWriter::Color(const char* key, TColor& field, TColor) {
    FIni.WriteInteger(FSection, key, field);
}

void TbsSkinFieldWriter::Text(const char* key, std::string& field, const char*) {
    FIni.WriteString(FSection, key, field);
}

void TbsSkinFieldWriter::Boolean(const char* key, bool& field) {
    SkinIniWriteBool(FIni, FSection, key, field);
}

void TbsSkinFieldWriter::Rect(const char* key, TRect& field) {
    SkinIniWriteRect(FIni, FSection, key, field);
}

void TbsSkinFieldWriter::Point(const char* key, TPoint& field) {
    SkinIniWritePoint(FIni, FSection, key, field);
}

void TbsSkinFieldWriter::FontStyles(const char* key, TFontStyles& field) {
    SkinIniWriteFontStyles(FIni, FSection, key, field);
}

void TbsSkinFieldWriter::Alignment(const char* key, TAlignment& field) {
    SkinIniWriteAlignment(FIni, FSection, key, field);
}

void TbsSkinFieldWriter::MorphKind(const char* key, TbsMorphKind& field) {
    WriteMorphKind(FIni, FSection, key, field);
}

void TbsSkinFieldWriter::StretchType(const char* key, TbsStretchType& field) {
    WriteStretchType(FIni, FSection, key, field);
}

void TbsSkinFieldWriter::Command(const char* key, TbsStdCommand& field) {
    WriteStdCommand(FIni, FSection, key, field);
}
