#include "app/AboutPicture.h"

#include "app/FamilyPictures.h"
#include "platform/forms/TFormReader.h"
#include "platform/forms/TImage.h"
#include "platform/gfx/TPngImage.h"

#include <algorithm>

namespace {

constexpr int kVobFamily = 20;

} // namespace

std::unique_ptr<TPngImage> DrawAboutPicture(int size) {
    return DrawFamilyPicture(kVobFamily, size);
}

void ShowAboutPicture(TComponent& form) {
    auto* image = DescribedComponent<TImage>(&form, "Image1");
    const int size = std::min(image->Width(), image->Height());
    image->Picture().SetGraphic(DrawAboutPicture(size > 0 ? size : 80).get());
}
