#pragma once
#include <string>

// Switches the process to a locale whose decimal separator is a comma (German) for the lifetime
// of the object, compiling one into a temporary folder with localedef when none is installed.
// Active() is false when neither works; the caller then skips.
class TCommaLocale {
public:
    TCommaLocale();
    ~TCommaLocale();
    TCommaLocale(const TCommaLocale&) = delete;
    TCommaLocale& operator=(const TCommaLocale&) = delete;

    bool Active() const { return FActive; }

private:
    std::string FSaved;
    bool FActive{ false };
};
