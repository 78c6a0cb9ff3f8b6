#pragma once

class TCustomImageList;

// The image lists a tool bar lends the speed buttons on it that have no glyph of their own:
// the normal images, those shown while a button is hot or pressed, and those of a disabled
// button (drawn as they are, for they hold the disabled look). The skinned tool bar answers it;
// a list the bar does not have is nullptr.
class IbsToolBarImages {
public:
    virtual ~IbsToolBarImages() = default;

    virtual TCustomImageList* Images() const = 0;
    virtual TCustomImageList* HotImages() const = 0;
    virtual TCustomImageList* DisabledImages() const = 0;
};
