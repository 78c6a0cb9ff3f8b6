#include "lib/controls/TbsSkinStatusBar.h"

#include "lib/controls/TbsSkinControl.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindata/bsSkinPanelRecords.h"
#include "lib/skindraw/bsRectUtils.h"
#include "platform/win/Messages.h"
#include "platform/win/Messaging.h"
#include "platform/win/WindowApi.h"

using namespace win;

TbsSkinStatusBar::TbsSkinStatusBar(TComponent* owner) : TbsSkinPanel(owner) {
    FSkinDataName = "statusbar";
    SetAlign(alBottom);
    FHeight = 21;
    FBorderStyle = bvNone;
    FForceBackground = false;
}

void TbsSkinStatusBar::SetSizeGrip(bool value) {
    FSizeGrip = value;
    Repaint();
    Realign();
}

void TbsSkinStatusBar::SetShowGrip(bool value) {
    FShowGrip = value;
    Repaint();
    Realign();
}

void TbsSkinStatusBar::SetSkinData(TbsSkinData* value) {
    TbsSkinPanel::SetSkinData(value);
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* child = dynamic_cast<TbsSkinControl*>(Controls(i))) child->SetSkinData(value);
}

void TbsSkinStatusBar::GetSkinData() {
    TbsSkinPanel::GetSkinData();
    const auto* record = dynamic_cast<const TbsDataSkinPanelControl*>(SkinRecord());
    if (!record) return;
    GripperRect = record->GripperRect;
    GripperTransparent = record->GripperTransparent;
    GripperTransparentColor = record->GripperTransparentColor;
}

void TbsSkinStatusBar::AdjustClientRect(TRect& rect) const {
    TbsSkinPanel::AdjustClientRect(rect);
    if (!GripShown()) return;
    if (FIndex == -1 || RectIsEmpty(GripperRect))
        rect.Right -= rect.Height();
    else
        rect.Right -= GripperRect.Width();
}

TRect TbsSkinStatusBar::GripRect() {
    const TRect R = GetSkinClientRect();
    if (FIndex != -1 && !RectIsEmpty(GripperRect))
        return TRect(R.Right, R.Bottom - GripperRect.Height(), R.Right + GripperRect.Width(),
                     R.Bottom);
    return TRect(R.Right + 2, R.Top, R.Right + R.Height(), R.Bottom - 2);
}

void TbsSkinStatusBar::WndProc(TMessage& message) {
    if (message.Msg == WM_NCHITTEST && !Designing() && GripShown()) {
        const TPoint p =
            ScreenToClient(TPoint(GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)));
        GetSkinData();
        const TRect G = GripRect();
        const bool inside = p.X >= G.Left && p.X < G.Right && p.Y >= G.Top && p.Y < G.Bottom;
        message.Result = inside ? HTBOTTOMRIGHT : HTCLIENT;
        return;
    }
    if (message.Msg == WM_NCLBUTTONDOWN && int(message.WParam) == HTBOTTOMRIGHT &&
        HandleAllocated()) {
        // The grip is the form's corner: the form is sized, not the bar.
        SendMessage(GetAncestor(Handle(), GA_ROOT), WM_SYSCOMMAND, SC_SIZE | WMSZ_BOTTOMRIGHT,
                    message.LParam);
        return;
    }
    TbsSkinPanel::WndProc(message);
}

void TbsSkinStatusBar::DrawGrip(TCanvas& canvas) {
    if (!GripShown()) return;
    const TRect G = GripRect();
    if (FIndex != -1 && !RectIsEmpty(GripperRect)) {
        if (!Picture) return;
        TBitmap grip(GripperRect.Width(), GripperRect.Height());
        grip.Canvas().CopyRect(TRect(0, 0, grip.Width(), grip.Height()), Picture->Canvas(),
                               GripperRect);
        if (GripperTransparent) {
            grip.SetTransparentMode(tmFixed);
            grip.SetTransparentColor(GripperTransparentColor);
            grip.SetTransparent(true);
        }
        canvas.Draw(G.Left, G.Top, &grip);
        return;
    }
    const TColor shadow = FIndex != -1 ? FSD->FSkinColors.FcBtnShadow : clBtnShadow;
    const TColor highlight = FIndex != -1 ? FSD->FSkinColors.FcBtnHighLight : clBtnHighlight;
    for (int k = 3; G.Right >= G.Left + k + 2; k += 3) {
        canvas.Pen().SetColor(shadow);
        canvas.MoveTo(G.Left + k, G.Bottom);
        canvas.LineTo(G.Right, G.Top + k);
        canvas.Pen().SetColor(highlight);
        canvas.MoveTo(G.Left + k + 1, G.Bottom);
        canvas.LineTo(G.Right, G.Top + k + 1);
    }
}

void TbsSkinStatusBar::CreateControlDefaultImage(TBitmap& B) {
    TbsSkinPanel::CreateControlDefaultImage(B);
    DrawGrip(B.Canvas());
}

void TbsSkinStatusBar::CreateControlSkinImage(TBitmap& B) {
    TbsSkinPanel::CreateControlSkinImage(B);
    if (!FCaptionOnly) DrawGrip(B.Canvas());
}

void TbsSkinStatusBar::Paint() {
    TbsSkinPanel::Paint();
    // The tiled and forced-background paints draw straight on the canvas.
    if (FIndex != -1 && (FForceBackground || BGPictureIndex != -1)) DrawGrip(Canvas());
}
