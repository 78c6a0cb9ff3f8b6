#include "platform/rtl/TIniFile.h"

#include "platform/rtl/AtomicFile.h"
#include "platform/rtl/TIniDocument.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

enum TLoadResult { lrLoaded, lrMissing, lrUnreadable };

struct TFdCloser {
    int Fd;
    ~TFdCloser() { ::close(Fd); }
};

TLoadResult Load(const std::string& fileName, TIniDocument& document) {
    const int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT ? lrMissing : lrUnreadable;
    const TFdCloser closer{ fd };
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return lrUnreadable;
    std::string text;
    char chunk[16384];
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            return lrUnreadable;
        }
        text.append(chunk, static_cast<size_t>(n));
    }
    document.SetText(text);
    return lrLoaded;
}

} // namespace

TIniFile::TIniFile(std::string fileName) : TCustomIniFile(std::move(fileName)) {}

void TIniFile::Inspect(const std::function<void(const TIniDocument&)>& fn) const {
    TIniDocument document;
    Load(FileName(), document);
    fn(document);
}

void TIniFile::Modify(const std::function<bool(TIniDocument&)>& fn) {
    TIniDocument document;
    // Rewriting a file that exists but could not be read would throw its content away.
    if (Load(FileName(), document) == lrUnreadable) WriteError();
    if (!fn(document)) return;
    std::string reason;
    if (!SaveFileAtomically(FileName(), document.Text(), reason)) WriteError();
}
