#include "app/StandIns/TStandInPanels.h"

#include "platform/gfx/TextDraw.h"
#include "platform/win/Win.h"

using namespace win;

TStandInPanel::TStandInPanel(TComponent* owner) : TPanel(owner) {
    SetBevelOuter(bvLowered);
}

void TStandInPanel::Paint() {
    TRect r = ClientRect();
    FCanvas.Brush().SetStyle(bsSolid);
    FCanvas.Brush().SetColor(FColor);
    FCanvas.FillRect(r);
    DrawBevelFrame(FCanvas, r, BevelOuter() == bvRaised, BevelWidth());
    if (Caption().empty()) return;
    FCanvas.SetFont(FFont);
    FCanvas.Brush().SetStyle(bsClear);
    RECT title = TRect(r.Left + 6, r.Top, r.Right - 6, r.Top + 20);
    DrawText(FCanvas.Handle(), Caption(), &title, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    FCanvas.Pen().SetColor(clBtnShadow);
    FCanvas.MoveTo(r.Left, r.Top + 20);
    FCanvas.LineTo(r.Right, r.Top + 20);
}

TStandInToolBar::TStandInToolBar(TComponent* owner) : TStandInPanel(owner) {
    SetBevelOuter(bvRaised);
}
