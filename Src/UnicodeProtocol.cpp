#include "Src/UnicodeProtocol.h"

#include "Src/AVFormatStubs.h"
#include "Src/AVUtilStubs.h"
#include "platform/rtl/FilePath.h"

#include <cerrno>
#include <fcntl.h>
#include <iconv.h>
#include <langinfo.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view kUnicodePrefix = "unicode:utf8:";
// URLs of these protocols go to the libraries unchanged.
constexpr std::string_view kPassedProtocols = ":unicode:stream:gopher:http:pipe:rtp:tcp:udp:";
constexpr int kIOBufferSize = 32768;

bool IsPassedURL(const std::string& name) {
    const std::size_t colon = name.find(':');
    if (colon == std::string::npos) return false;
    const std::string key = ":" + name.substr(0, colon) + ":";
    return kPassedProtocols.find(key) != std::string_view::npos;
}

bool FitsLocaleCharset(const std::string& name) {
    const std::string_view codeset = nl_langinfo(CODESET);
    if (codeset == "UTF-8" || codeset == "utf8") return true;
    iconv_t converter = iconv_open(nl_langinfo(CODESET), "UTF-8");
    if (converter == iconv_t(-1)) return false;
    std::string in = name;
    std::string out(name.size() * 4 + 16, '\0');
    char* inPtr = in.data();
    char* outPtr = out.data();
    std::size_t inLeft = in.size();
    std::size_t outLeft = out.size();
    const bool fits = iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft) != std::size_t(-1);
    iconv_close(converter);
    return fits && inLeft == 0;
}

struct TUnicodeFile {
    int Fd{ -1 };
    ~TUnicodeFile() {
        if (Fd >= 0) ::close(Fd);
    }
};

int UnicodeRead(void* opaque, std::uint8_t* buffer, int size) {
    const ssize_t got = ::read(static_cast<TUnicodeFile*>(opaque)->Fd, buffer, std::size_t(size));
    if (got < 0) return AVERROR(errno);
    return got == 0 ? AVERROR_EOF : int(got);
}

int UnicodeWrite(void* opaque, std::uint8_t* buffer, int size) {
    const int fd = static_cast<TUnicodeFile*>(opaque)->Fd;
    int written = 0;
    while (written < size) {
        const ssize_t n = ::write(fd, buffer + written, std::size_t(size - written));
        if (n < 0) {
            if (errno == EINTR) continue;
            return AVERROR(errno);
        }
        written += int(n);
    }
    return written;
}

std::int64_t UnicodeSeek(void* opaque, std::int64_t position, int whence) {
    const int fd = static_cast<TUnicodeFile*>(opaque)->Fd;
    whence &= ~AVSEEK_FORCE;
    if (whence == AVSEEK_SIZE) {
        struct stat info {};
        return fstat(fd, &info) == 0 ? std::int64_t(info.st_size) : AVERROR(errno);
    }
    const off_t result = ::lseek(fd, off_t(position), whence);
    return result < 0 ? AVERROR(errno) : std::int64_t(result);
}

int OpenUnicodeIO(AVIOContext** io, const std::string& url, int flags) {
    int openFlags = O_RDONLY;
    if ((flags & AVIO_FLAG_READ_WRITE) == AVIO_FLAG_READ_WRITE)
        openFlags = O_RDWR | O_CREAT | O_TRUNC;
    else if (flags & AVIO_FLAG_WRITE)
        openFlags = O_WRONLY | O_CREAT | O_TRUNC;
    auto file = std::make_unique<TUnicodeFile>();
    file->Fd = ::open(UnicodeURLToName(url).c_str(), openFlags | O_CLOEXEC, 0666);
    if (file->Fd < 0) return AVERROR(errno);
    auto* buffer = static_cast<std::uint8_t*>(av::av_malloc(kIOBufferSize));
    if (!buffer) return AVERROR(ENOMEM);
    *io = av::avio_alloc_context(buffer, kIOBufferSize, (flags & AVIO_FLAG_WRITE) ? 1 : 0,
                                 file.get(), UnicodeRead, UnicodeWrite, UnicodeSeek);
    if (!*io) {
        av::av_free(buffer);
        return AVERROR(ENOMEM);
    }
    file.release(); // owned by the context from here, freed in FreeUnicodeIO
    return 0;
}

void FreeUnicodeIO(AVIOContext** io) {
    if (!*io) return;
    if ((*io)->write_flag) av::avio_flush(*io);
    std::unique_ptr<TUnicodeFile> file(static_cast<TUnicodeFile*>((*io)->opaque));
    av::av_freep(&(*io)->buffer);
    av::avio_context_free(io);
}

} // namespace

bool NeedsUnicodeName(const std::string& name) {
    if (IsPassedURL(name)) return false;
    return !FitsLocaleCharset(name);
}

bool IsUnicodeName(std::string_view name) {
    return name.size() > kUnicodePrefix.size() &&
           name.substr(0, kUnicodePrefix.size()) == kUnicodePrefix;
}

std::string FileNameToAV(const std::string& name) {
    if (IsPassedURL(name)) return name;
    const bool fileURL = name.compare(0, 5, "file:") == 0;
    if (NeedsUnicodeName(name))
        return std::string(kUnicodePrefix) + (fileURL ? name.substr(5) : name);
    // The libraries read "xyz:" at the front of a name as a protocol, so a relative name with a
    // colon in its first folder goes to them as an absolute one.
    const std::size_t colon = name.find(':');
    if (!fileURL && colon != std::string::npos && !name.starts_with('/') && name.find('/') > colon)
        return ExpandFileName(name);
    return name;
}

std::string UnicodeURLToName(const std::string& url) {
    std::string rest = url;
    for (int i = 0; i < 2; ++i) {
        const std::size_t colon = rest.find(':');
        rest = colon == std::string::npos ? std::string() : rest.substr(colon + 1);
    }
    return rest;
}

std::string FileNameFromAV(const std::string& name) {
    return IsUnicodeName(name) ? UnicodeURLToName(name) : name;
}

bool IsUnicodeIO(const AVIOContext* io) {
    return io && io->read_packet == UnicodeRead && io->seek == UnicodeSeek;
}

int AVOpenInput(AVFormatContext** context, const std::string& url, const AVInputFormat* format,
                AVDictionary** options) {
    if (!IsUnicodeName(url)) return av::avformat_open_input(context, url.c_str(), format, options);
    if (!*context && !(*context = av::avformat_alloc_context())) return AVERROR(ENOMEM);
    AVIOContext* io = nullptr;
    const int opened = OpenUnicodeIO(&io, url, AVIO_FLAG_READ);
    if (opened < 0) {
        av::avformat_free_context(*context);
        *context = nullptr;
        return opened;
    }
    // A context given its own I/O leaves closing it to us (AVFMT_FLAG_CUSTOM_IO).
    (*context)->pb = io;
    const int result = av::avformat_open_input(context, url.c_str(), format, options);
    if (result < 0) FreeUnicodeIO(&io);
    return result;
}

void AVCloseInput(AVFormatContext** context) {
    if (!*context) return;
    AVIOContext* io = IsUnicodeIO((*context)->pb) ? (*context)->pb : nullptr;
    av::avformat_close_input(context);
    FreeUnicodeIO(&io);
}

int AVOpenIO(AVIOContext** io, const std::string& url, int flags, const AVIOInterruptCB* interrupt,
             AVDictionary** options) {
    if (!IsUnicodeName(url)) return av::avio_open2(io, url.c_str(), flags, interrupt, options);
    return OpenUnicodeIO(io, url, flags);
}

int AVCloseIO(AVIOContext** io) {
    if (!IsUnicodeIO(*io)) return av::avio_closep(io);
    const int error = (*io)->error;
    FreeUnicodeIO(io);
    return error;
}

void InputContextClose::operator()(AVFormatContext* context) const {
    if (av::avformat_close_input) AVCloseInput(&context);
}

void IOContextClose::operator()(AVIOContext* io) const {
    if (av::avio_closep) AVCloseIO(&io);
}
