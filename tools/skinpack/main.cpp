// skinpack <out.cpp> (<function> <skin folder>)...: packs each skin folder into a framed
// compressed block with the skin engine's own packing and writes a source file whose functions
// return the blocks.
#include "lib/skindata/TbsCompressedStoredSkin.h"
#include "platform/rtl/TMemoryStream.h"

#include <cstdio>
#include <exception>
#include <fstream>
#include <iostream>
#include <string>

namespace {

std::string Block(const std::string& folder) {
    TbsCompressedStoredSkin skin(nullptr);
    skin.LoadFromIniFile(folder + "/skin.ini");
    if (skin.Empty()) throw std::runtime_error(folder + " holds no skin description");
    TMemoryStream stream;
    skin.SaveToCompressStream(stream);
    const auto* bytes = static_cast<const unsigned char*>(stream.Memory());
    std::string text;
    char hex[8];
    for (std::int64_t i = 0; i < stream.Size(); ++i) {
        std::snprintf(hex, sizeof hex, "0x%02x,", bytes[i]);
        text += hex;
        if (i % 24 == 23) text += "\n";
    }
    return text;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4 || argc % 2 != 0) {
        std::cerr << "usage: skinpack <out.cpp> (<function> <skin folder>)...\n";
        return 2;
    }
    try {
        std::string source = "// Made by skinpack from the skin folders; not to be edited.\n"
                             "#include \"resources/skins/EmbeddedSkins.h\"\n\n";
        for (int i = 2; i < argc; i += 2) {
            const std::string function = argv[i];
            source += "namespace {\nconst std::uint8_t k" + function + "[] = {\n" +
                      Block(argv[i + 1]) + "\n};\n}\n\nstd::span<const std::uint8_t> " + function +
                      "() {\n    return k" + function + ";\n}\n\n";
        }
        std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
        out << source;
        if (!out) throw std::runtime_error(std::string("cannot write ") + argv[1]);
    } catch (const std::exception& e) {
        std::cerr << "skinpack: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
