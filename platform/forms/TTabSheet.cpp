#include "platform/forms/TTabSheet.h"
#include "platform/forms/TPageControl.h"
#include "platform/win/Win.h"

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
    FControlStyle.Include(csAcceptsControls);
    FVisible = false;
    SetAlign(alClient);
}

TTabSheet::~TTabSheet() {
    if (FPageControl) FPageControl->RemovePage(this);
    FPageControl = nullptr;
}

void TTabSheet::SetPageControl(TPageControl* value) {
    SetParent(value);
}

void TTabSheet::SetParent(TWinControl* parent) {
    if (FPageControl && parent != FPageControl) {
        TPageControl* old = FPageControl;
        FPageControl = nullptr;
        old->RemovePage(this);
    }
    TWinControl::SetParent(parent);
    auto* pageControl = dynamic_cast<TPageControl*>(parent);
    if (pageControl && !FPageControl) {
        FPageControl = pageControl;
        pageControl->InsertPage(this);
    }
}

int TTabSheet::PageIndex() const {
    if (!FPageControl) return -1;
    for (int i = 0; i < FPageControl->PageCount(); ++i)
        if (FPageControl->Pages(i) == this) return i;
    return -1;
}

void TTabSheet::SetPageIndex(int value) {
    if (FPageControl) FPageControl->MovePage(this, value);
}

int TTabSheet::TabIndex() const {
    if (!FPageControl || !FTabVisible) return -1;
    int index = 0;
    for (int i = 0; i < FPageControl->PageCount(); ++i) {
        const TTabSheet* page = FPageControl->Pages(i);
        if (page == this) return index;
        if (page->FTabVisible) ++index;
    }
    return -1;
}

void TTabSheet::SetTabVisible(bool value) {
    if (FTabVisible == value) return;
    FTabVisible = value;
    if (FPageControl) FPageControl->PageTabChanged(this);
}

void TTabSheet::SetImageIndex(int value) {
    if (FImageIndex == value) return;
    FImageIndex = value;
    if (FPageControl) FPageControl->PageTabChanged(this);
}

void TTabSheet::WndProc(TMessage& message) {
    TWinControl::WndProc(message);
    if (message.Msg == CM_TEXTCHANGED && FPageControl) FPageControl->PageTabChanged(this);
}
