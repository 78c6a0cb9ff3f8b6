#pragma once
#include <string>

// One loaded shared library, closed when the object goes away. Failures are reported through
// Loaded()/ErrorText() and the symbol's Error, with the loader's own words, so that callers can
// build their messages around them.
class TDynamicLibrary {
public:
    struct TSymbol {
        void* Address{ nullptr };
        std::string Error; // the loader's text when Address is null
        explicit operator bool() const { return Address != nullptr; }
    };

    TDynamicLibrary() = default;
    ~TDynamicLibrary();
    TDynamicLibrary(TDynamicLibrary&& other) noexcept;
    TDynamicLibrary& operator=(TDynamicLibrary&& other) noexcept;
    TDynamicLibrary(const TDynamicLibrary&) = delete;
    TDynamicLibrary& operator=(const TDynamicLibrary&) = delete;

    // Loads folder/fileName when that file exists, else fileName through the system's search
    // (by soname). An empty folder always searches.
    static TDynamicLibrary Load(const std::string& folder, const std::string& fileName);

    bool Loaded() const { return FHandle != nullptr; }
    // What the loader said when Load failed; empty after success.
    const std::string& ErrorText() const { return FErrorText; }
    // The file that was asked for: the full name when taken from the folder, else the bare name.
    const std::string& FileName() const { return FFileName; }

    TSymbol Symbol(const std::string& name) const;
    void Unload();

private:
    void* FHandle{ nullptr };
    std::string FFileName;
    std::string FErrorText;
};
