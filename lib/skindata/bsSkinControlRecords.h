#pragma once
#include "lib/skindata/bsSkinFieldIO.h"

#include <string>

class TCustomIniFile;

// The records of section SKINCONTROLS: one per skinnable kind of control, created from the kind
// word of its entry, read from the section named by its IDName and written back the same way.
// The writer erases the section, then writes the base keys and each class's own keys, exactly
// the keys the reader reads. Values a new record starts with and values a missing key reads as
// differ in places (a new button has FontHeight 12, a loaded one without "fontheight" 14); both
// are kept as the skins expect them.

class TbsDataSkinControl {
public:
    explicit TbsDataSkinControl(std::string idName) : IDName(std::move(idName)) {}
    virtual ~TbsDataSkinControl() = default;

    virtual void LoadFromFile(const TCustomIniFile& ini);
    virtual void SaveToFile(TCustomIniFile& ini);

    std::string IDName;
    int PictureIndex{ -1 };
    int MaskPictureIndex{ -1 };
    TRect SkinRect;

protected:
    // The record's keys in order, base keys first; readers and writers both walk it.
    virtual void Exchange(TbsSkinFieldIO& io);
};

// The resize geometry most kinds share: the guide points and ClRect are relative to SkinRect
// and cut the face into nine parts; the edge flags stretch an edge instead of tiling it, and
// StretchEffect with StretchType does the same for the client part.
class TbsDataSkinCustomControl : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;

    TPoint LTPoint;
    TPoint RTPoint;
    TPoint LBPoint;
    TPoint RBPoint;
    TRect ClRect;
    bool StretchEffect{ false };
    TbsStretchType StretchType{ bsstFull };
    bool LeftStretch{ false };
    bool TopStretch{ false };
    bool RightStretch{ false };
    bool BottomStretch{ false };

protected:
    void Exchange(TbsSkinFieldIO& io) override;
};

// Push buttons, speed buttons and list view header sections.
class TbsDataSkinButtonControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    std::string FontName{ "Arial" };
    TFontStyles FontStyle;
    int FontHeight{ 12 };
    TColor FontColor{ 0 };
    TColor ActiveFontColor{ 0 };
    TColor DownFontColor{ 0 };
    TColor DisabledFontColor{ 0 };
    TRect ActiveSkinRect;
    TRect DownSkinRect;
    TRect DisabledSkinRect;
    TRect FocusedSkinRect;
    bool Morphing{ false };
    TbsMorphKind MorphKind{ mkDefault };
    TRect AnimateSkinRect;
    int FrameCount{ 0 };
    int AnimateInterval{ 0 };
    bool ShowFocus{ false };
    TRect MenuMarkerFlatRect;
    TRect MenuMarkerRect;
    TRect MenuMarkerActiveRect;
    TRect MenuMarkerDownRect;
    TColor MenuMarkerTransparentColor{ 0 };
    int GlowLayerPictureIndex{ -1 };
    int GlowLayerMaskPictureIndex{ -1 };
    int GlowLayerOffsetLeft{ 0 };
    int GlowLayerOffsetRight{ 0 };
    int GlowLayerOffsetTop{ 0 };
    int GlowLayerOffsetBottom{ 0 };
    int GlowLayerShowOffsetX{ 0 };
    int GlowLayerShowOffsetY{ 0 };
    int GlowLayerAlphaBlendValue{ 255 };

protected:
    void Exchange(TbsSkinFieldIO& io) override;
};

// A button with a separate drop-down part, TrackButtonRect, relative to the face.
class TbsDataSkinMenuButtonControl : public TbsDataSkinButtonControl {
public:
    using TbsDataSkinButtonControl::TbsDataSkinButtonControl;

    TRect TrackButtonRect;

protected:
    void Exchange(TbsSkinFieldIO& io) override;
};

// Check boxes and radio boxes.
class TbsDataSkinCheckRadioControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    std::string FontName{ "Arial" };
    TFontStyles FontStyle;
    int FontHeight{ 12 };
    TColor FontColor{ 0 };
    TColor ActiveFontColor{ 0 };
    TColor UnEnabledFontColor{ 0 };
    TRect ActiveSkinRect;
    TRect CheckImageArea;
    TRect TextArea;
    TRect CheckImageRect;
    TRect UnCheckImageRect;
    TRect ActiveCheckImageRect;
    TRect ActiveUnCheckImageRect;
    TRect UnEnabledCheckImageRect;
    TRect UnEnabledUnCheckImageRect;
    TRect GrayedCheckImageRect;
    TRect ActiveGrayedCheckImageRect;
    bool Morphing{ false };
    TbsMorphKind MorphKind{ mkDefault };
    TColor FrameFontColor{ 0 };

protected:
    void Exchange(TbsSkinFieldIO& io) override;
};
