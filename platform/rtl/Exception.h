#pragma once
#include <exception>
#include <functional>
#include <string>
#include <string_view>

// The root of every error the system raises: carries the message shown to the user.
class Exception : public std::exception {
public:
    explicit Exception(std::string message);

    const std::string& Message() const { return FMessage; }
    const char* what() const noexcept override { return FMessage.c_str(); }

private:
    std::string FMessage;
};

// Text that is not a number, or a format that does not fit its arguments.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// An index outside a list, or an operation the list's state forbids.
class EListError : public Exception {
public:
    using Exception::Exception;
};

// The window system could not carry out a request, e.g. a list control refusing a line.
class EOutOfResources : public Exception {
public:
    using Exception::Exception;
};

// A failed Assert: "<text> (<module>, line <n>)".
class EAssertionFailed : public Exception {
public:
    using Exception::Exception;
};

// The silent exception: it unwinds the current operation and the event loop shows nothing.
class EAbort : public Exception {
public:
    using Exception::Exception;
};

// Raises EAbort with "Operation aborted".
[[noreturn]] void Abort();

// Raises EAssertionFailed when the condition is false. The message is the given text, or
// "Assertion failure" when it is empty, followed by the calling file's name and line. (The
// builtins fill in the caller's place with GCC and clang alike; clang 14 has no
// std::source_location with this standard library.)
void Assert(bool condition, std::string_view message = {}, const char* file = __builtin_FILE(),
            int line = __builtin_LINE());

// What the event loop does with an exception nothing else caught. The class library installs a
// handler that shows the message in the application's error box; without one the message goes
// to standard error. The handler is process-wide and may be set from any thread.
using TExceptionHandler = std::function<void(const std::exception& error)>;
void SetExceptionHandler(TExceptionHandler handler);

// Hands the exception to the installed handler (or standard error).
void ShowException(const std::exception& error);

// Called inside a catch block: passes the exception being handled to ShowException, except
// EAbort, which is swallowed. Exceptions not derived from std::exception are shown as
// "Unknown exception".
void HandleException();
