#include "lib/controls/bsSkinPictureParts.h"

#include "lib/skindata/TbsResourceStrData.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindraw/bsRectUtils.h"
#include "platform/gfx/TBitmap.h"

void DrawPicturePart(TCanvas& canvas, int x, int y, TBitmap* picture, const TRect& source) {
    if (!picture || RectIsEmpty(source)) return;
    TBitmap part(source.Width(), source.Height());
    part.Canvas().CopyRect(TRect(0, 0, source.Width(), source.Height()), picture->Canvas(), source);
    part.SetTransparent(true);
    canvas.Draw(x, y, &part);
}

void ChooseSkinFont(TFont& font, const TbsSkinData* skin, const TFont& defaultFont,
                    bool useSkinFont, const std::string& name, int height, TFontStyles style) {
    if (useSkinFont) {
        font.SetName(name);
        font.SetHeight(height);
        font.SetStyle(style);
        font.SetCharset(defaultFont.Charset());
    } else {
        font.Assign(defaultFont);
    }
    if (skin && skin->ResourceStrData()) font.SetCharset(skin->ResourceStrData()->CharSet());
}
