#pragma once
#include "platform/rtl/TCustomIniFile.h"

#include <string>

// An ini file on disk with the profile functions' behaviour: nothing is cached, every read opens
// the file by name (a missing or unreadable file reads as empty), and every write rewrites it at
// once, atomically, creating the file or the section when missing. UTF-8, a byte-order mark
// tolerated on reading. A write the disk refuses raises EIniFileException "Unable to write to %s"
// and leaves the file as it was.
class TIniFile : public TCustomIniFile {
public:
    explicit TIniFile(std::string fileName);

    void UpdateFile() override {}

protected:
    void Inspect(const std::function<void(const TIniDocument&)>& fn) const override;
    void Modify(const std::function<bool(TIniDocument&)>& fn) override;
};
