#pragma once
#include "platform/shell/MountTable.h"

#include <string>
#include <vector>

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

// "[label]" of the file system mounted at mountPoint: the name under labelFolder (the system's
// /dev/disk/by-label) that links to the mount's device; "[]" when it has none.
std::string VolumeLabelText(const std::string& mountPoint, const std::vector<TMountEntry>& mounts,
                            const std::string& labelFolder);
// Where a network share mounted at mountPoint comes from ("server:/share", "//server/share");
// VolumeLabelText for a mount that is no network share.
std::string NetworkShareText(const std::string& mountPoint, const std::vector<TMountEntry>& mounts,
                             const std::string& labelFolder);
// Whether a file system is reached over the network.
bool IsNetworkFileSystem(const std::string& fileSystem);
