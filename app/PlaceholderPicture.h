#pragma once
#include <memory>

class TComponent;
class TPngImage;

// The picture shown in place of the empty job list: a drop area with a video symbol and the
// hint to add files, on a transparent ground.
std::unique_ptr<TPngImage> DrawPlaceholderPicture(int width, int height);

// Gives the main window's Image1 (on bsSkinPanel5) the placeholder picture at its own size.
void ShowPlaceholderPicture(TComponent& form);
