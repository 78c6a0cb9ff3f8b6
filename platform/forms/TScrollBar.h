#pragma once
#include "platform/forms/TAutoRepeat.h"
#include "platform/forms/TCustomControl.h"
#include "platform/forms/TRangeModel.h"
#include "platform/forms/TScrollBarGeometry.h"
#include <functional>

enum TScrollBarKind { sbHorizontal, sbVertical };
enum TScrollCode {
    scLineUp,
    scLineDown,
    scPageUp,
    scPageDown,
    scPosition,
    scTrack,
    scTop,
    scBottom,
    scEndScroll
};
using TScrollEvent = std::function<void(TObject* sender, TScrollCode scrollCode, int& scrollPos)>;

// A scroll bar control. Presses, thumb drags and keys make the usual requests, which go to the
// parent as WM_HSCROLL or WM_VSCROLL and come back reflected; each moves Position by
// SmallChange or LargeChange, or to the thumb, after OnScroll may adjust the new position.
// OnChange fires whenever Position changes. Its state answers GetScrollInfo with SB_CTL.
class TScrollBar : public TCustomControl {
public:
    explicit TScrollBar(TComponent* owner);
    ~TScrollBar() override;

    std::string ClassName() const override { return "TScrollBar"; }

    TScrollBarKind Kind() const { return FKind; }
    void SetKind(TScrollBarKind value);
    int Min() const { return FRange.Min(); }
    void SetMin(int value) { RangeChanged(FRange.SetMin(value)); }
    int Max() const { return FRange.Max(); }
    void SetMax(int value) { RangeChanged(FRange.SetMax(value)); }
    int Position() const { return FRange.Position(); }
    void SetPosition(int value) { RangeChanged(FRange.SetPosition(value)); }
    // Position is kept within Min and Max less a page.
    void SetParams(int position, int min, int max) {
        RangeChanged(FRange.SetParams(position, min, max));
    }
    int PageSize() const { return FRange.PageSize(); }
    void SetPageSize(int value) { RangeChanged(FRange.SetPageSize(value)); }
    int SmallChange() const { return FSmallChange; }
    void SetSmallChange(int value) { FSmallChange = value; }
    int LargeChange() const { return FLargeChange; }
    void SetLargeChange(int value) { FLargeChange = value; }

    void WndProc(TMessage& message) override;

    TNotifyEvent OnChange;
    TScrollEvent OnScroll;

protected:
    void Paint() override;
    void KeyDown(unsigned short& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    virtual void Scroll(TScrollCode scrollCode, int& scrollPos);
    virtual void Change();

private:
    win::SCROLLINFO Info() const;
    TScrollBarGeometry Geometry() const;
    void Request(unsigned code, int pos);
    void DoScroll(unsigned code, int pos);
    // Ends a press: a drag settles at its position, and the scrolling is over.
    void EndPress();
    void RangeChanged(const TRangeChange& change);

    TScrollBarKind FKind{ sbHorizontal };
    TRangeModel FRange{ 0, 100 };
    int FSmallChange{ 1 };
    int FLargeChange{ 1 };
    TScrollBarPart FPressed{ sbpNone };
    win::SCROLLINFO FDragStart;
    TPoint FDragOrigin;
    int FTrackPos{ 0 };
    TAutoRepeat FRepeat{ *this };
};
