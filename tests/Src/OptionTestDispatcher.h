#pragma once
#include "Src/FFmpeg/OptionDispatcher.h"
#include "Src/FFmpegLogger.h"

#include <functional>
#include <string>
#include <vector>

// A dispatcher whose file-side work is recorded instead of done, with the generic option
// contexts allocated as a reset transcoder has them.
class TTestDispatcher : public TOptionDispatcher {
public:
    TTestDispatcher();

    // Applies "name=value" lines separated by ";".
    void Apply(const std::string& lines);

    std::vector<AVMediaType> NewStreams;
    std::vector<std::string> Hooks;
    std::vector<AVRational> InputRates;

protected:
    void NewOutputStream(AVMediaType type) override { NewStreams.push_back(type); }
    void AddVideoHook(const std::string& args) override { Hooks.push_back(args); }
    std::size_t VideoHookCount() const override { return Hooks.size(); }
    void DropVideoHooksFrom(std::size_t count) override { Hooks.resize(count); }
    std::vector<AVRational> InputVideoFrameRates() const override { return InputRates; }
};

// Collects what reaches the process-wide logger while it lives.
class TLogCapture {
public:
    TLogCapture();
    ~TLogCapture();

    const std::vector<std::string>& Lines() const { return FLines; }
    bool Has(const std::string& line) const;
    // Lines logged at the level that hold the text.
    int Count(TLogLevel level, const std::string& text) const;
    void Clear() {
        FLines.clear();
        FLevels.clear();
    }

private:
    TFFLogger FLogger{ nullptr };
    std::vector<std::string> FLines;
    std::vector<TLogLevel> FLevels;
};

// The message of the exception that action raises; empty when it raises none.
std::string ErrorOf(const std::function<void()>& action);

// Loads the libraries a transcoder needs; false with the loader's message when they are missing.
bool LoadTranscoderLibraries(std::string& error);
