#pragma once

// Makes the skinned classes known to form descriptions (once): the skin engine's controls,
// frame, menus and message box, and, under their skinned class names, the plain stand-ins of
// what the skin engine does not have yet (the main menu and its bar, the file, folder and skin
// choosers).
void RegisterStandInClasses();
