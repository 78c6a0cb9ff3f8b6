#include "lib/dialogs/bsDialogDefaults.h"

#include "lib/skindata/TbsResourceStrData.h"
#include "lib/skindata/TbsSkinData.h"

std::string DialogString(const TbsSkinData* ctrlSkinData, const char* key, const char* fallBack) {
    if (ctrlSkinData)
        if (const TbsResourceStrData* table = ctrlSkinData->ResourceStrData())
            return table->GetResStr(key);
    return fallBack;
}

TFont DialogDefaultFont() {
    TFont font;
    font.SetName("Arial");
    font.SetHeight(14);
    return font;
}
