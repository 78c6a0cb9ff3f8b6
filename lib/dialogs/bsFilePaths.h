#pragma once
#include <string>

class TCanvas;

// Path texts of the drive, folder and file lists. Each list keeps its own folder as a text:
// nothing here reads or changes the process's current folder, which the conversion threads
// share.

// path + part, with one '/' between them.
std::string AppendPathPart(const std::string& path, const std::string& part);
// How deep a path lies: the number of '/' in it.
int DirLevel(const std::string& path);
// The path as it fits into maxWidth on the canvas: folders from the front are replaced by
// "...", "/a/b/name" giving "/.../b/name", "/.../name", ".../name", then the bare name.
std::string ShortenPathToWidth(const std::string& fileName, TCanvas& canvas, int maxWidth);

// What a typed path names, seen from a list's folder: the folder (absolute, without a trailing
// '/' except the root) and the file part ("" when the text names a folder, a pattern when it
// has '*' or '?').
struct TbsDirAndFile {
    std::string DirPart;
    std::string FilePart;
};
// editText may be absolute, relative to folder, or a list's "[name]" item (a sub-folder of
// folder). A file part that names no file and has no '*' or '?' is a folder. A folder that does
// not exist raises EInOutError.
TbsDirAndFile SplitDirAndFile(const std::string& editText, const std::string& folder);
// The folder path names seen from folder (absolute, no trailing '/' but the root's); one that
// does not exist raises EInOutError.
std::string ExistingFolder(const std::string& path, const std::string& folder);
