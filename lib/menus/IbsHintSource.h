#pragma once
#include <string>

class TCustomImageList;

// What the skinned hint asks of the control under the pointer: a bold title and an image shown
// beside the hint text. The skinned control bases implement it; tests pass a fake.
class IbsHintSource {
public:
    virtual const std::string& HintTitle() const = 0;
    virtual int HintImageIndex() const = 0;
    // nullptr: no image.
    virtual TCustomImageList* HintImageList() const = 0;

protected:
    ~IbsHintSource() = default;
};
