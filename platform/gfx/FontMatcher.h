#pragma once
#include "platform/gfx/FreeType.h"

#include <memory>
#include <string>
#include <vector>

namespace gfx {

// An installed face: its file, its index inside a collection, and the characters it covers.
struct FaceSource {
    std::string Path;
    int Index{ 0 };
    std::shared_ptr<const FcCharSet> Coverage;

    bool Covers(char32_t code) const;
};

// Resolves the face names the program asks for (Tahoma, Arial, MS Sans Serif, 宋体 ...) through
// fontconfig. The result is fontconfig's sorted list: the best match first, then the faces that
// add characters it lacks, so that every glyph can come from a face that has it.
class FontMatcher {
public:
    static std::vector<FaceSource> Match(const std::string& faceName, int weight, bool italic,
                                         int charSet);

    // The language fontconfig should favour for a face name and character set: the CJK
    // character sets, and the names of Chinese faces, ask for faces that cover their script.
    static std::string LanguageFor(const std::string& faceName, int charSet);
};

} // namespace gfx
