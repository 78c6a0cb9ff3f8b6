#pragma once
#include "app/TSettingsFile.h"
#include <string>

// The sections of "option.ini" and the rules by which each reader answers a missing file, a
// missing key or a value outside the key's set by writing the default back. Every write may
// raise EIniFileException "Unable to write to %s".

// Section "OutPath": the stored folder, created with its parents when missing (and used even
// when that fails); with no file or no key, defaultFolder is created and written back. A failed
// first attempt is retried once the default way, and only that attempt's failure escapes.
std::string ReadOutputFolder(TSettingsFile& file, const std::string& defaultFolder);
// Writes folder only when it names an existing folder.
void WriteOutputFolder(TSettingsFile& file, const std::string& folder);

// Section "Skin": the stored skin index; "0" is written back for a missing key and for a value
// that is no decimal integer.
int ReadSkinIndex(TSettingsFile& file);
void WriteSkinIndex(TSettingsFile& file, int index);

// Section "Options" as the options dialog's controls hold it.
struct TConversionOptions {
    std::string ThreadCount{ "1" }; // the thread-count picker's text, "1" to "19"
    int AfterDone{ 0 };             // 0 open the output folder, 1 shut down, 2 sound, 3 nothing
    int ThreadPriority{ 3 };        // 0 idle, 1 lowest, 2 lower, 3 normal
    int OverwriteFile{ 1 };         // 0 overwrite, 1 rename with a "_N" suffix
    bool ShowPreview{ false };

    bool operator==(const TConversionOptions&) const = default;
};
// Reads the keys into options in the order Thread_Count, After_Done, Thread_Priority,
// Overwrite_File, Show_Preview, each write-back a write of its own; a failing write-back leaves
// the keys after it unread, options keeping what it held. Without a file, the five defaults are
// written in one pass.
void ReadConversionOptions(TSettingsFile& file, TConversionOptions& options);
// One pass; "Thread_Count" only while writeThreadCount holds.
void WriteConversionOptions(TSettingsFile& file, const TConversionOptions& options,
                            bool writeThreadCount);

// Section "SnapShot": the snapshot folder, created when missing; the default folder is created
// and written back when no folder is stored. A stored folder is never written back.
std::string ReadSnapshotFolder(TSettingsFile& file, const std::string& defaultFolder);
void WriteSnapshotFolder(TSettingsFile& file, const std::string& folder);
// "BMP", "JPG", "GIF" or "PNG"; anything else writes "BMP" back.
std::string ReadSnapshotPicture(TSettingsFile& file);
void WriteSnapshotPicture(TSettingsFile& file, const std::string& picture);
