#pragma once
#include "platform/gfx/FontRequest.h"
#include "platform/gfx/ScaledFont.h"

#include <map>
#include <memory>
#include <mutex>
#include <tuple>

namespace gfx {

// The process-wide store of realised fonts, as the system's font cache is: every font object
// asking for the same face, size and style shares one ScaledFont and its rendered glyphs.
class FontCache {
public:
    static FontCache& Instance();

    // Throws Exception when no installed font can draw the request at all.
    std::shared_ptr<ScaledFont> Get(const FontRequest& request);

private:
    FontCache();

    using MatchKey = std::tuple<std::string, int, bool, int>;

    std::shared_ptr<FontEngine> FEngine;
    std::mutex FLock;
    std::map<MatchKey, std::vector<FaceSource>> FMatches;
    std::map<FontRequest, std::shared_ptr<ScaledFont>> FFonts;
};

} // namespace gfx
