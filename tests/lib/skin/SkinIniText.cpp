#include "SkinIniText.h"

#include "platform/rtl/TStringList.h"

std::unique_ptr<TMemIniFile> MakeIni(const std::string& text) {
    auto ini = std::make_unique<TMemIniFile>("");
    TStringList lines;
    lines.SetText(text);
    ini->SetStrings(lines);
    return ini;
}

std::vector<std::string> SectionLines(const TCustomIniFile& ini, const std::string& section) {
    TStringList values;
    ini.ReadSectionValues(section, values);
    std::vector<std::string> lines;
    for (int i = 0; i < values.Count(); ++i)
        lines.push_back(values[i]);
    return lines;
}
