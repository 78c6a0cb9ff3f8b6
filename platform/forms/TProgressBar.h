#pragma once
#include "platform/forms/TCustomControl.h"

enum TProgressBarOrientation { pbHorizontal, pbVertical };

// Shows how far a job has come: a sunken bar filled from the start (left or bottom) in the
// highlight colour, in blocks unless Smooth. Position stays within Min and Max.
class TProgressBar : public TCustomControl {
public:
    explicit TProgressBar(TComponent* owner);
    ~TProgressBar() override;

    std::string ClassName() const override { return "TProgressBar"; }

    int Min() const { return FMin; }
    void SetMin(int value) { SetParams(FPosition, value, std::max(FMax, value)); }
    int Max() const { return FMax; }
    void SetMax(int value) { SetParams(FPosition, std::min(FMin, value), value); }
    int Position() const { return FPosition; }
    void SetPosition(int value) { SetParams(value, FMin, FMax); }
    void SetParams(int position, int min, int max);
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
    int FMin{ 0 };
    int FMax{ 100 };
    int FPosition{ 0 };
    int FStep{ 10 };
    TProgressBarOrientation FOrientation{ pbHorizontal };
    bool FSmooth{ false };
};
