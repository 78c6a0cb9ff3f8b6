#pragma once
#include "platform/forms/TImageList.h"
#include "platform/gfx/Surface.h"

#include <vector>

// An image list whose pictures keep their alpha channel and are drawn blended over what lies
// below them. The class library's list underneath holds each picture too, opaque where its
// alpha is at least half, so that copying an image out or drawing it disabled works as for any
// image list.
class TSystemImageList : public TCustomImageList {
public:
    TSystemImageList(TComponent* owner, int size);

    std::string ClassName() const override { return "TSystemImageList"; }

    // Appends a picture of the list's size (top-down BGRA); returns its index.
    int AddPicture(const gfx::Surface& picture);
    const gfx::Surface& Picture(int index) const;

protected:
    void DoDraw(int index, TCanvas& canvas, int x, int y, unsigned style, bool enabled) override;

private:
    std::vector<gfx::Surface> FPictures;
};
