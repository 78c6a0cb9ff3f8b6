#include "lib/controls/bsActivePicture.h"

#include "lib/skindata/TbsSkinData.h"

TBitmap* ActivePictureOf(const TbsSkinData& skin, int index) {
    if (index < 0 || std::size_t(index) >= skin.FActivePictures.size()) return nullptr;
    return skin.FActivePictures[std::size_t(index)].get();
}
