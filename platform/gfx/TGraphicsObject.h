#pragma once
#include <functional>

// The base of pens, brushes and fonts: tells its owner (a canvas, a control) of each change.
class TGraphicsObject {
public:
    virtual ~TGraphicsObject() = default;

    std::function<void(TGraphicsObject* sender)> OnChange;

protected:
    void Changed();
};
