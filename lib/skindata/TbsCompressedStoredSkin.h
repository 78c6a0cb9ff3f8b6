#pragma once
#include "platform/forms/TComponent.h"
#include "platform/rtl/TMemoryStream.h"

#include <string>

class TbsSkinData;

// One skin as a compressed block: the zlib stream of its payload, without the framing. A block
// is framed (32-bit version 3, 32-bit size, the zlib stream) when it is written to a file or a
// stream.
class TbsCompressedStoredSkin : public TComponent {
public:
    explicit TbsCompressedStoredSkin(TComponent* owner) : TComponent(owner) {}

    std::string ClassName() const override { return "TbsCompressedStoredSkin"; }

    bool Empty() const { return FCompressedStream.Size() == 0; }

    const std::string& Description() const { return FDescription; }
    void SetDescription(const std::string& value) { FDescription = value; }
    // Where the block came from; information only at run time. While designing, setting a
    // name keeps it without its folder and builds the block from that file.
    const std::string& FileName() const { return FFileName; }
    void SetFileName(const std::string& value);
    const std::string& CompressedFileName() const { return FCompressedFileName; }
    void SetCompressedFileName(const std::string& value);

    // Builds the block from a skin in memory.
    void LoadFromSkinData(TbsSkinData& skinData);
    // Builds the block from a skin folder's ini and its pictures. An ini that is no skin
    // description leaves the block as it was; a picture that cannot be read raises and, too,
    // leaves the block as it was.
    void LoadFromIniFile(const std::string& fileName);

    // The framed block; an empty one is written as 3 and 0.
    void SaveToCompressStream(TStream& stream) const;
    // Writes no file for an empty block.
    void SaveToCompressFile(const std::string& fileName) const;
    // Reads a framed block from the stream's start. A framing version above 3 leaves the block
    // empty; a size that is negative or larger than the bytes that follow raises and keeps
    // the block as it was.
    void LoadFromCompressStream(TStream& stream);
    // The same from a file; a file that cannot be opened keeps the block as it was.
    void LoadFromCompressFile(const std::string& fileName);

    // Inflates the whole payload, appending it at the stream's position. A damaged zlib
    // stream, one cut short, or a payload beyond any skin's size raises EDecompressionError.
    void DeCompressToStream(TMemoryStream& stream) const;

    // The zlib stream alone, as form descriptions keep it.
    const TMemoryStream& CompressedData() const { return FCompressedStream; }
    void SetCompressedData(TStream& data);

    // Payloads beyond this are refused as hostile; real skins inflate to a few megabytes.
    static constexpr std::int64_t MaxPayloadSize = std::int64_t(256) << 20;

    // The setters' rule for a stored skin judged by another component's state (a skin list
    // item asks its list).
    static void SetFileNameOf(TbsCompressedStoredSkin& skin, std::string& field,
                              const std::string& value, const TComponent& judge);
    static void SetCompressedFileNameOf(TbsCompressedStoredSkin& skin, std::string& field,
                                        const std::string& value, const TComponent& judge);

private:
    // Deflates the payload at the highest level into the block.
    void Compress(TMemoryStream& payload);

    std::string FFileName;
    std::string FCompressedFileName;
    std::string FDescription;
    mutable TMemoryStream FCompressedStream;
};
