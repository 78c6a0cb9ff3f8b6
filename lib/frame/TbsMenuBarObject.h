#pragma once
#include "lib/skindata/bsSkinObjectRecords.h"
#include "platform/forms/ControlTypes.h"
#include "platform/gfx/TColor.h"
#include "platform/gfx/TFont.h"
#include "platform/gfx/TRect.h"

#include <string>

class TBitmap;
class TCanvas;
class TMenuItem;
class TbsSkinData;
class TbsSkinMainMenuBar;

// A piece of a skinned main menu bar: a top-level menu item or one of the buttons of a
// maximized MDI child. The bar owns the objects, places them (ObjectRect, the bar's client
// coordinates), draws them and hands them its mouse input; the base draws nothing and ignores
// input.
class TbsMenuBarObject {
public:
    // Takes the record's name, faces and morph settings; without a record the fields keep
    // their defaults.
    TbsMenuBarObject(TbsSkinMainMenuBar* parent, TbsDataSkinObject* data);
    virtual ~TbsMenuBarObject() = default;
    TbsMenuBarObject(const TbsMenuBarObject&) = delete;
    TbsMenuBarObject& operator=(const TbsMenuBarObject&) = delete;

    // The face shows the new hover state: through the morph when it runs, else at once.
    virtual void ReDraw();
    virtual void Draw(TCanvas&) {}
    virtual void MouseDown(int, int, TMouseButton) {}
    virtual void MouseUp(int, int, TMouseButton) {}
    virtual void DblClick() {}
    virtual void MouseEnter();
    virtual void MouseLeave();
    // The face is still on its way to the hover state or back.
    virtual bool CanMorphing();

    // Morphing is asked for and the bar's skin lets effects run.
    bool EnableMorphing() const;
    // One morph step of 0.2 towards the hover state, then a redraw on the bar.
    void DoMorphing();
    double MorphKf() const { return FMorphKf; }
    // Held within 0..1.
    void SetMorphKf(double value);

    TbsSkinMainMenuBar* Parent{ nullptr };
    bool FMouseIn{ false };
    TBitmap* Picture{ nullptr };
    bool FDown{ false };
    double FMorphKf{ 0 };
    std::string IDName;
    TRect SkinRect;
    TRect ActiveSkinRect;
    TRect DownRect;
    TRect ObjectRect;
    bool Active{ false };
    bool Enabled{ true };
    bool Visible{ true };
    bool Morphing{ false };
    TbsMorphKind MorphKind{ mkDefault };

protected:
    // The skin of the bar when it is usable (set and not empty), else nullptr.
    TbsSkinData* UsableSkin() const;
    // normal moved towards hover (both of the object's size) by the morph factor with the
    // record's morph kind, drawn at the object's corner.
    void DrawMorph(TCanvas& canvas, TBitmap& normal, TBitmap& hover) const;
};

// A button of a maximized MDI child on the bar: its system menu, minimize, restore, close.
class TbsSkinMainMenuBarButton : public TbsMenuBarObject {
public:
    TbsSkinMainMenuBarButton(TbsSkinMainMenuBar* parent, TbsDataSkinMainMenuBarButton* data);

    void Draw(TCanvas& cnvs) override;
    void MouseDown(int x, int y, TMouseButton button) override;
    void MouseUp(int x, int y, TMouseButton button) override;
    void DblClick() override;
    void MouseEnter() override;
    void MouseLeave() override;

    // The look without a skin: a plain face with the command's glyph.
    void DefaultDraw(TCanvas& cnvs);
    // What the button does to the maximized child; nothing without one.
    void DoCommand();

    bool FSkinSupport{ false };
    TbsStdCommand Command{ cmClose };

private:
    // Copies source of the picture onto the object.
    void CopyFace(TCanvas& canvas, const TRect& source) const;
};

// A top-level menu item on the bar. It lays itself out at every draw, after the item before
// it, and hides itself (disabled, its earlier Enabled kept in OldEnabled) when it does not fit.
class TbsSkinMainMenuBarItem : public TbsMenuBarObject {
public:
    TbsSkinMainMenuBarItem(TbsSkinMainMenuBar* parent, TbsDataSkinMainMenuBarItem* data);

    void ReDraw() override;
    void Draw(TCanvas& cnvs) override;
    void MouseDown(int x, int y, TMouseButton button) override;
    void MouseEnter() override;
    void MouseLeave() override;

    // An animation strip is set and the bar's skin lets effects run.
    bool EnableAnimation() const;
    // The look without a skin record.
    void DefaultDraw(TCanvas& cnvs);
    // The first other item that is highlighted loses the highlight.
    void LeaveOtherItems();
    // The first other item that is down is released; true when there was one.
    bool CloseOtherItem();
    // Pressing opens the item's submenu; releasing draws the item up again.
    void SetDown(bool value);
    // Opens the submenu below the item (above with the bar's PopupToUp).
    void PopupSubMenu();

    bool FSkinSupport{ false };
    bool OldEnabled{ true };
    TMenuItem* MenuItem{ nullptr };
    std::string FontName;
    int FontHeight{ 0 };
    TFontStyles FontStyle;
    TColor UnEnabledFontColor{ 0 };
    TColor FontColor{ 0 };
    TColor ActiveFontColor{ 0 };
    TColor DownFontColor{ 0 };
    TRect TextRct;
    int LO{ 0 };
    int RO{ 0 };
    bool StretchEffect{ false };
    TRect AnimateSkinRect;
    int FrameCount{ 0 };
    int AnimateInterval{ 0 };
    int CurrentFrame{ 0 };
    bool InActiveAnimation{ false };

private:
    // Places the item after the one before it and hides or shows it by the room left; false
    // when it is hidden.
    bool Layout(int textWidth);
    // The item's font: the record's or the bar's default, with the skin's character set.
    void SetItemFont(TFont& font) const;
    int TextWidth() const;
    // The face of source (active: the hover look) with the caption, at the object's size.
    void MakeImage(TBitmap& image, const TRect& source, bool active);
    // The caption in rect, through the item's owner-draw handler when it has one.
    void DrawCaption(TCanvas& canvas, TRect rect, bool selected);
    // The face as the item's state asks: down, an animation frame, the morph or plain.
    void DrawSkinned(TCanvas& cnvs);

    // What the item is drawn on during Draw: a see-through face copies it.
    TCanvas* FBarCanvas{ nullptr };
};
