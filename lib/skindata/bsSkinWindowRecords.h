#pragma once
#include "lib/skindata/bsSkinFieldIO.h"

#include <string>

class TCustomIniFile;

// The fixed sections of a skin: the popup menu window, the layered border, the hint window
// and the skin's system colours. Each reads and writes its own section; the first three erase
// it before writing.

// Section POPUPWINDOW: the frame of a popup menu window, cut like the form frame.
class TbsDataSkinPopupWindow {
public:
    static constexpr const char* Section = "POPUPWINDOW";

    void LoadFromFile(const TCustomIniFile& ini);
    void SaveToFile(TCustomIniFile& ini);

    int WindowPictureIndex{ -1 };
    int MaskPictureIndex{ -1 };
    TPoint LTPoint;
    TPoint RTPoint;
    TPoint LBPoint;
    TPoint RBPoint;
    TRect ItemsRect;
    TColor ScrollMarkerColor{ 0 };
    TColor ScrollMarkerActiveColor{ 0 };
    bool LeftStretch{ false };
    bool RightStretch{ false };
    bool TopStretch{ false };
    bool BottomStretch{ false };
    bool StretchEffect{ false };
    TbsStretchType StretchType{ bsstFull };

private:
    void Exchange(TbsSkinFieldIO& io);
};

// Section LAYERFRAME: the layered border drawn around a form.
class TbsDataSkinLayerFrame {
public:
    static constexpr const char* Section = "LAYERFRAME";

    void LoadFromFile(const TCustomIniFile& ini);
    void SaveToFile(TCustomIniFile& ini);

    int PictureIndex{ -1 };
    int MaskPictureIndex{ -1 };
    int InActivePictureIndex{ -1 };
    int InActiveMaskPictureIndex{ -1 };
    TPoint LTPoint;
    TPoint RTPoint;
    TPoint LBPoint;
    TPoint RBPoint;
    TRect ClRect;
    int AlphaBlendValue{ 255 };
    int InActiveAlphaBlendValue{ 255 };
    TRect BorderRect;
    bool HitTestEnable{ false };

private:
    void Exchange(TbsSkinFieldIO& io);
};

// Section HINTWINDOW. A new record has FontHeight 12, a loaded one 14 when the key is missing.
class TbsDataSkinHintWindow {
public:
    static constexpr const char* Section = "HINTWINDOW";

    void LoadFromFile(const TCustomIniFile& ini);
    void SaveToFile(TCustomIniFile& ini);

    int WindowPictureIndex{ -1 };
    int MaskPictureIndex{ -1 };
    TPoint LTPoint;
    TPoint RTPoint;
    TPoint LBPoint;
    TPoint RBPoint;
    TRect ClRect;
    std::string FontName{ "Arial" };
    int FontHeight{ 12 };
    TFontStyles FontStyle;
    TColor FontColor{ 0 };
    bool LeftStretch{ false };
    bool RightStretch{ false };
    bool TopStretch{ false };
    bool BottomStretch{ false };
    bool StretchEffect{ false };
    TbsStretchType StretchType{ bsstFull };

private:
    void Exchange(TbsSkinFieldIO& io);
};

// Section SKINCOLORS: the colours skinned controls use in place of the system colours. A new
// set is all black until SetColorsToDefault or a load; a missing key reads as the system
// colour, so the writer writes those as negative numbers (clBtnFace is -16777201). Saving
// does not erase the section: the skin's writer erases it.
class TbsSkinColors {
public:
    static constexpr const char* Section = "SKINCOLORS";

    void LoadFromFile(const TCustomIniFile& ini);
    void SaveToFile(TCustomIniFile& ini);
    void SetColorsToDefault();

    TColor FcBtnFace{ 0 };
    TColor FcBtnText{ 0 };
    TColor FcWindow{ 0 };
    TColor FcWindowText{ 0 };
    TColor FcHighLight{ 0 };
    TColor FcHighLightText{ 0 };
    TColor FcBtnHighLight{ 0 };
    TColor FcBtnShadow{ 0 };

private:
    void Exchange(TbsSkinFieldIO& io);
};
