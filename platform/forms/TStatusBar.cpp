#include "platform/forms/TStatusBar.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/TextDraw.h"
#include "platform/win/Win.h"
#include <algorithm>

using namespace win;

namespace {
constexpr int kGap = 2;
} // namespace

TStatusBar::TStatusBar(TComponent* owner) : TCustomControl(owner) {
    FControlStyle.Include(csOpaque);
    FColor = clBtnFace;
    FHeight = 19;
    FWidth = 200;
    SetAlign(alBottom);
    FPanels.OnUpdate = [this](TCollectionItem*) { Invalidate(); };
}

TStatusBar::~TStatusBar() {
    FPanels.OnUpdate = nullptr;
}

void TStatusBar::SetSimplePanel(bool value) {
    FSimplePanel = value;
    Invalidate();
}

void TStatusBar::SetSimpleText(const std::string& value) {
    FSimpleText = value;
    Invalidate();
}

void TStatusBar::SetSizeGrip(bool value) {
    FSizeGrip = value;
    Invalidate();
}

TRect TStatusBar::PanelRect(int index) {
    const TRect client = ClientRect();
    int left = 0;
    for (int i = 0; i < index; ++i)
        left += FPanels.Items(i)->Width();
    const bool last = index == FPanels.Count() - 1;
    const int right = last ? client.Right : left + FPanels.Items(index)->Width();
    return TRect(left, client.Top + kGap, right - kGap, client.Bottom);
}

void TStatusBar::DrawField(const TRect& rect, const std::string& text, TAlignment alignment,
                           TStatusPanelBevel bevel) {
    RECT edge = rect;
    if (bevel != pbNone)
        DrawEdge(FCanvas.Handle(), &edge, bevel == pbLowered ? BDR_SUNKENOUTER : BDR_RAISEDINNER,
                 BF_RECT | BF_ADJUST);
    RECT textRect{ edge.left + 2, edge.top, edge.right - 2, edge.bottom };
    const UINT align = alignment == taCenter         ? DT_CENTER
                       : alignment == taRightJustify ? DT_RIGHT
                                                     : DT_LEFT;
    FCanvas.Brush().SetStyle(bsClear);
    DrawText(FCanvas.Handle(), text, &textRect,
             align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void TStatusBar::Paint() {
    const TRect client = ClientRect();
    FCanvas.Brush().SetStyle(bsSolid);
    FCanvas.Brush().SetColor(FColor);
    FCanvas.FillRect(client);
    FCanvas.SetFont(FFont);
    if (FSimplePanel || FPanels.Count() == 0) {
        DrawField(TRect(0, client.Top + kGap, client.Right, client.Bottom),
                  FSimplePanel ? FSimpleText : Text(), taLeftJustify, pbLowered);
    } else {
        for (int i = 0; i < FPanels.Count(); ++i) {
            TStatusPanel* panel = FPanels.Items(i);
            const TRect r = PanelRect(i);
            if (panel->Style() == psOwnerDraw && OnDrawPanel) {
                RECT edge = r;
                if (panel->Bevel() != pbNone)
                    DrawEdge(FCanvas.Handle(), &edge,
                             panel->Bevel() == pbLowered ? BDR_SUNKENOUTER : BDR_RAISEDINNER,
                             BF_RECT | BF_ADJUST);
                OnDrawPanel(this, panel, TRect(edge));
                continue;
            }
            DrawField(r, panel->Text(), panel->Alignment(), panel->Bevel());
        }
    }
    if (FSizeGrip) {
        // The classic grip: three pairs of diagonal lines, highlight over shadow.
        for (int i = 0; i < 3; ++i) {
            const int d = 4 * i + 1;
            for (int k = 0; k < 2; ++k) {
                FCanvas.Pen().SetColor(k == 0 ? clBtnShadow : clBtnHighlight);
                FCanvas.MoveTo(client.Right - d - k, client.Bottom - 1);
                FCanvas.LineTo(client.Right, client.Bottom - d - k - 1);
            }
        }
    }
}
