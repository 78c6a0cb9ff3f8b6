#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// The form descriptions of the program's windows, built into the program.
struct TFormText {
    const char* Name; // the description's file name without ".dfm": "Unit1"
    const char* Text;
};
extern const TFormText kFormTexts[];
extern const std::size_t kFormTextCount;

// The description of that name; raises EReadError when the program has none.
std::string_view FormResource(const std::string& name);
