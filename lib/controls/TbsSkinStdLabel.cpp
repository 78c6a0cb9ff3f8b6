#include "lib/controls/TbsSkinStdLabel.h"

#include "platform/gfx/TextFlags.h"

using namespace win;

TbsSkinStdLabel::TbsSkinStdLabel(TComponent* owner) : TbsSkinLabelBase(owner) {
    SetTransparent(true);
}

void TbsSkinStdLabel::SetEllipsType(TbsEllipsType value) {
    if (FEllipsType == value) return;
    FEllipsType = value;
    Invalidate();
}

void TbsSkinStdLabel::ChangeSkinData() {
    GetSkinData();
    AdjustBounds();
    Repaint();
}

void TbsSkinStdLabel::DoDrawText(TCanvas& canvas, TRect& rect, unsigned flags) {
    DrawSkinText(canvas, Caption(), rect, flags);
}

void TbsSkinStdLabel::DrawSkinText(TCanvas& canvas, const std::string& caption, TRect& rect,
                                   unsigned flags) {
    GetSkinData();
    const std::string text = LabelTextToDraw(caption, flags, ShowAccelChar());
    if (FEllipsType == bsetEndEllips) flags |= DT_END_ELLIPSIS;
    if (FEllipsType == bsetPathEllips) flags |= DT_PATH_ELLIPSIS;
    ChooseFont(canvas);
    DrawLabelText(canvas, text, rect, flags);
}

void TbsSkinStdLabel::PaintSkinTo(TCanvas& canvas, int x, int y, const std::string& text) {
    const TRect client(x, y, x + Width(), y + Height());
    if (!Transparent()) {
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(Color());
        canvas.FillRect(client);
    }
    unsigned flags = DT_EXPANDTABS;
    if (WordWrap()) flags |= DT_WORDBREAK;
    if (Alignment() == taRightJustify) flags |= DT_RIGHT;
    if (Alignment() == taCenter) flags |= DT_CENTER;
    TRect r = client;
    if (Layout() != tlTop) {
        TRect measured = client;
        DrawSkinText(canvas, text, measured, flags | DT_CALCRECT);
        const int offset = Layout() == tlBottom ? client.Bottom - measured.Bottom
                                                : (client.Bottom - measured.Bottom) / 2;
        r.Top += offset;
        r.Bottom += offset;
    }
    DrawSkinText(canvas, text, r, flags);
}
