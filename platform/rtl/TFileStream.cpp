#include "platform/rtl/TFileStream.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string OpenErrorText(const char* pattern, const std::string& fileName, int error) {
    // The message shape is fixed ("Cannot open file \"%s\". %s"); built by hand to keep the
    // streams free of the formatting module.
    std::string text = pattern;
    text += " file \"";
    text += fileName;
    text += "\". ";
    text += std::strerror(error);
    return text;
}

int OpenFlags(unsigned mode) {
    if ((mode & fmCreate) == fmCreate) return O_RDWR | O_CREAT | O_TRUNC;
    switch (mode & 0x3) {
    case fmOpenWrite:
        return O_WRONLY;
    case fmOpenReadWrite:
        return O_RDWR;
    default:
        return O_RDONLY;
    }
}

} // namespace

TFileStream::TFileStream(const std::string& fileName, unsigned mode) : FFileName(fileName) {
    const bool create = (mode & fmCreate) == fmCreate;
    const int flags = OpenFlags(mode) | O_CLOEXEC;
    do {
        FHandle = ::open(fileName.c_str(), flags, 0666);
    } while (FHandle < 0 && errno == EINTR);
    int error = FHandle < 0 ? errno : 0;
    struct stat info {};
    if (FHandle >= 0 && ::fstat(FHandle, &info) == 0 && S_ISDIR(info.st_mode)) {
        ::close(FHandle);
        FHandle = -1;
        error = EISDIR;
    }
    if (FHandle < 0) {
        if (create) throw EFCreateError(OpenErrorText("Cannot create", fileName, error));
        throw EFOpenError(OpenErrorText("Cannot open", fileName, error));
    }
}

TFileStream::~TFileStream() {
    if (FHandle >= 0) ::close(FHandle);
}

std::int64_t TFileStream::Read(void* buffer, std::int64_t count) {
    auto* out = static_cast<char*>(buffer);
    std::int64_t done = 0;
    while (done < count) {
        const ssize_t n = ::read(FHandle, out + done, std::size_t(count - done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return done > 0 ? done : -1;
        if (n == 0) break;
        done += n;
    }
    return done;
}

std::int64_t TFileStream::Write(const void* buffer, std::int64_t count) {
    const auto* in = static_cast<const char*>(buffer);
    std::int64_t done = 0;
    while (done < count) {
        const ssize_t n = ::write(FHandle, in + done, std::size_t(count - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return done > 0 ? done : -1;
        done += n;
    }
    return done;
}

std::int64_t TFileStream::Seek(std::int64_t offset, TSeekOrigin origin) {
    int whence = SEEK_SET;
    if (origin == soCurrent) whence = SEEK_CUR;
    if (origin == soEnd) whence = SEEK_END;
    return ::lseek(FHandle, off_t(offset), whence);
}

std::int64_t TFileStream::Size() {
    struct stat info {};
    if (::fstat(FHandle, &info) != 0) return -1;
    return info.st_size;
}

void TFileStream::SetSize(std::int64_t newSize) {
    const std::int64_t position = Position();
    if (newSize < 0 || ::ftruncate(FHandle, off_t(newSize)) != 0)
        throw EWriteError("Stream write error");
    if (position > newSize) Seek(0, soEnd);
}
