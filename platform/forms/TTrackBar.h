#pragma once
#include "platform/forms/TCustomControl.h"
#include "platform/forms/TRangeModel.h"

enum TTrackBarOrientation { trHorizontal, trVertical };
enum TTickMark { tmBottomRight, tmTopLeft, tmBoth };
enum TTickStyle { tsNone, tsAuto, tsManual };

// A slider: a thumb on a sunken channel between Min and Max, moved by dragging it, by clicking
// beside it (a page towards the click) and by the arrow, page, Home and End keys. OnChange fires
// for every change of Position, by the user or by code.
class TTrackBar : public TCustomControl {
public:
    explicit TTrackBar(TComponent* owner);
    ~TTrackBar() override;

    std::string ClassName() const override { return "TTrackBar"; }

    int Min() const { return FRange.Min(); }
    void SetMin(int value) { RangeChanged(FRange.SetMin(value)); }
    int Max() const { return FRange.Max(); }
    void SetMax(int value) { RangeChanged(FRange.SetMax(value)); }
    int Position() const { return FRange.Position(); }
    void SetPosition(int value) { RangeChanged(FRange.SetPosition(value)); }
    void SetParams(int position, int min, int max) {
        RangeChanged(FRange.SetParams(position, min, max));
    }
    int LineSize() const { return FLineSize; }
    void SetLineSize(int value) { FLineSize = std::max(1, value); }
    int PageSize() const { return FPageSize; }
    void SetPageSize(int value) { FPageSize = std::max(1, value); }
    int Frequency() const { return FFrequency; }
    void SetFrequency(int value);
    TTrackBarOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TTrackBarOrientation value);
    TTickMark TickMarks() const { return FTickMarks; }
    void SetTickMarks(TTickMark value);
    TTickStyle TickStyle() const { return FTickStyle; }
    void SetTickStyle(TTickStyle value);
    // Where the thumb is drawn, in client coordinates.
    TRect ThumbRect() const;
    // The channel the thumb's centre travels along.
    TRect ChannelRect() const;

    void WndProc(TMessage& message) override;

    TNotifyEvent OnChange;

protected:
    void Paint() override;
    void KeyDown(unsigned short& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    virtual void Changed();

private:
    bool Horizontal() const { return FOrientation == trHorizontal; }
    // The thumb's centre along the channel for a position.
    int CentreOf(int position) const;
    int PositionAt(int along) const;
    void RangeChanged(const TRangeChange& change);

    TRangeModel FRange{ 0, 10 };
    int FLineSize{ 1 };
    int FPageSize{ 2 };
    int FFrequency{ 1 };
    TTrackBarOrientation FOrientation{ trHorizontal };
    TTickMark FTickMarks{ tmBottomRight };
    TTickStyle FTickStyle{ tsAuto };
    bool FDragging{ false };
    int FDragOffset{ 0 };
};
