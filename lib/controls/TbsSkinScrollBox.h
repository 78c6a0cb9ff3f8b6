#pragma once
#include "lib/controls/TbsSkinBorderStyle.h"
#include "lib/controls/TbsSkinCustomControl.h"

class TbsSkinScrollBar;

// A skinned container whose children may reach past its client area: it scrolls them through
// two external skinned scroll bars that the form places beside it (VScrollBar, HScrollBar),
// shows each bar only while the content does not fit, keeps the bars' ranges in step as the
// children move and the box grows or shrinks, draws its frame from the record "scrollbox" in
// the non-client area and fills its client area with the record's client part or a background
// picture.
class TbsSkinScrollBox : public TbsSkinCustomControl {
public:
    explicit TbsSkinScrollBox(TComponent* owner);
    ~TbsSkinScrollBox() override;

    std::string ClassName() const override { return "TbsSkinScrollBox"; }

    // Linked bars are not owned; a bar that goes is forgotten. Linking takes the bar over: its
    // OnChange scrolls the box, it takes no focus and shows only while needed.
    TbsSkinScrollBar* VScrollBar() const { return FVScrollBar; }
    void SetVScrollBar(TbsSkinScrollBar* value);
    TbsSkinScrollBar* HScrollBar() const { return FHScrollBar; }
    void SetHScrollBar(TbsSkinScrollBar* value);
    // The frame drawn without a record; bvNone also leaves a skinned box without one.
    TbsSkinBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TbsSkinBorderStyle value);
    // The box takes the focus on a click.
    bool CanFocused() const { return FCanFocused; }
    void SetCanFocused(bool value) { FCanFocused = value; }

    // Both bars' ranges from the children and the client size, horizontal first.
    void UpDateScrollRange();
    void GetVRange() { UpdateRange(true); }
    void GetHRange() { UpdateRange(false); }
    // Scroll to a position, never past Max - PageSize of the linked bar.
    void HScroll(int APosition) { ScrollTo(false, APosition); }
    void VScroll(int APosition) { ScrollTo(true, APosition); }

    // Also the record's background picture.
    void GetSkinData() override;
    // The frame may change size with the skin: the window is made anew.
    void ChangeSkinData() override;
    void SetBounds(int left, int top, int width, int height) override;
    void Notification(TComponent* component, TOperation operation) override;
    void WndProc(TMessage& message) override;

    // The record's background picture, -1 for none: the client part of the face fills the box.
    int BGPictureIndex{ -1 };

protected:
    void CreateParams(TCreateParams& params) override;
    void AdjustClientRect(TRect& rect) const override;
    void AlignControls(TControl* control, TRect& rect) override;
    void CreateControlDefaultImage(TBitmap& B) override;
    void CreateControlSkinImage(TBitmap& B) override;

private:
    TbsSkinScrollBar*& BarOf(bool vertical) { return vertical ? FVScrollBar : FHScrollBar; }
    void Link(bool vertical, TbsSkinScrollBar* value);
    void UpdateRange(bool vertical);
    void ShowBar(TbsSkinScrollBar& bar, bool visible);
    void ScrollTo(bool vertical, int position);
    // The linked bar moved: the children follow it.
    void BarChanged(bool vertical);
    // Moves the children by d along the axis: a positive d scrolls the content back (up, left).
    void MoveChildren(bool vertical, int d);
    // Whether a frame is drawn at all: not with a background picture, not with bvNone.
    bool HasFrame() const { return BGPictureIndex == -1 && FBorderStyle != bvNone; }
    void CalcFrame(win::RECT& rect);
    void PaintFrame(win::HDC dc);
    void PaintFrameIntoWindow();
    void FillClient(TBitmap& B, TBitmap& tile, const TRect& part);

    bool FClicksDisabled{ false };
    bool FCanFocused{ false };
    bool FInCheckScrollBars{ false };
    bool FInSetBounds{ false };
    TbsSkinScrollBar* FVScrollBar{ nullptr };
    TbsSkinScrollBar* FHScrollBar{ nullptr };
    int FOldVScrollBarPos{ 0 };
    int FOldHScrollBarPos{ 0 };
    int FVSizeOffset{ 0 };
    int FHSizeOffset{ 0 };
    TbsSkinBorderStyle FBorderStyle{ bvFrame };
};
