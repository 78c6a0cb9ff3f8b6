#pragma once
#include "platform/forms/TObject.h"
#include "platform/gfx/TColor.h"
#include "platform/gfx/TRect.h"

class TBitmap;
class TCanvas;
class TFont;
class TMenuItem;
class TbsDataSkinMenuItem;
class TbsSkinPopupWindow;

// One row of an open menu level: the state of the row (hovered, pressed, morph progress,
// animation frame), the mouse and key events its level hands on turned into calls of the menu
// engine, and its painting onto the level, from the skin's menu-item record or, without one, in
// the plain look. A caption "-" is a separator; a disabled item whose caption begins and ends
// with "-" is a header, drawn without those two characters; an item with children has a
// submenu. The row has no window of its own.
class TbsSkinMenuItem : public TObject {
public:
    // data: the skin's menu-item record, nil for the plain look.
    TbsSkinMenuItem(TbsSkinPopupWindow* parent, TMenuItem* menuItem, TbsDataSkinMenuItem* data);

    std::string ClassName() const override { return "TbsSkinMenuItem"; }

    // Paints the row at ObjectRect.
    void Draw(TCanvas& cnvs);
    // The plain painter.
    void DefaultDraw(TCanvas& cnvs);

    // kb: the keyboard (or the level itself) brought the row.
    void MouseEnter(bool kb);
    void MouseLeave();
    void MouseDown(int x, int y);

    bool EnableMorphing() const;
    bool EnableAnimation() const;
    virtual bool CanMorphing();
    // One morph step: 0.2 towards the face of the row's state, then drawn.
    void DoMorphing();
    double MorphKf() const { return FMorphKf; }
    // Clamped to 0..1.
    void SetMorphKf(double value);
    // Draws the row now, or leaves it to the level's morph timer while it animates.
    void ReDraw();

    bool IsSeparator() const;
    bool IsHeader() const;
    bool HasSubmenu() const;
    // Enabled and no separator: a row the pointer and the keys may select.
    bool Selectable() const;
    // The faces of the row: the record's, or empty ones when the record names no picture.
    const TRect& SkinRect() const { return FSkinRect; }
    const TRect& ActiveSkinRect() const { return FActiveSkinRect; }
    // The record's frame animation: its frame count, and whether it runs back when left.
    int FrameCount() const;
    bool InActiveAnimation() const;

    TMenuItem* MenuItem;
    TRect ObjectRect;
    bool Active{ false };
    bool Down{ false };
    bool FVisible{ true };
    bool WaitCommand{ false };
    int CurrentFrame{ 0 };

private:
    TbsSkinPopupWindow* Parent;
    TbsDataSkinMenuItem* MI;
    TBitmap* ActivePicture{ nullptr };
    double FMorphKf{ 0 };
    // The record's faces as this row uses them: a record whose picture is missing gives empty
    // faces here, leaving the skin's shared record as it is for every other level.
    TRect FSkinRect;
    TRect FActiveSkinRect;

    void DrawOnLevel();
    TRect GetAnimationFrameRect() const;
    void CreateItemSkinImage(TBitmap& bitmap, bool active, bool animFrame);
    void PrepareFont(TCanvas& canvas, bool skinFont) const;
    void DrawMenuHeader(TBitmap& bitmap);
    void DrawCaptionAndShortCut(TCanvas& canvas, const TRect& textRect, int glyphWidth, int margin);
    bool HasImage(int& width, int& height) const;
    void DrawImage(TCanvas& canvas, int left, int centreY, TColor frameColor);
    bool DrawCommandGlyph(TCanvas& canvas, int x, int y, TColor color) const;
    void DrawPictureGlyph(TCanvas& canvas, const TRect& source, const TRect& cell);
};
