#pragma once
#include <string>

class TBitmap;

// The picture types a snapshot is saved as: "BMP", "JPG", "GIF" or "PNG".

// ".bmp", ".jpg", ".gif" or ".png" for a type; ".bmp" for anything else.
std::string SnapshotExtension(const std::string& pictureType);

// folder/<name>_<N><ext>: name is inputFile's name without its folder and its last extension,
// N the first number from 1 for which no such file exists.
std::string NextSnapshotFileName(const std::string& folder, const std::string& inputFile,
                                 const std::string& pictureType);

// Writes bitmap as the type's picture with the picture classes' default settings; a file that
// cannot be written raises the picture classes' error.
void SaveSnapshot(TBitmap& bitmap, const std::string& fileName, const std::string& pictureType);
