// The ini fuzz target's seeds and past findings: whatever the text, every key reads back or the
// reader refuses with the system's error, and nothing else happens.
#include "ScratchFolder.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/TIniFile.h"
#include "platform/rtl/TMemIniFile.h"
#include "platform/rtl/TStringList.h"
#include "tests/main/FuzzInputs.h"

#include <gtest/gtest.h>

#include <string_view>

namespace {

void ReadEveryKey(const TCustomIniFile& ini) {
    TStringList sections;
    ini.ReadSections(sections);
    for (int s = 0; s < sections.Count(); ++s) {
        TStringList keys;
        ini.ReadSection(sections[s], keys);
        for (int k = 0; k < keys.Count(); ++k) {
            ini.ReadString(sections[s], keys[k], "");
            ini.ReadInteger(sections[s], keys[k], 0);
            ini.ReadFloat(sections[s], keys[k], 0.0);
        }
    }
}

TEST(IniFuzzInputs, EverySeedAndPastFindingReadsOrIsRefused) {
    const ScratchFolder folder;
    for (const TFuzzInput& input : FuzzInputs("ini")) {
        const std::string_view text(reinterpret_cast<const char*>(input.Bytes.data()),
                                    input.Bytes.size());
        const std::string path = folder.WriteFile("fuzz.ini", std::string(text));
        EXPECT_NO_THROW({
            try {
                TStringList lines;
                lines.SetText(text);
                TMemIniFile memory("");
                memory.SetStrings(lines);
                ReadEveryKey(memory);
                ReadEveryKey(TIniFile(path));
            } catch (const Exception&) {}
        }) << input.Name;
    }
}

} // namespace
