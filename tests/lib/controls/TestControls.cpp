#include "TestControls.h"

#include "lib/skindata/bsSkinControlRecords.h"
#include "platform/forms/ControlMessages.h"
#include "platform/gfx/TBitmap.h"
#include "platform/win/Messages.h"

#include <type_traits>

TLoggedView::TLoggedView(TComponent* owner, TCallLog& log, const std::string& name)
    : TCustomControl(owner), FLog(log) {
    SetName(name);
}

template <class TBase>
TStateButton<TBase>::TStateButton(TComponent* owner) : TBase(owner) {
    this->SetCaption("Button");
    if constexpr (std::is_base_of_v<TWinControl, TBase>) this->SetTabStop(true);
}

template <class TBase>
bool TStateButton<TBase>::HasFocus() const {
    if constexpr (std::is_base_of_v<TWinControl, TBase>)
        return this->Focused();
    else
        return false;
}

template <class TBase>
void TStateButton<TBase>::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        FHot = message.Msg == CM_MOUSEENTER;
        this->Invalidate();
        break;
    case win::WM_SETFOCUS:
    case win::WM_KILLFOCUS:
    case CM_ENABLEDCHANGED:
        this->Invalidate();
        break;
    default:
        break;
    }
    TBase::WndProc(message);
}

template <class TBase>
void TStateButton<TBase>::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft) {
        FPressed = true;
        this->Invalidate();
    }
    TBase::MouseDown(button, shift, x, y);
}

template <class TBase>
void TStateButton<TBase>::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft) {
        FPressed = false;
        this->Invalidate();
    }
    TBase::MouseUp(button, shift, x, y);
}

template <class TBase>
void TStateButton<TBase>::CreateControlSkinImage(TBitmap& B) {
    const auto* record = dynamic_cast<const TbsDataSkinButtonControl*>(this->SkinRecord());
    TRect face = this->SkinRect;
    const auto use = [&face](const TRect& r) {
        if (!r.IsEmpty()) face = r;
    };
    if (record) {
        if (!this->Enabled()) {
            use(record->DisabledSkinRect);
        } else if (FPressed) {
            use(record->ActiveSkinRect);
            use(record->DownSkinRect);
        } else if (FHot) {
            use(record->ActiveSkinRect);
        } else if (HasFocus()) {
            use(record->FocusedSkinRect);
        }
    }
    this->RenderSkinRect(B, this->Picture, face);
}

template <class TBase>
void TStateButton<TBase>::CreateControlDefaultImage(TBitmap& B) {
    TCanvas& canvas = B.Canvas();
    const TRect all(0, 0, B.Width(), B.Height());
    // A disabled control still hears the pointer come and go, but shows none of it.
    const bool pressed = FPressed && this->Enabled();
    const bool hot = FHot && this->Enabled();
    const bool framed = pressed || hot;
    canvas.Brush().SetColor(pressed ? TColor(0xB59385) : hot ? TColor(0xD2BDB6) : clBtnFace);
    canvas.FillRect(all);
    canvas.Brush().SetColor(framed ? clNavy : clBtnShadow);
    canvas.FrameRect(all);
    canvas.Font().Assign(this->DefaultFont());
    canvas.Font().SetColor(this->Enabled() ? clBtnText : clGrayText);
    canvas.Brush().SetStyle(bsClear);
    const std::string text = this->Caption();
    canvas.TextOut((B.Width() - canvas.TextWidth(text)) / 2,
                   (B.Height() - canvas.TextHeight(text)) / 2, text);
    if (HasFocus()) canvas.DrawFocusRect(TRect(3, 3, B.Width() - 3, B.Height() - 3));
}

template class TStateButton<TbsSkinCustomControl>;
template class TStateButton<TbsGraphicSkinCustomControl>;
