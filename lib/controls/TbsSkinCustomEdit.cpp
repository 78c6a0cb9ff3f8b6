#include "lib/controls/TbsSkinCustomEdit.h"

#include "lib/controls/IbsToolBarParent.h"
#include "lib/controls/bsActivePicture.h"
#include "lib/skindata/TbsResourceStrData.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindata/bsSkinListRecords.h"
#include "lib/skindata/bsSkinMessages.h"
#include "platform/forms/ControlMessages.h"
#include "platform/forms/EditMessages.h"
#include "platform/forms/TImageList.h"
#include "platform/forms/TTextMeasure.h"
#include "platform/win/Win.h"

#include <algorithm>

using namespace win;

namespace {

// The plain look's frame: a dark and a light line around the text area.
constexpr int kPlainFrame = 2;

} // namespace

TbsSkinCustomEdit::TbsSkinCustomEdit(TComponent* owner) : TbsCustomEdit(owner) {
    FControlStyle.Include(csOpaque);
    TFont& font = Font();
    font.SetName("Arial");
    font.SetHeight(14);
    font.SetColor(clBlack);
    font.SetStyle({});
    FHeight = 20;
    SetEditTransparent(true);
    FDefaultFont.Assign(font);
    FDefaultFont.OnChange = [this](TGraphicsObject*) {
        if (FIndex == -1) Font().Assign(FDefaultFont);
    };
}

TbsSkinCustomEdit::~TbsSkinCustomEdit() {
    FDefaultFont.OnChange = nullptr;
}

void TbsSkinCustomEdit::SetSkinData(TbsSkinData* value) {
    if (FSD != value) {
        // A skin object of another form may go first: the edit must not keep drawing from it.
        if (FSD) RemoveFreeNotification(FSD);
        FSD = value;
        if (FSD) FreeNotification(FSD);
    }
    if (FSD && !FSD->Empty && !Designing()) ChangeSkinData();
}

void TbsSkinCustomEdit::GetSkinData() {
    FIndex = -1;
    Picture = nullptr;
    if (!FSD || FSD->Empty) return;
    const int index = FSD->GetControlIndex(FSkinDataName);
    if (index < 0 || std::size_t(index) >= FSD->CtrlList.size()) return;
    // A record of another kind under the name counts as none: its fields are not an edit's.
    const auto* record =
        dynamic_cast<const TbsDataSkinEditControl*>(FSD->CtrlList[std::size_t(index)].get());
    if (!record) return;
    FIndex = index;
    Picture = ActivePictureOf(*FSD, record->PictureIndex);
    SkinRect = record->SkinRect;
    ActiveSkinRect = record->ActiveSkinRect.IsEmpty() ? SkinRect : record->ActiveSkinRect;
    LOffset = record->LTPoint.X;
    ROffset = SkinRect.Width() - record->RTPoint.X;
    ClRect = record->ClRect;
    FontName = record->FontName;
    FontStyle = record->FontStyle;
    FontHeight = record->FontHeight;
    FontColor = record->FontColor;
    DisabledFontColor = record->DisabledFontColor;
    ActiveFontColor = record->ActiveFontColor;
    ButtonRect = record->ButtonRect;
    ActiveButtonRect = record->ActiveButtonRect;
    DownButtonRect = record->DownButtonRect.IsEmpty() ? ActiveButtonRect : record->DownButtonRect;
    UnEnabledButtonRect = record->UnEnabledButtonRect;
    StretchEffect = record->StretchEffect;
}

void TbsSkinCustomEdit::ChangeSkinData() {
    GetSkinData();
    TFont& font = Font();
    if (FIndex == -1) {
        font.Assign(FDefaultFont);
        if (FDefaultWidth > 0) SetWidth(FDefaultWidth);
        if (FDefaultHeight > 0) SetHeight(FDefaultHeight);
    } else if (FUseSkinFont) {
        font.SetName(FontName);
        font.SetStyle(FontStyle);
        SetHeight(SkinRect.Height());
        font.SetHeight(FontHeight);
    } else {
        font.Assign(FDefaultFont);
    }
    font.SetCharset(TextCharset());
    if (HandleAllocated()) RecreateWnd();
    UpdateFontColor(Focused());
    if (!FUseSkinFont) AdjustHeight();
    UpdateFrame();
    if (FImages) {
        CalcImageButtons(true);
        Invalidate();
    }
}

void TbsSkinCustomEdit::UpdateFontColor(bool active) {
    if (FIndex == -1)
        Font().SetColor(FDefaultFont.Color());
    else
        Font().SetColor(active ? ActiveFontColor : FontColor);
}

void TbsSkinCustomEdit::Loaded() {
    TbsCustomEdit::Loaded();
    if (FSD && FSD->ResourceStrData()) Font().SetCharset(FSD->ResourceStrData()->CharSet());
}

void TbsSkinCustomEdit::Notification(TComponent* component, TOperation operation) {
    TbsCustomEdit::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == FSD) FSD = nullptr;
    if (component == FImages) FImages = nullptr;
}

void TbsSkinCustomEdit::SetDefaultColor(TColor value) {
    FDefaultColor = value;
    if (FIndex == -1) Invalidate();
}

void TbsSkinCustomEdit::SetDefaultFont(const TFont& value) {
    FDefaultFont.Assign(value);
}

void TbsSkinCustomEdit::SetDefaultWidth(int value) {
    FDefaultWidth = value;
    if (FIndex == -1 && value > 0) SetWidth(value);
}

void TbsSkinCustomEdit::SetDefaultHeight(int value) {
    FDefaultHeight = value;
    if (FIndex == -1 && value > 0 && FUseSkinFont)
        SetHeight(value);
    else
        AdjustHeight();
}

void TbsSkinCustomEdit::SetButtonMode(bool value) {
    FButtonMode = value;
    if (HandleAllocated()) RecreateWnd();
    if (Designing() && !ComponentState().Contains(csLoading))
        FSkinDataName = value ? "buttonedit" : "edit";
}

void TbsSkinCustomEdit::SetAlignment(TAlignment value) {
    if (FAlignment == value) return;
    FAlignment = value;
    if (HandleAllocated()) RecreateWnd();
}

void TbsSkinCustomEdit::SetImages(TCustomImageList* value) {
    if (FImages != value) {
        if (FImages) RemoveFreeNotification(FImages);
        FImages = value;
        if (FImages) FreeNotification(FImages);
    }
    CalcImageButtons(true);
}

void TbsSkinCustomEdit::SetImageIndex(int& field, int value) {
    field = value;
    CalcImageButtons(true);
}

void TbsSkinCustomEdit::SetLeftImageIndex(int value) {
    SetImageIndex(FLeftImageIndex, value);
}

void TbsSkinCustomEdit::SetRightImageIndex(int value) {
    SetImageIndex(FRightImageIndex, value);
}

void TbsSkinCustomEdit::CreateParams(TCreateParams& params) {
    TbsCustomEdit::CreateParams(params);
    // The edit shows through by answering the colour messages alone.
    params.ExStyle &= ~WS_EX_TRANSPARENT;
    params.Style &= ~WS_BORDER;
    params.Style &= ~(ES_LEFT | ES_RIGHT | ES_CENTER);
    if (FAlignment == taRightJustify) params.Style |= ES_RIGHT;
    if (FAlignment == taCenter) params.Style |= ES_CENTER;
}

void TbsSkinCustomEdit::CalcRects() {
    const int width = Width();
    const int height = Height();
    if (FIndex == -1) {
        FButtonRect = FButtonMode ? TRect(width - height, 0, width, height) : TRect();
        const int right = FButtonMode ? FButtonRect.Left : width;
        FEditRect = TRect(kPlainFrame, kPlainFrame, right - kPlainFrame, height - kPlainFrame);
        return;
    }
    const int dw = width - SkinRect.Width();
    FEditRect = TRect(ClRect.Left, ClRect.Top, ClRect.Right + dw, ClRect.Bottom);
    FButtonRect = ButtonRect;
    // A button in the face's fixed right part moves with the right edge.
    if (ButtonRect.Left >= SkinRect.Width() - ROffset) {
        FButtonRect.Left += dw;
        FButtonRect.Right += dw;
    }
    if (!FUseSkinFont) {
        const int dh = height - SkinRect.Height();
        FEditRect.Bottom += dh;
        FButtonRect.Bottom += dh;
    }
}

void TbsSkinCustomEdit::WMNCCalcSize(TMessage& message) {
    GetSkinData();
    RECT* r = message.WParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(message.LParam)->rgrc[0]
                             : reinterpret_cast<RECT*>(message.LParam);
    if (!r) return;
    if (FIndex == -1) {
        // The new height: the control's own may not have followed the window yet.
        const int height = r->bottom - r->top;
        r->left += kPlainFrame;
        r->top += kPlainFrame;
        r->bottom -= kPlainFrame;
        r->right -= FButtonMode ? height + kPlainFrame : kPlainFrame;
    } else {
        r->left += ClRect.Left;
        r->top += ClRect.Top;
        r->right += ClRect.Right - SkinRect.Width();
        r->bottom += ClRect.Bottom - SkinRect.Height();
    }
    r->right = std::max(r->right, r->left);
    r->bottom = std::max(r->bottom, r->top);
}

int TbsSkinCustomEdit::GetEditHeight() {
    const int textHeight = TTextMeasure(Font()).MetricHeight();
    if (FIndex == -1) return textHeight + 2 * kPlainFrame;
    return textHeight + SkinRect.Height() - ClRect.Height();
}

void TbsSkinCustomEdit::AdjustHeight() {
    SetHeight(GetEditHeight());
}

void TbsSkinCustomEdit::SetBounds(int left, int top, int width, int height) {
    GetSkinData();
    const bool sameSize = width == Width() && height == Height();
    if (!sameSize && !(FIndex == -1 && FUseSkinFont))
        height = FIndex != -1 && FUseSkinFont ? SkinRect.Height() : GetEditHeight();
    if (Align() != alNone) top = ToolBarAdjustedTop(*this, top, height);
    TbsCustomEdit::SetBounds(left, top, width, height);
    Invalidate();
    UpdateFrame();
}

void TbsSkinCustomEdit::Invalidate() {
    if (!HandleAllocated() || !Parent()) return;
    FStopDraw = false;
    RedrawWindow(FHandle, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE);
}

void TbsSkinCustomEdit::UpdateFrame() {
    if (HandleAllocated() && Parent()) SendMessage(FHandle, WM_NCPAINT, 1, 0);
}

void TbsSkinCustomEdit::FocusChanged(bool focused) {
    UpdateFrame();
    Invalidate();
    if (FIndex != -1 && !FMouseIn) UpdateFontColor(focused);
    if (FImages) CalcImageButtons(true);
}

void TbsSkinCustomEdit::CMMouseEnter() {
    FMouseIn = true;
    if (Focused() || FIndex == -1) return;
    UpdateFontColor(true);
    if (FImages) CalcImageButtons(true);
    UpdateFrame();
    Invalidate();
}

void TbsSkinCustomEdit::CMMouseLeave() {
    FMouseIn = false;
    if (!Focused() && FIndex != -1) {
        UpdateFontColor(false);
        if (FImages) CalcImageButtons(true);
        UpdateFrame();
        Invalidate();
    }
    if (FButtonDown || FButtonActive) {
        FButtonDown = false;
        FButtonActive = false;
        UpdateFrame();
        Invalidate();
    }
    // A pressed image button stays pressed: only a release over it ends the press.
    if (FImages && (LeftButton.MouseIn || RightButton.MouseIn)) {
        LeftButton.MouseIn = false;
        RightButton.MouseIn = false;
        Invalidate();
    }
}

void TbsSkinCustomEdit::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_NCCALCSIZE:
        WMNCCalcSize(message);
        return;
    case WM_NCHITTEST:
        WMNCHitTest(message);
        return;
    case WM_NCLBUTTONDOWN:
        WMNCLButtonDown(message, false);
        return;
    case WM_NCLBUTTONDBLCLK:
        WMNCLButtonDown(message, true);
        return;
    case WM_NCLBUTTONUP:
        WMNCLButtonUp(message);
        return;
    case WM_NCMOUSEMOVE:
        WMNCMouseMove(message);
        return;
    case WM_NCPAINT:
        WMNCPaint();
        return;
    case WM_ERASEBKGND:
        WMEraseBkgnd(message);
        return;
    case WM_PAINT:
        WMPaint(message);
        return;
    case WM_SKINFRAMEPAINT:
        WMSkinFramePaint(message, false);
        return;
    case WM_SKINFRAMEPAINTEX:
        if (message.LParam != SKIN_PAINT_KEY) break;
        WMSkinFramePaint(message, true);
        return;
    case WM_SETFOCUS:
        TbsCustomEdit::WndProc(message);
        FocusChanged(true);
        return;
    case WM_KILLFOCUS:
        TbsCustomEdit::WndProc(message);
        FocusChanged(false);
        return;
    case WM_MOUSEMOVE:
        TbsCustomEdit::WndProc(message);
        if (FButtonMode && FButtonActive) {
            FButtonActive = false;
            UpdateFrame();
        }
        return;
    case WM_SIZE:
        TbsCustomEdit::WndProc(message);
        CalcImageButtons(true);
        UpdateFrame();
        return;
    case CM_MOUSEENTER:
        // The enter and leave events follow the edit's own handling.
        if (!Designing() && (message.LParam == 0 || message.LParam == LPARAM(this))) CMMouseEnter();
        break;
    case CM_MOUSELEAVE:
        if (!Designing() && (message.LParam == 0 || message.LParam == LPARAM(this))) CMMouseLeave();
        break;
    case CM_ENABLEDCHANGED:
        TbsCustomEdit::WndProc(message);
        Invalidate();
        return;
    case CM_FONTCHANGED: {
        TbsCustomEdit::WndProc(message);
        const bool designLoading = Designing() && ComponentState().Contains(csLoading);
        if (FUseSkinFont || designLoading) return;
        AdjustHeight();
        if (FIndex == -1 && HandleAllocated()) RecreateWnd();
        return;
    }
    default:
        break;
    }
    TbsCustomEdit::WndProc(message);
}
