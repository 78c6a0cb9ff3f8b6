#include "lib/skindata/TbsCompressedSkinList.h"
#include "lib/skindata/TbsCompressedStoredSkin.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindata/bsSkinDataClasses.h"
#include "platform/forms/TFormReader.h"
#include "platform/rtl/TMemoryStream.h"
#include "resources/skins/EmbeddedSkins.h"

#include <gtest/gtest.h>

namespace {

struct TEmbedded {
    const char* Name;
    std::span<const std::uint8_t> (*Block)();
    const char* Control;
    const char* Object; // nullptr: the skin has no frame
};

const TEmbedded kSkins[] = {
    { "main", EmbeddedMainSkin, "listbox", "closebutton" },
    { "tool", EmbeddedToolSkin, "radiobox", nullptr },
};

void ExpectLoaded(const TbsSkinData& skin, const TEmbedded& e) {
    EXPECT_FALSE(skin.Empty) << e.Name;
    EXPECT_GE(skin.GetControlIndex(e.Control), 0) << e.Name;
    EXPECT_EQ(skin.FPicture.Empty(), e.Object == nullptr) << e.Name;
    if (e.Object) {
        EXPECT_GE(skin.GetIndex(e.Object), 0) << e.Name;
    }
    ASSERT_FALSE(skin.FActivePictures.empty()) << e.Name;
    EXPECT_FALSE(skin.FActivePictures[0]->Empty()) << e.Name;
}

} // namespace

TEST(SkinsEmbedded, BothSkinsLoadFromTheirBlocks) {
    for (const TEmbedded& e : kSkins) {
        const auto block = e.Block();
        TMemoryStream stream;
        stream.WriteBuffer(block.data(), std::int64_t(block.size()));
        stream.SetPosition(0);
        TbsCompressedStoredSkin stored(nullptr);
        stored.LoadFromCompressStream(stream);
        ASSERT_FALSE(stored.Empty()) << e.Name;
        TbsSkinData skin(nullptr);
        skin.FormsToNotify = [] { return TbsSkinMessageForms{}; };
        skin.LoadCompressedStoredSkin(stored);
        ExpectLoaded(skin, e);
    }
}

TEST(SkinsEmbedded, SkinListItemsCarryTheBlocks) {
    for (const TEmbedded& e : kSkins) {
        TbsCompressedSkinList list(nullptr);
        AddEmbeddedSkin(list, e.Block(), e.Name);
        ASSERT_EQ(list.Skins().Count(), 1);
        EXPECT_EQ(list.Skins().Items(0)->Name(), e.Name);
        TbsSkinData skin(nullptr);
        skin.FormsToNotify = [] { return TbsSkinMessageForms{}; };
        skin.LoadCompressedStoredSkin(list.Skins().Items(0)->Skin());
        ExpectLoaded(skin, e);
    }
}

TEST(SkinsEmbedded, AFormDescriptionCarriesTheSkins) {
    RegisterSkinDataClasses();
    for (const TEmbedded& e : kSkins) {
        const std::string text = "object Holder: TComponent\n"
                                 "  object bsSkinData1: TbsSkinData\n"
                                 "    SkinList = bsCompressedSkinList1\n"
                                 "  end\n"
                                 "  object bsCompressedSkinList1: TbsCompressedSkinList\n"
                                 "    Skins = " +
                                 EmbeddedSkinItemsText(e.Block(), e.Name) +
                                 "\n"
                                 "  end\n"
                                 "end\n";
        TComponent holder(nullptr);
        ReadFormDescription(&holder, text, "holder.dfm");
        auto* list =
            dynamic_cast<TbsCompressedSkinList*>(holder.FindComponent("bsCompressedSkinList1"));
        ASSERT_NE(list, nullptr);
        ASSERT_EQ(list->Skins().Count(), 1) << e.Name;
        EXPECT_EQ(list->Skins().Items(0)->Name(), e.Name);
        auto* skin = dynamic_cast<TbsSkinData*>(holder.FindComponent("bsSkinData1"));
        ASSERT_NE(skin, nullptr);
        // Linking the list while the description is read loads its first skin.
        ExpectLoaded(*skin, e);
    }
}
