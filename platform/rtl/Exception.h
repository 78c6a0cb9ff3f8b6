#pragma once
#include <exception>
#include <string>

// The root of every error the system raises: carries the message shown to the user.
class Exception : public std::exception {
public:
    explicit Exception(std::string message);

    const std::string& Message() const { return FMessage; }
    const char* what() const noexcept override { return FMessage.c_str(); }

private:
    std::string FMessage;
};
