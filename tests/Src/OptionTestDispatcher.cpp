#include "OptionTestDispatcher.h"

#include "Src/FFmpegLoader.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/MainThread.h"

#include <algorithm>

TTestDispatcher::TTestDispatcher() {
    AllocFFOptions(Options().FOptions, int(Options().Fsws_flags));
}

void TTestDispatcher::Apply(const std::string& lines) {
    std::size_t start = 0;
    while (start < lines.size()) {
        std::size_t end = lines.find(';', start);
        if (end == std::string::npos) end = lines.size();
        const std::string line = lines.substr(start, end - start);
        const std::size_t equals = line.find('=');
        ParseOption(line.substr(0, equals),
                    equals == std::string::npos ? std::string() : line.substr(equals + 1));
        start = end + 1;
    }
}

TLogCapture::TLogCapture() {
    SetMainThread();
    FLogger.SetLogLevel(llDebug);
    FLogger.OnLog = [this](TObject*, std::uint32_t, TLogLevel level, const std::string& msg) {
        FLines.push_back(msg);
        FLevels.push_back(level);
    };
}

TLogCapture::~TLogCapture() {
    FLogger.OnLog = nullptr;
}

bool TLogCapture::Has(const std::string& line) const {
    return std::find(FLines.begin(), FLines.end(), line) != FLines.end();
}

int TLogCapture::Count(TLogLevel level, const std::string& text) const {
    int count = 0;
    for (std::size_t i = 0; i < FLines.size(); ++i)
        count += FLevels[i] == level && FLines[i].find(text) != std::string::npos;
    return count;
}

std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception& error) {
        return error.what();
    }
    return {};
}

bool LoadTranscoderLibraries(std::string& error) {
    if (GlobalLoader().Loaded(FFmpegTasksLibraries) || GlobalLoader().Load(FFmpegTasksLibraries))
        return true;
    error = TFFmpegLoader::LastErrMsg();
    return false;
}
