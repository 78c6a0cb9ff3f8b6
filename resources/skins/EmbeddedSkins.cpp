#include "resources/skins/EmbeddedSkins.h"

#include "lib/TbsCompressedSkinList.h"
#include "platform/rtl/TMemoryStream.h"

void AddEmbeddedSkin(TbsCompressedSkinList& list, std::span<const std::uint8_t> block,
                     const std::string& name) {
    TMemoryStream stream;
    stream.WriteBuffer(block.data(), std::int64_t(block.size()));
    stream.SetPosition(0);
    TbsSkinListItem* item = list.Skins().Add();
    item->SetName(name);
    item->ReadSkin(stream);
}
