#pragma once
#include <cstdint>
#include <span>
#include <string>

class TbsCompressedSkinList;

// The program's two skins, packed at build time from resources/skins/main and
// resources/skins/tool, each as a framed compressed block (32-bit version 3, 32-bit size, the
// zlib stream), the form a skin list item's "Skin" property holds.
std::span<const std::uint8_t> EmbeddedMainSkin();
std::span<const std::uint8_t> EmbeddedToolSkin();

// The value of a skin list's "Skins" property in a form description: one item named name whose
// "Skin" holds the block, "<" to "end>", so that a description can carry the skin.
std::string EmbeddedSkinItemsText(std::span<const std::uint8_t> block, const std::string& name);

// Appends one item named name holding the block to the skin list.
void AddEmbeddedSkin(TbsCompressedSkinList& list, std::span<const std::uint8_t> block,
                     const std::string& name);
