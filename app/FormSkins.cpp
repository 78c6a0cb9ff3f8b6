#include "app/FormSkins.h"

#include "resources/skins/EmbeddedSkins.h"

#include <cstdint>
#include <span>

namespace {

struct TSkinSlot {
    const char* Form;
    const char* List;
    std::span<const std::uint8_t> (*Block)();
    const char* SkinName;
};

// The first list skins the frames, menus, hints, dialogs and most controls; the second the tool
// bar buttons, the preset pickers and the options dialog's radio boxes.
const TSkinSlot kSkinSlots[] = {
    { "Unit1", "bsCompressedSkinList1", EmbeddedMainSkin, "main" },
    { "Unit1", "bsCompressedSkinList2", EmbeddedToolSkin, "tool" },
};

// Puts the property on the line after the list's object header, indented one step further.
void FillSkinList(std::string& text, const TSkinSlot& slot) {
    const std::string header = std::string("object ") + slot.List + ": TbsCompressedSkinList";
    for (std::size_t at = text.find(header); at != std::string::npos;
         at = text.find(header, at + 1)) {
        const std::size_t newline = text.rfind('\n', at);
        const std::size_t lineStart = newline == std::string::npos ? 0 : newline + 1;
        // Only a header that starts its line: the name could also appear inside a string.
        if (text.find_first_not_of(' ', lineStart) != at) continue;
        const std::size_t lineEnd = text.find('\n', at);
        if (lineEnd == std::string::npos) return;
        const std::string indent(at - lineStart + 2, ' ');
        text.insert(lineEnd + 1, indent + "Skins = " +
                                     EmbeddedSkinItemsText(slot.Block(), slot.SkinName) + "\n");
        return;
    }
}

} // namespace

std::string WithEmbeddedSkins(const std::string& formName, std::string_view text) {
    std::string filled(text);
    for (const TSkinSlot& slot : kSkinSlots)
        if (formName == slot.Form) FillSkinList(filled, slot);
    return filled;
}
