#include "Src/EngineAssert.h"

#include "platform/rtl/Exception.h"
#include "platform/rtl/Format.h"

#include <filesystem>

void EngineAssert(bool condition, const char* text, std::source_location where) {
    if (condition) return;
    const std::string module = std::filesystem::path(where.file_name()).stem().string();
    throw Exception(Format("%s (%s, line %d)", text, module, where.line()));
}
