#include "platform/gfx/FontCache.h"

#include "platform/gfx/FontMatcher.h"

#include <vector>

namespace gfx {

namespace {

// Fonts no object uses any more are let go once the cache holds this many.
constexpr std::size_t kKeptFonts = 64;

} // namespace

FontCache& FontCache::Instance() {
    static FontCache cache;
    return cache;
}

FontCache::FontCache() : FEngine(std::make_shared<FontEngine>()) {}

std::shared_ptr<ScaledFont> FontCache::Get(const FontRequest& request) {
    std::vector<std::shared_ptr<ScaledFont>> released; // freed after the lock is let go
    std::lock_guard lock(FLock);
    if (auto found = FFonts.find(request); found != FFonts.end()) return found->second;

    // The size does not change the match.
    const MatchKey key{ request.FaceName, request.Weight, request.Italic, request.CharSet };
    auto match = FMatches.find(key);
    if (match == FMatches.end()) {
        std::vector<FaceSource> sources;
        {
            std::lock_guard engineLock(FEngine->Lock);
            sources =
                FontMatcher::Match(request.FaceName, request.Weight <= 0 ? 400 : request.Weight,
                                   request.Italic, request.CharSet);
        }
        match = FMatches.emplace(key, std::move(sources)).first;
    }
    auto font = std::make_shared<ScaledFont>(FEngine, request, match->second);

    if (FFonts.size() >= kKeptFonts) {
        for (auto it = FFonts.begin(); it != FFonts.end();) {
            if (it->second.use_count() == 1) {
                released.push_back(std::move(it->second));
                it = FFonts.erase(it);
            } else {
                ++it;
            }
        }
    }
    FFonts.emplace(request, font);
    return font;
}

} // namespace gfx
