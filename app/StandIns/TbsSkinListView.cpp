#include "app/StandIns/TbsSkinListView.h"

#include "platform/gfx/TextDraw.h"
#include "platform/win/Win.h"

#include <algorithm>

using namespace win;

namespace {

constexpr int kHeaderHeight = 20;
constexpr int kThumbWidth = 10;

} // namespace

TbsSkinListView::TbsSkinListView(TComponent* owner)
    : TCustomControl(owner),
      FColumns(this, [](TCollection* c) { return new TbsSkinListColumn(c); }) {
    SetTabStop(true);
    SetColor(clWindow);
}

TbsSkinListColumn* TbsSkinListView::Column(int index) const {
    return static_cast<TbsSkinListColumn*>(FColumns.Items(index));
}

void TbsSkinListView::Paint() {
    const TRect client = ClientRect();
    Canvas().Brush().SetStyle(bsSolid);
    Canvas().Brush().SetColor(clWindow);
    Canvas().FillRect(client);
    Canvas().SetFont(Font());
    int x = 0;
    for (int i = 0; i < FColumns.Count() && x < client.Right; ++i) {
        const TbsSkinListColumn* column = Column(i);
        const int width = column->MaxWidth() > 0 ? std::min(column->Width(), column->MaxWidth())
                                                 : column->Width();
        if (width <= 1) continue;
        const TRect cell(x, 0, x + width, kHeaderHeight);
        Canvas().Brush().SetStyle(bsSolid);
        Canvas().Brush().SetColor(clBtnFace);
        Canvas().FillRect(cell);
        Canvas().Brush().SetColor(clBtnShadow);
        Canvas().FrameRect(cell);
        Canvas().Brush().SetStyle(bsClear);
        RECT text = TRect(cell.Left + 4, cell.Top, cell.Right - 2, cell.Bottom);
        DrawText(Canvas().Handle(), column->Caption(), &text,
                 DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
        x += width;
    }
    Canvas().Brush().SetStyle(bsSolid);
    Canvas().Brush().SetColor(clBtnShadow);
    Canvas().FrameRect(client);
}

TbsSkinSlider::TbsSkinSlider(TComponent* owner) : TCustomControl(owner) {
    SetBounds(0, 0, 150, 16);
}

void TbsSkinSlider::SetMinValue(int value) {
    FMinValue = value;
    SetValue(FValue);
    Invalidate();
}

void TbsSkinSlider::SetMaxValue(int value) {
    FMaxValue = value;
    SetValue(FValue);
    Invalidate();
}

void TbsSkinSlider::SetValue(int value) {
    value = std::clamp(value, FMinValue, std::max(FMinValue, FMaxValue));
    if (value == FValue) return;
    FValue = value;
    Invalidate();
    if (OnChange) OnChange(this);
}

int TbsSkinSlider::ValueAt(int x) const {
    const int track = std::max(1, Width() - kThumbWidth);
    const int pos = std::clamp(x - kThumbWidth / 2, 0, track);
    return FMinValue + int(std::int64_t(pos) * (FMaxValue - FMinValue) / track);
}

void TbsSkinSlider::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseDown(button, shift, x, y);
    if (button == mbLeft) SetValue(ValueAt(x));
}

void TbsSkinSlider::MouseMove(TShiftState shift, int x, int y) {
    TCustomControl::MouseMove(shift, x, y);
    if (shift.Contains(ssLeft)) SetValue(ValueAt(x));
}

void TbsSkinSlider::Paint() {
    const TRect client = ClientRect();
    Canvas().Brush().SetStyle(bsSolid);
    Canvas().Brush().SetColor(Color());
    Canvas().FillRect(client);
    const int mid = client.Bottom / 2;
    Canvas().Brush().SetColor(clBtnShadow);
    Canvas().FillRect(TRect(kThumbWidth / 2, mid - 2, client.Right - kThumbWidth / 2, mid + 2));
    const int span = std::max(1, FMaxValue - FMinValue);
    const int left = int(std::int64_t(FValue - FMinValue) * (client.Right - kThumbWidth) / span);
    Canvas().Brush().SetColor(clBtnFace);
    Canvas().FillRect(TRect(left, 1, left + kThumbWidth, client.Bottom - 1));
    Canvas().Brush().SetColor(clBtnText);
    Canvas().FrameRect(TRect(left, 1, left + kThumbWidth, client.Bottom - 1));
}
