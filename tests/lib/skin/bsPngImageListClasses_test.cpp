#include "lib/skindraw/bsPngImageListClasses.h"

#include "lib/skindraw/TbsPngImageList.h"
#include "platform/forms/TFormReader.h"
#include "platform/gfx/PngCodec.h"

#include <gtest/gtest.h>

namespace {

std::string Hex(const std::vector<std::uint8_t>& bytes) {
    static const char* const kDigits = "0123456789ABCDEF";
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i % 32 == 0) text += "\n          ";
        text += kDigits[bytes[i] >> 4];
        text += kDigits[bytes[i] & 15];
    }
    return text;
}

std::string Description(const std::string& data) {
    return "object Holder: TComponent\n"
           "  object Icons: TbsPngImageList\n"
           "    PngImages = <\n"
           "      item\n"
           "        Name = 'open'\n"
           "        PngImage.Data = {" +
           data +
           "}\n"
           "      end\n"
           "      item\n"
           "      end>\n"
           "    PngWidth = 24\n"
           "    PngHeight = 24\n"
           "  end\n"
           "end\n";
}

TEST(PngImageListClasses, AFormDescriptionGivesThePicturesAtTheirSize) {
    RegisterPngImageListClasses();
    gfx::Surface pixels(3, 2);
    pixels.Fill(gfx::MakePixel(0, 0, 255, 90));
    TComponent holder(nullptr);
    ReadFormDescription(&holder, Description(Hex(gfx::PngCodec::Encode(pixels, true))),
                        "holder.dfm");

    auto* icons = DescribedComponent<TbsPngImageList>(&holder, "Icons");
    ASSERT_EQ(icons->PngImages().Count(), 2) << "the size came after the pictures and kept them";
    EXPECT_EQ(icons->PngWidth(), 24);
    EXPECT_EQ(icons->PngHeight(), 24);
    EXPECT_EQ(icons->Count(), 2);
    EXPECT_EQ(icons->PngImages().Items(0)->Name(), "open");
    EXPECT_EQ(icons->PngImages().Items(1)->Name(), "PngImage1");
    const TbsPngImage& png = icons->PngImages().Items(0)->PngImage();
    EXPECT_EQ(png.Width(), 3);
    EXPECT_EQ(png.Height(), 2);
    EXPECT_EQ(png.TransparencyMode(), ptmPartial);
    EXPECT_TRUE(icons->PngImages().Items(1)->PngImage().Empty());
}

TEST(PngImageListClasses, DataThatIsNoPngFailsTheReading) {
    RegisterPngImageListClasses();
    TComponent holder(nullptr);
    EXPECT_THROW(ReadFormDescription(&holder, Description("0102030405060708"), "holder.dfm"),
                 Exception);
}

} // namespace
