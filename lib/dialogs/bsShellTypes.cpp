#include "lib/dialogs/bsShellTypes.h"

#include "platform/rtl/TextUtils.h"

#include <array>

namespace {

constexpr std::array<const char*, kRootFolderCount> kRootFolderNames{
    "rfDesktop",        "rfMyComputer",       "rfNetwork",
    "rfRecycleBin",     "rfAppData",          "rfCommonDesktopDirectory",
    "rfCommonPrograms", "rfCommonStartMenu",  "rfCommonStartup",
    "rfControlPanel",   "rfDesktopDirectory", "rfFavorites",
    "rfFonts",          "rfInternet",         "rfPersonal",
    "rfPrinters",       "rfPrintHood",        "rfPrograms",
    "rfRecent",         "rfSendTo",           "rfStartMenu",
    "rfStartup",        "rfTemplates",
};

} // namespace

std::uint32_t EnumFlagsOf(TShellObjectTypes types) {
    return std::uint32_t(types.Bits() & 7) * 32;
}

const char* RootFolderName(TRootFolder folder) {
    return kRootFolderNames[std::size_t(folder)];
}

int RootFolderIndex(const std::string& text) {
    for (std::size_t i = 0; i < kRootFolderNames.size(); ++i)
        if (SameText(text, kRootFolderNames[i])) return int(i);
    return -1;
}
