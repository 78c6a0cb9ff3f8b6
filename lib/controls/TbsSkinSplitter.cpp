#include "lib/controls/TbsSkinSplitter.h"

#include "lib/controls/bsActivePicture.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindata/bsSkinPanelRecords.h"
#include "lib/skindraw/bsImageBuilders.h"
#include "lib/skindraw/bsRectUtils.h"
#include "platform/gfx/TBitmap.h"

TbsSkinSplitter::TbsSkinSplitter(TComponent* owner) : TSplitter(owner) {
    FControlStyle.Include(csOpaque);
}

TbsSkinSplitter::~TbsSkinSplitter() = default;

void TbsSkinSplitter::SetSkinData(TbsSkinData* value) {
    if (FSD != value) {
        if (FSD) RemoveFreeNotification(FSD);
        FSD = value;
        if (FSD) FreeNotification(FSD);
    }
    ChangeSkinData();
}

void TbsSkinSplitter::Notification(TComponent* component, TOperation operation) {
    TSplitter::Notification(component, operation);
    if (operation == opRemove && component == FSD) {
        FSD = nullptr;
        FIndex = -1;
        FSkinPicture = nullptr;
    }
}

void TbsSkinSplitter::SetTransparent(bool value) {
    if (FTransparent == value) return;
    FTransparent = value;
    if (value)
        FControlStyle.Exclude(csOpaque);
    else
        FControlStyle.Include(csOpaque);
    Repaint();
}

void TbsSkinSplitter::GetSkinData() {
    FIndex = !FSD || FSD->Empty ? -1 : FSD->GetControlIndex(FSkinDataName);
    FSkinPicture = nullptr;
    if (FIndex == -1) return;
    const auto* record =
        dynamic_cast<const TbsDataSkinSplitterControl*>(FSD->CtrlList[std::size_t(FIndex)].get());
    if (!record) return;
    LTPt = record->LTPoint;
    RTPt = record->RTPoint;
    LBPt = record->LBPoint;
    SkinRect = record->SkinRect;
    StretchEffect = record->StretchEffect;
    GripperRect = record->GripperRect;
    GripperTransparent = record->GripperTransparent;
    GripperTransparentColor = record->GripperTransparentColor;
    FSkinPicture = ActivePictureOf(*FSD, record->PictureIndex);
}

void TbsSkinSplitter::ChangeSkinData() {
    GetSkinData();
    const bool plain = FIndex == -1 || FTransparent;
    if (Align() == alTop || Align() == alBottom)
        SetHeight(plain ? FDefaultSize : SkinRect.Height());
    else
        SetWidth(plain ? FDefaultSize : SkinRect.Width());
    Repaint();
}

void TbsSkinSplitter::Paint() {
    if (FTransparent || Width() < 1 || Height() < 1) return;
    GetSkinData();
    if (FIndex == -1 || !FSkinPicture || Align() == alNone || Align() == alClient) {
        TSplitter::Paint();
        return;
    }
    TBitmap strip;
    if (Align() == alTop || Align() == alBottom)
        BuildHorzThreeSliceImage(LTPt.X, SkinRect.Width() - RTPt.X, strip, *FSkinPicture, SkinRect,
                                 Width(), SkinRect.Height(), StretchEffect);
    else
        BuildVertThreeSliceImage(LTPt.Y, SkinRect.Height() - LBPt.Y, strip, *FSkinPicture, SkinRect,
                                 SkinRect.Width(), Height(), StretchEffect);
    if (!RectIsEmpty(GripperRect)) {
        TBitmap gripper(GripperRect.Width(), GripperRect.Height());
        gripper.Canvas().CopyRect(TRect(0, 0, gripper.Width(), gripper.Height()),
                                  FSkinPicture->Canvas(), GripperRect);
        if (GripperTransparent) {
            gripper.SetTransparentMode(tmFixed);
            gripper.SetTransparentColor(GripperTransparentColor);
            gripper.SetTransparent(true);
        }
        strip.Canvas().Draw(strip.Width() / 2 - gripper.Width() / 2,
                            strip.Height() / 2 - gripper.Height() / 2, &gripper);
    }
    Canvas().Draw(0, 0, &strip);
}
