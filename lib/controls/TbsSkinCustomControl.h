#pragma once
#include "lib/controls/TbsSkinCustomControlBase.h"

// The base of the windowed skinned controls with a resizable face: the face of
// TbsSkinCustomControlBase, a window shaped by the record's mask picture, faces placed by zone
// (MapSkinRect), and a forced-background paint that draws the frame and the client part apart.
class TbsSkinCustomControl : public TbsSkinCustomControlBase<TbsSkinControl> {
public:
    explicit TbsSkinCustomControl(TComponent* owner);
    ~TbsSkinCustomControl() override;

    std::string ClassName() const override { return "TbsSkinCustomControl"; }

    // Paint a face that grows both ways straight onto the canvas: four border strips and a
    // separately filled client area.
    bool ForcebackGround() const { return FForceBackground; }
    void SetForcebackGround(bool value) { FForceBackground = value; }
    // In that paint, fill the client area from the skin.
    bool DrawbackGround() const { return FDrawbackground; }
    void SetDrawbackGround(bool value) { FDrawbackground = value; }

    // Also takes the record's mask picture.
    void GetSkinData() override;
    // Children that show this control's background through them hear that it changed.
    void SetBounds(int left, int top, int width, int height) override;
    // Shapes the window by the record's mask at the present size, or removes the shape when
    // there is no record or no mask.
    virtual void UpdateSkinRegion();

    // Places a rectangle given in face coordinates (relative to SkinRect's top-left corner) at
    // the control's present size, by the corner zone of the face it lies in.
    TRect MapSkinRect(const TRect& R) const;

protected:
    void Paint() override;
    void CreateWnd() override;
    bool DrawsNineSliceFace() const override { return !FForceBackground; }
    void ShowSkinShape() override;

    void BuildSkinRegion();
    // WM_PARENTBGCHANGED to every child.
    void NotifyChildrenBackground();

    bool FForceBackground{ false };
    bool FDrawbackground{ true };
    // The record's mask picture in the skin object; nullptr when the record names none.
    TBitmap* MaskPicture{ nullptr };

private:
    // The client part of the face over NewClRect, straight on the canvas.
    void FillClientFromSkin();
};
