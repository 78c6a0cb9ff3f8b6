#pragma once
#include "lib/controls/TbsCBButtonX.h"
#include "lib/controls/TbsRepeatTimer.h"
#include "lib/controls/TbsSkinCustomControl.h"
#include "lib/controls/bsSafeEvents.h"
#include "lib/skindata/bsSkinListRecords.h"
#include "platform/forms/TScrollBar.h"

#include <string>

// One of a scroll bar's three buttons: the thumb and the two arrows.
using TbsSBButton = TbsCBButtonX;

// The skinned scroll bar: a track with a thumb between two arrow buttons, drawn from the record
// "hscrollbar", "vscrollbar" or, while a second bar meets it in the corner, "bothhscrollbar",
// or in a plain 3-D look without one. Controls that scroll through it keep it in step with
// SetRange and SimplySetPosition, which fire nothing, and scroll themselves from OnChange.
class TbsSkinScrollBar : public TbsSkinCustomControl {
public:
    // Indexes into Buttons. The up button adds SmallChange: the right end of a horizontal bar,
    // the bottom end of a vertical one.
    static constexpr int kThumb = 0;
    static constexpr int kUpButton = 1;
    static constexpr int kDownButton = 2;

    explicit TbsSkinScrollBar(TComponent* owner);
    ~TbsSkinScrollBar() override;

    std::string ClassName() const override { return "TbsSkinScrollBar"; }

    TScrollBarKind Kind() const { return FKind; }
    void SetKind(TScrollBarKind value);
    int Min() const { return FMin; }
    // A position below the new minimum is raised to it.
    void SetMin(int value);
    int Max() const { return FMax; }
    // Brings the position into the new range counted from Min; fires nothing.
    void SetMax(int value);
    int Position() const { return FPosition; }
    // Clamped; a real change repaints and fires OnChange.
    void SetPosition(int value);
    // 0: no page, the thumb has a fixed length. A page that does not fit after the position is
    // refused.
    int PageSize() const { return FPageSize; }
    void SetPageSize(int value);
    int SmallChange() const { return FSmallChange; }
    void SetSmallChange(int value);
    int LargeChange() const { return FLargeChange; }
    void SetLargeChange(int value);
    // A second bar meets this one in the corner: the bar leaves the corner free, skinned with
    // the record BothSkinDataName.
    bool Both() const { return FBoth; }
    void SetBoth(bool value);
    int BothMarkerWidth() const { return FBothMarkerWidth; }
    void SetBothMarkerWidth(int value);
    const std::string& BothSkinDataName() const { return FBothSkinDataName; }
    void SetBothSkinDataName(const std::string& value) { FBothSkinDataName = value; }
    // The bar takes the focus on a click and then answers the arrow keys and the wheel.
    bool CanFocused() const { return FCanFocused; }
    void SetCanFocused(bool value);

    // How owners synchronise the bar: no event fires.
    void SetRange(int AMin, int AMax, int APosition, int APageSize);
    void SimplySetPosition(int AValue);

    TNotifyEvent OnChange;
    // The left button was released after pressing the thumb, moved or not.
    TNotifyEvent OnLastChange;
    // When assigned, they take the place of the arrow buttons' steps.
    TNotifyEvent OnUpButtonClick;
    TNotifyEvent OnDownButtonClick;
    // After each page step, which comes first with its OnChange.
    TNotifyEvent OnPageUp;
    TNotifyEvent OnPageDown;

    // Also takes the record's track, button and thumb geometry; a record of another kind under
    // the name counts as none.
    void GetSkinData() override;
    void CalcSkinSize(int& AWidth, int& AHeight) override;
    void WndProc(TMessage& message) override;

    // The thumb, the up and the down button, as the last CalcRects placed them.
    TbsSBButton Buttons[3];
    // The track at the present size.
    TRect NewTrackArea;

protected:
    void CreateControlDefaultImage(TBitmap& B) override;
    void CreateControlSkinImage(TBitmap& B) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(unsigned short& key, TShiftState shift) override;

private:
    // The repeat timer's modes.
    enum TTimerMode { tmNone, tmDownButton, tmUpButton, tmPageUp, tmPageDown };

    bool Vertical() const { return FKind == sbVertical; }
    int Along(int x, int y) const { return Vertical() ? y : x; }
    int ClampedPosition(int value) const;

    // Places the buttons, the track and the thumb for the present size, range and position.
    void CalcRects();
    // The position a thumb centre d pixels past the first possible centre stands for.
    int CalcValue(int d) const;

    void ButtonDown(int i, int x, int y);
    void ButtonUp(int i);
    void ButtonEnter(int i);
    void ButtonLeave(int i);
    void TestActive(int x, int y);
    void StopTimer();
    // An arrow button's action: its click event when assigned, else a step.
    void UpButtonAction();
    void DownButtonAction();
    void RepeatTick();
    void MouseLeft();
    void WheelStep(int delta);
    bool PointerBeforeThumb() const;
    bool PointerPastThumb() const;
    // Paints the whole bar into dc, as WM_ERASEBKGND asks outside WM_PAINT.
    void PaintInto(win::HDC dc);
    bool OwnPaintPending();

    void DrawPlainButton(TCanvas& canvas, int i);
    void DrawSkinArrowButton(TCanvas& canvas, int i);
    void DrawSkinThumb(TCanvas& canvas);
    // The thumb shows pressed while held, and on a focused bar that takes the focus.
    bool ThumbPressedLook();

    TScrollBarKind FKind{ sbHorizontal };
    int FMin{ 0 };
    int FMax{ 100 };
    int FPosition{ 0 };
    int FPageSize{ 0 };
    int FSmallChange{ 1 };
    int FLargeChange{ 1 };
    bool FBoth{ false };
    int FBothMarkerWidth{ 19 };
    std::string FBothSkinDataName{ "bothhscrollbar" };
    std::string FNormalSkinDataName;
    bool FCanFocused{ false };
    bool FClicksDisabled{ false };

    // Geometry along the track: the first and last possible thumb centre, and how far the
    // thumb centre lies from the first.
    int Offset1{ 0 };
    int Offset2{ 0 };
    int BOffset{ 0 };
    // BOffset and the pointer coordinate along the bar when a thumb drag began.
    int OldBOffset{ 0 };
    int OMPos{ 0 };
    bool FDown{ false };
    int MX{ 0 };
    int MY{ 0 };
    bool MouseD{ false };
    TTimerMode TimerMode{ tmNone };
    int ActiveButton{ -1 };
    int CaptureButton{ -1 };
    TbsRepeatTimer FRepeat{ *this, 50 };
    TbsLifeToken FLife;

    // The record's geometry as last looked up (buttons and track in the face, faces and glyphs
    // in the picture), each empty state face filled in from the one it falls back to.
    TbsDataSkinScrollBarControl FRecord{ "" };
};
