#include "resources/skins/EmbeddedSkins.h"

#include "lib/skindata/TbsCompressedSkinList.h"
#include "platform/rtl/TMemoryStream.h"

std::string EmbeddedSkinItemsText(std::span<const std::uint8_t> block, const std::string& name) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string text = "<\n  item\n    Name = '" + name + "'\n    Skin = {";
    for (std::size_t i = 0; i < block.size(); ++i) {
        // Rows of 32 bytes, as descriptions keep their binary values.
        if (i % 32 == 0) text += "\n      ";
        text += kDigits[block[i] >> 4];
        text += kDigits[block[i] & 15];
    }
    text += "}\n  end>";
    return text;
}

void AddEmbeddedSkin(TbsCompressedSkinList& list, std::span<const std::uint8_t> block,
                     const std::string& name) {
    TMemoryStream stream;
    stream.WriteBuffer(block.data(), std::int64_t(block.size()));
    stream.SetPosition(0);
    TbsSkinListItem* item = list.Skins().Add();
    item->SetName(name);
    item->ReadSkin(stream);
}
