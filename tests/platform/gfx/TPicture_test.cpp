#include "platform/gfx/GraphicExceptions.h"
#include "platform/gfx/IcoCodec.h"
#include "platform/gfx/TBitmap.h"
#include "platform/gfx/TGIFImage.h"
#include "platform/gfx/TIcon.h"
#include "platform/gfx/TJPEGImage.h"
#include "platform/gfx/TPicture.h"
#include "platform/gfx/TPngImage.h"
#include "platform/rtl/TMemoryStream.h"
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class TPictureFiles : public ::testing::Test {
protected:
    void SetUp() override {
        FDir = fs::temp_directory_path() / ("vc-picture-" + std::to_string(::getpid()));
        fs::create_directories(FDir);
    }
    void TearDown() override { fs::remove_all(FDir); }
    std::string File(const std::string& name) const { return (FDir / name).string(); }

    fs::path FDir;
};

// A 24-bit snapshot-like picture of smooth colours, 256 of them.
std::unique_ptr<TBitmap> Snapshot() {
    auto b = std::make_unique<TBitmap>(32, 8);
    b->SetPixelFormat(pf24bit);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 32; ++x)
            b->Canvas().SetPixels(x, y, TColor(win::RGB(x * 8, y * 16, 100)));
    return b;
}

int MaxDifference(TGraphic& a, TGraphic& b) {
    const gfx::Surface sa = a.ToSurface(), sb = b.ToSurface();
    int worst = 0;
    for (int y = 0; y < sa.Height(); ++y)
        for (int x = 0; x < sa.Width(); ++x)
            for (int shift : { 0, 8, 16 })
                worst = std::max(worst, std::abs(int((sa.At(x, y) >> shift) & 255) -
                                                 int((sb.At(x, y) >> shift) & 255)));
    return worst;
}

} // namespace

TEST_F(TPictureFiles, SnapshotFormatsSaveAndLoadByExtension) {
    const auto snapshot = Snapshot();
    struct Case {
        const char* Name;
        std::unique_ptr<TGraphic> Picture;
        const char* ClassName;
        int Tolerance;
    };
    Case cases[] = {
        { "shot_1.bmp", std::make_unique<TBitmap>(), "TBitmap", 0 },
        { "shot_1.jpg", std::make_unique<TJPEGImage>(), "TJPEGImage", 24 },
        { "shot_1.GIF", std::make_unique<TGIFImage>(), "TGIFImage", 0 }, // 256 colours: exact
        { "shot_1.png", std::make_unique<TPngImage>(), "TPngImage", 0 },
    };
    for (auto& c : cases) {
        c.Picture->Assign(*snapshot);
        c.Picture->SaveToFile(File(c.Name));
        TPicture picture;
        picture.LoadFromFile(File(c.Name));
        ASSERT_NE(picture.Graphic(), nullptr) << c.Name;
        EXPECT_EQ(picture.Graphic()->ClassName(), c.ClassName);
        EXPECT_EQ(picture.Width(), 32);
        EXPECT_EQ(picture.Height(), 8);
        EXPECT_LE(MaxDifference(*picture.Graphic(), *snapshot), c.Tolerance) << c.Name;
    }
}

TEST_F(TPictureFiles, UnknownExtensionIsRefusedByName) {
    TPicture picture;
    try {
        picture.LoadFromFile(File("clip.tga"));
        FAIL() << "no error";
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message(), "Unknown picture file extension (.tga)");
    }
    EXPECT_THROW(picture.LoadFromFile(File("missing.png")), Exception);
}

TEST(TPicture, LoadFromStreamRecognisesTheFormat) {
    const auto snapshot = Snapshot();
    const std::unique_ptr<TGraphic> sources[] = { std::make_unique<TBitmap>(),
                                                  std::make_unique<TPngImage>(),
                                                  std::make_unique<TJPEGImage>(),
                                                  std::make_unique<TGIFImage>() };
    for (const auto& source : sources) {
        source->Assign(*snapshot);
        TMemoryStream stream;
        source->SaveToStream(stream);
        stream.SetPosition(0);
        TPicture picture;
        picture.LoadFromStream(stream);
        EXPECT_EQ(picture.Graphic()->ClassName(), source->ClassName());
    }
    TMemoryStream junk;
    junk.WriteBuffer("nonsense", 8);
    junk.SetPosition(0);
    TPicture picture;
    EXPECT_THROW(picture.LoadFromStream(junk), EInvalidGraphic);
}

TEST(TPicture, GraphicIsCopiedAndBitmapForcesItsType) {
    TPngImage png;
    png.Assign(*Snapshot());
    TPicture picture;
    int changes = 0;
    picture.OnChange = [&](TPicture*) { ++changes; };
    picture.SetGraphic(&png);
    ASSERT_NE(picture.Graphic(), &png);
    EXPECT_EQ(picture.Graphic()->ClassName(), "TPngImage");
    EXPECT_EQ(changes, 1);
    picture.Graphic()->SetTransparent(true); // a change of the graphic is the picture's change
    EXPECT_EQ(changes, 2);
    TBitmap& bitmap = picture.Bitmap();
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_EQ(picture.Graphic(), &bitmap);
    TPicture copy;
    copy.Assign(picture);
    EXPECT_EQ(copy.Graphic()->ClassName(), "TBitmap");
    picture.SetGraphic(nullptr);
    EXPECT_EQ(picture.Graphic(), nullptr);
    EXPECT_EQ(picture.Width(), 0);
}

TEST(TGraphic, AssignBetweenIncompatibleClassesNamesThem) {
    TIcon icon;
    TBitmap bitmap(1, 1);
    try {
        icon.Assign(bitmap);
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Cannot assign a TBitmap to a TIcon.");
    }
}

TEST(TJPEGImage, KeepsTheLoadedFileUntilSomethingChanges) {
    TJPEGImage jpeg;
    jpeg.Assign(*Snapshot());
    jpeg.SetCompressionQuality(40);
    TMemoryStream first;
    jpeg.SaveToStream(first);
    first.SetPosition(0);
    TJPEGImage loaded;
    loaded.LoadFromStream(first);
    TMemoryStream again;
    loaded.SaveToStream(again); // quality 90 would differ: the file itself is written back
    EXPECT_EQ(again.Size(), first.Size());
    loaded.SetCompressionQuality(100);
    TMemoryStream better;
    loaded.SaveToStream(better);
    EXPECT_GT(better.Size(), first.Size());
    EXPECT_THROW(loaded.SetWidth(3), EInvalidGraphicOperation);
    TJPEGImage empty;
    EXPECT_THROW(empty.SaveToStream(again), EInvalidGraphicOperation);
}

TEST(TGIFImage, TransparentBitmapKeepsItsKeyTransparent) {
    TBitmap b(3, 3);
    b.Canvas().Brush().SetColor(clFuchsia);
    b.Canvas().FillRect(Rect(0, 0, 3, 3));
    b.Canvas().SetPixels(1, 1, clBlue);
    b.SetTransparent(true);
    TGIFImage gif;
    gif.Assign(b);
    TMemoryStream stream;
    gif.SaveToStream(stream);
    stream.SetPosition(0);
    TGIFImage loaded;
    loaded.LoadFromStream(stream);
    EXPECT_TRUE(loaded.HasAlpha());
    TBitmap target(3, 3);
    target.Canvas().Brush().SetColor(clGreen);
    target.Canvas().FillRect(Rect(0, 0, 3, 3));
    target.Canvas().Draw(0, 0, &loaded);
    EXPECT_EQ(target.Canvas().Pixels(0, 0), clGreen);
    EXPECT_EQ(target.Canvas().Pixels(1, 1), clBlue);
}

TEST(TIcon, SavesAndLoadsWithAlpha) {
    TPngImage png;
    png.Assign(*Snapshot());
    png.CreateAlpha();
    png.AlphaScanline(3)[4] = 0;
    png.AlphaScanline(5)[6] = 90;
    TIcon source;
    {
        gfx::Surface pixels = png.ToSurface();
        TMemoryStream ico;
        const auto bytes = gfx::IcoCodec::Encode(pixels);
        ico.WriteBuffer(bytes.data(), std::int64_t(bytes.size()));
        ico.SetPosition(0);
        source.LoadFromStream(ico);
    }
    TMemoryStream saved;
    source.SaveToStream(saved);
    saved.SetPosition(0);
    TIcon loaded;
    loaded.LoadFromStream(saved);
    EXPECT_EQ(loaded.ToSurface(), png.ToSurface());
    EXPECT_THROW(loaded.SetWidth(3), EInvalidGraphicOperation);
}

TEST(TGraphic, PngAndJpegLeaveWhatFollowsThePictureUnread) {
    const auto snapshot = Snapshot();
    const std::unique_ptr<TGraphic> graphics[] = { std::make_unique<TPngImage>(),
                                                   std::make_unique<TJPEGImage>() };
    for (const auto& graphic : graphics) {
        graphic->Assign(*snapshot);
        TMemoryStream stream;
        stream.WriteBuffer("head", 4);
        graphic->SaveToStream(stream);
        const std::int64_t end = stream.Position();
        stream.WriteBuffer("tail", 4);
        stream.SetPosition(4);
        const auto loaded = graphic->CreateNew();
        loaded->LoadFromStream(stream);
        EXPECT_EQ(stream.Position(), end) << graphic->ClassName();
        char tail[4]{};
        stream.ReadBuffer(tail, 4);
        EXPECT_EQ(std::string(tail, 4), "tail");
        EXPECT_EQ(loaded->Width(), snapshot->Width());
    }
}
