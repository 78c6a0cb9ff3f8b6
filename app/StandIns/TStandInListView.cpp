#include "app/StandIns/TStandInListView.h"

TStandInSlider::TStandInSlider(TComponent* owner) : TTrackBar(owner) {
    SetTickMarks(tmBoth);
    SetTickStyle(tsNone);
}
