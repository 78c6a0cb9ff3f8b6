#include "lib/controls/TbsSkinBevel.h"

#include "lib/controls/IbsToolBarParent.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindata/bsSkinPanelRecords.h"

namespace {

// The top and left edges of r in one colour, the right and bottom ones in the other.
void BevelRect(TCanvas& canvas, const TRect& r, TColor color1, TColor color2) {
    canvas.Pen().SetColor(color1);
    const TPoint upper[] = { { r.Left, r.Bottom }, { r.Left, r.Top }, { r.Right, r.Top } };
    canvas.Polyline(upper);
    canvas.Pen().SetColor(color2);
    const TPoint lower[] = { { r.Right, r.Top }, { r.Right, r.Bottom }, { r.Left, r.Bottom } };
    canvas.Polyline(lower);
}

void BevelLine(TCanvas& canvas, TColor color, int x1, int y1, int x2, int y2) {
    canvas.Pen().SetColor(color);
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

} // namespace

TbsSkinBevel::TbsSkinBevel(TComponent* owner) : TBevel(owner) {}

TbsSkinBevel::~TbsSkinBevel() = default;

void TbsSkinBevel::SetSkinData(TbsSkinData* value) {
    // The bases watch their skin object's removal; so does the bevel, which would otherwise
    // read its colours from a freed object at the next skin change.
    if (FSD != value) {
        if (FSD) RemoveFreeNotification(FSD);
        FSD = value;
        if (FSD) FreeNotification(FSD);
    }
    ChangeSkinData();
}

void TbsSkinBevel::Notification(TComponent* component, TOperation operation) {
    TBevel::Notification(component, operation);
    if (operation == opRemove && component == FSD) {
        FSD = nullptr;
        ChangeSkinData();
    }
}

void TbsSkinBevel::SetDividerMode(bool value) {
    FDividerMode = value;
    Repaint();
}

void TbsSkinBevel::ChangeSkinData() {
    FIndex = !FSD || FSD->Empty ? -1 : FSD->GetControlIndex(FSkinDataName);
    if (FIndex == -1) {
        FLightColor = clBtnHighlight;
        FDarkColor = clBtnShadow;
    } else if (const auto* record = dynamic_cast<const TbsDataSkinBevel*>(
                   FSD->CtrlList[std::size_t(FIndex)].get())) {
        FLightColor = record->LightColor;
        FDarkColor = record->DarkColor;
    }
    Repaint();
}

void TbsSkinBevel::SetBounds(int left, int top, int width, int height) {
    TBevel::SetBounds(left, ToolBarAdjustedTop(*this, top, height), width, height);
}

void TbsSkinBevel::Paint() {
    TCanvas& canvas = Canvas();
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetStyle(psSolid);
    canvas.Brush().SetStyle(bsSolid);
    const TColor color1 = Style() == bsRaised ? FLightColor : FDarkColor;
    const TColor color2 = Style() == bsRaised ? FDarkColor : FLightColor;
    const int w = Width();
    const int h = Height();
    if (FDividerMode) {
        switch (Shape()) {
        case bsTopLine:
        case bsBottomLine:
            BevelRect(canvas, TRect(2, h / 2 - 1, w - 2, h / 2), color1, color2);
            break;
        case bsBox:
        case bsFrame:
        case bsLeftLine:
        case bsRightLine:
            BevelRect(canvas, TRect(w / 2 - 1, 2, w / 2, h - 2), color1, color2);
            break;
        case bsSpacer:
            break;
        }
        return;
    }
    switch (Shape()) {
    case bsBox:
        BevelRect(canvas, TRect(0, 0, w - 1, h - 1), color1, color2);
        break;
    case bsFrame:
        BevelRect(canvas, TRect(1, 1, w - 1, h - 1), color2, color2);
        BevelRect(canvas, TRect(0, 0, w - 2, h - 2), color1, color1);
        break;
    case bsTopLine:
        BevelLine(canvas, color1, 0, 0, w, 0);
        BevelLine(canvas, color2, 0, 1, w, 1);
        break;
    case bsBottomLine:
        BevelLine(canvas, color1, 0, h - 2, w, h - 2);
        BevelLine(canvas, color2, 0, h - 1, w, h - 1);
        break;
    case bsLeftLine:
        BevelLine(canvas, color1, 0, 0, 0, h);
        BevelLine(canvas, color2, 1, 0, 1, h);
        break;
    case bsRightLine:
        BevelLine(canvas, color1, w - 2, 0, w - 2, h);
        BevelLine(canvas, color2, w - 1, 0, w - 1, h);
        break;
    case bsSpacer:
        break;
    }
}
