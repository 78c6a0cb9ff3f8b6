#include "platform/win/Clipboard.h"
#include "platform/win/Backend.h"

namespace win {

void SetClipboardText(const std::string& text) {
    if (HasBackend()) CurrentBackend().SetClipboardText(text);
}

std::string GetClipboardText() {
    return HasBackend() ? CurrentBackend().ClipboardText() : std::string();
}

} // namespace win
