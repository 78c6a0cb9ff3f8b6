#include "lib/skindata/TbsCompressedStoredSkin.h"

#include "lib/skindata/TbsSkinData.h"
#include "lib/skindata/bsSkinIniValues.h"
#include "lib/skindata/bsSkinPayload.h"
#include "lib/skindata/bszlibcompress.h"
#include "platform/gfx/TBitmap.h"
#include "platform/rtl/FilePath.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/TFileStream.h"
#include "platform/rtl/TMemIniFile.h"
#include "platform/rtl/TStringList.h"

namespace {

// Reads the framing from the stream's position into data; false for a version this reader
// does not know.
bool ReadFramedBlock(TStream& stream, TMemoryStream& data) {
    std::uint8_t header[4];
    stream.ReadBuffer(header, 4);
    const std::int32_t version = std::int32_t(std::uint32_t(header[0]) | header[1] << 8 |
                                              header[2] << 16 | std::uint32_t(header[3]) << 24);
    if (version > SkinBlockVersion) return false;
    stream.ReadBuffer(header, 4);
    const std::int32_t size = std::int32_t(std::uint32_t(header[0]) | header[1] << 8 |
                                           header[2] << 16 | std::uint32_t(header[3]) << 24);
    const std::int64_t left = stream.Size() - stream.Position();
    if (size < 0 || size > left)
        throw EReadError(Format("The compressed skin's size %d does not fit the %d bytes "
                                "that follow",
                                size, left));
    if (size > 0) data.CopyFrom(stream, size);
    return true;
}

void LoadPictureFile(TBitmap& bitmap, const std::string& folder, const std::string& name) {
    if (!name.empty()) bitmap.LoadFromFile(folder + name);
}

} // namespace

namespace {

bool DesigningNotLoading(const TComponent& judge) {
    return judge.ComponentState().Contains(csDesigning) &&
           !judge.ComponentState().Contains(csLoading);
}

} // namespace

void TbsCompressedStoredSkin::SetFileNameOf(TbsCompressedStoredSkin& skin, std::string& field,
                                            const std::string& value, const TComponent& judge) {
    if (!DesigningNotLoading(judge)) {
        field = value;
        return;
    }
    field = ExtractFileName(value);
    skin.LoadFromIniFile(value);
}

void TbsCompressedStoredSkin::SetCompressedFileNameOf(TbsCompressedStoredSkin& skin,
                                                      std::string& field, const std::string& value,
                                                      const TComponent& judge) {
    if (!DesigningNotLoading(judge)) {
        field = value;
        return;
    }
    field = ExtractFileName(value);
    skin.LoadFromCompressFile(value);
}

void TbsCompressedStoredSkin::SetFileName(const std::string& value) {
    SetFileNameOf(*this, FFileName, value, *this);
}

void TbsCompressedStoredSkin::SetCompressedFileName(const std::string& value) {
    SetCompressedFileNameOf(*this, FCompressedFileName, value, *this);
}

void TbsCompressedStoredSkin::Compress(TMemoryStream& payload) {
    TMemoryStream compressed;
    CompressSkinStream(payload, compressed);
    FCompressedStream.Clear();
    FCompressedStream.LoadFromStream(compressed);
}

void TbsCompressedStoredSkin::LoadFromSkinData(TbsSkinData& skinData) {
    TMemoryStream payload;
    WriteSkinInt32(payload, SkinBlockVersion);
    WriteSkinFlaggedBitmap(payload, skinData.FPicture);
    WriteSkinFlaggedBitmap(payload, skinData.FInActivePicture);
    WriteSkinFlaggedBitmap(payload, skinData.FMask);
    WriteSkinInt32(payload, std::int32_t(skinData.FActivePictures.size()));
    for (const auto& picture : skinData.FActivePictures)
        picture->SaveToStream(payload);
    TMemIniFile ini("");
    skinData.WriteSkinIni(ini);
    TStringList lines;
    ini.GetStrings(lines);
    WriteSkinLines(payload, lines);
    Compress(payload);
}

void TbsCompressedStoredSkin::LoadFromIniFile(const std::string& fileName) {
    TStringList lines;
    lines.LoadFromFile(fileName);
    TMemIniFile ini("");
    ini.SetStrings(lines);
    if (!IsSkinIniFile(ini)) return;
    const std::string folder = ExtractFilePath(fileName);

    TMemoryStream payload;
    WriteSkinInt32(payload, SkinBlockVersion);
    for (const char* key : { "picture", "inactivepicture", "mask" }) {
        TBitmap bitmap;
        LoadPictureFile(bitmap, folder, ini.ReadString("PICTURES", key, ""));
        WriteSkinFlaggedBitmap(payload, bitmap);
    }
    TStringList names;
    SkinIniReadStrings(ini, "PICTURES", "activepictures", names);
    WriteSkinInt32(payload, names.Count());
    for (int i = 0; i < names.Count(); ++i) {
        TBitmap bitmap;
        bitmap.LoadFromFile(folder + names[i]);
        bitmap.SaveToStream(payload);
    }
    WriteSkinLines(payload, lines);
    Compress(payload);
}

void TbsCompressedStoredSkin::SaveToCompressStream(TStream& stream) const {
    WriteSkinInt32(stream, SkinBlockVersion);
    WriteSkinInt32(stream, std::int32_t(FCompressedStream.Size()));
    FCompressedStream.SaveToStream(stream);
}

void TbsCompressedStoredSkin::SaveToCompressFile(const std::string& fileName) const {
    if (Empty()) return;
    TFileStream file(fileName, fmCreate);
    SaveToCompressStream(file);
}

void TbsCompressedStoredSkin::LoadFromCompressStream(TStream& stream) {
    stream.SetPosition(0);
    TMemoryStream data;
    ReadFramedBlock(stream, data);
    FCompressedStream.Clear();
    FCompressedStream.LoadFromStream(data);
}

void TbsCompressedStoredSkin::LoadFromCompressFile(const std::string& fileName) {
    TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
    TMemoryStream data;
    ReadFramedBlock(file, data);
    FCompressedStream.Clear();
    FCompressedStream.LoadFromStream(data);
}

void TbsCompressedStoredSkin::DeCompressToStream(TMemoryStream& stream) const {
    DecompressSkinStream(stream, FCompressedStream, MaxPayloadSize);
}

void TbsCompressedStoredSkin::SetCompressedData(TStream& data) {
    TMemoryStream copy;
    copy.LoadFromStream(data);
    FCompressedStream.Clear();
    FCompressedStream.LoadFromStream(copy);
}
