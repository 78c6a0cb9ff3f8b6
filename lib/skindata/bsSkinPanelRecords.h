#pragma once
#include "lib/skindata/bsSkinControlRecords.h"

#include <string>

class TCustomIniFile;

// Records of the panel, label and bar kinds. The bevel, the standard label and the slider derive
// from TbsDataSkinControl and so have no point, "clientrect" or stretch keys.

// Panels, group boxes, tool bars and the status bar (GripperRect is its size grip).
class TbsDataSkinPanelControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    TRect CaptionRect;
    TAlignment Alignment{ taCenter };
    std::string FontName{ "Arial" };
    TFontStyles FontStyle;
    int FontHeight{ 12 };
    TColor FontColor{ 0 };
    int BGPictureIndex{ -1 };
    TRect CheckImageRect;
    TRect UnCheckImageRect;
    TRect MarkFrameRect;
    TRect FrameRect;
    int FrameLeftOffset{ 0 };
    int FrameRightOffset{ 0 };
    TRect FrameTextRect;
    TRect GripperRect;
    bool GripperTransparent{ false };
    TColor GripperTransparentColor{ 16711935 };

protected:
    void Exchange(TbsSkinFieldIO& io) override;
};

class TbsDataSkinExPanelControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    TRect RollHSkinRect;
    TRect RollVSkinRect;
    int RollLeftOffset{ 0 };
    int RollRightOffset{ 0 };
    int RollTopOffset{ 0 };
    int RollBottomOffset{ 0 };
    TRect RollVCaptionRect;
    TRect RollHCaptionRect;
    TRect CloseButtonRect;
    TRect CloseButtonActiveRect;
    TRect CloseButtonDownRect;
    TRect HRollButtonRect;
    TRect HRollButtonActiveRect;
    TRect HRollButtonDownRect;
    TRect HRestoreButtonRect;
    TRect HRestoreButtonActiveRect;
    TRect HRestoreButtonDownRect;
    TRect VRollButtonRect;
    TRect VRollButtonActiveRect;
    TRect VRollButtonDownRect;
    TRect VRestoreButtonRect;
    TRect VRestoreButtonActiveRect;
    TRect VRestoreButtonDownRect;
    TRect CaptionRect;
    std::string FontName{ "Arial" };
    TFontStyles FontStyle;
    int FontHeight{ 12 };
    TColor FontColor{ 0 };
    bool ButtonsTransparent{ false };
    TColor ButtonsTransparentColor{ 16711935 };

protected:
    void Exchange(TbsSkinFieldIO& io) override;
};

class TbsDataSkinScrollBoxControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    int BGPictureIndex{ -1 };

protected:
    void Exchange(TbsSkinFieldIO& io) override;
};

// The item offsets are the only keys of the family that read as 3 when missing.
class TbsDataSkinControlBar : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    TRect ItemRect;
    int BGPictureIndex{ -1 };
    TRect HGripRect;
    TRect VGripRect;
    int GripOffset1{ 0 };
    int GripOffset2{ 0 };
    bool ItemStretchEffect{ false };
    int ItemOffset1{ 0 };
    int ItemOffset2{ 0 };
    bool ItemTransparent{ false };
    TColor ItemTransparentColor{ 0 };
    bool GripTransparent{ false };
    TColor GripTransparentColor{ 0 };

protected:
    void Exchange(TbsSkinFieldIO& io) override;
};

class TbsDataSkinSplitterControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    TRect GripperRect;
    bool GripperTransparent{ false };
    TColor GripperTransparentColor{ 16711935 };

protected:
    void Exchange(TbsSkinFieldIO& io) override;
};

class TbsDataSkinBevel : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;

    TColor LightColor{ 0 };
    TColor DarkColor{ 0 };

protected:
    void Exchange(TbsSkinFieldIO& io) override;
};

// The face and font of menu and office list box headers ("menuheader", else "label").
class TbsDataSkinLabelControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    std::string FontName{ "Arial" };
    TFontStyles FontStyle;
    int FontHeight{ 12 };
    TColor FontColor{ 0 };

protected:
    void Exchange(TbsSkinFieldIO& io) override;
};

// ActiveFontColor (a link under the mouse) reads as blue, 16711680, when missing.
class TbsDataSkinStdLabelControl : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;

    std::string FontName{ "Arial" };
    TFontStyles FontStyle;
    int FontHeight{ 12 };
    TColor FontColor{ 0 };
    TColor ActiveFontColor{ 16711680 };

protected:
    void Exchange(TbsSkinFieldIO& io) override;
};

class TbsDataSkinSlider : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;

    TRect HRulerRect;
    TRect HThumbRect;
    TRect VRulerRect;
    TRect VThumbRect;
    int EdgeSize{ 0 };
    TColor BGColor{ 0 };
    TColor PointsColor{ 0 };

protected:
    void Exchange(TbsSkinFieldIO& io) override;
};

class TbsDataSkinTrackBarControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    TRect ActiveSkinRect;
    TRect TrackArea;
    TRect ButtonRect;
    TRect ActiveButtonRect;
    bool Vertical{ false };
    bool ButtonTransparent{ false };
    TColor ButtonTransparentColor{ 16711935 };

protected:
    void Exchange(TbsSkinFieldIO& io) override;
};

class TbsDataSkinGaugeControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    TRect ProgressArea;
    TRect ProgressRect;
    bool Vertical{ false };
    int BeginOffset{ 0 };
    int EndOffset{ 0 };
    std::string FontName{ "Arial" };
    TFontStyles FontStyle;
    int FontHeight{ 14 };
    TColor FontColor{ 0 };
    bool ProgressTransparent{ false };
    TColor ProgressTransparentColor{ 16711935 };
    bool ProgressStretch{ false };
    TRect AnimationSkinRect;
    int AnimationCountFrames{ 0 };
    int AnimationTimerInterval{ 0 };
    TRect ProgressAnimationSkinRect;
    int ProgressAnimationCountFrames{ 0 };
    int ProgressAnimationTimerInterval{ 0 };
    int AnimationBeginOffset{ 0 };
    int AnimationEndOffset{ 0 };

protected:
    void Exchange(TbsSkinFieldIO& io) override;
};
