// Drawing of one tab of the MDI tabs bar: plain, from the skin's tab pictures at their own
// height or stretched to the bar, or as a skinned button; and its close button.
#include "lib/frame/TbsSkinMDITabsBar.h"

#include "lib/controls/bsActivePicture.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindata/bsSkinControlRecords.h"
#include "lib/skindraw/bsCaptionGlyphs.h"
#include "lib/skindraw/bsImageBuilders.h"
#include "lib/skindraw/bsTextDrawing.h"
#include "platform/forms/TCustomForm.h"
#include "platform/gfx/TBitmap.h"
#include "platform/gfx/TextFlags.h"

using namespace win;

namespace {

const TbsDataSkinButtonControl* ButtonRecord(TbsSkinData* skin, const std::string& name) {
    if (!skin || skin->Empty) return nullptr;
    const int index = skin->GetControlIndex(name);
    if (index < 0) return nullptr;
    return dynamic_cast<const TbsDataSkinButtonControl*>(skin->CtrlList[std::size_t(index)].get());
}

// The down, active or normal face of a button record, empty ones falling back in that order.
TRect ButtonFace(const TbsDataSkinButtonControl& record, bool down, bool active) {
    const TRect activeRect =
        record.ActiveSkinRect.IsEmpty() ? record.SkinRect : record.ActiveSkinRect;
    const TRect downRect = record.DownSkinRect.IsEmpty() ? activeRect : record.DownSkinRect;
    return down ? downRect : active ? activeRect : record.SkinRect;
}

void BuildButtonFace(const TbsDataSkinButtonControl& record, TBitmap& picture, const TRect& face,
                     TBitmap& destination, int width, int height) {
    const TRect& s = record.SkinRect;
    const TPoint newRT(width - (s.Width() - record.RTPoint.X), record.RTPoint.Y);
    const TPoint newLB(record.LBPoint.X, height - (s.Height() - record.LBPoint.Y));
    const TPoint newRB(width - (s.Width() - record.RBPoint.X),
                       height - (s.Height() - record.RBPoint.Y));
    const TRect newCl(record.ClRect.Left, record.ClRect.Top,
                      width - (s.Width() - record.ClRect.Right),
                      height - (s.Height() - record.ClRect.Bottom));
    BuildNineSliceImage(record.LTPoint, record.RTPoint, record.LBPoint, record.RBPoint,
                        record.ClRect, record.LTPoint, newRT, newLB, newRB, newCl, destination,
                        picture, face, width, height, true, record.LeftStretch, record.TopStretch,
                        record.RightStretch, record.BottomStretch, record.StretchEffect,
                        record.StretchType);
}

} // namespace

TbsMDITab::TbsMDITab(TbsSkinMDITabsBar* parentBar, TCustomForm* child)
    : TabsBar(parentBar), Child(child) {}

void TbsMDITab::DrawCaption(TCanvas& canvas, TRect r, bool fireDrawParams) {
    std::string text = Child->Caption();
    EllipsizeWideText(canvas, text, r.Width());
    if (fireDrawParams && TabsBar->OnTabGetDrawParamsEvent)
        TabsBar->OnTabGetDrawParamsEvent(this, canvas);
    canvas.Brush().SetStyle(bsClear);
    DrawTextWide(canvas, text, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

namespace {

void ApplyTabFont(TbsSkinMDITabsBar& bar, TCanvas& canvas, TColor color) {
    const auto& look = bar.Look();
    if (bar.HasSkinElement() && bar.UseSkinFont()) {
        canvas.Font().SetName(look.FontName);
        canvas.Font().SetStyle(look.FontStyle);
        canvas.Font().SetHeight(look.FontHeight);
    } else {
        canvas.Font().Assign(bar.DefaultFont());
    }
    canvas.Font().SetColor(color);
}

} // namespace

void TbsMDITab::Draw(TCanvas& canvas) {
    if (ObjectRect.Width() <= 0) return;
    const bool skinned = TabsBar->HasSkinElement();
    if (skinned && TabsBar->TabKind() == bstkButton) {
        ButtonDraw(canvas);
        return;
    }
    if (skinned && !TabsBar->UseSkinSize()) {
        ResizeDraw(canvas);
        return;
    }
    const auto& look = TabsBar->Look();
    const bool hot = MouseIn && !Active;
    TBitmap bitmap(ObjectRect.Width(), ObjectRect.Height());
    TCanvas& c = bitmap.Canvas();
    if (!skinned || !look.Picture) {
        c.Brush().SetColor(hot      ? TColor(RGB(182, 189, 210))
                           : Active ? TColor(RGB(133, 147, 181))
                                    : clBtnFace);
        c.FillRect(TRect(0, 0, bitmap.Width(), bitmap.Height()));
        c.Font().Assign(TabsBar->DefaultFont());
    } else {
        const TRect source = hot ? look.MouseInTabRect : Active ? look.ActiveTabRect : look.TabRect;
        BuildHorzThreeSliceImage(look.TabLeftOffset, look.TabRightOffset, bitmap, *look.Picture,
                                 source, ObjectRect.Width(), ObjectRect.Height(),
                                 look.TabStretchEffect);
        ApplyTabFont(*TabsBar, c,
                     hot      ? look.MouseInFontColor
                     : Active ? look.ActiveFontColor
                              : look.FontColor);
    }
    const int w = bitmap.Width(), h = bitmap.Height();
    TRect text;
    if (TabsBar->ShowCloseButtons()) {
        text = TRect(2, 0, w - TabsBar->CloseSize() - 5, h);
        DrawCloseButton(c, TRect(text.Right, 0, w, h));
    } else {
        text = skinned && look.Picture ? TRect(look.TabLeftOffset, 0, w - look.TabRightOffset, h)
                                       : TRect(2, 0, w - 2, h);
    }
    DrawCaption(c, text, !skinned || !look.Picture);
    canvas.Draw(ObjectRect.Left, ObjectRect.Top, &bitmap);
}

void TbsMDITab::ResizeDraw(TCanvas& canvas) {
    const auto& look = TabsBar->Look();
    if (!look.Picture) return;
    const bool hot = MouseIn && !Active;
    TBitmap bitmap(ObjectRect.Width(),
                   ObjectRect.Height() + (Active ? TabsBar->ActiveTabOffset() : 0));
    const TRect source = hot && !look.MouseInTabRect.IsEmpty() ? look.MouseInTabRect
                         : Active                              ? look.ActiveTabRect
                                                               : look.TabRect;
    const int q = look.TabRect.Height() / 4;
    StretchSkinImage(
        bitmap, *look.Picture, source,
        TRect(look.TabLeftOffset, q, source.Width() - look.TabRightOffset, source.Height() - q),
        true);
    TCanvas& c = bitmap.Canvas();
    ApplyTabFont(*TabsBar, c,
                 hot      ? look.MouseInFontColor
                 : Active ? look.ActiveFontColor
                          : look.FontColor);
    const int w = bitmap.Width(), h = bitmap.Height();
    TRect text(2, 0, w - 2, h);
    if (TabsBar->ShowCloseButtons()) {
        text = TRect(2, 2, w - TabsBar->CloseSize() - 5, h);
        DrawCloseButton(c, TRect(text.Right, 0, w, h));
    }
    DrawCaption(c, text, true);
    canvas.Draw(ObjectRect.Left, ObjectRect.Top, &bitmap);
}

void TbsMDITab::ButtonDraw(TCanvas& canvas) {
    const TbsDataSkinButtonControl* record = ButtonRecord(TabsBar->SkinData(), "resizebutton");
    if (!record) return;
    TBitmap* picture = ActivePictureOf(*TabsBar->SkinData(), record->PictureIndex);
    if (!picture) return;
    const int w = ObjectRect.Width(), h = ObjectRect.Height();
    TBitmap bitmap(w, h);
    BuildButtonFace(*record, *picture, ButtonFace(*record, Active, MouseIn), bitmap, w, h);
    TCanvas& c = bitmap.Canvas();
    ApplyTabFont(*TabsBar, c,
                 Active    ? record->DownFontColor
                 : MouseIn ? record->ActiveFontColor
                           : record->FontColor);
    const TRect& s = record->SkinRect;
    TRect text(record->ClRect.Left, record->ClRect.Top, w - (s.Width() - record->ClRect.Right),
               h - (s.Height() - record->ClRect.Bottom));
    if (TabsBar->ShowCloseButtons()) {
        text.Right -= TabsBar->CloseSize() + 3;
        DrawCloseButton(c, TRect(text.Right, 0, text.Right + TabsBar->CloseSize() + 3, h));
    }
    const int textHeight = GetWideTextHeight(c, Child->Caption());
    if (text.Height() < textHeight) {
        text.Top = (h - textHeight) / 2;
        text.Bottom = text.Top + textHeight;
    }
    DrawCaption(c, text, true);
    canvas.Draw(ObjectRect.Left, ObjectRect.Top, &bitmap);
}

void TbsMDITab::DrawCloseButton(TCanvas& canvas, TRect r) {
    const auto& look = TabsBar->Look();
    if (!TabsBar->HasSkinElement()) {
        const int top = r.Top + (r.Height() - 14) / 2;
        ButtonRect = TRect(r.Left, top, r.Left + 14, top + 14);
        DrawCloseGlyph(canvas, ButtonRect.Left + 2, ButtonRect.Top + 2,
                       ButtonMouseIn ? clWhite : clBlack);
        return;
    }
    if (!look.CloseButtonRect.IsEmpty() && look.Picture) {
        const TRect source = ButtonMouseDown && ButtonMouseIn ? look.CloseButtonDownRect
                             : ButtonMouseIn                  ? look.CloseButtonActiveRect
                                                              : look.CloseButtonRect;
        const int top = r.Top + (r.Height() - source.Height()) / 2;
        ButtonRect = TRect(r.Left, top, r.Left + source.Width(), top + source.Height());
        if (look.ButtonTransparent) {
            TBitmap face(source.Width(), source.Height());
            face.Canvas().CopyRect(TRect(0, 0, face.Width(), face.Height()), look.Picture->Canvas(),
                                   source);
            face.SetTransparent(true);
            face.SetTransparentColor(look.ButtonTransparentColor);
            canvas.Draw(ButtonRect.Left, ButtonRect.Top, &face);
        } else {
            canvas.CopyRect(ButtonRect, look.Picture->Canvas(), source);
        }
        return;
    }
    const int size = TabsBar->CloseSize();
    const int top = r.Top + (r.Height() - size) / 2;
    ButtonRect = TRect(r.Left, top, r.Left + size, top + size);
    const TbsDataSkinButtonControl* record = ButtonRecord(TabsBar->SkinData(), "resizetoolbutton");
    TBitmap* picture =
        record ? ActivePictureOf(*TabsBar->SkinData(), record->PictureIndex) : nullptr;
    if (!picture) return;
    TBitmap face(size, size);
    const bool down = ButtonMouseDown && ButtonMouseIn;
    BuildButtonFace(*record, *picture, ButtonFace(*record, down, ButtonMouseIn), face, size, size);
    DrawCloseGlyph(face.Canvas(), size / 2 - 5, size / 2 - 5,
                   down            ? record->DownFontColor
                   : ButtonMouseIn ? record->ActiveFontColor
                                   : record->FontColor);
    canvas.Draw(ButtonRect.Left, ButtonRect.Top, &face);
}
