#pragma once
#include <string>

// Text on the desktop's clipboard, shared with other programs (UTF-8).
namespace win {

void SetClipboardText(const std::string& text);
// Empty when the clipboard holds no text or no display is installed.
std::string GetClipboardText();

} // namespace win
