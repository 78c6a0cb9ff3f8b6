#pragma once
#include <string>
#include <vector>

// One broken rule of a skin folder: where (a section or record name) and what is wrong.
struct TSkinProblem {
    std::string Where;
    std::string What;
};

// Checks a skin folder (its skin.ini, or the only .ini in it, and the pictures beside it) for
// what the program needs of its skins: the five sections, every record name the program looks
// up with the right kind and the resize mode its control needs, valid picture indexes,
// rectangles inside their pictures, no negative coordinates, guide points that leave no tiled
// strip empty, caption buttons inside a corner of the frame, command words spelled as the
// loader knows them and records that name other records naming existing ones. A skin with a
// frame picture is checked as a frame skin, one without as a control skin.
std::vector<TSkinProblem> CheckSkinFolder(const std::string& folder);
