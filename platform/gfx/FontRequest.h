#pragma once
#include <compare>
#include <string>

namespace gfx {

// What a program asks of a font's face and size, in LOGFONT's terms, at 96 dots per inch.
// Underline and strike-out are lines the text drawing adds, so they are not part of it.
struct FontRequest {
    std::string FaceName;
    // Negative: the character (em) height in pixels; positive: the cell height, internal
    // leading included; 0: the default height.
    int Height{ 0 };
    int Weight{ 400 };
    bool Italic{ false };
    int CharSet{ 1 };

    auto operator<=>(const FontRequest&) const = default;
};

} // namespace gfx
