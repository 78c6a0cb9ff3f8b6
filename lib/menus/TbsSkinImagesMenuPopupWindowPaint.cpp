#include "lib/menus/TbsSkinImagesMenu.h"
#include "lib/menus/TbsSkinImagesMenuPopupWindow.h"
#include "lib/menus/bsMenuLevelWindow.h"
#include "lib/skindata/TbsResourceStrData.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindata/bsSkinPanelRecords.h"
#include "lib/skindraw/bsImageBuilders.h"
#include "lib/skindraw/bsTextDrawing.h"
#include "platform/forms/TImageList.h"
#include "platform/gfx/TBitmap.h"
#include "platform/gfx/TextFlags.h"
#include "platform/win/Win.h"

using namespace win;

namespace {

// The plain cell: a dark blue frame around a light blue face, darker when pressed.
constexpr TColor kPlainCellFrame = 0x800000;
constexpr TColor kPlainCellPressed = 0xB59385;
constexpr TColor kPlainCellHot = 0xD2BDB6;

// Single line, centred both ways, unless wider than r (then from its left edge).
void DrawCaptionLine(TCanvas& canvas, const std::string& caption, TRect r) {
    TRect measured;
    DrawTextWide(canvas, caption, measured, DT_CALCRECT | DT_SINGLELINE);
    unsigned format = DT_SINGLELINE | DT_VCENTER;
    if (measured.Width() <= r.Width()) format |= DT_CENTER;
    DrawTextWide(canvas, caption, r, format);
}

} // namespace

void TbsSkinImagesMenuPopupWindow::Paint() {
    if (Width() <= 0 || Height() <= 0) return;
    TBitmap buffer;
    buffer.SetSize(Width(), Height());
    PaintTo(buffer.Canvas());
    Canvas().Draw(0, 0, &buffer);
}

void TbsSkinImagesMenuPopupWindow::PaintTo(TCanvas& canvas) {
    const int w = Width(), h = Height();
    TbsSkinData* sd = FImagesMenu->SkinData();
    if (FSkinSupport) {
        const TbsDataSkinPopupWindow& pw = sd->PopupWindow;
        TBitmap background;
        const TRect picture(0, 0, FWindowPicture->Width(), FWindowPicture->Height());
        BuildNineSliceImage2(pw.LTPoint, pw.RTPoint, pw.LBPoint, pw.RBPoint, pw.ItemsRect,
                             FNewLTPoint, FNewRTPoint, FNewLBPoint, FNewRBPoint, FNewItemsRect,
                             background, *FWindowPicture, picture, w, h, true, pw.LeftStretch,
                             pw.TopStretch, pw.RightStretch, pw.BottomStretch, pw.StretchEffect,
                             pw.StretchType);
        canvas.Draw(0, 0, &background);
    } else {
        canvas.Pen().SetColor(clBtnShadow);
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(clWindow);
        canvas.Rectangle(0, 0, w, h);
    }
    DrawItems(canvas);
}

void TbsSkinImagesMenuPopupWindow::DrawItems(TCanvas& canvas) {
    const TbsSkinImagesMenu& menu = *FImagesMenu;
    const int selected = menu.ShowSelectedItem() ? menu.ItemIndex() : -1;
    TCustomImageList* images = menu.Images();
    const TbsImagesMenuItems& items = menu.ImagesItems();
    for (int i = 0; i < items.Count(); ++i) {
        const TbsImagesMenuItem& item = *items.Items(i);
        TRect r = item.ItemRect;
        if (item.Header()) {
            DrawHeader(canvas, item.Caption(), r);
            continue;
        }
        const bool selectedShown = i == selected && !FItemDown;
        if (selectedShown)
            DrawItemFace(canvas, r, true);
        else if (i == FMouseInItem)
            DrawItemFace(canvas, r, FItemDown);
        int offset = 0;
        if (images && item.ImageIndex() >= 0 && item.ImageIndex() < images->Count()) {
            images->Draw(canvas, r.Left + 5, r.Top + 5, item.ImageIndex(), true);
            offset = images->Width() + 5;
        }
        if (item.Button() && !item.Caption().empty()) {
            r.Left += offset;
            const bool pressed = selectedShown || (i == FMouseInItem && FItemDown);
            const bool hot = i == FMouseInItem && !FItemDown && !pressed;
            DrawButtonCaption(canvas, item.Caption(), r, pressed, hot);
        }
    }
}

void TbsSkinImagesMenuPopupWindow::DrawItemFace(TCanvas& canvas, const TRect& r, bool pressed) {
    TbsDataSkinButtonControl* record = ButtonRecord();
    TBitmap* picture =
        record ? SkinPictureAt(*FImagesMenu->SkinData(), record->PictureIndex) : nullptr;
    if (!picture) {
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(pressed ? kPlainCellPressed : kPlainCellHot);
        canvas.FillRect(r);
        canvas.Brush().SetColor(kPlainCellFrame);
        canvas.FrameRect(r);
        return;
    }
    TRect source =
        pressed && !record->DownSkinRect.IsEmpty() ? record->DownSkinRect : record->ActiveSkinRect;
    if (source.IsEmpty()) source = record->SkinRect;
    const int w = r.Width(), h = r.Height();
    const int sw = source.Width(), sh = source.Height();
    const TRect& cl = record->ClRect;
    TBitmap face;
    BuildNineSliceImage(record->LTPoint, record->RTPoint, record->LBPoint, record->RBPoint, cl,
                        record->LTPoint, TPoint(w + record->RTPoint.X - sw, record->RTPoint.Y),
                        TPoint(record->LBPoint.X, h + record->LBPoint.Y - sh),
                        TPoint(w + record->RBPoint.X - sw, h + record->RBPoint.Y - sh),
                        TRect(cl.Left, cl.Top, w + cl.Right - sw, h + cl.Bottom - sh), face,
                        *picture, source, w, h, true, record->LeftStretch, record->TopStretch,
                        record->RightStretch, record->BottomStretch, record->StretchEffect,
                        record->StretchType);
    canvas.Draw(r.Left, r.Top, &face);
}

void TbsSkinImagesMenuPopupWindow::DrawButtonCaption(TCanvas& canvas, const std::string& caption,
                                                     TRect r, bool pressed, bool hot) {
    TbsSkinImagesMenu& menu = *FImagesMenu;
    TbsSkinData* sd = menu.SkinData();
    TFont& font = canvas.Font();
    TbsDataSkinMenuItem* menuItem = nullptr;
    TbsDataSkinButtonControl* record = nullptr;
    if (FSkinSupport) {
        int index = sd->GetIndex("menuitem");
        if (index < 0) index = sd->GetIndex("MENUITEM");
        if (index >= 0)
            menuItem = dynamic_cast<TbsDataSkinMenuItem*>(sd->ObjectList[std::size_t(index)].get());
        record = ButtonRecord();
    }
    if (menuItem && record) {
        if (menu.UseSkinFont()) {
            font.SetName(record->FontName);
            font.SetHeight(record->FontHeight);
            font.SetStyle(record->FontStyle);
        } else {
            font.Assign(menu.DefaultFont());
        }
        font.SetCharset(sd->ResourceStrData() ? sd->ResourceStrData()->CharSet()
                                              : menu.DefaultFont().Charset());
        font.SetColor(pressed ? record->DownFontColor
                      : hot   ? record->ActiveFontColor
                              : menuItem->FontColor);
    } else {
        font.Assign(menu.DefaultFont());
        font.SetColor(clWindowText);
    }
    canvas.Brush().SetStyle(bsClear);
    DrawCaptionLine(canvas, caption, r);
}

void TbsSkinImagesMenuPopupWindow::DrawHeader(TCanvas& canvas, const std::string& caption,
                                              const TRect& r) {
    TbsSkinData* sd = FImagesMenu->SkinData();
    TbsDataSkinLabelControl* record = nullptr;
    if (sd && !sd->Empty) {
        const int index = sd->GetControlIndex("label");
        if (index >= 0)
            record = dynamic_cast<TbsDataSkinLabelControl*>(sd->CtrlList[std::size_t(index)].get());
    }
    TBitmap* picture = record ? SkinPictureAt(*sd, record->PictureIndex) : nullptr;
    canvas.Brush().SetStyle(bsClear);
    if (!picture) {
        TRect text = r;
        DrawTextWide(canvas, caption, text, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
        return;
    }
    const TRect& skin = record->SkinRect;
    TBitmap face;
    BuildHorzThreeSliceImage(record->LTPoint.X, skin.Width() - record->RTPoint.X, face, *picture,
                             skin, r.Width(), skin.Height(), record->StretchEffect);
    TCanvas& fc = face.Canvas();
    fc.Font().SetColor(record->FontColor);
    fc.Font().SetName(record->FontName);
    fc.Font().SetHeight(record->FontHeight);
    fc.Font().SetStyle(record->FontStyle);
    fc.Brush().SetStyle(bsClear);
    TRect text(record->ClRect.Left, record->ClRect.Top,
               face.Width() + record->ClRect.Right - skin.Width(), face.Height());
    DrawTextWide(fc, caption, text, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    canvas.Draw(r.Left, r.Top, &face);
}
