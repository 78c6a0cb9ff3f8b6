#include "platform/rtl/Exception.h"

#include <utility>

Exception::Exception(std::string message) : FMessage(std::move(message)) {}
