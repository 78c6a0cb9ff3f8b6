#include "lib/skindata/bsSkinData.h"

#include "SkinFixture.h"
#include "lib/skindata/bsSkinPayload.h"
#include "platform/rtl/TFileStream.h"
#include "platform/rtl/TMemIniFile.h"
#include "platform/rtl/TStringList.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

using namespace win;

namespace {

std::vector<std::uint8_t> BytesOf(const TMemoryStream& stream) {
    return { stream.Memory(), stream.Memory() + stream.ByteCount() };
}

std::int32_t Int32At(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return std::int32_t(std::uint32_t(bytes[at]) | std::uint32_t(bytes[at + 1]) << 8 |
                        std::uint32_t(bytes[at + 2]) << 16 | std::uint32_t(bytes[at + 3]) << 24);
}

std::vector<std::uint8_t> FramedBlock(const TbsCompressedStoredSkin& stored) {
    TMemoryStream block;
    stored.SaveToCompressStream(block);
    return BytesOf(block);
}

void LoadFramed(TbsCompressedStoredSkin& stored, const std::vector<std::uint8_t>& bytes) {
    TMemoryStream block;
    if (!bytes.empty()) block.WriteBuffer(bytes.data(), std::int64_t(bytes.size()));
    stored.LoadFromCompressStream(block);
}

std::vector<std::uint8_t> PayloadOf(const TbsCompressedStoredSkin& stored) {
    TMemoryStream payload;
    stored.DeCompressToStream(payload);
    return BytesOf(payload);
}

// A stored skin holding exactly these payload bytes.
void StorePayload(TbsCompressedStoredSkin& stored, const std::vector<std::uint8_t>& payload) {
    TMemoryStream plain;
    if (!payload.empty()) plain.WriteBuffer(payload.data(), std::int64_t(payload.size()));
    TMemoryStream packed;
    CompressSkinStream(plain, packed);
    packed.SetPosition(0);
    stored.SetCompressedData(packed);
}

std::vector<std::uint8_t> BmpOf(TBitmap& bitmap) {
    TMemoryStream stream;
    bitmap.SaveToStream(stream);
    return BytesOf(stream);
}

// Builds payloads piece by piece.
struct TPayload {
    std::vector<std::uint8_t> Bytes;
    TPayload& Int(std::int32_t v) {
        for (int i = 0; i < 4; ++i)
            Bytes.push_back(std::uint8_t(std::uint32_t(v) >> (8 * i)));
        return *this;
    }
    TPayload& Byte(std::uint8_t b) {
        Bytes.push_back(b);
        return *this;
    }
    TPayload& Raw(const std::vector<std::uint8_t>& b) {
        Bytes.insert(Bytes.end(), b.begin(), b.end());
        return *this;
    }
    TPayload& Text(const std::string& t) {
        Bytes.insert(Bytes.end(), t.begin(), t.end());
        return *this;
    }
};

const char* const kSmallIni = "[VERSION]\r\nskinname=small\r\n[PICTURES]\r\nmask=m.bmp\r\n"
                              "[SKINCONTROLS]\r\ncount=1\r\n0=button:button\r\n"
                              "[button]\r\nskinrect=1,2,3,4\r\n";

void ExpectSameSkin(const TbsSkinData& a, const TbsSkinData& b) {
    EXPECT_EQ(PixelsOf(a.FPicture), PixelsOf(b.FPicture));
    EXPECT_EQ(PixelsOf(a.FInActivePicture), PixelsOf(b.FInActivePicture));
    EXPECT_EQ(PixelsOf(a.FMask), PixelsOf(b.FMask));
    ASSERT_EQ(a.FActivePictures.size(), b.FActivePictures.size());
    for (std::size_t i = 0; i < a.FActivePictures.size(); ++i)
        EXPECT_EQ(PixelsOf(*a.FActivePictures[i]), PixelsOf(*b.FActivePictures[i])) << i;
    auto first = std::make_unique<TMemIniFile>("");
    auto second = std::make_unique<TMemIniFile>("");
    const_cast<TbsSkinData&>(a).WriteSkinIni(*first);
    const_cast<TbsSkinData&>(b).WriteSkinIni(*second);
    TStringList x, y;
    first->GetStrings(x);
    second->GetStrings(y);
    EXPECT_EQ(x.Text(), y.Text());
}

class CompressedSkin : public ::testing::Test {
protected:
    TScratchSkinFolder Folder;
    std::string Ini = WriteFixtureSkin(Folder);
    TbsSkinData Skin{ nullptr };
    TRecordingForms Forms{ Skin };

    void SetUp() override {
        Forms.AddScreenForm("main");
        Forms.Attach();
    }
};

const std::vector<UINT> kChange = { WM_SKINBEFORECHANGE, WM_SKINCHANGE, WM_SKINAFTERCHANGE };

} // namespace

TEST_F(CompressedSkin, BlockLayoutIsFramingThenALevelNineZlibStream) {
    TbsCompressedStoredSkin stored{ nullptr };
    stored.LoadFromIniFile(Ini);
    ASSERT_FALSE(stored.Empty());
    const auto block = FramedBlock(stored);
    ASSERT_GT(block.size(), 10u);
    EXPECT_EQ(Int32At(block, 0), 3);
    EXPECT_EQ(Int32At(block, 4), std::int32_t(block.size() - 8));
    EXPECT_EQ(block[8], 0x78);
    EXPECT_EQ(block[9], 0xDA);

    // Payload: version, three flagged pictures, the count, the active pictures, the ini lines.
    const auto payload = PayloadOf(stored);
    std::vector<std::uint8_t> expected;
    TPayload p;
    p.Int(3);
    p.Byte(0).Raw(BmpOf(*MakePicture(100, 80, 1)));
    p.Byte(0).Raw(BmpOf(*MakePicture(100, 80, 2)));
    p.Byte(0).Raw(BmpOf(*MakeMask(100, 80)));
    p.Int(3);
    p.Raw(BmpOf(*MakePicture(40, 40, 3)))
        .Raw(BmpOf(*MakePicture(33, 17, 4)))
        .Raw(BmpOf(*MakePicture(16, 40, 5)));
    std::string text = FixtureSkinIni();
    std::string crlf;
    for (char c : text)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    p.Text(crlf);
    EXPECT_EQ(payload, p.Bytes);
}

TEST_F(CompressedSkin, FolderThroughBlockGivesTheSameSkinAsTheFolder) {
    TbsSkinData fromFolder{ nullptr };
    fromFolder.LoadFromFile(Ini);

    TbsCompressedStoredSkin fromIni{ nullptr };
    fromIni.LoadFromIniFile(Ini);
    Skin.LoadCompressedStoredSkin(fromIni);
    ASSERT_FALSE(Skin.Empty);
    ExpectSameSkin(Skin, fromFolder);
    EXPECT_EQ(Skin.GetControlIndex("edit"), 2);
    EXPECT_EQ(Forms.MessagesTo("main"), kChange);

    // The skin object's own block, through a file, again.
    const std::string file = Folder.Path() + "skin.bsc";
    fromFolder.SaveToCompressedFile(file);
    TbsSkinData fromFile{ nullptr };
    fromFile.LoadFromCompressedFile(file);
    ASSERT_FALSE(fromFile.Empty);
    ExpectSameSkin(fromFile, fromFolder);
}

TEST_F(CompressedSkin, FlagsVersionTwoAndHandWrittenPayloads) {
    auto main = MakePicture(8, 6, 9);
    auto mask = MakeMask(8, 6);
    auto active = MakePicture(5, 5, 1);
    struct Case {
        const char* Name;
        std::vector<std::uint8_t> Payload;
        bool Inactive;
    };
    const Case kCases[] = {
        { "version 3, inactive flag 1",
          TPayload()
              .Int(3)
              .Byte(0)
              .Raw(BmpOf(*main))
              .Byte(1)
              .Byte(0)
              .Raw(BmpOf(*mask))
              .Int(1)
              .Raw(BmpOf(*active))
              .Text(kSmallIni)
              .Bytes,
          false },
        { "version 2 drops two extra pictures",
          TPayload()
              .Int(2)
              .Byte(0)
              .Raw(BmpOf(*main))
              .Byte(1)
              .Byte(0)
              .Raw(BmpOf(*mask))
              .Byte(0)
              .Raw(BmpOf(*main))
              .Byte(1)
              .Int(1)
              .Raw(BmpOf(*active))
              .Text(kSmallIni)
              .Bytes,
          false },
        { "byte-order mark before the text, inactive picture present",
          TPayload()
              .Int(3)
              .Byte(0)
              .Raw(BmpOf(*main))
              .Byte(0)
              .Raw(BmpOf(*main))
              .Byte(0)
              .Raw(BmpOf(*mask))
              .Int(1)
              .Raw(BmpOf(*active))
              .Text("\xEF\xBB\xBF")
              .Text(kSmallIni)
              .Bytes,
          true },
    };
    for (const auto& c : kCases) {
        TbsCompressedStoredSkin stored{ nullptr };
        StorePayload(stored, c.Payload);
        Skin.LoadCompressedStoredSkin(stored);
        ASSERT_FALSE(Skin.Empty) << c.Name;
        EXPECT_EQ(PixelsOf(Skin.FPicture), PixelsOf(*main)) << c.Name;
        EXPECT_EQ(Skin.FInActivePicture.Empty(), !c.Inactive) << c.Name;
        EXPECT_EQ(PixelsOf(Skin.FMask), PixelsOf(*mask)) << c.Name;
        ASSERT_EQ(Skin.FActivePictures.size(), 1u) << c.Name;
        EXPECT_EQ(PixelsOf(*Skin.FActivePictures[0]), PixelsOf(*active)) << c.Name;
        EXPECT_EQ(Skin.SkinName, "small") << c.Name;
        EXPECT_EQ(Skin.FMaskName, "m.bmp") << c.Name;
        ASSERT_EQ(Skin.GetControlIndex("button"), 0) << c.Name;
        EXPECT_EQ(Skin.CtrlList[0]->SkinRect, TRect(1, 2, 3, 4)) << c.Name;
    }
}

TEST_F(CompressedSkin, RefusedBeforeAnythingChanges) {
    Skin.LoadFromFile(Ini);
    Forms.Log.clear();
    TbsCompressedStoredSkin empty{ nullptr };
    Skin.LoadCompressedStoredSkin(empty);
    TbsCompressedStoredSkin newer{ nullptr };
    StorePayload(newer, TPayload().Int(4).Byte(1).Byte(1).Byte(1).Int(0).Text(kSmallIni).Bytes);
    Skin.LoadCompressedStoredSkin(newer);
    TbsCompressedStoredSkin broken{ nullptr };
    TMemoryStream junk;
    junk.WriteBuffer("not zlib at all", 15);
    junk.SetPosition(0);
    broken.SetCompressedData(junk);
    EXPECT_THROW(Skin.LoadCompressedStoredSkin(broken), EDecompressionError);
    EXPECT_TRUE(Forms.Log.empty());
    EXPECT_FALSE(Skin.Empty);
    EXPECT_EQ(Skin.SkinName, "Fixture");
}

TEST_F(CompressedSkin, HostilePayloadsEndEmptyWithTheChangeCompleted) {
    auto main = MakePicture(8, 6, 9);
    auto bmp = BmpOf(*main);
    auto cutBmp = bmp;
    cutBmp.resize(bmp.size() - 10);
    auto lyingSize = bmp;
    lyingSize[2] = 0xFF;
    lyingSize[5] = 0x7F;
    auto tinySize = bmp;
    tinySize[2] = 3;
    tinySize[3] = tinySize[4] = tinySize[5] = 0;
    auto notBm = bmp;
    notBm[0] = 'X';
    auto hugeImage = bmp;
    hugeImage[18] = 0xFF; // width
    hugeImage[19] = 0xFF;
    hugeImage[20] = 0xFF;
    struct Case {
        const char* Name;
        std::vector<std::uint8_t> Payload;
    };
    const Case kCases[] = {
        { "payload ends after the version", TPayload().Int(3).Bytes },
        { "picture cut short", TPayload().Int(3).Byte(0).Raw(cutBmp).Bytes },
        { "picture size beyond the payload", TPayload().Int(3).Byte(0).Raw(lyingSize).Bytes },
        { "picture size below a header",
          TPayload().Int(3).Byte(0).Raw(tinySize).Text(kSmallIni).Bytes },
        { "picture that is no bitmap", TPayload().Int(3).Byte(0).Raw(notBm).Bytes },
        { "picture larger than its bytes", TPayload().Int(3).Byte(0).Raw(hugeImage).Bytes },
        { "count beyond the payload",
          TPayload().Int(3).Byte(1).Byte(1).Byte(1).Int(0x7FFFFFFF).Raw(bmp).Bytes },
        { "negative count",
          TPayload().Int(3).Byte(1).Byte(1).Byte(1).Int(-1).Text(kSmallIni).Bytes },
        { "flags but no count", TPayload().Int(3).Byte(1).Byte(1).Byte(1).Bytes },
        { "text with a rect that does not convert", TPayload()
                                                        .Int(3)
                                                        .Byte(1)
                                                        .Byte(1)
                                                        .Byte(1)
                                                        .Int(0)
                                                        .Text("[FORMINFO]\r\nclientrect=a,b\r\n")
                                                        .Bytes },
    };
    for (const auto& c : kCases) {
        Skin.LoadFromFile(Ini);
        Forms.Log.clear();
        TbsCompressedStoredSkin stored{ nullptr };
        StorePayload(stored, c.Payload);
        EXPECT_THROW(Skin.LoadCompressedStoredSkin(stored), Exception) << c.Name;
        EXPECT_TRUE(Skin.Empty) << c.Name;
        EXPECT_FALSE(Skin.ChangeSkinDataProcess) << c.Name;
        EXPECT_TRUE(Skin.FActivePictures.empty()) << c.Name;
        EXPECT_TRUE(Skin.FPicture.Empty()) << c.Name;
        EXPECT_TRUE(Skin.CtrlList.empty()) << c.Name;
        EXPECT_EQ(Forms.MessagesTo("main"), kChange) << c.Name;
    }
}

TEST_F(CompressedSkin, FramingIsCheckedAndTheOldBlockKeptOnBadInput) {
    TbsCompressedStoredSkin stored{ nullptr };
    stored.LoadFromIniFile(Ini);
    const auto good = FramedBlock(stored);

    struct Case {
        const char* Name;
        std::vector<std::uint8_t> Block;
        bool Raises;
        bool EmptyAfter;
    };
    auto version4 = good;
    version4[0] = 4;
    auto version1 = good;
    version1[0] = 1;
    auto tooLong = good;
    tooLong[4] += 1;
    auto negative = good;
    negative[7] = 0x80;
    auto cut = good;
    cut.resize(6);
    const Case kCases[] = {
        { "version 4 leaves the block empty", version4, false, true },
        { "version 1 is read", version1, false, false },
        { "size beyond the stream", tooLong, true, false },
        { "negative size", negative, true, false },
        { "framing cut short", cut, true, false },
        { "empty block", TPayload().Int(3).Int(0).Bytes, false, true },
    };
    for (const auto& c : kCases) {
        TbsCompressedStoredSkin target{ nullptr };
        LoadFramed(target, good);
        if (c.Raises) {
            EXPECT_THROW(LoadFramed(target, c.Block), Exception) << c.Name;
            EXPECT_EQ(FramedBlock(target), good) << c.Name;
        } else {
            LoadFramed(target, c.Block);
            EXPECT_EQ(target.Empty(), c.EmptyAfter) << c.Name;
        }
    }
}

TEST_F(CompressedSkin, FilesOfBlocks) {
    TbsCompressedStoredSkin stored{ nullptr };
    stored.LoadFromIniFile(Ini);
    const std::string file = Folder.Path() + "a.bsc";
    stored.SaveToCompressFile(file);
    TbsCompressedStoredSkin read{ nullptr };
    read.LoadFromCompressFile(file);
    EXPECT_EQ(FramedBlock(read), FramedBlock(stored));

    // A file that does not open keeps what was there.
    EXPECT_THROW(read.LoadFromCompressFile(Folder.Path() + "missing.bsc"), EFOpenError);
    EXPECT_EQ(FramedBlock(read), FramedBlock(stored));

    TbsCompressedStoredSkin empty{ nullptr };
    empty.SaveToCompressFile(Folder.Path() + "empty.bsc");
    EXPECT_FALSE(std::filesystem::exists(Folder.Path() + "empty.bsc"));
    EXPECT_EQ(FramedBlock(empty), TPayload().Int(3).Int(0).Bytes);
}

TEST_F(CompressedSkin, IniFileThatIsNoSkinOrLacksAPictureKeepsTheBlock) {
    TbsCompressedStoredSkin stored{ nullptr };
    stored.LoadFromIniFile(Ini);
    const auto before = FramedBlock(stored);
    stored.LoadFromIniFile(Folder.WriteFile("plain.ini", "[VERSION]\nver=1\n"));
    EXPECT_EQ(FramedBlock(stored), before);
    std::filesystem::remove(Folder.Path() + "active2.bmp");
    EXPECT_THROW(stored.LoadFromIniFile(Ini), Exception);
    EXPECT_EQ(FramedBlock(stored), before);
}

TEST_F(CompressedSkin, SkinListPicksItsItemBySkinIndex) {
    TbsCompressedSkinList list{ nullptr };
    TbsSkinListItem* item = list.Skins().Add();
    EXPECT_EQ(item->Name(), "bsSkin0");
    item->Skin().LoadFromIniFile(Ini);
    Forms.Log.clear();

    // An index outside the list is ignored once a list is linked; without a list it is kept.
    Skin.SetSkinIndex(1);
    Skin.SetSkinList(&list);
    EXPECT_TRUE(Forms.Log.empty());
    EXPECT_EQ(Skin.SkinIndex(), 1);
    Skin.SetSkinIndex(5);
    EXPECT_EQ(Skin.SkinIndex(), 1);
    EXPECT_TRUE(Skin.Empty);
    Skin.SetSkinIndex(0);
    EXPECT_EQ(Skin.SkinIndex(), 0);
    EXPECT_FALSE(Skin.Empty);
    EXPECT_EQ(Skin.SkinName, "Fixture");
    EXPECT_EQ(Forms.MessagesTo("main"), kChange);

    // Linking a list whose item SkinIndex exists loads it at once.
    TbsSkinData second{ nullptr };
    second.SetSkinList(&list);
    EXPECT_FALSE(second.Empty);

    for (int i = 1; i <= 3; ++i)
        list.Skins().Add();
    EXPECT_EQ(list.Skins().Items(3)->Name(), "bsSkin3");
    EXPECT_EQ(list.Skins().Items(3)->DisplayName(), "bsSkin3");
    EXPECT_THROW(list.Skins().Items(4), EListError);

    TbsCompressedSkinList copy{ nullptr };
    copy.SetSkins(list.Skins());
    ASSERT_EQ(copy.Skins().Count(), 4);
    EXPECT_EQ(copy.Skins().GetOwner(), &copy);
    EXPECT_EQ(copy.Skins().Items(2)->Name(), "bsSkin2");
    TMemoryStream a, b;
    list.Skins().Items(0)->WriteSkin(a);
    copy.Skins().Items(0)->WriteSkin(b);
    EXPECT_EQ(BytesOf(a), BytesOf(b));
}

TEST_F(CompressedSkin, LinkedComponentsThatGoAreForgotten) {
    auto stored = std::make_unique<TbsCompressedStoredSkin>(nullptr);
    stored->LoadFromIniFile(Ini);
    auto strings = std::make_unique<TbsResourceStrData>(nullptr);
    auto list = std::make_unique<TbsCompressedSkinList>(nullptr);
    Skin.SetCompressedStoredSkin(stored.get());
    EXPECT_FALSE(Skin.Empty);
    Skin.SetResourceStrData(strings.get());
    Skin.SetSkinList(list.get());
    EXPECT_EQ(Skin.CompressedStoredSkin(), stored.get());
    stored.reset();
    strings.reset();
    list.reset();
    EXPECT_EQ(Skin.CompressedStoredSkin(), nullptr);
    EXPECT_EQ(Skin.ResourceStrData(), nullptr);
    EXPECT_EQ(Skin.SkinList(), nullptr);

    // The skin object going first leaves nothing behind in the linked component.
    auto early = std::make_unique<TbsSkinData>(nullptr);
    TbsCompressedStoredSkin kept{ nullptr };
    early->SetCompressedStoredSkin(&kept);
    early.reset();
}

TEST_F(CompressedSkin, WhileDesigningLinkingLoadsNothing) {
    TbsCompressedStoredSkin stored{ nullptr };
    stored.LoadFromIniFile(Ini);
    TbsCompressedSkinList list{ nullptr };
    list.Skins().Add()->Skin().LoadFromIniFile(Ini);
    Skin.SetDesigning(true);
    Skin.SetCompressedStoredSkin(&stored);
    Skin.SetSkinList(&list);
    Skin.SetSkinnableForm(false);
    TbsResourceStrData strings{ nullptr };
    Skin.SetResourceStrData(&strings);
    EXPECT_TRUE(Skin.Empty);
    EXPECT_TRUE(Forms.Log.empty());

    // While a description is being read the string table is still announced.
    TbsSkinData loading{ nullptr };
    TRecordingForms forms(loading);
    forms.AddScreenForm("main");
    forms.Attach();
    loading.SetLoading(true);
    loading.SetSkinnableForm(false);
    loading.SetShowLayeredBorders(false);
    loading.SetResourceStrData(&strings);
    EXPECT_EQ(forms.MessagesTo("main"), std::vector<UINT>{ WM_SKINSTRINGSCHANGED });
}

// Random damage to a real block: every outcome is a load or a clear error, never a crash, a
// hang or a skin left half-loaded. Run under the sanitizers too.
TEST_F(CompressedSkin, MutatedBlocksNeverCrashTheLoader) {
    TbsSkinData small{ nullptr };
    small.LoadFromFile(Ini);
    small.FActivePictures.resize(1);
    small.FActivePicturesNames.Clear();
    TbsCompressedStoredSkin stored{ nullptr };
    stored.LoadFromSkinData(small);
    const auto framed = FramedBlock(stored);
    const auto payload = PayloadOf(stored);

    std::mt19937 random(20240611);
    const auto mutate = [&](std::vector<std::uint8_t> bytes) {
        const int edits = 1 + int(random() % 8);
        for (int e = 0; e < edits && !bytes.empty(); ++e) {
            const std::size_t at = random() % bytes.size();
            switch (random() % 4) {
            case 0:
                bytes[at] ^= std::uint8_t(1u << (random() % 8));
                break;
            case 1:
                bytes[at] = std::uint8_t(random());
                break;
            case 2:
                bytes.resize(at);
                break;
            default:
                bytes.insert(bytes.begin() + std::ptrdiff_t(at), std::uint8_t(random()));
            }
        }
        return bytes;
    };
    int loaded = 0;
    for (int round = 0; round < 1500; ++round) {
        TbsCompressedStoredSkin target{ nullptr };
        // Half the rounds damage the framed block, half the payload inside a sound block.
        try {
            if (round % 2)
                LoadFramed(target, mutate(framed));
            else
                StorePayload(target, mutate(payload));
        } catch (const Exception&) {
            continue;
        }
        Forms.Log.clear();
        bool failed = false;
        try {
            Skin.LoadCompressedStoredSkin(target);
        } catch (const Exception&) {
            failed = true;
        }
        EXPECT_FALSE(Skin.ChangeSkinDataProcess);
        const auto seen = Forms.MessagesTo("main");
        EXPECT_TRUE(seen.empty() || seen == kChange) << round;
        // A failure after the change began leaves nothing half-loaded.
        if (failed && !seen.empty()) {
            EXPECT_TRUE(Skin.Empty && Skin.CtrlList.empty()) << round;
        }
        if (!failed && !seen.empty()) ++loaded;
    }
    EXPECT_GT(loaded, 0);
}

TEST_F(CompressedSkin, FileNamesBuildTheBlockOnlyWhileDesigning) {
    const std::string file = Folder.Path() + "packed.bsc";
    {
        TbsCompressedStoredSkin source{ nullptr };
        source.LoadFromIniFile(Ini);
        source.SaveToCompressFile(file);
    }
    TbsCompressedStoredSkin stored{ nullptr };
    stored.SetFileName(Ini);
    stored.SetCompressedFileName(file);
    EXPECT_EQ(stored.FileName(), Ini);
    EXPECT_TRUE(stored.Empty());

    stored.SetDesigning(true);
    stored.SetFileName(Ini);
    EXPECT_EQ(stored.FileName(), "skin.ini");
    EXPECT_FALSE(stored.Empty());

    // A skin list item asks its list.
    TbsCompressedSkinList list{ nullptr };
    TbsSkinListItem* item = list.Skins().Add();
    item->SetCompressedFileName(file);
    EXPECT_TRUE(item->Skin().Empty());
    list.SetDesigning(true);
    item->SetCompressedFileName(file);
    EXPECT_EQ(item->CompressedFileName(), "packed.bsc");
    EXPECT_EQ(FramedBlock(item->Skin()), FramedBlock(stored));
    list.SetLoading(true);
    item->SetFileName("elsewhere/skin.ini");
    EXPECT_EQ(item->FileName(), "elsewhere/skin.ini");
}
