#pragma once
#include "platform/forms/TListView.h"
#include "platform/forms/TTrackBar.h"

class TbsSkinListView : public TListView {
public:
    using TListView::TListView;
    std::string ClassName() const override { return "TbsSkinListView"; }
};

// A horizontal slider whose thumb sits at Value between MinValue and MaxValue.
class TbsSkinSlider : public TTrackBar {
public:
    explicit TbsSkinSlider(TComponent* owner);
    std::string ClassName() const override { return "TbsSkinSlider"; }

    int MinValue() const { return Min(); }
    void SetMinValue(int value) { SetMin(value); }
    int MaxValue() const { return Max(); }
    void SetMaxValue(int value) { SetMax(value); }
    int Value() const { return Position(); }
    void SetValue(int value) { SetPosition(value); }
};
