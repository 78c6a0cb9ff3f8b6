#pragma once
#include "platform/forms/TListBox.h"
#include "platform/gfx/TCanvas.h"

#include <functional>
#include <string_view>
#include <vector>

class TCustomImageList;
class TObject;
class TStrings;

// Draws a row of a skinned list, or the chosen item of a closed picker, in place of the
// built-in drawing: Cnvs is the row's off-screen canvas, itemWidth x itemHeight its size and
// textRect where the text would go.
using TbsDrawSkinItemEvent =
    std::function<void(TObject* sender, TCanvas& Cnvs, int index, int itemWidth, int itemHeight,
                       const TRect& textRect, TOwnerDrawState state)>;

// Tab stops from lines of pixel widths: a line of digits only counts as its value, any other
// as 0; at most the first ten lines count.
std::vector<int> TabStopsOf(const TStrings& tabWidths);

// What an item shows besides its text.
struct TbsItemDecor {
    TCustomImageList* Images{ nullptr };
    // The image drawn; below 0 each item shows the image of its own index.
    int ImageIndex{ -1 };
    // Tab stops for the text; nullptr or empty: the text is drawn clipped to the rect.
    const TStrings* TabWidths{ nullptr };
    // How far the content is scrolled to the left, in pixels (not for tabbed text).
    int HorizontalOffset{ 0 };
};

// The image (vertically centred at the rect's left) and the text, vertically centred, 2 px in,
// after the image's width + 2 whether or not that item has an image; brush clear.
void DrawItemContent(TCanvas& C, std::string_view text, int index, const TRect& textRect,
                     const TbsItemDecor& decor);
