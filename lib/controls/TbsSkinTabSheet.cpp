#include "lib/controls/TbsSkinTabSheet.h"

#include "lib/controls/TbsSkinPageControl.h"
#include "lib/controls/bsActivePicture.h"
#include "lib/controls/bsTileFill.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindata/bsSkinMessages.h"
#include "lib/skindata/bsSkinTabViewRecords.h"
#include "platform/win/Win.h"

TbsSkinTabSheet::TbsSkinTabSheet(TComponent* owner) : TTabSheet(owner) {}

TbsSkinTabSheet::~TbsSkinTabSheet() {
    SetPageControl(nullptr);
}

namespace {

bool HasArea(const TBitmap* picture) {
    return picture && picture->Width() > 0 && picture->Height() > 0;
}

} // namespace

void TbsSkinTabSheet::PaintBG(win::HDC dc) {
    const int width = Width();
    const int height = Height();
    if (width < 1 || height < 1 || !Parent()) return;
    auto* pages = dynamic_cast<TbsSkinPageControl*>(Parent());
    if (pages) pages->GetSkinData();
    TCanvas canvas;
    canvas.SetHandle(dc);
    const TRect area(0, 0, width, height);
    if (!FWallPaper.Empty()) {
        FillWithTile(canvas, FWallPaper, area, false, bsstFull);
        return;
    }
    const TbsDataSkinTabControl* record = pages ? pages->TabRecord() : nullptr;
    const TbsSkinData* skin = pages ? pages->SkinData() : nullptr;
    // A number past the skin's pictures, or an empty picture, counts as no background picture.
    TBitmap* background = record && record->BGPictureIndex != -1
                              ? ActivePictureOf(*skin, record->BGPictureIndex)
                              : nullptr;
    if (HasArea(background)) {
        FillWithPart(canvas, *background, TRect(0, 0, background->Width(), background->Height()),
                     area, record->StretchEffect, record->StretchType);
        return;
    }
    TBitmap* frame = record ? ActivePictureOf(*skin, record->PictureIndex) : nullptr;
    const TRect part = record ? TRect(record->SkinRect.Left + record->ClRect.Left,
                                      record->SkinRect.Top + record->ClRect.Top,
                                      record->SkinRect.Left + record->ClRect.Right,
                                      record->SkinRect.Top + record->ClRect.Bottom)
                              : TRect();
    if (!HasArea(frame) || part.IsEmpty()) {
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(clBtnFace);
        canvas.FillRect(area);
        return;
    }
    // A stretched picture spans the whole page control; the sheet shows its own corner of it.
    const bool stretch = record->StretchEffect && pages->Width() > 0 && pages->Height() > 0;
    FillWithPart(canvas, *frame, part,
                 stretch ? TRect(0, 0, pages->Width(), pages->Height()) : area, stretch,
                 record->StretchType);
}

void TbsSkinTabSheet::NotifyChildrenBackground() {
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* windowed = dynamic_cast<TWinControl*>(Controls(i)))
            win::SendMessage(windowed->Handle(), win::WM_PARENTBGCHANGED, 0, 0);
}

void TbsSkinTabSheet::WndProc(TMessage& message) {
    switch (message.Msg) {
    case win::WM_ERASEBKGND:
        PaintBG(win::HDC(message.WParam));
        message.Result = 1;
        return;
    case win::WM_SKINFRAMEPAINT:
        message.Result = win::SKIN_FRAME_PAINTED;
        return;
    default:
        break;
    }
    TTabSheet::WndProc(message);
    if (message.Msg != win::WM_SIZE) return;
    Repaint();
    auto* pages = dynamic_cast<TbsSkinPageControl*>(Parent());
    const TbsDataSkinTabControl* record = pages ? pages->TabRecord() : nullptr;
    // Only a stretched background moves under the children when the sheet changes size.
    if (record && record->StretchEffect && pages->SkinData() && !pages->SkinData()->Empty)
        NotifyChildrenBackground();
}
