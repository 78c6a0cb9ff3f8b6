#include "app/StandIns/TbsSkinListView.h"

TbsSkinSlider::TbsSkinSlider(TComponent* owner) : TTrackBar(owner) {
    SetTickMarks(tmBoth);
    SetTickStyle(tsNone);
}
