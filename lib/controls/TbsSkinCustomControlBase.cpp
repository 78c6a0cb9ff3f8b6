#include "lib/controls/TbsSkinCustomControlBase.h"

#include "lib/controls/IbsToolBarParent.h"
#include "lib/controls/bsActivePicture.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindraw/bsImageBuilders.h"
#include "lib/skindraw/bsRectUtils.h"
#include "platform/gfx/TBitmap.h"

namespace {

bool SameFont(TFont& a, const TFont& b) {
    return a.Name() == b.Name() && a.Height() == b.Height() && a.Color() == b.Color() &&
           a.Style() == b.Style() && a.Charset() == b.Charset() && a.Pitch() == b.Pitch();
}

void FillPlain(TBitmap& B) {
    B.Canvas().Brush().SetColor(clBtnFace);
    B.Canvas().FillRect(TRect(0, 0, B.Width(), B.Height()));
}

} // namespace

template <class TBase>
TbsSkinCustomControlBase<TBase>::TbsSkinCustomControlBase(TComponent* owner) : TBase(owner) {
    FDefaultFont.SetName("Arial");
    FDefaultFont.SetStyle({});
    FDefaultFont.SetHeight(14);
    FDefaultFont.OnChange = [this](TGraphicsObject*) {
        DefaultFontChanged();
        if (this->FIndex == -1) this->Repaint();
    };
}

template <class TBase>
TbsSkinCustomControlBase<TBase>::~TbsSkinCustomControlBase() {
    FDefaultFont.OnChange = nullptr;
}

template <class TBase>
void TbsSkinCustomControlBase<TBase>::SetDefaultFont(const TFont& value) {
    if (!SameFont(FDefaultFont, value)) FDefaultFont.Assign(value);
    DefaultFontChanged();
}

template <class TBase>
void TbsSkinCustomControlBase<TBase>::SetDefaultWidth(int value) {
    FDefaultWidth = value;
    if (this->FIndex == -1 && value > 0) this->SetWidth(value);
}

template <class TBase>
void TbsSkinCustomControlBase<TBase>::SetDefaultHeight(int value) {
    FDefaultHeight = value;
    if (this->FIndex == -1 && value > 0) this->SetHeight(value);
}

template <class TBase>
void TbsSkinCustomControlBase<TBase>::GetSkinData() {
    TBase::GetSkinData();
    const auto* record = dynamic_cast<const TbsDataSkinCustomControl*>(this->SkinRecord());
    if (!record) {
        // A record of another kind has no face geometry: the control would take its size and
        // face from nothing. The picture of an earlier record may be gone with its skin.
        this->FIndex = -1;
        Picture = nullptr;
        return;
    }
    LTPt = record->LTPoint;
    RTPt = record->RTPoint;
    LBPt = record->LBPoint;
    RBPt = record->RBPoint;
    SkinRect = record->SkinRect;
    StretchEffect = record->StretchEffect;
    StretchType = record->StretchType;
    LeftStretch = record->LeftStretch;
    TopStretch = record->TopStretch;
    RightStretch = record->RightStretch;
    BottomStretch = record->BottomStretch;
    ClRect = record->ClRect;
    Picture = ActivePictureOf(*this->FSD, record->PictureIndex);
    ResizeMode = DetectResizeMode();
}

template <class TBase>
int TbsSkinCustomControlBase<TBase>::DetectResizeMode() const {
    if (RectIsEmpty(SkinRect)) return -1;
    if (RBPt.X != 0 && RBPt.Y != 0) return 1;
    if (RTPt.X != 0 || RTPt.Y != 0) return 2;
    if (LBPt.X != 0 || LBPt.Y != 0) return 3;
    return 0;
}

template <class TBase>
void TbsSkinCustomControlBase<TBase>::CalcSkinSize(int& AWidth, int& AHeight) {
    const int w = SkinRect.Width();
    const int h = SkinRect.Height();
    if (ResizeMode <= 0) {
        if (this->FIndex != -1 && ResizeMode == 0) {
            AWidth = w;
            AHeight = h;
            NewClRect = ClRect;
        }
        return;
    }
    const int dx = AWidth - w;
    const int dy = AHeight - h;
    NewLTPoint = LTPt;
    switch (ResizeMode) {
    case 1:
        NewRTPoint = TPoint(RTPt.X + dx, RTPt.Y);
        NewLBPoint = TPoint(LBPt.X, LBPt.Y + dy);
        NewRBPoint = TPoint(RBPt.X + dx, RBPt.Y + dy);
        NewClRect = TRect(ClRect.Left, ClRect.Top, ClRect.Right + dx, ClRect.Bottom + dy);
        break;
    case 2:
        AHeight = h;
        NewRTPoint = TPoint(RTPt.X + dx, RTPt.Y);
        NewClRect = TRect(ClRect.Left, ClRect.Top, ClRect.Right + dx, ClRect.Bottom);
        break;
    case 3:
        AWidth = w;
        NewLBPoint = TPoint(LBPt.X, LBPt.Y + dy);
        NewClRect = TRect(ClRect.Left, ClRect.Top, ClRect.Right, ClRect.Bottom + dy);
        break;
    default:
        break;
    }
}

template <class TBase>
void TbsSkinCustomControlBase<TBase>::ChangeSkinData() {
    GetSkinData();
    if (this->FIndex == -1) {
        if (FDefaultWidth > 0) this->SetWidth(FDefaultWidth);
        if (FDefaultHeight > 0) this->SetHeight(FDefaultHeight);
        ShowSkinShape();
        return;
    }
    int width = this->Width();
    int height = this->Height();
    CalcSkinSize(width, height);
    if (width == this->Width() && height == this->Height()) {
        ShowSkinShape();
        return;
    }
    // Each goes through SetBounds, which refits the face; the first may already fit both.
    if (width != this->Width()) this->SetWidth(width);
    if (height != this->Height()) this->SetHeight(height);
}

template <class TBase>
void TbsSkinCustomControlBase<TBase>::SetBounds(int left, int top, int width, int height) {
    GetSkinData();
    const bool changed = this->FIndex != -1 && (width != this->Width() || height != this->Height());
    if (changed) {
        CalcSkinSize(width, height);
        if (ResizeMode == 0) NewClRect = ClRect;
    }
    top = ToolBarAdjustedTop(*this, top, height);
    TBase::SetBounds(left, top, width, height);
    if (changed) ShowSkinShape();
}

template <class TBase>
void TbsSkinCustomControlBase<TBase>::CreateControlDefaultImage(TBitmap& B) {
    FillPlain(B);
}

template <class TBase>
void TbsSkinCustomControlBase<TBase>::CreateControlSkinImage(TBitmap& B) {
    RenderSkinRect(B, Picture, SkinRect);
}

template <class TBase>
void TbsSkinCustomControlBase<TBase>::RenderSkinRect(TBitmap& B, TBitmap* APicture,
                                                     const TRect& ARect) {
    if (!APicture) {
        FillPlain(B);
        return;
    }
    const int width = this->Width();
    const int height = this->Height();
    switch (ResizeMode) {
    case 0:
        B.SetSize(ARect.Width(), ARect.Height());
        B.Canvas().CopyRect(TRect(0, 0, ARect.Width(), ARect.Height()), APicture->Canvas(), ARect);
        break;
    case 1:
        if (!DrawsNineSliceFace()) break;
        BuildNineSliceImage(LTPt, RTPt, LBPt, RBPt, ClRect, NewLTPoint, NewRTPoint, NewLBPoint,
                            NewRBPoint, NewClRect, B, *APicture, ARect, width, height, true,
                            LeftStretch, TopStretch, RightStretch, BottomStretch, StretchEffect,
                            StretchType);
        break;
    case 2:
        BuildHorzThreeSliceImage(LTPt.X, SkinRect.Width() - RTPt.X, B, *APicture, ARect, width,
                                 height, StretchEffect);
        break;
    case 3:
        BuildVertThreeSliceImage(LTPt.Y, SkinRect.Height() - LBPt.Y, B, *APicture, ARect, width,
                                 height, StretchEffect);
        break;
    default:
        break;
    }
}

template class TbsSkinCustomControlBase<TbsSkinControl>;
template class TbsSkinCustomControlBase<TbsGraphicSkinControl>;
