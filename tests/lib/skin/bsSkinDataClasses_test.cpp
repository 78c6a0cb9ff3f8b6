#include "lib/skindata/bsSkinDataClasses.h"

#include "SkinFixture.h"
#include "lib/skindata/bsSkinData.h"
#include "platform/forms/TFormReader.h"

#include <gtest/gtest.h>

namespace {

std::string Hex(const std::vector<std::uint8_t>& bytes) {
    static const char* const kDigits = "0123456789ABCDEF";
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i % 32 == 0) text += "\n      ";
        text += kDigits[bytes[i] >> 4];
        text += kDigits[bytes[i] & 15];
    }
    return text;
}

} // namespace

TEST(SkinDataClasses, AFormDescriptionLinksAndLoadsTheStoredSkin) {
    RegisterSkinDataClasses();
    TScratchSkinFolder folder;
    TbsCompressedStoredSkin stored{ nullptr };
    stored.LoadFromIniFile(WriteFixtureSkin(folder));
    TMemoryStream block;
    stored.SaveToCompressStream(block);
    const std::vector<std::uint8_t> framed(block.Memory(), block.Memory() + block.ByteCount());

    const std::string text = "object Holder: TComponent\n"
                             "  object bsSkinData1: TbsSkinData\n"
                             "    SkinnableForm = False\n"
                             "    SkinIndex = 0\n"
                             "    SkinList = bsCompressedSkinList1\n"
                             "    ResourceStrData = bsResourceStrData1\n"
                             "  end\n"
                             "  object bsCompressedSkinList1: TbsCompressedSkinList\n"
                             "    Skins = <\n"
                             "      item\n"
                             "        Name = 'first'\n"
                             "        Description = 'the fixture'\n"
                             "        Skin = {" +
                             Hex(framed) +
                             "}\n"
                             "      end>\n"
                             "  end\n"
                             "  object bsResourceStrData1: TbsResourceStrData\n"
                             "    ResStrings.Strings = (\n"
                             "      'MI_CLOSECAPTION=Shut'\n"
                             "      'X=y')\n"
                             "    CharSet = GB2312_CHARSET\n"
                             "  end\n"
                             "end\n";
    TComponent holder(nullptr);
    ReadFormDescription(&holder, text, "holder.dfm");

    auto* skin = DescribedComponent<TbsSkinData>(&holder, "bsSkinData1");
    auto* list = DescribedComponent<TbsCompressedSkinList>(&holder, "bsCompressedSkinList1");
    auto* strings = DescribedComponent<TbsResourceStrData>(&holder, "bsResourceStrData1");
    EXPECT_FALSE(skin->SkinnableForm());
    EXPECT_EQ(skin->SkinList(), list);
    EXPECT_EQ(skin->ResourceStrData(), strings);
    ASSERT_EQ(list->Skins().Count(), 1);
    EXPECT_EQ(list->Skins().Items(0)->Name(), "first");
    EXPECT_EQ(list->Skins().Items(0)->Description(), "the fixture");
    // SkinIndex came before the list: the list's link loaded its item.
    ASSERT_FALSE(skin->Empty);
    EXPECT_EQ(skin->SkinName, "Fixture");
    EXPECT_EQ(strings->GetResStr("mi_closecaption"), "Shut");
    EXPECT_EQ(strings->ResStrings().Count(), 2);
    EXPECT_EQ(strings->CharSet(), 134);
}

TEST(SkinDataClasses, ADamagedSkinBlockFailsTheReading) {
    RegisterSkinDataClasses();
    const std::string text = "object Holder: TComponent\n"
                             "  object bsCompressedSkinList1: TbsCompressedSkinList\n"
                             "    Skins = <\n"
                             "      item\n"
                             "        Skin = {03000000FF000000789C}\n"
                             "      end>\n"
                             "  end\n"
                             "end\n";
    TComponent holder(nullptr);
    EXPECT_THROW(ReadFormDescription(&holder, text, "holder.dfm"), Exception);
    EXPECT_EQ(holder.ComponentCount(), 0);
}
