#include "lib/controls/TbsSkinTextLabel.h"

#include "platform/forms/ControlMessages.h"
#include "platform/gfx/TextFlags.h"
#include "platform/win/Painting.h"

#include <algorithm>

using namespace win;

TbsSkinTextLabel::TbsSkinTextLabel(TComponent* owner) : TbsSkinLabelBase(owner) {
    FControlStyle.Exclude(csOpaque);
    FControlStyle.Include(csReplicatable);
    FWidth = 65;
    FHeight = 65;
    FLines.OnChange = [this](TStrings*) {
        AdjustBounds();
        Invalidate();
    };
}

TbsSkinTextLabel::~TbsSkinTextLabel() {
    FLines.OnChange = nullptr;
}

void TbsSkinTextLabel::SetLines(const TStrings& value) {
    FLines.Assign(value);
    Repaint();
}

void TbsSkinTextLabel::SetAlignment(TAlignment value) {
    if (FAlignment == value) return;
    FAlignment = value;
    Invalidate();
}

void TbsSkinTextLabel::SetLayout(TTextLayout value) {
    if (FLayout == value) return;
    FLayout = value;
    Invalidate();
}

void TbsSkinTextLabel::SetWordWrap(bool value) {
    if (FWordWrap == value) return;
    FWordWrap = value;
    AdjustBounds();
    Invalidate();
}

void TbsSkinTextLabel::SetAutoSize(bool value) {
    if (FAutoSize == value) return;
    FAutoSize = value;
    AdjustBounds();
}

void TbsSkinTextLabel::ChangeSkinData() {
    GetSkinData();
    AdjustBounds();
    Repaint();
}

void TbsSkinTextLabel::Loaded() {
    TbsSkinLabelBase::Loaded();
    AdjustBounds();
}

void TbsSkinTextLabel::WndProc(TMessage& message) {
    TbsSkinLabelBase::WndProc(message);
    if (message.Msg == CM_FONTCHANGED) {
        AdjustBounds();
        Invalidate();
    }
}

unsigned TbsSkinTextLabel::TextFlags() const {
    unsigned flags = DT_EXPANDTABS;
    if (FWordWrap) flags |= DT_WORDBREAK;
    if (FAlignment == taRightJustify) flags |= DT_RIGHT;
    if (FAlignment == taCenter) flags |= DT_CENTER;
    return flags;
}

int TbsSkinTextLabel::TextHeight(TCanvas& canvas, TRect rect, unsigned flags) {
    std::string text = GetLabelText();
    // Measured without the last line break, whose empty line the text does not show.
    if (!text.empty() && text.back() == '\n') text.pop_back();
    if (text.empty()) return 0;
    DrawLabelText(canvas, text, rect, flags | DT_CALCRECT);
    return rect.Height();
}

void TbsSkinTextLabel::AdjustBounds() {
    if (ComponentState().Contains(csLoading) || !FAutoSize) return;
    GetSkinData();
    const HDC screen = GetDC(nullptr);
    if (!screen) return;
    TCanvas measure;
    measure.SetHandle(screen);
    ChooseFont(measure);
    TRect r(0, 0, FWordWrap ? Width() : 0, 0);
    std::string text = GetLabelText();
    if (!text.empty() && text.back() == '\n') text.pop_back();
    if (!text.empty()) DrawLabelText(measure, text, r, TextFlags() | DT_CALCRECT);
    measure.SetHandle(nullptr);
    ReleaseDC(nullptr, screen);
    const int width = FWordWrap ? Width() : r.Right;
    const int left = FAlignment == taRightJustify ? Left() + Width() - width : Left();
    SetBounds(left, Top(), width, std::max(0, r.Bottom));
}

void TbsSkinTextLabel::Paint() {
    GetSkinData();
    TCanvas& canvas = Canvas();
    canvas.Brush().SetStyle(bsClear);
    ChooseFont(canvas);
    const unsigned flags = TextFlags();
    TRect r = ClientRect();
    if (FLayout != tlTop) {
        const int height = TextHeight(canvas, r, flags);
        const int offset = FLayout == tlBottom ? Height() - height : (Height() - height) / 2;
        r.Top += offset;
        r.Bottom += offset;
    }
    std::string text = GetLabelText();
    DrawLabelText(canvas, text, r, flags);
}
