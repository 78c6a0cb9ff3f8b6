#pragma once
#include "lib/controls/TbsSkinScrollBar.h"
#include "platform/forms/TCustomControl.h"

class TbsSkinData;

// A sheet row's composite: a content control with a vertical skin bar at its right and a
// horizontal one below, reaching under the vertical one into the corner.
class TSheetWithBars : public TCustomControl {
public:
    TbsSkinScrollBar& HBar() const { return *FHBar; }
    TbsSkinScrollBar& VBar() const { return *FVBar; }

protected:
    static constexpr int kBar = 17;

    explicit TSheetWithBars(TComponent* owner) : TCustomControl(owner) {
        FControlStyle.Include(csAcceptsControls);
    }
    // Makes control a child of the composite.
    template <class T>
    T* Place(T* control) {
        control->SetParent(this);
        return control;
    }
    // Makes the two bars, after the content, in the given skin.
    void PlaceBars(TComponent* owner, TbsSkinData* skin, TControl* content) {
        FContent = content;
        FVBar = Place(new TbsSkinScrollBar(owner));
        FVBar->SetKind(sbVertical);
        FVBar->SetSkinDataName("vscrollbar");
        FHBar = Place(new TbsSkinScrollBar(owner));
        FVBar->SetSkinData(skin);
        FHBar->SetSkinData(skin);
    }
    void Resize() override {
        const int w = Width();
        const int h = Height();
        FContent->SetBounds(0, 0, w - kBar, h - kBar);
        FVBar->SetBounds(w - kBar, 0, kBar, h - kBar);
        FHBar->SetBounds(0, h - kBar, w, kBar);
        TCustomControl::Resize();
    }

    TbsSkinScrollBar* FVBar{ nullptr };
    TbsSkinScrollBar* FHBar{ nullptr };

private:
    TControl* FContent{ nullptr };
};
