#pragma once
#include "platform/rtl/Exception.h"

#include <functional>
#include <string>

class TIniDocument;
class TStrings;

// A write the ini file could not carry out: "Unable to write to %s" with the file's name.
class EIniFileException : public Exception {
public:
    using Exception::Exception;
};

// The common face of the ini classes: values by section and key, names matched without regard
// to ASCII case. A missing section reads like a section whose keys are all missing. Descendants
// give access to the document; TIniFile goes to the disk on every call, TMemIniFile keeps the
// document in memory until UpdateFile.
class TCustomIniFile {
public:
    explicit TCustomIniFile(std::string fileName);
    virtual ~TCustomIniFile() = default;
    TCustomIniFile(const TCustomIniFile&) = delete;
    TCustomIniFile& operator=(const TCustomIniFile&) = delete;

    const std::string& FileName() const { return FFileName; }

    // The value read back is the one written: surrounding blanks of a value in the file are
    // trimmed and one pair of enclosing double or single quotes removed, and the writer quotes
    // values that this would change. An empty value reads as "", not as the default.
    std::string ReadString(const std::string& section, const std::string& ident,
                           const std::string& defaultValue) const;
    // Names may not hold line breaks, a key no "=" and a section no "]"; values no line breaks.
    // Such a write, or one the disk refuses, raises EIniFileException.
    void WriteString(const std::string& section, const std::string& ident,
                     const std::string& value);
    // Decimal, or hexadecimal after "0x" or "$"; anything else gives the default.
    int ReadInteger(const std::string& section, const std::string& ident, int defaultValue) const;
    void WriteInteger(const std::string& section, const std::string& ident, int value);
    // Any integer other than 0 is true; written as "1" or "0".
    bool ReadBool(const std::string& section, const std::string& ident, bool defaultValue) const;
    void WriteBool(const std::string& section, const std::string& ident, bool value);
    // Decimal point whatever the locale; a value that is no number gives the default.
    double ReadFloat(const std::string& section, const std::string& ident,
                     double defaultValue) const;
    void WriteFloat(const std::string& section, const std::string& ident, double value);

    // These replace the list's lines: the keys of a section, the section names, and the
    // section's key=value lines (values as ReadString gives them).
    void ReadSection(const std::string& section, TStrings& strings) const;
    void ReadSections(TStrings& strings) const;
    void ReadSectionValues(const std::string& section, TStrings& strings) const;
    // A section exists only when it holds at least one key.
    bool SectionExists(const std::string& section) const;
    bool ValueExists(const std::string& section, const std::string& ident) const;
    void EraseSection(const std::string& section);
    void DeleteKey(const std::string& section, const std::string& ident);

    // Writes what is held in memory to the file; nothing to do where every write goes to disk.
    virtual void UpdateFile() = 0;

protected:
    // Run fn on the current document; Modify stores the result when fn returns true.
    virtual void Inspect(const std::function<void(const TIniDocument&)>& fn) const = 0;
    virtual void Modify(const std::function<bool(TIniDocument&)>& fn) = 0;

    [[noreturn]] void WriteError() const;

private:
    std::string FFileName;
};
