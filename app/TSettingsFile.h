#pragma once
#include <string>
#include <utility>
#include <vector>

// "option.ini" read and written through the profile functions: nothing is cached, every access
// opens the file by name, and a write creates the file, section or key it needs. A write that
// cannot be carried out raises EIniFileException "Unable to write to %s". A file opened as one
// that keeps no writes is only read: every write leaves it as it is.
class TSettingsFile {
public:
    explicit TSettingsFile(std::string fileName, bool keepsWrites = true)
        : FFileName(std::move(fileName)), FKeepsWrites(keepsWrites) {}

    const std::string& FileName() const { return FFileName; }
    bool KeepsWrites() const { return FKeepsWrites; }
    bool Exists() const;

    // The stored value, at most 2047 bytes; "" when the key is missing or holds "" or the
    // read-default marker "Error", which the readers all treat as missing.
    std::string Read(const std::string& section, const std::string& key) const;
    void Write(const std::string& section, const std::string& key, const std::string& value);
    // Several keys of one section in one rewrite of the file.
    void WriteAll(const std::string& section,
                  const std::vector<std::pair<std::string, std::string>>& values);

private:
    std::string FFileName;
    bool FKeepsWrites{ true };
};
