#include "lib/controls/bsSkinChangeWalk.h"

#include "lib/controls/TbsSkinControl.h"

namespace {

bool Names(const IbsSkinnedControl& control, const TbsSkinData* skinData) {
    return !skinData || control.SkinData() == skinData;
}

template <class Visit>
void Walk(TWinControl& container, const Visit& visit) {
    for (int i = 0; i < container.ControlCount(); ++i) {
        TControl* control = container.Controls(i);
        visit(*control);
        // A control re-skinned may have rebuilt its parts; go on only with one still there.
        if (i >= container.ControlCount() || container.Controls(i) != control) continue;
        if (auto* windowed = dynamic_cast<TWinControl*>(control)) Walk(*windowed, visit);
    }
}

} // namespace

void BeforeChangeControlsSkinData(TWinControl& form, const TbsSkinData* skinData) {
    Walk(form, [skinData](TControl& control) {
        if (auto* skinned = dynamic_cast<TbsSkinControl*>(&control);
            skinned && Names(*skinned, skinData))
            skinned->BeforeChangeSkinData();
    });
}

void ChangeControlsSkinData(TWinControl& form, const TbsSkinData* skinData) {
    Walk(form, [skinData](TControl& control) {
        if (auto* skinned = dynamic_cast<IbsSkinnedControl*>(&control);
            skinned && Names(*skinned, skinData))
            skinned->ChangeSkinData();
    });
}
