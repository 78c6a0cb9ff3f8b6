#pragma once
#include "lib/skindata/bsSkinControlRecords.h"

#include <string>

class TCustomIniFile;

// Records of the tab, grid, view and menu bar kinds; all derive from TbsDataSkinControl. The
// list view, tree view and rich edit start white but read black when "bgcolor" is missing.

// The page area's face with resize geometry of its own (same keys as TbsDataSkinCustomControl,
// in this record's order), tab faces cut as three-slices, and UpDown naming the arrows' record.
class TbsDataSkinTabControl : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;

    TRect TabRect;
    TRect ActiveTabRect;
    TRect FocusTabRect;
    TRect MouseInTabRect;
    TRect ClRect;
    TRect TabsBGRect;
    TPoint LTPoint;
    TPoint RTPoint;
    TPoint LBPoint;
    TPoint RBPoint;
    int TabLeftOffset{ 0 };
    int TabRightOffset{ 0 };
    std::string FontName{ "Arial" };
    TFontStyles FontStyle;
    int FontHeight{ 14 };
    TColor FontColor{ 0 };
    TColor ActiveFontColor{ 0 };
    TColor FocusFontColor{ 0 };
    TColor MouseInFontColor{ 0 };
    std::string UpDown;
    int BGPictureIndex{ -1 };
    bool TabStretchEffect{ false };
    bool ShowFocus{ false };
    int FocusOffsetX{ 0 };
    int FocusOffsetY{ 0 };
    bool LeftStretch{ false };
    bool TopStretch{ false };
    bool RightStretch{ false };
    bool BottomStretch{ false };
    bool StretchEffect{ false };
    TbsStretchType StretchType{ bsstFull };
    TRect CloseButtonRect;
    TRect CloseButtonActiveRect;
    TRect CloseButtonDownRect;
    bool ButtonTransparent{ false };
    TColor ButtonTransparentColor{ 16711935 };

protected:
    void Exchange(TbsSkinFieldIO& io) override;
};

class TbsDataSkinGridControl : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;

    TRect FixedCellRect;
    TRect SelectCellRect;
    TRect FocusCellRect;
    int FixedCellLeftOffset{ 0 };
    int FixedCellRightOffset{ 0 };
    TRect FixedCellTextRect;
    int CellLeftOffset{ 0 };
    int CellRightOffset{ 0 };
    TRect CellTextRect;
    TColor LinesColor{ 0 };
    TColor BGColor{ 0 };
    std::string FontName{ "Arial" };
    TFontStyles FontStyle;
    int FontHeight{ 14 };
    TColor FontColor{ 0 };
    TColor SelectFontColor{ 0 };
    TColor FocusFontColor{ 0 };
    std::string FixedFontName{ "Arial" };
    TFontStyles FixedFontStyle;
    int FixedFontHeight{ 14 };
    TColor FixedFontColor{ 0 };
    bool FixedCellStretchEffect{ false };
    bool CellStretchEffect{ false };
    bool ShowFocus{ false };
    int BGPictureIndex{ -1 };

protected:
    void Exchange(TbsSkinFieldIO& io) override;
};

class TbsDataSkinListView : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;

    std::string FontName{ "Arial" };
    TFontStyles FontStyle;
    int FontHeight{ 14 };
    TColor FontColor{ 0 };
    TColor BGColor{ 16777215 };

protected:
    void Exchange(TbsSkinFieldIO& io) override;
};

class TbsDataSkinTreeView : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;

    std::string FontName{ "Arial" };
    TFontStyles FontStyle;
    int FontHeight{ 14 };
    TColor FontColor{ 0 };
    TColor BGColor{ 16777215 };

protected:
    void Exchange(TbsSkinFieldIO& io) override;
};

class TbsDataSkinRichEdit : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;

    std::string FontName{ "Arial" };
    TFontStyles FontStyle;
    int FontHeight{ 14 };
    TColor FontColor{ 0 };
    TColor BGColor{ 16777215 };

protected:
    void Exchange(TbsSkinFieldIO& io) override;
};

// The form's menu bar: MenuBarItem and the four button names name object records of
// SKINOBJECTS; the track mark colours are held as plain integers.
class TbsDataSkinMainMenuBar : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;

    TRect ItemsRect;
    std::string MenuBarItem;
    std::string CloseButton;
    std::string MaxButton;
    std::string MinButton;
    std::string SysMenuButton;
    int TrackMarkColor{ 0 };
    int TrackMarkActiveColor{ 0 };
    bool StretchEffect{ false };
    bool ItemTransparent{ false };

protected:
    void Exchange(TbsSkinFieldIO& io) override;
};
