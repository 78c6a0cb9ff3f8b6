#include "platform/rtl/TMemIniFile.h"

#include "platform/rtl/AtomicFile.h"
#include "platform/rtl/FileSystem.h"
#include "platform/rtl/TFileStream.h"
#include "platform/rtl/TStrings.h"

#include <utility>

TMemIniFile::TMemIniFile(std::string fileName) : TCustomIniFile(std::move(fileName)) {
    if (FileName().empty() || !FileExists(FileName())) return;
    TFileStream file(FileName(), fmOpenRead | fmShareDenyWrite);
    std::string text(static_cast<size_t>(file.Size()), '\0');
    file.ReadBuffer(text.data(), static_cast<int64_t>(text.size()));
    FDocument.SetText(text);
}

void TMemIniFile::UpdateFile() {
    std::string reason;
    if (FileName().empty() || !SaveFileAtomically(FileName(), FDocument.Text(), reason))
        WriteError();
}

void TMemIniFile::GetStrings(TStrings& strings) const {
    strings.SetText(FDocument.Text());
}

void TMemIniFile::SetStrings(const TStrings& strings) {
    FDocument.SetText(strings.Text());
}

void TMemIniFile::Inspect(const std::function<void(const TIniDocument&)>& fn) const {
    fn(FDocument);
}

void TMemIniFile::Modify(const std::function<bool(TIniDocument&)>& fn) {
    fn(FDocument);
}
