#include "Src/FFmpeg/VideoHooks.h"

#include "Src/AVUtilStubs.h"
#include "platform/rtl/Format.h"

#include <dlfcn.h>

#include <filesystem>
#include <map>
#include <mutex>

namespace {

constexpr std::size_t kMaxHookArgs = 63;

void LogError(const std::string& text) {
    if (av::av_log) av::av_log(nullptr, AV_LOG_ERROR, "%s\n", text.c_str());
}

// Plug-ins are loaded once per process and never unloaded: a transcoder may still hold a
// context made by a library that another transcoder would otherwise close.
void* LoadHookModule(const std::string& path, std::string& error) {
    static std::mutex lock;
    static std::map<std::string, void*> modules;
    std::error_code ec;
    std::string key = std::filesystem::weakly_canonical(path, ec).string();
    if (ec || key.empty()) key = path;
    std::lock_guard guard(lock);
    if (auto found = modules.find(key); found != modules.end()) return found->second;
    // dlopen takes a name without a slash as a search; a plug-in is always the file named.
    const std::string fileName = key.find('/') == std::string::npos ? "./" + key : key;
    void* handle = ::dlopen(fileName.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* text = ::dlerror();
        error = text ? text : "cannot load " + path;
        return nullptr;
    }
    modules.emplace(key, handle);
    return handle;
}

} // namespace

std::vector<std::string> SplitVideoHookText(const std::string& text) {
    const char separator = text.find('|') != std::string::npos ? '|' : ' ';
    std::vector<std::string> words;
    std::size_t pos = 0;
    while (words.size() < kMaxHookArgs) {
        pos = text.find_first_not_of(separator, pos);
        if (pos == std::string::npos) break;
        const std::size_t end = text.find(separator, pos);
        words.push_back(text.substr(pos, end == std::string::npos ? std::string::npos : end - pos));
        if (end == std::string::npos) break;
        pos = end;
    }
    return words;
}

struct TFrameHookChain::TEntry {
    TVHookConfigureFn Configure{ nullptr };
    TVHookProcessFn Process{ nullptr };
    TVHookReleaseFn Release{ nullptr };
    void* ctx{ nullptr };
    // The plug-in may keep the argument strings: they live as long as the entry.
    std::vector<std::string> Args;
    std::vector<char*> Argv;
};

TFrameHookChain::TFrameHookChain() = default;

TFrameHookChain::~TFrameHookChain() {
    Release();
}

int TFrameHookChain::Add(const std::vector<std::string>& args) {
    if (args.empty()) return -2;
    const std::string& path = args.front();
    std::string error;
    void* module = LoadHookModule(path, error);
    if (!module) {
        LogError(error);
        return -1;
    }
    auto entry = std::make_unique<TEntry>();
    entry->Process = reinterpret_cast<TVHookProcessFn>(::dlsym(module, "Process"));
    entry->Configure = reinterpret_cast<TVHookConfigureFn>(::dlsym(module, "Configure"));
    entry->Release = reinterpret_cast<TVHookReleaseFn>(::dlsym(module, "Release"));
    if (!entry->Process) {
        LogError(Format("Failed to find Process entrypoint in %s", path));
        return -2;
    }
    if (!entry->Configure && args.size() > 1) {
        LogError(Format("Failed to find Configure entrypoint in %s", path));
        return -2;
    }
    entry->Args = args;
    for (auto& arg : entry->Args)
        entry->Argv.push_back(arg.data());
    entry->Argv.push_back(nullptr);
    if (entry->Configure &&
        entry->Configure(&entry->ctx, int(entry->Args.size()), entry->Argv.data()) != 0) {
        LogError(Format("Failed to Configure %s", path));
        return -22;
    }
    FEntries.push_back(std::move(entry));
    return 0;
}

void TFrameHookChain::Process(TVHookPicture& picture, int pixFmt, int width, int height,
                              std::int64_t pts) const {
    for (const auto& entry : FEntries)
        entry->Process(entry->ctx, &picture, pixFmt, width, height, pts);
}

void TFrameHookChain::Release() {
    ReleaseFrom(0);
}

void TFrameHookChain::ReleaseFrom(std::size_t count) {
    if (count >= FEntries.size()) return;
    for (auto entry = FEntries.begin() + std::ptrdiff_t(count); entry != FEntries.end(); ++entry)
        if ((*entry)->Release) (*entry)->Release((*entry)->ctx);
    FEntries.resize(count);
}
