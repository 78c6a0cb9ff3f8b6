// The page control under the pointer: the hot tab and its close button.
#include "lib/controls/TbsSkinPageControl.h"

#include "lib/controls/TbsSkinTabSheet.h"

TRect TbsSkinPageControl::HotCloseButton() {
    auto* sheet = FActiveTab >= 0 ? dynamic_cast<TbsSkinTabSheet*>(Pages(FActiveTab)) : nullptr;
    if (!sheet || FActiveTabIndex < 0) return TRect();
    const TRect tab = GetTabRect(FActiveTabIndex);
    return Moved(sheet->ButtonRect, tab.Left, tab.Top);
}

void TbsSkinPageControl::TestActiveTab(int x, int y) {
    const int oldTab = FActiveTab;
    FActiveTab = -1;
    FActiveTabIndex = -1;
    if (x >= 0 || y >= 0) {
        int shown = 0;
        for (int i = 0; i < PageCount(); ++i) {
            if (!Pages(i)->TabVisible()) continue;
            if (GetTabRect(shown).Contains(TPoint(x, y))) {
                FActiveTab = i;
                FActiveTabIndex = shown;
                break;
            }
            ++shown;
        }
    }
    if (FActiveTab != oldTab) {
        if (oldTab >= 0 && oldTab < PageCount())
            if (auto* sheet = dynamic_cast<TbsSkinTabSheet*>(Pages(oldTab))) {
                sheet->ButtonMouseIn = false;
                sheet->ButtonMouseDown = false;
            }
        Invalidate();
    }
    if (!FShowCloseButtons || FActiveTab < 0) return;
    auto* sheet = dynamic_cast<TbsSkinTabSheet*>(Pages(FActiveTab));
    if (!sheet) return;
    const bool in = HotCloseButton().Contains(TPoint(x, y));
    if (in == sheet->ButtonMouseIn) return;
    sheet->ButtonMouseIn = in;
    if (!in) sheet->ButtonMouseDown = false;
    Invalidate();
}

void TbsSkinPageControl::MouseMove(TShiftState shift, int x, int y) {
    TbsSkinControlBase<TPageControl>::MouseMove(shift, x, y);
    if (!FHideTabs && !Designing()) TestActiveTab(x, y);
}

TbsSkinTabSheet* TbsSkinPageControl::PressedCloseButtonSheet(int x, int y, bool& in) {
    // A moved row sees the pointer where the unmoved row would be: the tabs are not under it.
    if (!RowMoved()) TestActiveTab(x, y);
    auto* sheet = FActiveTab >= 0 ? dynamic_cast<TbsSkinTabSheet*>(Pages(FActiveTab)) : nullptr;
    if (!FShowCloseButtons || !sheet) return nullptr;
    const int dx = RowMoved() ? -GetTabsOffset() : 0;
    in = Moved(HotCloseButton(), dx, 0).Contains(TPoint(x, y));
    return sheet;
}

void TbsSkinPageControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TbsSkinControlBase<TPageControl>::MouseDown(button, shift, x, y);
    if (button != mbLeft || FHideTabs) return;
    bool in = false;
    TbsSkinTabSheet* sheet = PressedCloseButtonSheet(x, y, in);
    if (!sheet) return;
    sheet->ButtonMouseIn = in;
    sheet->ButtonMouseDown = in;
    Invalidate();
}

void TbsSkinPageControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TbsSkinControlBase<TPageControl>::MouseUp(button, shift, x, y);
    if (button != mbLeft || FHideTabs) return;
    bool in = false;
    TbsSkinTabSheet* sheet = PressedCloseButtonSheet(x, y, in);
    if (!sheet) return;
    // Like any button, it acts only when pressed and released on it.
    const bool pressed = sheet->ButtonMouseDown;
    sheet->ButtonMouseIn = in;
    sheet->ButtonMouseDown = false;
    Invalidate();
    if (in && pressed) ClosePage(sheet);
}
