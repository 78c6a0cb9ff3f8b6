#include "app/SettingsSections.h"

#include "platform/rtl/FileSystem.h"
#include "platform/rtl/TextUtils.h"

#include <array>

namespace {

constexpr const char* kOptions = "Options";

std::string DefaultOutputFolderWritten(TSettingsFile& file, const std::string& defaultFolder) {
    if (!DirectoryExists(defaultFolder)) ForceDirectories(defaultFolder);
    file.Write("OutPath", "OutPath", defaultFolder);
    return defaultFolder;
}

// The key's value when it lies in 0..last, else the default written back.
int ReadChoice(TSettingsFile& file, const char* key, int last, int defaultValue) {
    const std::string value = file.Read(kOptions, key);
    if (value.size() == 1 && value[0] >= '0' && value[0] <= '0' + last) return value[0] - '0';
    file.Write(kOptions, key, IntToStr(defaultValue));
    return defaultValue;
}

bool IsThreadCountEntry(const std::string& value) {
    int32_t n = 0;
    return TryStrToInt(value, n) && IntToStr(n) == value && n >= 1 && n <= 19;
}

} // namespace

std::string ReadOutputFolder(TSettingsFile& file, const std::string& defaultFolder) {
    try {
        if (file.Exists()) {
            const std::string stored = file.Read("OutPath", "OutPath");
            if (!stored.empty()) {
                if (!DirectoryExists(stored)) ForceDirectories(stored);
                return stored;
            }
        }
        return DefaultOutputFolderWritten(file, defaultFolder);
    } catch (const std::exception&) {
        return DefaultOutputFolderWritten(file, defaultFolder);
    }
}

void WriteOutputFolder(TSettingsFile& file, const std::string& folder) {
    if (DirectoryExists(folder)) file.Write("OutPath", "OutPath", folder);
}

int ReadSkinIndex(TSettingsFile& file) {
    int32_t index = 0;
    if (file.Exists() && TryStrToInt(Trim(file.Read("Skin", "SetSkin")), index)) return index;
    // A value that is no number must not stop the main window from being set up.
    file.Write("Skin", "SetSkin", "0");
    return 0;
}

void WriteSkinIndex(TSettingsFile& file, int index) {
    file.Write("Skin", "SetSkin", IntToStr(index));
}

void ReadConversionOptions(TSettingsFile& file, TConversionOptions& options) {
    if (!file.Exists()) {
        const TConversionOptions defaults;
        file.WriteAll(kOptions, { { "Thread_Count", "0" },
                                  { "After_Done", "0" },
                                  { "Show_Preview", "0" },
                                  { "Thread_Priority", "3" },
                                  { "Overwrite_File", "1" } });
        options = defaults;
        return;
    }
    const std::string count = file.Read(kOptions, "Thread_Count");
    const bool entry = IsThreadCountEntry(count);
    if (!entry && count != "0") file.Write(kOptions, "Thread_Count", "0");
    options.ThreadCount = entry ? count : TConversionOptions().ThreadCount;
    options.AfterDone = ReadChoice(file, "After_Done", 3, 0);
    options.ThreadPriority = ReadChoice(file, "Thread_Priority", 3, 3);
    options.OverwriteFile = ReadChoice(file, "Overwrite_File", 1, 1);
    options.ShowPreview = ReadChoice(file, "Show_Preview", 1, 0) == 1;
}

void WriteConversionOptions(TSettingsFile& file, const TConversionOptions& options,
                            bool writeThreadCount) {
    std::vector<std::pair<std::string, std::string>> values;
    if (writeThreadCount) values.emplace_back("Thread_Count", options.ThreadCount);
    values.emplace_back("After_Done", IntToStr(options.AfterDone));
    values.emplace_back("Show_Preview", options.ShowPreview ? "1" : "0");
    values.emplace_back("Thread_Priority", IntToStr(options.ThreadPriority));
    values.emplace_back("Overwrite_File", IntToStr(options.OverwriteFile));
    file.WriteAll(kOptions, values);
}

std::string ReadSnapshotFolder(TSettingsFile& file, const std::string& defaultFolder) {
    const std::string stored = file.Read("SnapShot", "Dir");
    if (!stored.empty()) {
        if (!DirectoryExists(stored)) ForceDirectories(stored);
        return stored;
    }
    if (!DirectoryExists(defaultFolder)) ForceDirectories(defaultFolder);
    file.Write("SnapShot", "Dir", defaultFolder);
    return defaultFolder;
}

void WriteSnapshotFolder(TSettingsFile& file, const std::string& folder) {
    file.Write("SnapShot", "Dir", folder);
}

std::string ReadSnapshotPicture(TSettingsFile& file) {
    static const std::array<std::string, 4> kTypes{ "BMP", "JPG", "GIF", "PNG" };
    const std::string stored = file.Read("SnapShot", "Picture");
    for (const auto& type : kTypes)
        if (stored == type) return stored;
    file.Write("SnapShot", "Picture", "BMP");
    return "BMP";
}

void WriteSnapshotPicture(TSettingsFile& file, const std::string& picture) {
    file.Write("SnapShot", "Picture", picture);
}
