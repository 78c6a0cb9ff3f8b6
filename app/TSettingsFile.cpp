#include "app/TSettingsFile.h"

#include "platform/rtl/FileSystem.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/TIniFile.h"
#include "platform/rtl/TMemIniFile.h"
#include "platform/rtl/TextUtils.h"

namespace {

constexpr const char* kReadDefault = "Error";
constexpr std::size_t kMaxValue = 2047;

} // namespace

bool TSettingsFile::Exists() const {
    return FileExists(FFileName);
}

std::string TSettingsFile::Read(const std::string& section, const std::string& key) const {
    std::string value = TIniFile(FFileName).ReadString(section, key, kReadDefault);
    value.resize(Utf8Fit(value, kMaxValue));
    return value == kReadDefault ? std::string() : value;
}

void TSettingsFile::Write(const std::string& section, const std::string& key,
                          const std::string& value) {
    if (FKeepsWrites) TIniFile(FFileName).WriteString(section, key, value);
}

void TSettingsFile::WriteAll(const std::string& section,
                             const std::vector<std::pair<std::string, std::string>>& values) {
    if (!FKeepsWrites) return;
    try {
        TMemIniFile file(FFileName);
        for (const auto& [key, value] : values)
            file.WriteString(section, key, value);
        file.UpdateFile();
    } catch (const EIniFileException&) {
        throw;
    } catch (const Exception&) {
        // An existing file that cannot be read cannot be rewritten without losing its other keys.
        throw EIniFileException(Format("Unable to write to %s", FFileName));
    }
}
