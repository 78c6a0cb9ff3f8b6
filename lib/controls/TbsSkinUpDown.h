#pragma once
#include "lib/controls/TbsCBButtonX.h"
#include "lib/controls/TbsRepeatTimer.h"
#include "lib/controls/TbsSkinCustomControl.h"
#include "lib/controls/bsSafeEvents.h"
#include "platform/forms/TUpDown.h"

// A skinned pair of step buttons moving Position between Min and Max by Increment, repeating
// while a button is held, drawn from the record "hupdown" or "vupdown". It has no buddy of its
// own: its owner reacts to OnChange (the page control scrolls its tabs with one).
class TbsSkinUpDown : public TbsSkinCustomControl {
public:
    // Indexes into Buttons: the up button increases Position (right or top), the down button
    // decreases it (left or bottom).
    static constexpr int kUpButton = 0;
    static constexpr int kDownButton = 1;

    explicit TbsSkinUpDown(TComponent* owner);
    ~TbsSkinUpDown() override;

    std::string ClassName() const override { return "TbsSkinUpDown"; }

    // On: the control keeps the record's size and button rectangles. Off: any size, the
    // buttons split it in halves, each drawn from the record "resizebutton".
    bool UseSkinSize() const { return FUseSkinSize; }
    void SetUseSkinSize(bool value);
    TUDOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TUDOrientation value);
    // 0 turns the steps and the repeat off; the click events still fire.
    int Increment() const { return FIncrement; }
    void SetIncrement(int value) { FIncrement = value; }
    int Position() const { return FPosition; }
    // A value outside Min..Max is ignored; any other fires OnChange, also the present one.
    void SetPosition(int value);
    int Min() const { return FMin; }
    // The position follows a bound that passes it, without OnChange.
    void SetMin(int value);
    int Max() const { return FMax; }
    void SetMax(int value);

    TNotifyEvent OnChange;
    // A click on a button, fired at the release over it even when the bound stops the step.
    TNotifyEvent OnUpButtonClick;
    TNotifyEvent OnDownButtonClick;

    // Also takes the record's button rectangles; the record's face never resizes.
    void GetSkinData() override;
    void CalcSkinSize(int& AWidth, int& AHeight) override;
    void UpdateSkinRegion() override;
    void WndProc(TMessage& message) override;

    TbsCBButtonX Buttons[2];
    TRect UpButtonRect;
    TRect ActiveUpButtonRect;
    TRect DownUpButtonRect;
    TRect DownButtonRect;
    TRect ActiveDownButtonRect;
    TRect DownDownButtonRect;

protected:
    void CreateControlDefaultImage(TBitmap& B) override;
    void CreateControlSkinImage(TBitmap& B) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    enum TTimerMode { tmNone, tmDown, tmUp };

    void CalcRects();
    void TestActive(int x, int y);
    void ButtonEnter(int i);
    void ButtonLeave(int i);
    void ButtonDown(int i);
    void ButtonUp(int i, int x, int y);
    void StopTimer();
    void RepeatTick();
    void ClearHover();
    void DrawPlainButton(TCanvas& canvas, int i);
    void DrawSkinButton(TCanvas& canvas, int i);
    void DrawResizeButton(TCanvas& canvas, int i);
    // Where button i's arrow points.
    int ArrowOf(int i) const;

    bool FUseSkinSize{ true };
    TUDOrientation FOrientation{ udHorizontal };
    int FIncrement{ 1 };
    int FPosition{ 0 };
    int FMin{ 0 };
    int FMax{ 100 };
    int ActiveButton{ -1 };
    int OldActiveButton{ -1 };
    int CaptureButton{ -1 };
    TTimerMode TimerMode{ tmNone };
    TbsRepeatTimer FRepeat{ *this, 100 };
    TbsLifeToken FLife;
};
