#pragma once

class TComponent;

// Draws the tool bar's pictures into Image4 to Image17 of the main window (the enabled and
// disabled picture of each command) and gives each tool bar button the picture of its state at
// start-up: all of them start disabled.
void DrawToolBarPictures(TComponent& form);
