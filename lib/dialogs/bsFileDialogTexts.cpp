#include "lib/dialogs/bsFileDialogTexts.h"

#include "lib/dialogs/bsDialogDefaults.h"

#include <array>
#include <string_view>
#include <utility>

namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 17> kTexts{ {
    { "FLV_LOOKIN", "Look in: " },
    { "MSG_BTN_BACK_HINT", "Go To Last Folder Visited" },
    { "MSG_BTN_UP_HINT", "Up One Level" },
    { "MSG_BTN_NEWFOLDER_HINT", "Create New Folder" },
    { "MSG_LV_ICON", "Large icons" },
    { "MSG_LV_SMALLICON", "Small icons" },
    { "MSG_LV_LIST", "List" },
    { "MSG_LV_DETAILS", "Details" },
    { "MSG_BTN_VIEWMENU_HINT", "View Menu" },
    { "MSG_BTN_SAVE", "&Save" },
    { "MSG_BTN_OPEN", "&Open" },
    { "MSG_BTN_CANCEL", "Cancel" },
    { "MSG_FILENAME", "File name:" },
    { "MSG_FILETYPE", "File type:" },
    { "MSG_NEWFOLDER", "New Folder" },
    { "MSG_OVERWRITE", "Do you want to overwrite old file?" },
    { "MSG_BTN_STRETCH_HINT", "Stretch Picture" },
} };

} // namespace

std::string FileDialogText(const TbsSkinData* ctrlSkinData, const std::string& key) {
    std::string fallBack;
    for (const auto& [name, text] : kTexts)
        if (name == key) fallBack = text;
    return DialogString(ctrlSkinData, key.c_str(), fallBack.c_str());
}
