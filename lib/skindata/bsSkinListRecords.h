#pragma once
#include "lib/skindata/bsSkinControlRecords.h"

#include <string>

class TCustomIniFile;

// Records of the list, combo, edit, spin, up-down and scroll bar kinds.

// A new list box names no scroll bar records; a loaded one without the keys names
// "hscrollbar", "vscrollbar" and "bothhscrollbar".
class TbsDataSkinListBox : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    TRect SItemRect;
    TRect ActiveItemRect;
    TRect FocusItemRect;
    int ItemLeftOffset{ 0 };
    int ItemRightOffset{ 0 };
    TRect ItemTextRect;
    std::string FontName{ "Arial" };
    TFontStyles FontStyle;
    int FontHeight{ 14 };
    TColor FontColor{ 0 };
    TColor ActiveFontColor{ 0 };
    TColor FocusFontColor{ 0 };
    TRect CaptionRect;
    std::string CaptionFontName{ "Arial" };
    TFontStyles CaptionFontStyle;
    int CaptionFontHeight{ 14 };
    TColor CaptionFontColor{ 0 };
    TRect UpButtonRect;
    TRect ActiveUpButtonRect;
    TRect DownUpButtonRect;
    TRect DownButtonRect;
    TRect ActiveDownButtonRect;
    TRect DownDownButtonRect;
    TRect CheckButtonRect;
    TRect ActiveCheckButtonRect;
    TRect DownCheckButtonRect;
    std::string HScrollBarName;
    std::string VScrollBarName;
    std::string BothScrollBarName;
    bool ShowFocus{ false };
    TRect DisabledButtonsRect;
    TRect ButtonsArea;

protected:
    void Exchange(TbsSkinFieldIO& io) override;
};

class TbsDataSkinCheckListBox : public TbsDataSkinListBox {
public:
    using TbsDataSkinListBox::TbsDataSkinListBox;

    TRect UnCheckImageRect;
    TRect CheckImageRect;
    TRect ItemCheckRect;

protected:
    void Exchange(TbsSkinFieldIO& io) override;
};

// ListBoxName names the list box record of the drop-down list.
class TbsDataSkinComboBox : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    TRect SItemRect;
    TRect ActiveItemRect;
    TRect FocusItemRect;
    int ItemLeftOffset{ 0 };
    int ItemRightOffset{ 0 };
    TRect ItemTextRect;
    std::string FontName{ "Arial" };
    TFontStyles FontStyle;
    int FontHeight{ 14 };
    TColor FontColor{ 0 };
    TColor FocusFontColor{ 0 };
    TColor ActiveFontColor{ 0 };
    TRect ButtonRect;
    TRect ActiveButtonRect;
    TRect DownButtonRect;
    TRect UnEnabledButtonRect;
    bool ItemStretchEffect{ false };
    bool FocusItemStretchEffect{ false };
    TRect ActiveSkinRect;
    std::string ListBoxName;
    bool ShowFocus{ false };

protected:
    void Exchange(TbsSkinFieldIO& io) override;
};

class TbsDataSkinEditControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    TRect ActiveSkinRect;
    std::string FontName{ "Arial" };
    TFontStyles FontStyle;
    int FontHeight{ 12 };
    TColor FontColor{ 0 };
    TColor DisabledFontColor{ 0 };
    TColor ActiveFontColor{ 0 };
    TRect ButtonRect;
    TRect ActiveButtonRect;
    TRect DownButtonRect;
    TRect UnEnabledButtonRect;

protected:
    void Exchange(TbsSkinFieldIO& io) override;
};

class TbsDataSkinMemoControl : public TbsDataSkinEditControl {
public:
    using TbsDataSkinEditControl::TbsDataSkinEditControl;

    TColor BGColor{ 0 };
    TColor ActiveBGColor{ 0 };

protected:
    void Exchange(TbsSkinFieldIO& io) override;
};

class TbsDataSkinSpinEditControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    TRect ActiveSkinRect;
    std::string FontName{ "Arial" };
    TFontStyles FontStyle;
    int FontHeight{ 12 };
    TColor FontColor{ 0 };
    TColor ActiveFontColor{ 0 };
    TColor DisabledFontColor{ 0 };
    TRect UpButtonRect;
    TRect ActiveUpButtonRect;
    TRect DownUpButtonRect;
    TRect DownButtonRect;
    TRect ActiveDownButtonRect;
    TRect DownDownButtonRect;

protected:
    void Exchange(TbsSkinFieldIO& io) override;
};

// An up-down never has resize geometry, so its control keeps the size of its face: loading and
// saving both zero the four points and ClRect, whatever the section says.
class TbsDataSkinUpDownControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    void LoadFromFile(const TCustomIniFile& ini) override;
    void SaveToFile(TCustomIniFile& ini) override;

    TRect UpButtonRect;
    TRect ActiveUpButtonRect;
    TRect DownUpButtonRect;
    TRect DownButtonRect;
    TRect ActiveDownButtonRect;
    TRect DownDownButtonRect;

protected:
    void Exchange(TbsSkinFieldIO& io) override;

private:
    void ClearGeometry();
};

// One record serves horizontal and vertical bars. A new record keys its thumb and glyph with
// 0xFF00FF; a loaded one without those keys has black.
class TbsDataSkinScrollBarControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    TRect TrackArea;
    TRect UpButtonRect;
    TRect ActiveUpButtonRect;
    TRect DownUpButtonRect;
    TRect DownButtonRect;
    TRect ActiveDownButtonRect;
    TRect DownDownButtonRect;
    TRect ThumbRect;
    TRect ActiveThumbRect;
    TRect DownThumbRect;
    int ThumbOffset1{ 0 };
    int ThumbOffset2{ 0 };
    TRect GlyphRect;
    TRect ActiveGlyphRect;
    TRect DownGlyphRect;
    bool GlyphTransparent{ false };
    TColor GlyphTransparentColor{ 16711935 };
    bool ThumbTransparent{ false };
    TColor ThumbTransparentColor{ 16711935 };
    bool ThumbStretchEffect{ false };
    int ThumbMinSize{ 0 };
    int ThumbMinPageSize{ 0 };

protected:
    void Exchange(TbsSkinFieldIO& io) override;
};
