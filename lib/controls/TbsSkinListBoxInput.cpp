// The inner list's input reported to the skinned list box that owns it.
#include "lib/controls/TbsListBox.h"
#include "lib/controls/TbsSkinListBox.h"
#include "lib/controls/TbsSkinScrollBar.h"
#include "platform/win/Input.h"

#include <algorithm>

void TbsListBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (SkinListBox) SkinListBox->ListBoxMouseDown(button, shift, x, y);
    TListBox::MouseDown(button, shift, x, y);
}

void TbsListBox::MouseMove(TShiftState shift, int x, int y) {
    if (SkinListBox) SkinListBox->ListBoxMouseMove(shift, x, y);
    TListBox::MouseMove(shift, x, y);
}

void TbsListBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (SkinListBox) SkinListBox->ListBoxMouseUp(button, shift, x, y);
    TListBox::MouseUp(button, shift, x, y);
}

void TbsListBox::KeyDown(unsigned short& key, TShiftState shift) {
    if (SkinListBox) {
        SkinListBox->ListBoxKeyDown(key, shift);
        // Left and Right scroll wide rows sideways when they do not fit.
        if (TbsSkinScrollBar* bar = SkinListBox->HScrollBar;
            bar && (key == win::VK_LEFT || key == win::VK_RIGHT)) {
            const int step = key == win::VK_LEFT ? -bar->SmallChange() : bar->SmallChange();
            bar->SetPosition(bar->Position() + step);
            key = 0;
            return;
        }
    }
    TListBox::KeyDown(key, shift);
}

void TbsListBox::SetBounds(int left, int top, int width, int height) {
    const int oldWidth = Width();
    TListBox::SetBounds(left, top, width, height);
    if (Width() == oldWidth || FHorizontalExtentValue <= 0) return;
    FHorizontalExtentValue = std::max(FHorizontalExtentValue - (Width() - oldWidth), 0);
    Invalidate();
}

void TbsListBox::KeyPress(char32_t& key) {
    if (SkinListBox) SkinListBox->ListBoxKeyPress(key);
    TListBox::KeyPress(key);
}

void TbsListBox::Click() {
    if (SkinListBox) SkinListBox->ListBoxClick();
    TListBox::Click();
}

void TbsListBox::DblClick() {
    TListBox::DblClick();
    if (SkinListBox) SkinListBox->ListBoxDblClick();
}

void TbsSkinCustomListBox::ListBoxMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnListBoxMouseDown) OnListBoxMouseDown(this, button, shift, x, y);
}

void TbsSkinCustomListBox::ListBoxMouseMove(TShiftState shift, int x, int y) {
    if (OnListBoxMouseMove) OnListBoxMouseMove(this, shift, x, y);
}

void TbsSkinCustomListBox::ListBoxMouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnListBoxMouseUp) OnListBoxMouseUp(this, button, shift, x, y);
}

void TbsSkinCustomListBox::ListBoxClick() {
    if (OnListBoxClick) OnListBoxClick(this);
}

void TbsSkinCustomListBox::ListBoxDblClick() {
    if (OnListBoxDblClick) OnListBoxDblClick(this);
}

void TbsSkinCustomListBox::ListBoxKeyDown(unsigned short& key, TShiftState shift) {
    if (OnListBoxKeyDown) OnListBoxKeyDown(this, key, shift);
}

void TbsSkinCustomListBox::ListBoxKeyPress(char32_t& key) {
    if (OnListBoxKeyPress) OnListBoxKeyPress(this, key);
}
