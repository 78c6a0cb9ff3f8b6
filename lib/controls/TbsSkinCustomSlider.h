#pragma once
#include "lib/controls/TbsSkinControl.h"
#include "lib/controls/bsSafeEvents.h"
#include "lib/controls/bsSliderPictures.h"
#include "platform/forms/TSet.h"
#include "platform/gfx/TBitmap.h"

#include <memory>

enum TbsSliderOrientation { soHorizontal, soVertical };
enum TbsSliderOption { soShowFocus, soShowPoints, soSmooth, soRulerOpaque, soThumbOpaque };
using TbsSliderOptions = TSet<TbsSliderOption>;
using TbsSliderImages = TSet<TbsSliderImage>;
enum TbsJumpMode { jmNone, jmHome, jmEnd, jmNext, jmPrior };

// A track bar: a ruler with a thumb that picks an integer Value between MinValue and
// MaxValue, with ticks and a focus rectangle, drawn from the record "slider" or from four
// pictures of its own. A press on the thumb drags it; a press on the ruler beside it jumps by
// Increment toward the pointer, at once and then every 400 ms.
class TbsSkinCustomSlider : public TbsSkinControl {
public:
    explicit TbsSkinCustomSlider(TComponent* owner);
    ~TbsSkinCustomSlider() override;

    std::string ClassName() const override { return "TbsSkinCustomSlider"; }

    int MinValue() const { return FMinValue; }
    void SetMinValue(int value);
    int MaxValue() const { return FMaxValue; }
    void SetMaxValue(int value);
    int Value() const { return FValue; }
    // Clamped into the range; OnChange fires when the value changed.
    void SetValue(int value);
    // The step of jumps and snapping and the tick spacing; values <= 0 are refused.
    int Increment() const { return FIncrement; }
    void SetIncrement(int value);
    TbsSliderOrientation Orientation() const { return FOrientation; }
    // At run time the control's width and height swap with it.
    void SetOrientation(TbsSliderOrientation value);
    TbsSliderOptions Options() const { return FOptions; }
    void SetOptions(TbsSliderOptions value);
    // The fixed end length of a picture ruler; refused when it leaves the ruler no middle.
    int EdgeSize() const { return FEdgeSize; }
    void SetEdgeSize(int value);
    // The thumb picture holds 2 states side by side, or 1.
    int NumThumbStates() const { return FNumThumbStates; }
    void SetNumThumbStates(int value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    // With a skin record, the thumb is the skin's.
    bool UseSkinThumb() const { return FUseSkinThumb; }
    void SetUseSkinThumb(bool value);
    // The pictures used without a skin record; assigning copies the picture and marks it as
    // the user's, nullptr brings back the slider's own.
    TBitmap& Image(TbsSliderImage index) { return *FImages[index]; }
    void SetImage(TbsSliderImage index, const TBitmap* value);
    TbsSliderImages UserImages() const { return FUserImages; }

    // Draws the ticks on the slider's canvas, for an OnDrawPoints handler.
    void DefaultDrawPoints(int PointsStep, int PointsHeight, int ExtremePointsHeight);

    TNotifyEvent OnChange;
    // A user interaction ended: a drag released, jump tracking ended, a key jump.
    TNotifyEvent OnChanged;
    // Takes the place of the tick drawing.
    TNotifyEvent OnDrawPoints;

    void GetSkinData() override;
    void ChangeSkinData() override;
    void Loaded() override;
    void WndProc(TMessage& message) override;

    // Where the thumb lies now.
    TRect ThumbRect() const { return FThumbRect; }
    // The ruler's rectangle in the control.
    TRect RulerRect() const;

protected:
    // Every change by mouse or key asks it first.
    virtual bool CanModify() { return true; }
    // The area the slider lays itself out in.
    virtual TRect GetSliderRect() { return TRect(0, 0, Width(), Height()); }
    virtual int GetSliderValue() { return FValue; }
    // Rebuilds the ruler and places thumb, ruler and ticks for the present size and skin.
    virtual void AdjustElements();
    virtual void RangeChanged() {}
    virtual void ThumbMouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void ThumbMouseMove(TShiftState shift, int x, int y);
    virtual void ThumbMouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void Change() { CallEvent(OnChange, this); }
    virtual void Changed() { CallEvent(OnChanged, this); }

    void Paint() override;
    void Resize() override;
    void CheckParentBackground() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(unsigned short& key, TShiftState shift) override;

private:
    bool Vertical() const { return FOrientation == soVertical; }
    bool Reading() const;
    // A skin record with a picture draws the slider; otherwise its own pictures do.
    bool UsesSkin() const { return FIndex != -1 && Picture; }
    bool UsesSkinThumb() const { return UsesSkin() && FUseSkinThumb; }
    // The size of one thumb state in the present orientation.
    TSize ThumbSize() const;
    // Where the thumb's leading edge starts, and how far it may travel.
    int ThumbBase();
    int GetRulerLength() const;
    int GetOffsetByValue(int value);
    int GetValueByOffset(int offset);
    int AdjustThumb(int offset);
    // Moves the thumb to the adjusted offset and returns it; the value stays.
    int MoveThumbTo(int offset);
    // The same, and while a drag runs the value follows the thumb.
    void SetThumbOffset(int offset);
    void SetValueRange(int AMin, int AMax);
    void BuildRuler();
    void BuildSkinRuler();
    void PlaceElements();
    TbsJumpMode JumpModeAt(int x, int y) const;
    void JumpTo(TbsJumpMode mode);
    void TimerTrack();
    void StopTracking();
    void InvalidateThumb();
    void DrawPoints(TCanvas& canvas, int step, int tickLength, int extremeLength);
    void DrawThumb(TCanvas& canvas, const TPoint& at);
    void PaintBackground(TCanvas& canvas);
    // Background, ruler, focus rectangle, ticks and thumb, on the paint's canvas.
    void PaintParts(TCanvas& canvas);

    int FMinValue{ 0 };
    int FMaxValue{ 100 };
    int FValue{ 0 };
    int FIncrement{ 10 };
    TbsSliderOrientation FOrientation{ soHorizontal };
    TbsSliderOptions FOptions{ soShowFocus, soShowPoints, soSmooth };
    int FEdgeSize{ 2 };
    int FNumThumbStates{ 2 };
    bool FTransparent{ false };
    bool FUseSkinThumb{ true };

    TBitmap FRuler;
    // The off-screen picture every paint is drawn into, then copied out in one piece.
    TBitmap FPaintBuffer;
    // The part of the client area the paint under way draws; ticks outside it are skipped.
    TRect FPaintArea;
    TPoint FRulerOrg;
    TRect FThumbRect;
    TRect FPointsRect;
    std::unique_ptr<TBitmap> FImages[4];
    TbsSliderImages FUserImages;
    bool FThumbDown{ false };
    bool FSliding{ false };
    int FHit{ 0 };
    bool FTracking{ false };
    bool FTimerActive{ false };
    TPoint FMousePos;
    TbsJumpMode FStartJump{ jmNone };
    bool FFocused{ false };
    // While set, picture changes do not rebuild the layout (the constructor and SetImage
    // build it once when done).
    bool FHoldLayout{ true };
    // The canvas a paint draws on: the off-screen buffer during Paint, else the slider's.
    TCanvas* FPaintCanvas{ nullptr };
    TbsLifeToken FLife;

    // From the skin record.
    TBitmap* Picture{ nullptr };
    TRect HRulerRect;
    TRect HThumbRect;
    TRect VRulerRect;
    TRect VThumbRect;
    int SkinEdgeSize{ 0 };
    TColor BGColor{ 0 };
    TColor PointsColor{ 0 };
};
