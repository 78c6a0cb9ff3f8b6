#pragma once
#include <memory>

class TComponent;
class TPngImage;

// The product's emblem for the about box: the VOB family's disc tile, drawn at size pixels.
std::unique_ptr<TPngImage> DrawAboutPicture(int size);

// Gives the about box's Image1 the emblem at the picture's own size.
void ShowAboutPicture(TComponent& form);
