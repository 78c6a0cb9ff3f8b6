#include "lib/menus/TbsSkinMenuItem.h"

#include "lib/menus/TbsSkinMenu.h"
#include "lib/menus/TbsSkinPopupWindow.h"
#include "lib/menus/bsMenuGlyphs.h"
#include "lib/skindata/TbsResourceStrData.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindata/bsSkinPanelRecords.h"
#include "lib/skindraw/TbsEffectBmp.h"
#include "lib/skindraw/bsCaptionGlyphs.h"
#include "lib/skindraw/bsImageBuilders.h"
#include "lib/skindraw/bsRectUtils.h"
#include "lib/skindraw/bsTextDrawing.h"
#include "platform/forms/ShortCutText.h"
#include "platform/forms/TImageList.h"
#include "platform/forms/TMenuItem.h"
#include "platform/gfx/TBitmap.h"
#include "platform/gfx/TextFlags.h"

using namespace win;

#include <algorithm>

namespace {

// The caption without the dashes that mark a header.
std::string HeaderText(const std::string& caption) {
    return caption.size() >= 2 ? caption.substr(1, caption.size() - 2) : std::string();
}

TRect Moved(TRect r, int dy) {
    r.Top += dy;
    r.Bottom += dy;
    return r;
}

void FillRectIn(TCanvas& canvas, const TRect& r, TColor color) {
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(color);
    canvas.FillRect(r);
}

} // namespace

void TbsSkinMenuItem::PrepareFont(TCanvas& canvas, bool skinFont) const {
    TbsSkinMenu& menu = *Parent->ParentMenu();
    if (skinFont && MI) {
        canvas.Font().SetName(MI->FontName);
        canvas.Font().SetStyle(MI->FontStyle);
        canvas.Font().SetHeight(MI->FontHeight);
    } else {
        canvas.Font().Assign(menu.DefaultMenuItemFont());
    }
    const TbsSkinData* sd = menu.SkinData();
    canvas.Font().SetCharset(sd && sd->ResourceStrData() ? sd->ResourceStrData()->CharSet()
                                                         : menu.DefaultMenuItemFont().Charset());
    canvas.Brush().SetStyle(bsClear);
}

void TbsSkinMenuItem::DrawCaptionAndShortCut(TCanvas& canvas, const TRect& textRect, int glyphWidth,
                                             int margin) {
    const std::string& caption = MenuItem->Caption();
    TRect cr(textRect.Left + glyphWidth, 0, textRect.Right - margin, 0);
    DrawTextWide(canvas, caption, cr, DT_CALCRECT);
    cr = Moved(cr, textRect.Height() / 2 + textRect.Top - cr.Height() / 2);
    cr.Right += 2;
    DrawTextWide(canvas, caption, cr, DT_CENTER | DT_VCENTER);
    if (MenuItem->ShortCut() == scNone) return;
    const std::string text = ShortCutToText(MenuItem->ShortCut());
    TRect sr;
    DrawTextWide(canvas, text, sr, DT_CALCRECT);
    TRect place(textRect.Right - sr.Width() - margin, cr.Top, textRect.Right - margin, cr.Bottom);
    DrawTextWide(canvas, text, place, DT_CENTER | DT_VCENTER);
}

bool TbsSkinMenuItem::HasImage(int& width, int& height) const {
    if (MenuItem->HasBitmap()) {
        width = MenuItem->Bitmap().Width();
        height = MenuItem->Bitmap().Height();
        return true;
    }
    const TCustomImageList* images = Parent->ImgL();
    if (images && MenuItem->ImageIndex() >= 0 && MenuItem->ImageIndex() < images->Count()) {
        width = images->Width();
        height = images->Height();
        return true;
    }
    return false;
}

void TbsSkinMenuItem::DrawImage(TCanvas& canvas, int left, int centreY, TColor frameColor) {
    int width = 0, height = 0;
    if (!HasImage(width, height)) return;
    const int top = centreY - height / 2;
    if (MenuItem->Checked()) {
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(frameColor);
        canvas.FrameRect(TRect(left - 1, top - 1, left + width + 1, top + height + 1));
        canvas.Brush().SetStyle(bsClear);
    }
    if (MenuItem->HasBitmap())
        canvas.Draw(left, top, &MenuItem->Bitmap());
    else
        Parent->ImgL()->Draw(canvas, left, top, MenuItem->ImageIndex(), MenuItem->Enabled());
}

bool TbsSkinMenuItem::DrawCommandGlyph(TCanvas& canvas, int x, int y, TColor color) const {
    using Glyph = void (*)(TCanvas&, int, int, TColor);
    struct Named {
        const char* Name;
        Glyph Draw;
    };
    static const Named kGlyphs[] = {
        { "BSF_CLOSE", DrawCloseGlyph },      { "TRAY_BSF_CLOSE", DrawCloseGlyph },
        { "BSF_MINITEM", DrawMinimizeGlyph }, { "BSF_MAXITEM", DrawMaximizeGlyph },
        { "BSF_RESTORE", DrawRestoreGlyph },  { "TRAY_BSF_RESTORE", DrawRestoreGlyph },
        { "BSF_ROLLUP", DrawRollUpGlyph },    { "BSF_MINTOTRAY", DrawMinimizeToTrayGlyph },
    };
    for (const Named& g : kGlyphs)
        if (MenuItem->Name() == g.Name) {
            g.Draw(canvas, x, y, color);
            return true;
        }
    return false;
}

void TbsSkinMenuItem::DrawPictureGlyph(TCanvas& canvas, const TRect& source, const TRect& cell) {
    if (!ActivePicture || RectIsEmpty(source)) return;
    TBitmap glyph;
    glyph.SetSize(source.Width(), source.Height());
    glyph.Canvas().CopyRect(TRect(0, 0, source.Width(), source.Height()), ActivePicture->Canvas(),
                            source);
    glyph.SetTransparent(true); // the bottom-left pixel's colour
    const int left = std::max(cell.Left, cell.Left + cell.Width() / 2 - glyph.Width() / 2);
    const int top = std::max(cell.Top, cell.Top + cell.Height() / 2 - glyph.Height() / 2);
    canvas.Draw(left, top, &glyph);
}

void TbsSkinMenuItem::Draw(TCanvas& cnvs) {
    if (!FVisible) return;
    if (!MI) {
        DefaultDraw(cnvs);
        return;
    }
    TBitmap face;
    if (IsSeparator()) {
        if (!ActivePicture) return;
        BuildHorzThreeSliceImage(MI->DividerLO, MI->DividerRO, face, *ActivePicture,
                                 MI->DividerRect, ObjectRect.Width(), 0, MI->DividerStretchEffect);
    } else {
        const bool a = Active || Down;
        if (EnableAnimation() && CurrentFrame >= 1 && CurrentFrame <= MI->FrameCount) {
            CreateItemSkinImage(face, a, true);
        } else if (EnableMorphing() && !((a && FMorphKf == 1) || (!a && FMorphKf == 0))) {
            TBitmap activeFace;
            CreateItemSkinImage(face, false, false);
            CreateItemSkinImage(activeFace, true, false);
            auto from = TbsEffectBmp::CreateFromhWnd(face.Handle());
            auto to = TbsEffectBmp::CreateFromhWnd(activeFace.Handle());
            if (from && to) {
                switch (MI->MorphKind) {
                case mkGradient:
                    from->MorphGrad(*to, FMorphKf);
                    break;
                case mkLeftGradient:
                    from->MorphLeftGrad(*to, FMorphKf);
                    break;
                case mkRightGradient:
                    from->MorphRightGrad(*to, FMorphKf);
                    break;
                case mkLeftSlide:
                    from->MorphLeftSlide(*to, FMorphKf);
                    break;
                case mkRightSlide:
                    from->MorphRightSlide(*to, FMorphKf);
                    break;
                case mkPush:
                    from->MorphPush(*to, FMorphKf);
                    break;
                default:
                    from->Morph(*to, FMorphKf);
                    break;
                }
                from->Draw(face.Canvas().Handle(), 0, 0);
            }
        } else {
            CreateItemSkinImage(face, a, false);
        }
    }
    if (!face.Empty()) cnvs.Draw(ObjectRect.Left, ObjectRect.Top, &face);
}

TRect TbsSkinMenuItem::GetAnimationFrameRect() const {
    const TRect& all = MI->AnimateSkinRect;
    const int n = std::max(1, MI->FrameCount);
    const int frame = std::clamp(CurrentFrame, 1, n);
    if (all.Height() > FSkinRect.Height()) {
        const int fh = all.Height() / n;
        return TRect(all.Left, all.Top + fh * (frame - 1), all.Right, all.Top + fh * frame);
    }
    const int fw = all.Width() / n;
    return TRect(all.Left + fw * (frame - 1), all.Top, all.Left + fw * frame, all.Bottom);
}

void TbsSkinMenuItem::CreateItemSkinImage(TBitmap& bitmap, bool active, bool animFrame) {
    TbsSkinMenu& menu = *Parent->ParentMenu();
    // 1. The face and whether it stretches.
    TRect source = active ? FActiveSkinRect : FSkinRect;
    bool stretch =
        active ? MI->StretchEffect : MI->InActiveStretchEffect || (MI->StretchEffect && animFrame);
    if (animFrame) source = GetAnimationFrameRect();

    // 2. The background: the level's own under a transparent inactive row.
    const int width = ObjectRect.Width();
    TBitmap* buffer = Parent->PaintBuffer();
    if (!active && MI->InActiveTransparent && buffer) {
        bitmap.SetSize(width, source.Height());
        bitmap.Canvas().CopyRect(TRect(0, 0, width, source.Height()), buffer->Canvas(),
                                 TRect(ObjectRect.Left, ObjectRect.Top, ObjectRect.Right,
                                       ObjectRect.Top + source.Height()));
    } else if (ActivePicture) {
        BuildHorzThreeSliceImage(MI->ItemLO, MI->ItemRO, bitmap, *ActivePicture, source, width, 0,
                                 stretch);
    } else {
        bitmap.SetSize(width, source.Height());
    }
    if (bitmap.Empty()) return;

    // 3. The glyph column and the text rectangle, whose right margin stays that of the face.
    const int glyphWidth = !RectIsEmpty(MI->ImageRct) ? 0
                           : Parent->ImgL()           ? Parent->GlyphWidth()
                                                      : 16;
    TRect tr = MI->TextRct;
    tr.Right = bitmap.Width() + MI->TextRct.Right - FSkinRect.Width();

    // 4. The font.
    TCanvas& canvas = bitmap.Canvas();
    PrepareFont(canvas, menu.UseSkinFont());
    TColor color = active                ? MI->ActiveFontColor
                   : MenuItem->Enabled() ? MI->FontColor
                                         : MI->UnEnabledFontColor;
    canvas.Font().SetColor(color);

    // 5. A row its item draws itself.
    if (MenuItem->OnDrawItem) {
        MenuItem->OnDrawItem(this, canvas, tr, active);
        return;
    }
    // 6. A header.
    if (IsHeader()) {
        DrawMenuHeader(bitmap);
        return;
    }
    // 7, 8. Caption and shortcut.
    DrawCaptionAndShortCut(canvas, tr, glyphWidth, 16);

    // 9. The submenu arrow.
    if (HasSubmenu()) {
        if (RectIsEmpty(MI->ArrowImageRect)) {
            DrawMenuArrowImage(canvas, tr.Right - 7, tr.Top + tr.Height() / 2 - 4, color);
        } else {
            DrawPictureGlyph(
                canvas, active ? MI->ActiveArrowImageRect : MI->ArrowImageRect,
                TRect(tr.Right - MI->ArrowImageRect.Width() - 5, tr.Top, tr.Right, tr.Bottom));
        }
    }

    // 10. The glyphs' colour.
    if (MI->UseImageColor) color = active ? MI->ActiveImageColor : MI->ImageColor;

    // 11. The image, or 12. the glyph of a window command, a radio or a check mark.
    const bool noImageRect = RectIsEmpty(MI->ImageRct);
    const TRect& ir = MI->ImageRct;
    int imageWidth = 0, imageHeight = 0;
    if (HasImage(imageWidth, imageHeight)) {
        if (noImageRect)
            DrawImage(canvas, tr.Left + 2, tr.Top + tr.Height() / 2, color);
        else
            DrawImage(canvas, ir.Left + ir.Width() / 2 - imageWidth / 2, ir.Top + ir.Height() / 2,
                      color);
        return;
    }
    const int x = noImageRect ? tr.Left + 2 : ir.Left + ir.Width() / 2 - 4;
    const int y = noImageRect ? tr.Top + tr.Height() / 2 - 4 : ir.Top + ir.Height() / 2 - 4;
    if (DrawCommandGlyph(canvas, x, y, color) || !MenuItem->Checked()) return;
    const TRect cell = noImageRect ? TRect(MI->TextRct.Left + 2, MI->TextRct.Top,
                                           MI->TextRct.Left + 16, MI->TextRct.Bottom)
                                   : ir;
    if (MenuItem->RadioItem()) {
        if (RectIsEmpty(MI->RadioImageRect))
            DrawMenuRadioImage(canvas, x, y + 1, color);
        else
            DrawPictureGlyph(canvas, active ? MI->ActiveRadioImageRect : MI->RadioImageRect, cell);
    } else {
        if (RectIsEmpty(MI->CheckImageRect))
            DrawMenuCheckImage(canvas, x, y, color);
        else
            DrawPictureGlyph(canvas, active ? MI->ActiveCheckImageRect : MI->CheckImageRect, cell);
    }
}

void TbsSkinMenuItem::DrawMenuHeader(TBitmap& bitmap) {
    TbsSkinData* sd = Parent->SD();
    if (!Parent->PW() || !sd) return;
    int index = sd->GetControlIndex("menuheader");
    if (index < 0) index = sd->GetControlIndex("label");
    if (index < 0) return;
    auto* record = dynamic_cast<TbsDataSkinLabelControl*>(sd->CtrlList[std::size_t(index)].get());
    if (!record || record->PictureIndex < 0 ||
        record->PictureIndex >= int(sd->FActivePictures.size()))
        return;
    TBitmap& picture = *sd->FActivePictures[std::size_t(record->PictureIndex)];
    TBitmap face;
    BuildHorzThreeSliceImage(record->LTPoint.X, record->SkinRect.Width() - record->RTPoint.X, face,
                             picture, record->SkinRect, bitmap.Width(), 0, record->StretchEffect);
    if (face.Empty()) return;
    TCanvas& canvas = face.Canvas();
    canvas.Font().SetColor(record->FontColor);
    canvas.Font().SetName(record->FontName);
    canvas.Font().SetHeight(record->FontHeight);
    canvas.Font().SetStyle(record->FontStyle);
    canvas.Font().SetCharset(bitmap.Canvas().Font().Charset());
    canvas.Brush().SetStyle(bsClear);
    TRect text(record->ClRect.Left, record->ClRect.Top,
               face.Width() + record->ClRect.Right - record->SkinRect.Width(), face.Height());
    DrawTextWide(canvas, HeaderText(MenuItem->Caption()), text, DT_CENTER | DT_VCENTER);
    bitmap.Canvas().Draw(0, (bitmap.Height() - face.Height()) / 2, &face);
}

void TbsSkinMenuItem::DefaultDraw(TCanvas& cnvs) {
    const int w = ObjectRect.Width(), h = ObjectRect.Height();
    if (w <= 0 || h <= 0) return;
    TBitmap bitmap;
    bitmap.SetSize(w, h);
    TCanvas& canvas = bitmap.Canvas();
    PrepareFont(canvas, false);
    const int glyphWidth = Parent->ImgL() ? Parent->GlyphWidth() : 19;

    TColor color = clWindowText;
    if ((Active || Down) && !IsSeparator()) {
        FillRectIn(canvas, TRect(0, 0, w, h), TColor(0x800000));
        FillRectIn(canvas, TRect(1, 1, w - 1, h - 1), TColor(0xD2BDB6));
    } else {
        FillRectIn(canvas, TRect(0, 0, glyphWidth, h), clBtnFace);
        FillRectIn(canvas, TRect(glyphWidth, 0, w, h), clWindow);
        if (!MenuItem->Enabled()) color = clBtnShadow;
    }
    canvas.Brush().SetStyle(bsClear);
    canvas.Font().SetColor(color);

    const TRect r(2, 2, w - 2, h - 2);
    if (IsSeparator()) {
        FillRectIn(canvas, TRect(glyphWidth, h / 2, w, h / 2 + 1), clBtnShadow);
    } else if (IsHeader()) {
        FillRectIn(canvas, TRect(0, 0, w, h), clBtnShadow);
        canvas.Brush().SetStyle(bsClear);
        canvas.Font().SetColor(clBtnHighlight);
        TRect text = r;
        DrawTextWide(canvas, HeaderText(MenuItem->Caption()), text, DT_CENTER | DT_VCENTER);
    } else {
        DrawCaptionAndShortCut(canvas, r, glyphWidth, 19);
        if (HasSubmenu())
            DrawMenuArrowImage(canvas, r.Right - 7, r.Top + r.Height() / 2 - 4, color);
        int imageWidth = 0, imageHeight = 0;
        if (HasImage(imageWidth, imageHeight)) {
            DrawImage(canvas, r.Left + 2, r.Top + r.Height() / 2, color);
        } else {
            const int y = r.Top + r.Height() / 2 - 4;
            if (!DrawCommandGlyph(canvas, r.Left + 2, y, color) && MenuItem->Checked()) {
                if (MenuItem->RadioItem())
                    DrawMenuRadioImage(canvas, r.Left + 3, y, color);
                else
                    DrawMenuCheckImage(canvas, r.Left + 3, y, color);
            }
        }
    }
    cnvs.Draw(ObjectRect.Left, ObjectRect.Top, &bitmap);
}
