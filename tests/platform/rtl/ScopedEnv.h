#pragma once
#include <cstdlib>
#include <string>

// Sets an environment variable (or removes it, for null) for one scope and puts the old state
// back afterwards.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : FName(name) {
        if (const char* old = std::getenv(name)) {
            FOld = old;
            FHad = true;
        }
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~ScopedEnv() {
        if (FHad)
            ::setenv(FName.c_str(), FOld.c_str(), 1);
        else
            ::unsetenv(FName.c_str());
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string FName;
    std::string FOld;
    bool FHad{ false };
};
