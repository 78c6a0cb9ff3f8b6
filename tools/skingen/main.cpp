// skingen <folder>: draws the program's two skins into <folder>/main and <folder>/tool.
#include "tools/skingen/SkinBuilder.h"

#include <exception>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: skingen <skins folder>\n";
        return 2;
    }
    try {
        const std::string root = argv[1];
        TbsSkinData main(nullptr);
        BuildMainSkin(main);
        WriteSkinFolder(main, root + "/main");
        TbsSkinData tool(nullptr);
        BuildToolSkin(tool);
        WriteSkinFolder(tool, root + "/tool");
    } catch (const std::exception& e) {
        std::cerr << "skingen: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
