#include "ControlSheet.h"

#include "tests/lib/skin/DrawingPictures.h"

#include "platform/forms/TCustomControl.h"
#include "platform/gfx/TBitmap.h"
#include "platform/win/headless/HeadlessBackend.h"

#include <algorithm>

namespace {

// Where the cell's control stands on the form, and a point of the form away from it.
const TPoint kCellPlace(20, 40);
const TPoint kRest(390, 290);
const int kGap = 8;
const int kLabelWidth = 230;
const int kHeaderHeight = 20;

// A control that holds the focus before the cell's control takes it with the Tab key.
class TFocusAnchor : public TCustomControl {
public:
    explicit TFocusAnchor(TComponent* owner) : TCustomControl(owner) { SetTabStop(true); }
};

gfx::Surface Cut(const gfx::Surface& screen, const TRect& r) {
    gfx::Surface cell(r.Width(), r.Height());
    for (int y = 0; y < r.Height(); ++y)
        for (int x = 0; x < r.Width(); ++x)
            cell.Set(x, y, screen.At(r.Left + x, r.Top + y));
    return cell;
}

} // namespace

const char* SheetStateName(TSheetState state) {
    switch (state) {
    case ssNormal:
        return "normal";
    case ssHot:
        return "hot";
    case ssPressed:
        return "pressed";
    case ssDisabled:
        return "disabled";
    case ssFocused:
        return "focused";
    }
    return "";
}

void ControlSheetTest::SetUp() {
    ControlsTest::SetUp();
    FAnchor = Add<TFocusAnchor>(20, 10, 20, 16);
    Pump();
}

void ControlSheetTest::MovePointer(TControl* control, int x, int y) {
    const TPoint p =
        control->Parent()
            ? control->Parent()->ClientToScreen(TPoint(control->Left() + x, control->Top() + y))
            : control->ClientToScreen(TPoint(x, y));
    FDisplay->MoveMouse(p.X, p.Y);
    Pump();
}

gfx::Surface ControlSheetTest::DrawCell(const TSheetRow& row, TbsSkinData* skin,
                                        TSheetState state) {
    FAnchor->SetFocus();
    MovePointer(FForm, kRest.X, kRest.Y);
    TControl* control = row.Make(*FForm, skin, row.Record);
    control->SetParent(FForm);
    control->SetBounds(kCellPlace.X, kCellPlace.Y, row.Size.cx, row.Size.cy);
    Pump();
    const TPoint centre = row.HotSpot.value_or(TPoint(control->Width() / 2, control->Height() / 2));
    switch (state) {
    case ssNormal:
        break;
    case ssHot:
        MovePointer(control, centre.X, centre.Y);
        break;
    case ssPressed:
        MovePointer(control, centre.X, centre.Y);
        FDisplay->PressButton();
        Pump();
        break;
    case ssDisabled:
        control->SetEnabled(false);
        MovePointer(control, centre.X, centre.Y);
        break;
    case ssFocused:
        FDisplay->TypeKey(win::VK_TAB);
        Pump();
        break;
    }
    const TPoint origin = FForm->ClientToScreen(TPoint(control->Left(), control->Top()));
    gfx::Surface cell =
        Cut(FDisplay->ComposeScreen(),
            TRect(origin.X, origin.Y, origin.X + control->Width(), origin.Y + control->Height()));
    if (row.CheckCell) row.CheckCell(state, *control, cell, skin);
    if (state == ssPressed) {
        // Released away from the control, so that the press ends without a click.
        MovePointer(FForm, kRest.X, kRest.Y);
        FDisplay->ReleaseButton();
        Pump();
    }
    delete control;
    Pump();
    return cell;
}

std::vector<TSheetCell> ControlSheetTest::DrawRow(const TSheetRow& row, TbsSkinData* skin,
                                                  const std::string& skinName) {
    std::vector<TSheetCell> cells;
    for (TSheetState state : kSheetStates)
        cells.push_back({ skinName, state, DrawCell(row, skin, state) });
    return cells;
}

bool ControlSheetTest::WriteSheet(const std::string& fileName,
                                  const std::vector<std::string>& labels,
                                  const std::vector<std::vector<TSheetCell>>& rows) {
    int cellWidth = 70;
    for (const auto& row : rows)
        for (const TSheetCell& cell : row)
            cellWidth = std::max(cellWidth, cell.Pixels.Width());
    const std::size_t columns = rows.empty() ? 0 : rows[0].size();
    const int width = kLabelWidth + int(columns) * (cellWidth + kGap) + kGap;
    int height = kHeaderHeight + kGap;
    for (const auto& row : rows) {
        int rowHeight = 16;
        for (const TSheetCell& cell : row)
            rowHeight = std::max(rowHeight, cell.Pixels.Height());
        height += rowHeight + kGap;
    }

    TBitmap sheet(width, height);
    TCanvas& canvas = sheet.Canvas();
    canvas.Brush().SetColor(clWhite);
    canvas.FillRect(TRect(0, 0, width, height));
    canvas.Brush().SetStyle(bsClear);
    if (!rows.empty())
        for (std::size_t i = 0; i < columns; ++i)
            canvas.TextOut(kLabelWidth + int(i) * (cellWidth + kGap), 2,
                           rows[0][i].Skin + " " + SheetStateName(rows[0][i].State));
    int y = kHeaderHeight + kGap;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        canvas.TextOut(kGap, y, labels[r]);
        int rowHeight = 16;
        for (std::size_t i = 0; i < rows[r].size(); ++i) {
            const gfx::Surface& pixels = rows[r][i].Pixels;
            canvas.Draw(kLabelWidth + int(i) * (cellWidth + kGap), y,
                        BitmapOfSurface(pixels).get());
            rowHeight = std::max(rowHeight, pixels.Height());
        }
        y += rowHeight + kGap;
    }
    return win::HeadlessBackend::SavePng(sheet.ToSurface(), fileName);
}
