// A top-level menu item on the menu bar: its layout, its looks and its part in main-menu mode.
#include "lib/frame/TbsMenuBarObject.h"

#include "lib/frame/TbsSkinForm.h"
#include "lib/frame/TbsSkinMainMenuBar.h"
#include "lib/frame/bsPlainButtonFace.h"
#include "lib/menus/TbsSkinMenu.h"
#include "lib/skindata/TbsResourceStrData.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindraw/bsImageBuilders.h"
#include "lib/skindraw/bsRectUtils.h"
#include "lib/skindraw/bsTextDrawing.h"
#include "platform/forms/TMenuItem.h"
#include "platform/forms/TTimer.h"
#include "platform/gfx/TBitmap.h"
#include "platform/gfx/TextFlags.h"

using namespace win;

TbsSkinMainMenuBarItem::TbsSkinMainMenuBarItem(TbsSkinMainMenuBar* parent,
                                               TbsDataSkinMainMenuBarItem* data)
    : TbsMenuBarObject(parent, data) {
    if (data) {
        FSkinSupport = true;
        FontName = data->FontName;
        FontHeight = data->FontHeight;
        FontStyle = data->FontStyle;
        UnEnabledFontColor = data->UnEnabledFontColor;
        FontColor = data->FontColor;
        ActiveFontColor = data->ActiveFontColor;
        DownFontColor = data->DownFontColor;
        TextRct = data->TextRct;
        DownRect = data->DownRect;
        if (RectIsEmpty(DownRect)) DownRect = ActiveSkinRect;
        if (RectIsEmpty(DownRect)) DownRect = SkinRect;
        LO = data->ItemLO;
        RO = data->ItemRO;
        StretchEffect = data->StretchEffect;
        AnimateSkinRect = data->AnimateSkinRect;
        FrameCount = data->FrameCount;
        AnimateInterval = data->AnimateInterval;
        InActiveAnimation = data->InActiveAnimation;
        if (RectIsEmpty(ActiveSkinRect)) Morphing = false;
    }
    OldEnabled = Enabled;
    Visible = true;
    CurrentFrame = 0;
}

bool TbsSkinMainMenuBarItem::EnableAnimation() const {
    const TbsSkinData* skin = UsableSkin();
    return !RectIsEmpty(AnimateSkinRect) && skin && skin->FEnableSkinEffects;
}

void TbsSkinMainMenuBarItem::ReDraw() {
    if (!EnableAnimation()) {
        TbsMenuBarObject::ReDraw();
        return;
    }
    TTimer& timer = Parent->AnimateTimer();
    if (int(timer.Interval()) != AnimateInterval && AnimateInterval > 0)
        timer.SetInterval(unsigned(AnimateInterval));
    timer.SetEnabled(true);
}

void TbsSkinMainMenuBarItem::SetItemFont(TFont& font) const {
    if (Parent->UseSkinFont() && FSkinSupport) {
        font.SetName(FontName);
        font.SetStyle(FontStyle);
        font.SetHeight(FontHeight);
    } else {
        font.Assign(Parent->DefItemFont());
    }
    const TbsSkinData* skin = UsableSkin();
    if (skin && skin->ResourceStrData())
        font.SetCharset(skin->ResourceStrData()->CharSet());
    else
        font.SetCharset(Parent->DefItemFont().Charset());
}

int TbsSkinMainMenuBarItem::TextWidth() const {
    TBitmap scratch(1, 1);
    SetItemFont(scratch.Canvas().Font());
    return GetWideTextWidth(scratch.Canvas(), MenuItem ? MenuItem->Caption() : std::string());
}

bool TbsSkinMainMenuBarItem::Layout(int textWidth) {
    const TRect& area = Parent->NewItemsRect;
    int left = area.Left;
    for (const auto& object : Parent->ObjectList) {
        if (object.get() == this) break;
        if (auto* item = dynamic_cast<TbsSkinMainMenuBarItem*>(object.get()))
            left = item->ObjectRect.Right != 0 ? item->ObjectRect.Right : area.Left;
    }
    if (FSkinSupport)
        ObjectRect = TRect(left, area.Top,
                           left + TextRct.Left + textWidth + (SkinRect.Width() - TextRct.Right) + 2,
                           area.Top + SkinRect.Height());
    else
        ObjectRect = TRect(left, area.Top, left + textWidth + 12, area.Bottom);
    const int limit = Parent->ScrollMenu() ? area.Right - 5 : area.Right;
    if (ObjectRect.Right > limit) {
        Parent->Scroll = true;
        if (Visible) {
            OldEnabled = Enabled;
            Enabled = false;
            Visible = false;
        }
        return false;
    }
    if (!Visible) {
        Visible = true;
        Enabled = OldEnabled;
    }
    return true;
}

void TbsSkinMainMenuBarItem::DrawCaption(TCanvas& canvas, TRect rect, bool selected) {
    if (MenuItem && MenuItem->OnDrawItem) {
        MenuItem->OnDrawItem(MenuItem, canvas, rect, selected);
        return;
    }
    canvas.Brush().SetStyle(bsClear);
    DrawTextWide(canvas, MenuItem ? MenuItem->Caption() : std::string(), rect,
                 DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void TbsSkinMainMenuBarItem::MakeImage(TBitmap& image, const TRect& source, bool active) {
    const int w = ObjectRect.Width(), h = ObjectRect.Height();
    image.SetSize(w, h);
    if (Parent->ItemTransparent && source == SkinRect)
        image.Canvas().CopyRect(TRect(0, 0, w, h), *FBarCanvas, ObjectRect);
    else
        BuildHorzThreeSliceImage(LO, RO, image, *Picture, source, w, h, active && StretchEffect);
    TCanvas& c = image.Canvas();
    SetItemFont(c.Font());
    if (FDown)
        c.Font().SetColor(DownFontColor);
    else if (active)
        c.Font().SetColor(ActiveFontColor);
    else if (MenuItem && MenuItem->Enabled())
        c.Font().SetColor(FontColor);
    else
        c.Font().SetColor(UnEnabledFontColor);
    const std::string caption = MenuItem ? MenuItem->Caption() : std::string();
    TRect text(0, 0, 0, 0);
    DrawTextWide(c, caption, text, DT_CALCRECT | DT_SINGLELINE);
    TRect r(TextRct.Left, TextRct.Top, w - (SkinRect.Width() - TextRct.Right), TextRct.Bottom);
    // The face's text area, narrowed around the text and 2 pixels wider.
    const int cx = (r.Left + r.Right) / 2, tw = text.Width() + 2;
    r = TRect(cx - tw / 2, r.Top, cx - tw / 2 + tw, r.Bottom);
    DrawCaption(c, r, active);
}

void TbsSkinMainMenuBarItem::DrawSkinned(TCanvas& cnvs) {
    TBitmap image;
    if (FDown) {
        MakeImage(image, DownRect, true);
    } else if (EnableAnimation() && CurrentFrame >= 1 && CurrentFrame <= FrameCount) {
        TRect frame = AnimateSkinRect;
        if (AnimateSkinRect.Height() > SkinRect.Height()) {
            const int fh = AnimateSkinRect.Height() / FrameCount;
            frame.Top += (CurrentFrame - 1) * fh;
            frame.Bottom = frame.Top + fh;
        } else {
            const int fw = AnimateSkinRect.Width() / FrameCount;
            frame.Left += (CurrentFrame - 1) * fw;
            frame.Right = frame.Left + fw;
        }
        MakeImage(image, frame, true);
    } else if (EnableMorphing() && (Active ? FMorphKf < 1 : FMorphKf > 0)) {
        TBitmap hover;
        MakeImage(image, SkinRect, false);
        MakeImage(hover, ActiveSkinRect, true);
        DrawMorph(cnvs, image, hover);
        return;
    } else if (Active) {
        MakeImage(image, RectIsEmpty(ActiveSkinRect) ? SkinRect : ActiveSkinRect, true);
    } else {
        MakeImage(image, SkinRect, false);
    }
    cnvs.Draw(ObjectRect.Left, ObjectRect.Top, &image);
}

void TbsSkinMainMenuBarItem::Draw(TCanvas& cnvs) {
    if (!FSkinSupport) {
        DefaultDraw(cnvs);
        return;
    }
    if (RectIsEmpty(SkinRect) || RectIsEmpty(TextRct)) return;
    if (!Layout(TextWidth()) || !Picture) return;
    FBarCanvas = &cnvs;
    DrawSkinned(cnvs);
    FBarCanvas = nullptr;
}

void TbsSkinMainMenuBarItem::DefaultDraw(TCanvas& cnvs) {
    if (!Layout(TextWidth())) return;
    const int w = ObjectRect.Width(), h = ObjectRect.Height();
    if (w <= 0 || h <= 0) return;
    TBitmap image(w, h);
    TCanvas& c = image.Canvas();
    DrawPlainButtonFace(c, TRect(0, 0, w, h), FDown, Active);
    SetItemFont(c.Font());
    const int th = GetWideTextHeight(c, MenuItem ? MenuItem->Caption() : std::string());
    TRect r(0, h / 2 - th / 2, w, h / 2 - th / 2 + th);
    if (FDown) r = TRect(r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1);
    DrawCaption(c, r, Active);
    cnvs.Draw(ObjectRect.Left, ObjectRect.Top, &image);
}

void TbsSkinMainMenuBarItem::LeaveOtherItems() {
    // Items are told apart by themselves: menu items made at run time all have empty names.
    for (const auto& object : Parent->ObjectList) {
        auto* item = dynamic_cast<TbsSkinMainMenuBarItem*>(object.get());
        if (item && item != this && item->Active) {
            item->MouseLeave();
            return;
        }
    }
}

bool TbsSkinMainMenuBarItem::CloseOtherItem() {
    for (const auto& object : Parent->ObjectList) {
        auto* item = dynamic_cast<TbsSkinMainMenuBarItem*>(object.get());
        if (item && item != this && item->FDown) {
            item->SetDown(false);
            return true;
        }
    }
    return false;
}

void TbsSkinMainMenuBarItem::MouseEnter() {
    if (CloseOtherItem()) {
        // A submenu of another item was open: this item's submenu takes its place.
        Active = FMouseIn = true;
        if (EnableMorphing()) FMorphKf = 1;
        SetDown(true);
        return;
    }
    LeaveOtherItems();
    FMouseIn = Active = true;
    ReDraw();
    if (Parent->OnItemMouseEnter) Parent->OnItemMouseEnter(MenuItem);
    if (MenuItem && Parent->Hint() != MenuItem->Hint()) Parent->SetHint(MenuItem->Hint());
}

void TbsSkinMainMenuBarItem::MouseLeave() {
    Active = FMouseIn = false;
    if (EnableAnimation() && !InActiveAnimation) {
        CurrentFrame = 0;
        Parent->DrawObject(this);
    }
    if (EnableMorphing() && FDown) FMorphKf = 0;
    ReDraw();
    if (Parent->OnItemMouseLeave) Parent->OnItemMouseLeave(MenuItem);
}

void TbsSkinMainMenuBarItem::SetDown(bool value) {
    FDown = value;
    if (value) {
        FMorphKf = 1;
        Parent->DrawObject(this);
        TbsSkinForm* bsf = Parent->SkinForm();
        if (bsf && !bsf->InMainMenu && bsf->OnMainMenuEnter) bsf->OnMainMenuEnter(Parent);
        PopupSubMenu();
        return;
    }
    Active = false;
    if (EnableAnimation()) {
        if (InActiveAnimation) {
            CurrentFrame = FrameCount + 1;
            ReDraw();
        } else {
            CurrentFrame = 0;
            Parent->DrawObject(this);
        }
    } else if (EnableMorphing()) {
        FMorphKf = 1;
        ReDraw();
    } else {
        Parent->DrawObject(this);
    }
}

void TbsSkinMainMenuBarItem::PopupSubMenu() {
    TbsSkinForm* bsf = Parent->SkinForm();
    if (!bsf || !MenuItem) return;
    const TRect r(Parent->ClientToScreen(ObjectRect.TopLeft()),
                  Parent->ClientToScreen(ObjectRect.BottomRight()));
    bsf->SkinMenuOpen();
    bsf->InMainMenu = true;
    bsf->SkinMenu().Popup(nullptr, Parent->SkinData(), 0, r, MenuItem, Parent->PopupToUp());
}

void TbsSkinMainMenuBarItem::MouseDown(int, int, TMouseButton button) {
    TbsSkinForm* bsf = Parent->SkinForm();
    if (!Enabled || !bsf || button != mbLeft || !MenuItem) return;
    if (MenuItem->Count() > 0) {
        Parent->MenuActive = true;
        SetDown(true);
        return;
    }
    // A command on the bar itself: it runs at once and ends main-menu mode.
    if (bsf->InMainMenu) bsf->LeaveMainMenu();
    bsf->InMenu = false;
    if (EnableMorphing())
        ReDraw();
    else
        Parent->DrawObject(this);
    if (TMenu* menu = MenuItem->GetParentMenu()) menu->DispatchCommand(MenuItem->Command());
}
