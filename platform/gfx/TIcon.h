#pragma once
#include "platform/gfx/IconObject.h"
#include "platform/gfx/TGraphic.h"
#include <memory>
#include <vector>

// An icon: every picture of an icon file, with transparency. Its size is the largest
// picture's; Handle gives an HICON of all of them for DrawIconEx and CopyImage.
class TIcon : public TGraphic {
public:
    TIcon() = default;
    ~TIcon() override;

    int Width() const override;
    int Height() const override;
    void SetWidth(int value) override;
    void SetHeight(int value) override;
    bool Empty() const override { return FImages.empty(); }

    // The icon handle, owned by the icon; null while empty.
    win::HICON Handle();
    // Takes ownership of an icon handle; the pictures follow it.
    void SetHandle(win::HICON value);
    // Gives the handle to the caller; the icon becomes empty.
    win::HICON ReleaseHandle();

    void LoadFromStream(TStream& stream) override;
    // Writes an icon file of every picture, 32 bits with alpha.
    void SaveToStream(TStream& stream) override;
    void Assign(const TGraphic& source) override;
    std::string ClassName() const override { return "TIcon"; }
    std::unique_ptr<TGraphic> CreateNew() const override { return std::make_unique<TIcon>(); }
    gfx::Surface ToSurface() const override;
    bool HasAlpha() const override { return !FImages.empty(); }

protected:
    void Draw(TCanvas& canvas, const TRect& rect) override;

private:
    struct DestroyIconHandle {
        void operator()(win::HICON icon) const { win::DestroyIcon(icon); }
    };
    void SetImages(std::vector<gfx::Surface> images);
    const gfx::Surface* Largest() const;

    std::vector<gfx::Surface> FImages;
    std::unique_ptr<std::remove_pointer_t<win::HICON>, DestroyIconHandle> FHandle;
};
