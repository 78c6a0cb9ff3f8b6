#include "platform/rtl/Exception.h"

#include <cstdio>
#include <mutex>
#include <utility>

namespace {

// The one process-wide handler; the lock guards replacing it while another thread reports.
struct THandlerSlot {
    std::mutex Lock;
    TExceptionHandler Handler;
};

THandlerSlot& HandlerSlot() {
    static THandlerSlot slot;
    return slot;
}

std::string_view BaseName(std::string_view path) {
    const auto slash = path.find_last_of("/\\");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

class TUnknownException : public std::exception {
public:
    const char* what() const noexcept override { return "Unknown exception"; }
};

} // namespace

Exception::Exception(std::string message) : FMessage(std::move(message)) {}

void Abort() {
    throw EAbort("Operation aborted");
}

void Assert(bool condition, std::string_view message, const char* file, int line) {
    if (condition) return;
    std::string text(message.empty() ? std::string_view("Assertion failure") : message);
    text += " (";
    text += BaseName(file);
    text += ", line ";
    text += std::to_string(line);
    text += ")";
    throw EAssertionFailed(std::move(text));
}

void SetExceptionHandler(TExceptionHandler handler) {
    auto& slot = HandlerSlot();
    std::lock_guard lock(slot.Lock);
    slot.Handler = std::move(handler);
}

void ShowException(const std::exception& error) {
    TExceptionHandler handler;
    {
        auto& slot = HandlerSlot();
        std::lock_guard lock(slot.Lock);
        handler = slot.Handler;
    }
    // Called without the lock so that a handler running a modal loop cannot block other threads.
    if (handler) {
        handler(error);
        return;
    }
    std::fprintf(stderr, "%s\n", error.what());
    std::fflush(stderr);
}

void HandleException() {
    try {
        throw;
    } catch (const EAbort&) {
    } catch (const std::exception& error) {
        ShowException(error);
    } catch (...) {
        ShowException(TUnknownException());
    }
}
