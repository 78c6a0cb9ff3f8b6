#pragma once

class TApplication;

// The application's title, which its error boxes carry too.
constexpr const char* kApplicationTitle = "苇川VOB视频格式转换器";

// The start-up before the event loop: the application's title and help file, where the settings
// live (reported when they cannot be kept), then the windows in their order (main window, about
// box, options dialog, settings dialog).
void CreateProgramWindows(TApplication& application);
