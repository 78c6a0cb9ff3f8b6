#pragma once
#include "platform/forms/TCustomControl.h"
#include "platform/forms/TRangeModel.h"

enum TProgressBarOrientation { pbHorizontal, pbVertical };

// Shows how far a job has come: a sunken bar filled from the start (left or bottom) in the
// highlight colour, in blocks unless Smooth. Position stays within Min and Max.
class TProgressBar : public TCustomControl {
public:
    explicit TProgressBar(TComponent* owner);
    ~TProgressBar() override;

    std::string ClassName() const override { return "TProgressBar"; }

    int Min() const { return FRange.Min(); }
    void SetMin(int value) { RangeChanged(FRange.SetMin(value)); }
    int Max() const { return FRange.Max(); }
    void SetMax(int value) { RangeChanged(FRange.SetMax(value)); }
    int Position() const { return FRange.Position(); }
    void SetPosition(int value) { RangeChanged(FRange.SetPosition(value)); }
    void SetParams(int position, int min, int max) {
        RangeChanged(FRange.SetParams(position, min, max));
    }
    int Step() const { return FStep; }
    void SetStep(int value) { FStep = value; }
    // Moves by Step; past Max it starts again from Min, as the system's bar does.
    void StepIt();
    void StepBy(int delta);
    TProgressBarOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TProgressBarOrientation value);
    bool Smooth() const { return FSmooth; }
    void SetSmooth(bool value);
    // The filled part of the client area.
    TRect BarRect() const;

protected:
    void Paint() override;

private:
    void RangeChanged(const TRangeChange& change);

    TRangeModel FRange{ 0, 100 };
    int FStep{ 10 };
    TProgressBarOrientation FOrientation{ pbHorizontal };
    bool FSmooth{ false };
};
