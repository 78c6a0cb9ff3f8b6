#include "lib/dialogs/bsFileDialogNames.h"

#include "platform/rtl/FilePath.h"

std::string FilterMaskExtension(const std::string& mask) {
    if (mask.find(".*") != std::string::npos) return {};
    return ExtractFileExt(mask.substr(0, mask.find(';')));
}

std::string CompletedSaveName(const std::string& name, const std::string& mask,
                              const std::string& defaultExt) {
    if (!ExtractFileExt(name).empty()) return name;
    if (const std::string ext = FilterMaskExtension(mask); !ext.empty()) return name + ext;
    return defaultExt.empty() ? name : name + "." + defaultExt;
}

std::string NameForFilter(const std::string& typed, const std::string& mask) {
    const std::string ext = FilterMaskExtension(mask);
    if (ext.empty() || typed.empty()) return typed;
    return ExtractFileExt(typed).empty() ? typed + ext : ChangeFileExt(typed, ext);
}

std::string NewFolderName(const std::string& base, int count) {
    return count > 1 ? base + "(" + std::to_string(count) + ")" : base;
}
