#pragma once
#include "platform/rtl/TCustomIniFile.h"
#include "platform/rtl/TIniDocument.h"

#include <string>

class TStrings;

// An ini document held in memory: loaded from the file when it exists (an unreadable file raises
// EFOpenError), read and changed in memory, and written back, atomically, only by UpdateFile.
// It can also be built from and turned into text lines without any file.
class TMemIniFile : public TCustomIniFile {
public:
    explicit TMemIniFile(std::string fileName);

    void UpdateFile() override;

    // The document as text lines, and the document replaced by text lines.
    void GetStrings(TStrings& strings) const;
    void SetStrings(const TStrings& strings);
    void Clear() { FDocument.Clear(); }

protected:
    void Inspect(const std::function<void(const TIniDocument&)>& fn) const override;
    void Modify(const std::function<bool(TIniDocument&)>& fn) override;

private:
    TIniDocument FDocument;
};
