#pragma once
#include "platform/forms/TListView.h"
#include "platform/forms/TTrackBar.h"

class TStandInListView : public TListView {
public:
    using TListView::TListView;
    std::string ClassName() const override { return "TStandInListView"; }
};

// A horizontal slider whose thumb sits at Value between MinValue and MaxValue.
class TStandInSlider : public TTrackBar {
public:
    explicit TStandInSlider(TComponent* owner);
    std::string ClassName() const override { return "TStandInSlider"; }

    int MinValue() const { return Min(); }
    void SetMinValue(int value) { SetMin(value); }
    int MaxValue() const { return Max(); }
    void SetMaxValue(int value) { SetMax(value); }
    int Value() const { return Position(); }
    void SetValue(int value) { SetPosition(value); }
};
