#pragma once
#include <locale.h>

// Runs the calling thread in the "C" locale while it lives, so that the libraries' number
// parsing (strtod inside their expression and option readers) reads "29.97" the same whatever
// locale the program runs in. Other threads keep their locale.
class TCLocaleScope {
public:
    TCLocaleScope();
    ~TCLocaleScope();
    TCLocaleScope(const TCLocaleScope&) = delete;
    TCLocaleScope& operator=(const TCLocaleScope&) = delete;

private:
    locale_t FPrevious{ nullptr };
};
