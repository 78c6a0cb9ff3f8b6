#include "CommaLocale.h"

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

// Compiles into a private folder and renames it into place, so that test programs running at
// the same time never see a half-written locale.
bool CompileGermanLocale(const std::filesystem::path& target) {
    if (!std::filesystem::exists("/usr/share/i18n/locales/de_DE")) return false;
    std::string scratch = target.string() + ".XXXXXX";
    if (!mkdtemp(scratch.data())) return false;
    const std::string output = scratch + "/de_DE.UTF-8";
    const char* argv[] = { "localedef", "-i", "de_DE", "-f", "UTF-8", output.c_str(), nullptr };
    pid_t pid = 0;
    int status = -1;
    if (posix_spawnp(&pid, "localedef", nullptr, nullptr, const_cast<char* const*>(argv),
                     environ) == 0)
        waitpid(pid, &status, 0);
    std::error_code error;
    // localedef exits with 1 when it only warned.
    if (status != -1 && WIFEXITED(status) && WEXITSTATUS(status) <= 1)
        std::filesystem::rename(output, target, error);
    std::filesystem::remove_all(scratch, error);
    return std::filesystem::exists(target);
}

bool TrySet() {
    for (const char* name : { "de_DE.UTF-8", "de_DE.utf8", "de_DE" })
        if (std::setlocale(LC_ALL, name)) return true;
    return false;
}

} // namespace

TCommaLocale::TCommaLocale() : FSaved(std::setlocale(LC_ALL, nullptr)) {
    FActive = TrySet();
    if (FActive) return;
    const auto folder =
        std::filesystem::temp_directory_path() / ("rtl-comma-locale-" + std::to_string(getuid()));
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const auto target = folder / "de_DE.UTF-8";
    if (!std::filesystem::exists(target) && !CompileGermanLocale(target)) return;
    setenv("LOCPATH", folder.c_str(), 1);
    FActive = TrySet();
}

TCommaLocale::~TCommaLocale() {
    std::setlocale(LC_ALL, FSaved.c_str());
}
