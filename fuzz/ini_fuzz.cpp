// Ini text, in memory and from a file: every section and key read back in each of the typed
// forms, then one key written and one section erased.
#include "fuzz/FuzzSupport.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/TIniFile.h"
#include "platform/rtl/TMemIniFile.h"
#include "platform/rtl/TStringList.h"

#include <string_view>

namespace {

// A file is parsed again for each access: from a file each section's values are read at once,
// and the walk key by key and type by type is done in memory.
void ReadEverything(TCustomIniFile& ini, bool eachKey) {
    TStringList sections;
    ini.ReadSections(sections);
    for (int s = 0; s < sections.Count(); ++s) {
        const std::string section = sections[s];
        TStringList keys, values;
        ini.ReadSectionValues(section, values);
        if (!eachKey) continue;
        ini.ReadSection(section, keys);
        for (int k = 0; k < keys.Count(); ++k) {
            ini.ReadString(section, keys[k], "");
            ini.ReadInteger(section, keys[k], 0);
            ini.ReadFloat(section, keys[k], 0.0);
            ini.ReadBool(section, keys[k], false);
            ini.ValueExists(section, keys[k]);
        }
    }
    if (sections.Count() > 0) {
        ini.WriteString(sections[0], "added", " quoted 'value' ");
        ini.EraseSection(sections[sections.Count() - 1]);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        TStringList lines;
        lines.SetText(std::string_view(reinterpret_cast<const char*>(data), size));
        TMemIniFile memory("");
        memory.SetStrings(lines);
        ReadEverything(memory, true);
    } catch (const Exception&) {}
    try {
        TIniFile file(fuzz::WriteScratchFile("fuzz.ini", fuzz::Bytes(data, size)));
        ReadEverything(file, false);
    } catch (const Exception&) {}
    return 0;
}
