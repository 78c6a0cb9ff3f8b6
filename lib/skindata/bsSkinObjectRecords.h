#pragma once
#include "lib/skindata/bsSkinFieldIO.h"

#include <string>

class TCustomIniFile;

// The records of section SKINOBJECTS: the parts of a skinned form frame. Each lives in the
// section named by its IDName; loading reads the base keys and then each class's own keys,
// saving erases the section and writes the same keys in the same order. A new record and a
// record loaded from a section without the key can differ (a missing "countframes" reads as 1,
// a new animation has 0).
class TbsDataSkinObject {
public:
    explicit TbsDataSkinObject(std::string idName) : IDName(std::move(idName)) {}
    virtual ~TbsDataSkinObject() = default;

    virtual void LoadFromFile(const TCustomIniFile& ini);
    virtual void SaveToFile(TCustomIniFile& ini);

    std::string IDName;
    std::string Hint;
    int ActivePictureIndex{ -1 };
    int ActiveMaskPictureIndex{ -1 };
    bool SkinRectInAPicture{ false };
    TRect SkinRect;
    TRect ActiveSkinRect;
    TRect InActiveSkinRect;
    bool Morphing{ false };
    TbsMorphKind MorphKind{ mkDefault };
    int GlowLayerPictureIndex{ -1 };
    int GlowLayerMaskPictureIndex{ -1 };
    int GlowLayerOffsetX{ 0 };
    int GlowLayerOffsetY{ 0 };
    int GlowLayerAlphaBlendValue{ 255 };

protected:
    // The record's keys in order, base keys first; readers and writers both walk it.
    virtual void Exchange(TbsSkinFieldIO& io);
};

// A free rectangle of the frame: only "skinrect", none of the base keys.
class TbsDataUserObject : public TbsDataSkinObject {
public:
    using TbsDataSkinObject::TbsDataSkinObject;

protected:
    void Exchange(TbsSkinFieldIO& io) override;
};

class TbsDataSkinButton : public TbsDataSkinObject {
public:
    using TbsDataSkinObject::TbsDataSkinObject;

    TRect DownRect;
    TRect DisableSkinRect;

protected:
    void Exchange(TbsSkinFieldIO& io) override;
};

// A caption button with a window command. Loading fills an empty RestoreHint with "Restore"
// for the maximize, minimize and roll-up buttons (see RestoreHintFor).
class TbsDataSkinStdButton : public TbsDataSkinButton {
public:
    using TbsDataSkinButton::TbsDataSkinButton;

    void LoadFromFile(const TCustomIniFile& ini) override;

    // A new record holds the enumeration's first value until a load sets the command.
    TbsStdCommand Command{ cmClose };
    TRect RestoreRect;
    TRect RestoreActiveRect;
    TRect RestoreDownRect;
    TRect RestoreInActiveRect;
    std::string RestoreHint;

protected:
    void Exchange(TbsSkinFieldIO& io) override;
};

class TbsDataSkinMainMenuBarButton : public TbsDataSkinStdButton {
public:
    using TbsDataSkinStdButton::TbsDataSkinStdButton;
};

// A frame animation, optionally acting as a caption button; same restore-hint rule.
class TbsDataSkinAnimate : public TbsDataSkinObject {
public:
    using TbsDataSkinObject::TbsDataSkinObject;

    void LoadFromFile(const TCustomIniFile& ini) override;

    int CountFrames{ 0 };
    bool Cycle{ false };
    bool ButtonStyle{ false };
    int TimerInterval{ 0 };
    TbsStdCommand Command{ cmClose };
    TRect DownSkinRect;
    TRect RestoreRect;
    TRect RestoreActiveRect;
    TRect RestoreDownRect;
    TRect RestoreInActiveRect;
    std::string RestoreHint;

protected:
    void Exchange(TbsSkinFieldIO& io) override;
};

// An item of a popup menu. Loading gives each empty active check, radio and arrow image the
// normal one.
class TbsDataSkinMenuItem : public TbsDataSkinObject {
public:
    using TbsDataSkinObject::TbsDataSkinObject;

    void LoadFromFile(const TCustomIniFile& ini) override;

    int ItemLO{ 0 };
    int ItemRO{ 0 };
    TRect DividerRect;
    int DividerLO{ 0 };
    int DividerRO{ 0 };
    TRect TextRct;
    TRect ImageRct;
    std::string FontName;
    int FontHeight{ 0 };
    TFontStyles FontStyle;
    TColor FontColor{ 0 };
    TColor ActiveFontColor{ 0 };
    TColor UnEnabledFontColor{ 0 };
    bool StretchEffect{ false };
    bool InActiveStretchEffect{ false };
    bool DividerStretchEffect{ false };
    TRect AnimateSkinRect;
    int FrameCount{ 0 };
    int AnimateInterval{ 0 };
    bool InActiveAnimation{ false };
    bool UseImageColor{ false };
    TColor ImageColor{ 0 };
    TColor ActiveImageColor{ 0 };
    bool InActiveTransparent{ false };
    TRect CheckImageRect;
    TRect ActiveCheckImageRect;
    TRect RadioImageRect;
    TRect ActiveRadioImageRect;
    TRect ArrowImageRect;
    TRect ActiveArrowImageRect;

protected:
    void Exchange(TbsSkinFieldIO& io) override;
};

class TbsDataSkinMainMenuItem : public TbsDataSkinObject {
public:
    using TbsDataSkinObject::TbsDataSkinObject;

    int ItemLO{ 0 };
    int ItemRO{ 0 };
    TRect DownRect;
    TRect TextRct;
    std::string FontName;
    int FontHeight{ 0 };
    TFontStyles FontStyle;
    TColor FontColor{ 0 };
    TColor ActiveFontColor{ 0 };
    TColor DownFontColor{ 0 };
    TColor UnEnabledFontColor{ 0 };
    bool StretchEffect{ false };
    TRect AnimateSkinRect;
    int FrameCount{ 0 };
    int AnimateInterval{ 0 };
    bool InActiveAnimation{ false };

protected:
    void Exchange(TbsSkinFieldIO& io) override;
};

class TbsDataSkinMainMenuBarItem : public TbsDataSkinMainMenuItem {
public:
    using TbsDataSkinMainMenuItem::TbsDataSkinMainMenuItem;
};

class TbsDataSkinCaption : public TbsDataSkinObject {
public:
    using TbsDataSkinObject::TbsDataSkinObject;

    TRect TextRct;
    std::string FontName;
    int FontHeight{ 0 };
    TFontStyles FontStyle;
    TColor FontColor{ 0 };
    TColor ActiveFontColor{ 0 };
    TAlignment Alignment{ taLeftJustify };
    bool Light{ false };
    TColor LightColor{ 0 };
    TColor ActiveLightColor{ 0 };
    bool Shadow{ false };
    TColor ShadowColor{ 0 };
    TColor ActiveShadowColor{ 0 };
    TRect FrameRect;
    TRect ActiveFrameRect;
    TRect FrameTextRect;
    int FrameLeftOffset{ 0 };
    int FrameRightOffset{ 0 };
    bool StretchEffect{ false };
    TRect AnimateSkinRect;
    int FrameCount{ 0 };
    int AnimateInterval{ 0 };
    bool InActiveAnimation{ false };
    bool FullFrame{ false };
    bool VistaGlowEffect{ false };
    bool VistaGlowInActiveEffect{ false };
    bool GlowEffect{ false };
    bool GlowInActiveEffect{ false };
    int GlowSize{ 0 };
    TColor GlowColor{ 0 };
    TColor GlowActiveColor{ 0 };
    int GlowOffset{ 0 };
    bool ReflectionEffect{ false };
    TColor ReflectionColor{ 0 };
    TColor ReflectionActiveColor{ 0 };
    int ReflectionOffset{ 0 };

protected:
    void Exchange(TbsSkinFieldIO& io) override;
};

// "Restore" when a button's hint and command make it a maximize, minimize or roll-up button;
// else empty. Case-sensitive, as the hints are the skin's own words.
std::string RestoreHintFor(const std::string& hint, TbsStdCommand command);
