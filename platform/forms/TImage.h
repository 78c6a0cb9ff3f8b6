#pragma once
#include "platform/forms/TGraphicControl.h"
#include "platform/gfx/TPicture.h"
#include <cstdint>
#include <vector>

// Shows a picture: at its own size from the top-left corner or centred, or stretched to the
// control (keeping its proportions when Proportional). A transparent image lets the parent show
// through the picture's transparent parts; an opaque one paints its whole rectangle.
class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* owner);
    ~TImage() override;

    std::string ClassName() const override { return "TImage"; }

    TPicture& Picture() { return FPicture; }
    void SetPicture(const TPicture& value) { FPicture.Assign(value); }
    bool Stretch() const { return FStretch; }
    void SetStretch(bool value);
    bool Center() const { return FCenter; }
    void SetCenter(bool value);
    bool Proportional() const { return FProportional; }
    void SetProportional(bool value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    // The control takes the picture's size whenever the picture changes.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    // Where the picture is drawn in client coordinates.
    TRect DestRect() const;
    // A picture as form descriptions store it: the graphic's class name (a length byte and the
    // name), then the file's bytes, for some classes behind a four-byte length.
    void SetPictureData(const std::vector<std::uint8_t>& data);

    void Invalidate() override;

protected:
    void Paint() override;

private:
    void PictureChanged();
    void UpdateOpaque();

    TPicture FPicture;
    bool FStretch{ false };
    bool FCenter{ false };
    bool FProportional{ false };
    bool FTransparent{ false };
    bool FAutoSize{ false };
};
