#pragma once
#include "lib/controls/TbsGraphicSkinControl.h"
#include "lib/controls/TbsSkinControl.h"
#include "lib/skindata/bsSkinIniValues.h"
#include "platform/gfx/TFont.h"
#include "platform/gfx/TRect.h"

class TBitmap;

// The resizable face both skinned control families share (TBase is TbsSkinControl or
// TbsGraphicSkinControl): the nine-slice geometry copied from a TbsDataSkinCustomControl
// record, the resize mode its guide points allow, the size and client rectangle the face takes
// at the control's size, the face drawn by the image builders, and a plain-look font and size
// for while no record applies.
template <class TBase>
class TbsSkinCustomControlBase : public TBase {
public:
    explicit TbsSkinCustomControlBase(TComponent* owner);
    ~TbsSkinCustomControlBase() override;

    // The font of the plain look, and of a skinned look whose UseSkinFont is off. Assigning
    // copies the font.
    TFont& DefaultFont() { return FDefaultFont; }
    void SetDefaultFont(const TFont& value);
    // The size taken while there is no record; 0 keeps the size.
    int DefaultWidth() const { return FDefaultWidth; }
    void SetDefaultWidth(int value);
    int DefaultHeight() const { return FDefaultHeight; }
    void SetDefaultHeight(int value);
    bool UseSkinFont() const { return FUseSkinFont; }
    void SetUseSkinFont(bool value) { FUseSkinFont = value; }

    // The client rectangle of the face at the control's present size.
    TRect RealClientRect() const { return NewClRect; }
    int RealClientWidth() const { return NewClRect.Width(); }
    int RealClientHeight() const { return NewClRect.Height(); }
    int RealClientLeft() const { return NewClRect.Left; }
    int RealClientTop() const { return NewClRect.Top; }

    // Also copies the face geometry and picture of a TbsDataSkinCustomControl record. A record
    // of another kind under the name counts as none: the control shows its plain look.
    void GetSkinData() override;
    // Without a record the default size (where above 0) and the plain look; with one the size
    // the face allows.
    void ChangeSkinData() override;
    // With a record, a new size becomes one the face allows; inside a tool bar that adjusts
    // its controls the control is centred vertically.
    void SetBounds(int left, int top, int width, int height) override;
    // Turns a proposed size into the one the face allows and moves the guide points and the
    // client rectangle to it.
    virtual void CalcSkinSize(int& AWidth, int& AHeight);

protected:
    // Runs after DefaultFont changed.
    virtual void DefaultFontChanged() {}
    // The plain look: clBtnFace.
    void CreateControlDefaultImage(TBitmap& B) override;
    // The normal face at the control's size.
    void CreateControlSkinImage(TBitmap& B) override;

    // -1 no face, 0 fixed size, 1 both directions, 2 width only, 3 height only.
    int DetectResizeMode() const;
    // Paints the face ARect of APicture (the normal face or another of the same size) into B
    // at the control's size, the guide values always taken from the control. Without a
    // picture B shows clBtnFace.
    void RenderSkinRect(TBitmap& B, TBitmap* APicture, const TRect& ARect);
    // Whether RenderSkinRect draws a face that grows both ways; the windowed control paints
    // such a face itself when its background is forced.
    virtual bool DrawsNineSliceFace() const { return true; }
    // Shows the face at the present size after a size or skin change.
    virtual void ShowSkinShape() { this->Repaint(); }

    int FDefaultWidth{ 0 };
    int FDefaultHeight{ 0 };
    TFont FDefaultFont;
    bool FUseSkinFont{ true };
    TPoint LTPt;
    TPoint RTPt;
    TPoint LBPt;
    TPoint RBPt;
    TRect SkinRect;
    TRect ClRect;
    TPoint NewLTPoint;
    TPoint NewRTPoint;
    TPoint NewLBPoint;
    TPoint NewRBPoint;
    TRect NewClRect;
    // The record's picture in the skin object; nullptr when the record names none.
    TBitmap* Picture{ nullptr };
    int ResizeMode{ 0 };
    bool StretchEffect{ false };
    TbsStretchType StretchType{ bsstFull };
    bool LeftStretch{ false };
    bool TopStretch{ false };
    bool RightStretch{ false };
    bool BottomStretch{ false };
};

extern template class TbsSkinCustomControlBase<TbsSkinControl>;
extern template class TbsSkinCustomControlBase<TbsGraphicSkinControl>;
