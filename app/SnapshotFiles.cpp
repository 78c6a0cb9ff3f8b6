#include "app/SnapshotFiles.h"

#include "platform/gfx/TBitmap.h"
#include "platform/gfx/TGIFImage.h"
#include "platform/gfx/TJPEGImage.h"
#include "platform/gfx/TPngImage.h"
#include "platform/rtl/FilePath.h"
#include "platform/rtl/FileSystem.h"

#include <memory>

std::string SnapshotExtension(const std::string& pictureType) {
    if (pictureType == "JPG") return ".jpg";
    if (pictureType == "GIF") return ".gif";
    if (pictureType == "PNG") return ".png";
    return ".bmp";
}

std::string NextSnapshotFileName(const std::string& folder, const std::string& inputFile,
                                 const std::string& pictureType) {
    const std::string stem =
        IncludeTrailingPathDelimiter(folder) + ChangeFileExt(ExtractFileName(inputFile), "") + "_";
    const std::string extension = SnapshotExtension(pictureType);
    for (int number = 1;; ++number) {
        std::string name = stem + std::to_string(number) + extension;
        if (!FileExists(name)) return name;
    }
}

void SaveSnapshot(TBitmap& bitmap, const std::string& fileName, const std::string& pictureType) {
    std::unique_ptr<TGraphic> picture;
    if (pictureType == "JPG")
        picture = std::make_unique<TJPEGImage>();
    else if (pictureType == "GIF")
        picture = std::make_unique<TGIFImage>();
    else if (pictureType == "PNG")
        picture = std::make_unique<TPngImage>();
    if (!picture) {
        bitmap.SaveToFile(fileName);
        return;
    }
    picture->Assign(bitmap);
    picture->SaveToFile(fileName);
}
