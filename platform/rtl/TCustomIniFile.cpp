#include "platform/rtl/TCustomIniFile.h"

#include "platform/rtl/Format.h"
#include "platform/rtl/TIniDocument.h"
#include "platform/rtl/TStrings.h"
#include "platform/rtl/TextUtils.h"

#include <utility>

namespace {

bool HasLineBreak(const std::string& s) {
    return s.find_first_of("\r\n") != std::string::npos;
}

void Replace(TStrings& strings, const std::vector<std::string>& lines) {
    strings.BeginUpdate();
    try {
        strings.Clear();
        for (const auto& line : lines)
            strings.Add(line);
    } catch (...) {
        strings.EndUpdate();
        throw;
    }
    strings.EndUpdate();
}

} // namespace

TCustomIniFile::TCustomIniFile(std::string fileName) : FFileName(std::move(fileName)) {}

std::string TCustomIniFile::ReadString(const std::string& section, const std::string& ident,
                                       const std::string& defaultValue) const {
    std::string result = defaultValue;
    Inspect([&](const TIniDocument& document) {
        if (auto value = document.Value(section, ident)) result = std::move(*value);
    });
    return result;
}

void TCustomIniFile::WriteString(const std::string& section, const std::string& ident,
                                 const std::string& value) {
    // Such names or values would end up as other lines of the file, or would not read back.
    const std::string sectionName = Trim(section);
    const std::string key = Trim(ident);
    if (sectionName.empty() || key.empty() || HasLineBreak(section) || HasLineBreak(ident) ||
        HasLineBreak(value) || sectionName.find(']') != std::string::npos ||
        key.find('=') != std::string::npos || key.front() == ';' || key.front() == '[')
        WriteError();
    Modify([&](TIniDocument& document) {
        document.SetValue(section, ident, value);
        return true;
    });
}

int TCustomIniFile::ReadInteger(const std::string& section, const std::string& ident,
                                int defaultValue) const {
    return StrToIntDef(ReadString(section, ident, ""), defaultValue);
}

void TCustomIniFile::WriteInteger(const std::string& section, const std::string& ident, int value) {
    WriteString(section, ident, IntToStr(value));
}

bool TCustomIniFile::ReadBool(const std::string& section, const std::string& ident,
                              bool defaultValue) const {
    return ReadInteger(section, ident, defaultValue ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(const std::string& section, const std::string& ident, bool value) {
    WriteString(section, ident, value ? "1" : "0");
}

double TCustomIniFile::ReadFloat(const std::string& section, const std::string& ident,
                                 double defaultValue) const {
    return StrToFloatDef(ReadString(section, ident, ""), defaultValue);
}

void TCustomIniFile::WriteFloat(const std::string& section, const std::string& ident,
                                double value) {
    WriteString(section, ident, FloatToStr(value));
}

void TCustomIniFile::ReadSection(const std::string& section, TStrings& strings) const {
    std::vector<std::string> keys;
    Inspect([&](const TIniDocument& document) { keys = document.Keys(section); });
    Replace(strings, keys);
}

void TCustomIniFile::ReadSections(TStrings& strings) const {
    std::vector<std::string> names;
    Inspect([&](const TIniDocument& document) { names = document.Sections(); });
    Replace(strings, names);
}

void TCustomIniFile::ReadSectionValues(const std::string& section, TStrings& strings) const {
    std::vector<std::string> lines;
    Inspect([&](const TIniDocument& document) {
        for (const auto& key : document.Keys(section))
            lines.push_back(key + '=' + document.Value(section, key).value_or(""));
    });
    Replace(strings, lines);
}

bool TCustomIniFile::SectionExists(const std::string& section) const {
    bool exists = false;
    Inspect([&](const TIniDocument& document) { exists = !document.Keys(section).empty(); });
    return exists;
}

bool TCustomIniFile::ValueExists(const std::string& section, const std::string& ident) const {
    bool exists = false;
    Inspect(
        [&](const TIniDocument& document) { exists = document.Value(section, ident).has_value(); });
    return exists;
}

void TCustomIniFile::EraseSection(const std::string& section) {
    Modify([&](TIniDocument& document) { return document.EraseSection(section); });
}

void TCustomIniFile::DeleteKey(const std::string& section, const std::string& ident) {
    Modify([&](TIniDocument& document) { return document.DeleteKey(section, ident); });
}

void TCustomIniFile::WriteError() const {
    throw EIniFileException(Format("Unable to write to %s", FFileName));
}
