#include "platform/forms/TProgressBar.h"
#include "platform/gfx/DeviceContext.h"
#include <algorithm>

using namespace win;

namespace {
constexpr int kEdge = 1;
} // namespace

TProgressBar::TProgressBar(TComponent* owner) : TCustomControl(owner) {
    FControlStyle.Include(csOpaque);
    FControlStyle.Exclude(csSetCaption);
    FWidth = 150;
    FHeight = 16;
}

TProgressBar::~TProgressBar() = default;

void TProgressBar::RangeChanged(const TRangeChange& change) {
    if (change.Changed) Invalidate();
}

void TProgressBar::StepIt() {
    int next = Position() + FStep;
    if (next > Max()) next = Min() + (next - Max() - 1) % std::max(1, Max() - Min() + 1);
    if (next < Min()) next = Min();
    SetPosition(next);
}

void TProgressBar::StepBy(int delta) {
    SetPosition(Position() + delta);
}

void TProgressBar::SetOrientation(TProgressBarOrientation value) {
    if (FOrientation == value) return;
    FOrientation = value;
    Invalidate();
}

void TProgressBar::SetSmooth(bool value) {
    if (FSmooth == value) return;
    FSmooth = value;
    Invalidate();
}

TRect TProgressBar::BarRect() const {
    const TRect inner(kEdge + 1, kEdge + 1, FWidth - kEdge - 1, FHeight - kEdge - 1);
    const long long range = std::max(1, Max() - Min());
    const long long done = Position() - Min();
    if (FOrientation == pbHorizontal)
        return TRect(inner.Left, inner.Top, inner.Left + int(inner.Width() * done / range),
                     inner.Bottom);
    return TRect(inner.Left, inner.Bottom - int(inner.Height() * done / range), inner.Right,
                 inner.Bottom);
}

void TProgressBar::Paint() {
    RECT edge = ClientRect();
    DrawEdge(FCanvas.Handle(), &edge, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    FCanvas.Brush().SetStyle(bsSolid);
    FCanvas.Brush().SetColor(clBtnFace);
    FCanvas.FillRect(TRect(edge));
    const TRect bar = BarRect();
    FCanvas.Brush().SetColor(clHighlight);
    if (FSmooth) {
        FCanvas.FillRect(bar);
        return;
    }
    // Classic blocks: two thirds of the bar's thickness long, a pixel and a half apart.
    const bool horizontal = FOrientation == pbHorizontal;
    const int thickness = horizontal ? bar.Height() : bar.Width();
    const int block = std::max(2, thickness * 2 / 3);
    const int gap = 2;
    if (horizontal) {
        for (int x = bar.Left; x < bar.Right; x += block + gap)
            FCanvas.FillRect(TRect(x, bar.Top, std::min(x + block, bar.Right), bar.Bottom));
    } else {
        for (int y = bar.Bottom; y > bar.Top; y -= block + gap)
            FCanvas.FillRect(TRect(bar.Left, std::max(y - block, bar.Top), bar.Right, y));
    }
}
