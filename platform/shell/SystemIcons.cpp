#include "platform/shell/SystemIcons.h"

#include "platform/gfx/PngCodec.h"
#include "platform/shell/ShellPaths.h"

#include <span>

namespace {

constexpr int kSmallSize = 16;
constexpr int kLargeSize = 32;

// Nearest-pixel scaling, for an icon a theme has at one size only or at a size its folder
// does not promise.
gfx::Surface Resampled(const gfx::Surface& source, int size) {
    if (source.Width() == size && source.Height() == size) return source;
    gfx::Surface out(size, size, 0);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            out.Set(x, y, source.At(x * source.Width() / size, y * source.Height() / size));
    return out;
}

} // namespace

TSystemIcons::TSystemIcons(std::unique_ptr<TIconTheme> theme)
    : FTheme(std::move(theme)), FSmall(std::make_unique<TSystemImageList>(nullptr, kSmallSize)),
      FLarge(std::make_unique<TSystemImageList>(nullptr, kLargeSize)) {
    FByRole.fill(-1);
    // Whatever the theme offers, image 0 is the generic file that every file without an
    // icon of its own shows.
    FByRole[irFile] = IndexOf({ kGenericFileIcon }, irFile);
}

TSystemIcons::~TSystemIcons() = default;

gfx::Surface TSystemIcons::ReadIcon(const std::string& fileName, int size) {
    if (fileName.empty()) return gfx::Surface();
    ++FFilesRead;
    const std::string bytes = ReadFileText(fileName);
    try {
        gfx::DecodedImage image = gfx::PngCodec::Decode(std::span<const std::uint8_t>(
            reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
        if (image.Pixels.Empty()) return gfx::Surface();
        return Resampled(image.Pixels, size);
    } catch (const std::exception&) {
        // A broken icon file counts as a missing one: the next name or the built-in one shows.
        return gfx::Surface();
    }
}

int TSystemIcons::AddPictures(gfx::Surface small, gfx::Surface large) {
    const int index = FSmall->AddPicture(small);
    FLarge->AddPicture(large);
    return index;
}

int TSystemIcons::IndexOf(const std::vector<std::string>& names, TShellIconRole role) {
    for (const std::string& name : names) {
        if (auto found = FByName.find(name); found != FByName.end()) {
            if (found->second >= 0) return found->second;
            continue;
        }
        if (!FTheme) {
            FByName.emplace(name, -1);
            continue;
        }
        gfx::Surface small = ReadIcon(FTheme->FindIcon(name, kSmallSize), kSmallSize);
        gfx::Surface large = ReadIcon(FTheme->FindIcon(name, kLargeSize), kLargeSize);
        if (small.Empty() && large.Empty()) {
            FByName.emplace(name, -1);
            continue;
        }
        if (small.Empty()) small = Resampled(large, kSmallSize);
        if (large.Empty()) large = Resampled(small, kLargeSize);
        const int index = AddPictures(std::move(small), std::move(large));
        FByName.emplace(name, index);
        return index;
    }
    int& builtIn = FByRole[std::size_t(role)];
    if (builtIn < 0)
        builtIn = AddPictures(BuiltInIcon(role, kSmallSize), BuiltInIcon(role, kLargeSize));
    return builtIn;
}
