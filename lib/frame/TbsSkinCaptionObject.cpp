// The caption object: the form's title on the frame, its looks for the active and the inactive
// form, and the quick buttons at its left end.
#include "lib/frame/TbsActiveSkinObject.h"

#include "lib/frame/TbsQuickButtonItem.h"
#include "lib/frame/TbsSkinForm.h"
#include "lib/frame/bsInActiveEffect.h"
#include "lib/menus/TbsSkinHint.h"
#include "lib/skindata/TbsResourceStrData.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindraw/TbsEffectBmp.h"
#include "lib/skindraw/bsImageBuilders.h"
#include "lib/skindraw/bsMorphKinds.h"
#include "lib/skindraw/bsRectUtils.h"
#include "lib/skindraw/bsTextDrawing.h"
#include "lib/skindraw/bsTextEffects.h"
#include "platform/forms/TImageList.h"
#include "platform/gfx/TBitmap.h"
#include "platform/gfx/TextFlags.h"
#include "platform/win/Messaging.h"
#include "platform/win/Painting.h"

#include <algorithm>

using namespace win;

TbsSkinCaptionObject::TbsSkinCaptionObject(TbsSkinForm* parent, TbsDataSkinCaption* data)
    : TbsActiveSkinObject(parent, data) {
    if (!data) return;
    FontName = data->FontName;
    FontStyle = data->FontStyle;
    FontHeight = data->FontHeight;
    FontColor = data->FontColor;
    ActiveFontColor = data->ActiveFontColor;
    ShadowColor = data->ShadowColor;
    ActiveShadowColor = data->ActiveShadowColor;
    Shadow = data->Shadow;
    LightColor = data->LightColor;
    ActiveLightColor = data->ActiveLightColor;
    Light = data->Light;
    Alignment = data->Alignment;
    TextRct = data->TextRct;
    FrameRect = data->FrameRect;
    ActiveFrameRect = data->ActiveFrameRect;
    FrameLeftOffset = data->FrameLeftOffset;
    FrameRightOffset = data->FrameRightOffset;
    FrameTextRect = data->FrameTextRect;
    StretchEffect = data->StretchEffect;
    FullFrame = data->FullFrame;
    AnimateSkinRect = data->AnimateSkinRect;
    FrameCount = data->FrameCount;
    AnimateInterval = data->AnimateInterval;
    InActiveAnimation = data->InActiveAnimation;
    VistaGlowEffect = data->VistaGlowEffect;
    VistaGlowInActiveEffect = data->VistaGlowInActiveEffect;
    GlowEffect = data->GlowEffect;
    GlowInActiveEffect = data->GlowInActiveEffect;
    GlowSize = data->GlowSize;
    GlowColor = data->GlowColor;
    GlowActiveColor = data->GlowActiveColor;
    GlowOffset = data->GlowOffset;
    ReflectionEffect = data->ReflectionEffect;
    ReflectionColor = data->ReflectionColor;
    ReflectionActiveColor = data->ReflectionActiveColor;
    ReflectionOffset = data->ReflectionOffset;
}

bool TbsSkinCaptionObject::EnableAnimation() const {
    const TbsSkinData* skin = UsableSkinData();
    return skin && skin->FEnableSkinEffects && !RectIsEmpty(AnimateSkinRect);
}

bool TbsSkinCaptionObject::HasQuickButtons() const {
    return Parent && Parent->QuickButtons().Count() > 0 && Parent->QuickImageList();
}

TRect TbsSkinCaptionObject::TextRect() const {
    TRect r = TextRct;
    if (!RectIsEmpty(TextRct)) {
        if (HasQuickButtons())
            r.Left += Parent->QuickButtons().Count() * (Parent->QuickImageList()->Width() + 8);
        r.Right = ObjectRect.Width() - (SkinRect.Width() - TextRct.Right);
    }
    if (!RectIsEmpty(FrameRect)) {
        r.Top += FrameTextRect.Top;
        r.Left += FrameTextRect.Left;
        r.Right -= FrameRect.Width() - FrameTextRect.Right;
    }
    return r;
}

void TbsSkinCaptionObject::SetCaptionFont(TCanvas& canvas, TColor color) const {
    TFont& font = canvas.Font();
    font.SetName(FontName);
    font.SetStyle(FontStyle);
    font.SetHeight(FontHeight);
    font.SetColor(color);
    const TbsSkinData* skin = UsableSkinData();
    if (skin && skin->ResourceStrData())
        font.SetCharset(skin->ResourceStrData()->CharSet());
    else if (Parent)
        font.SetCharset(Parent->DefCaptionFont().Charset());
}

std::string TbsSkinCaptionObject::FittedText(TCanvas& canvas) const {
    std::string text = Parent ? Parent->CaptionText() : std::string();
    if (text.empty() || RectIsEmpty(TextRct)) return {};
    EllipsizeWideText(canvas, text, TextRect().Width());
    return text;
}

void TbsSkinCaptionObject::DrawCaptionText(TCanvas& canvas, int dx, int dy, bool active) {
    if (Parent->OnCaptionPaint) {
        Parent->OnCaptionPaint(canvas, ObjectRect, active);
        return;
    }
    const std::string text = FittedText(canvas);
    if (text.empty()) return;
    const TRect tr = TextRect();
    const int tw = GetWideTextWidth(canvas, text), th = GetWideTextHeight(canvas, text);
    int y = tr.Top + tr.Height() / 2 - th / 2;
    int x = tr.Left;
    if (HasQuickButtons() || Alignment == taCenter)
        x = tr.Left + tr.Width() / 2 - tw / 2;
    else if (Alignment == taRightJustify)
        x = tr.Right - tw;
    x += dx;
    y += dy;
    canvas.Brush().SetStyle(bsClear);

    if (!RectIsEmpty(FrameRect) && ActivePicture) {
        const TRect source = active && !RectIsEmpty(ActiveFrameRect) ? ActiveFrameRect : FrameRect;
        const int skinOffset = UsableSkinData() ? UsableSkinData()->ButtonsOffset : 0;
        const int w = FullFrame ? ObjectRect.Width() - 2 * skinOffset
                                : FrameRect.Width() + tw - FrameTextRect.Width();
        if (w > 0) {
            TBitmap frame;
            BuildHorzThreeSliceImage(FrameLeftOffset, FrameRightOffset, frame, *ActivePicture,
                                     source, w, source.Height(), false);
            const int fx = FullFrame ? dx + skinOffset : x - FrameTextRect.Left;
            canvas.Draw(fx, y - FrameTextRect.Top, &frame);
        }
    }
    const unsigned flags = DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
    const TColor color = canvas.Font().Color();
    auto copyAt = [&](int cx, int cy, TColor c) {
        canvas.Font().SetColor(c);
        TRect r(cx, cy, cx + tw, cy + th);
        DrawTextWide(canvas, text, r, flags);
        canvas.Font().SetColor(color);
    };
    if (Light) copyAt(x - 1, y - 1, active ? ActiveLightColor : LightColor);
    if (Shadow) copyAt(x + 1, y + 1, active ? ActiveShadowColor : ShadowColor);

    TRect r(x, y, x + tw, y + th);
    const TColor glow = active ? GlowActiveColor : GlowColor;
    if (ReflectionEffect)
        DrawReflectionText(canvas, r, text, flags, ReflectionOffset,
                           active ? ReflectionActiveColor : ReflectionColor);
    else if (VistaGlowEffect && (active || VistaGlowInActiveEffect))
        DrawVistaGlowText(canvas, r, text, flags, glow);
    else if (!VistaGlowEffect && GlowEffect && (active || GlowInActiveEffect))
        DrawGlowEffectText(canvas, r, text, flags, GlowOffset, glow, GlowSize);
    else
        DrawTextWide(canvas, text, r, flags);
}

void TbsSkinCaptionObject::PrepareCaptionBackground(TBitmap& image, const TRect& source,
                                                    TBitmap& picture) const {
    const TbsSkinData& skin = *UsableSkinData();
    const int left = std::max(0, skin.LTPoint.X - SkinRect.Left);
    const int right = std::max(0, SkinRect.Right - skin.RTPoint.X);
    if (left != 0 || right != 0) {
        BuildHorzThreeSliceImage(left, right, image, picture, source, ObjectRect.Width(),
                                 ObjectRect.Height(), StretchEffect);
        return;
    }
    image.SetSize(ObjectRect.Width(), ObjectRect.Height());
    image.Canvas().CopyRect(TRect(0, 0, image.Width(), image.Height()), picture.Canvas(), source);
}

void TbsSkinCaptionObject::ApplyInActiveEffect(TBitmap& image) const {
    const TbsSkinData& skin = *UsableSkinData();
    if (!skin.AutoRenderingInActiveImage || Parent->GetFormActive()) return;
    if (auto effect = TbsEffectBmp::CreateFromhWnd(image.Handle())) {
        ::ApplyInActiveEffect(*effect, skin.InActiveEffect);
        effect->Draw(image.Canvas().Handle(), 0, 0);
    }
}

void TbsSkinCaptionObject::DrawComposed(TCanvas& canvas, TBitmap& image, TColor color,
                                        bool active) {
    SetCaptionFont(image.Canvas(), color);
    DrawCaptionText(image.Canvas(), 0, 0, active);
    canvas.Draw(ObjectRect.Left, ObjectRect.Top, &image);
}

void TbsSkinCaptionObject::Draw(TCanvas& canvas, bool) {
    TbsSkinData* skin = UsableSkinData();
    if (!skin) return;
    SetCaptionFont(canvas, Active ? ActiveFontColor : FontColor);
    const bool formActive = Parent->GetFormActive();
    if (EnableAnimation() && CurrentFrame >= 1 && CurrentFrame <= FrameCount && ActivePicture) {
        TRect frame;
        const TRect& strip = AnimateSkinRect;
        if (strip.Height() > SkinRect.Height()) {
            const int h = strip.Height() / FrameCount;
            frame = TRect(strip.Left, strip.Top + (CurrentFrame - 1) * h, strip.Right,
                          strip.Top + CurrentFrame * h);
        } else {
            const int w = strip.Width() / FrameCount;
            frame = TRect(strip.Left + (CurrentFrame - 1) * w, strip.Top,
                          strip.Left + CurrentFrame * w, strip.Bottom);
        }
        TBitmap image;
        PrepareCaptionBackground(image, frame, *ActivePicture);
        // During the run the text keeps the look of the state being left.
        DrawComposed(canvas, image, Active ? FontColor : ActiveFontColor, !Active);
    } else if (EnableMorphing() && MorphBetweenFaces() && ActivePicture) {
        TBitmap inactive, active;
        PrepareCaptionBackground(inactive, SkinRect, *Picture);
        SetCaptionFont(inactive.Canvas(), FontColor);
        DrawCaptionText(inactive.Canvas(), 0, 0, false);
        PrepareCaptionBackground(active, ActiveSkinRect, *ActivePicture);
        SetCaptionFont(active.Canvas(), ActiveFontColor);
        DrawCaptionText(active.Canvas(), 0, 0, true);
        auto from = TbsEffectBmp::CreateFromhWnd(inactive.Handle());
        auto to = TbsEffectBmp::CreateFromhWnd(active.Handle());
        if (from && to) {
            MorphByKind(*from, *to, MorphKind, FMorphKf);
            if (skin->AutoRenderingInActiveImage && !formActive)
                ::ApplyInActiveEffect(*from, skin->InActiveEffect);
            from->Draw(canvas.Handle(), ObjectRect.Left, ObjectRect.Top);
        }
    } else if (RectIsEmpty(ActiveSkinRect) ||
               (!formActive && !EnableMorphing() && !StretchEffect && !EnableAnimation())) {
        DrawCaptionText(canvas, ObjectRect.Left, ObjectRect.Top, Active);
    } else if (!formActive) {
        TBitmap image;
        PrepareCaptionBackground(image, SkinRect, *Picture);
        SetCaptionFont(image.Canvas(), FontColor);
        DrawCaptionText(image.Canvas(), 0, 0, false);
        ApplyInActiveEffect(image);
        canvas.Draw(ObjectRect.Left, ObjectRect.Top, &image);
    } else if (ActivePicture) {
        TBitmap image;
        PrepareCaptionBackground(image, ActiveSkinRect, *ActivePicture);
        DrawComposed(canvas, image, ActiveFontColor, true);
    }
    if (HasQuickButtons()) DrawQuickButtons(canvas);
}

namespace {

TbsQuickButtonItem& QuickButton(TbsSkinForm& form, int index) {
    return static_cast<TbsQuickButtonItem&>(*form.QuickButtons().Items(index));
}

// The skin's face for quick buttons; nullptr when it has none.
TbsDataSkinButtonControl* QuickButtonFace(const TbsSkinData& skin) {
    for (const char* name : { "officequickbutton", "resizetoolbutton" }) {
        const int index = skin.GetControlIndex(name);
        if (index == -1) continue;
        if (auto* record =
                dynamic_cast<TbsDataSkinButtonControl*>(skin.CtrlList[std::size_t(index)].get()))
            return record;
    }
    return nullptr;
}

} // namespace

void TbsSkinCaptionObject::DrawQuickButtons(TCanvas& canvas) {
    TCustomImageList& images = *Parent->QuickImageList();
    const int iw = images.Width(), ih = images.Height();
    const int y = ObjectRect.Top + ObjectRect.Height() / 2 - ih / 2 - 2;
    int x = ObjectRect.Left;
    TbsSkinData* skin = UsableSkinData();
    TbsDataSkinButtonControl* face = skin ? QuickButtonFace(*skin) : nullptr;
    TBitmap* facePicture = nullptr;
    if (face && face->PictureIndex >= 0 && face->PictureIndex < int(skin->FActivePictures.size()))
        facePicture = skin->FActivePictures[std::size_t(face->PictureIndex)].get();
    for (int i = 0; i < Parent->QuickButtons().Count(); ++i) {
        TbsQuickButtonItem& button = QuickButton(*Parent, i);
        if (!button.Visible()) continue;
        button.ItemRect = TRect(x, y, x + iw + 4, y + ih + 4);
        const TRect& r = button.ItemRect;
        if (button.Active && facePicture) {
            TBitmap look(r.Width(), r.Height());
            StretchSkinImage(look, *facePicture,
                             button.Down ? face->DownSkinRect : face->ActiveSkinRect, face->ClRect,
                             true);
            canvas.Draw(r.Left, r.Top, &look);
        }
        images.Draw(canvas, r.Left + r.Width() / 2 - iw / 2, r.Top + r.Height() / 2 - ih / 2,
                    button.ImageIndex(), button.Enabled());
        x += iw + 8;
    }
}

void TbsSkinCaptionObject::TestActiveQuickButton(int x, int y) {
    TCollection& buttons = Parent->QuickButtons();
    if (buttons.Count() == 0) return;
    OldActiveQuickButton = ActiveQuickButton;
    ActiveQuickButton = -1;
    for (int i = 0; i < buttons.Count(); ++i) {
        const TbsQuickButtonItem& button = QuickButton(*Parent, i);
        if (button.Enabled() && button.Visible() && button.ItemRect.Contains(TPoint(x, y))) {
            ActiveQuickButton = i;
            break;
        }
    }
    bool changed = false;
    for (int i = 0; i < buttons.Count(); ++i) {
        TbsQuickButtonItem& button = QuickButton(*Parent, i);
        const bool active = i == ActiveQuickButton;
        changed = changed || button.Active != active;
        button.Active = active;
    }
    const bool moved = ActiveQuickButton != OldActiveQuickButton;
    if ((changed || moved) && Parent->Form()->HandleAllocated())
        SendMessage(Parent->Form()->Handle(), WM_NCPAINT, 0, 0);
    TbsSkinHint* hint = Parent->QuickButtonsShowHint() ? Parent->SkinHint() : nullptr;
    if (!hint) return;
    if (moved && ActiveQuickButton != -1) {
        const std::string& text = QuickButton(*Parent, ActiveQuickButton).Hint();
        if (!text.empty()) hint->ActivateHint2(text);
    }
    if (changed && ActiveQuickButton == -1) hint->HideHint();
}

void TbsSkinCaptionObject::MouseEnter() {
    FMouseIn = true;
    Parent->DoMouseEnterEvent(IDName);
}

void TbsSkinCaptionObject::MouseLeave() {
    FMouseIn = false;
    Parent->DoMouseLeaveEvent(IDName);
    if (!HasQuickButtons()) return;
    ActiveQuickButton = OldActiveQuickButton = -1;
    TestActiveQuickButton(-1, -1);
}

void TbsSkinCaptionObject::MouseMove(int x, int y) {
    Parent->DoMouseMoveEvent(IDName, x, y, ObjectRect);
    if (HasQuickButtons()) TestActiveQuickButton(x, y);
}

void TbsSkinCaptionObject::MouseDown(int x, int y, TMouseButton button) {
    Parent->DoMouseDownEvent(IDName, x, y, ObjectRect, button);
    if (!HasQuickButtons()) return;
    TestActiveQuickButton(x, y);
    if (ActiveQuickButton != -1) {
        for (int i = 0; i < Parent->QuickButtons().Count(); ++i) {
            TbsQuickButtonItem& item = QuickButton(*Parent, i);
            item.Down = i == ActiveQuickButton;
            if (!item.Down) item.Active = false;
        }
        if (Parent->Form()->HandleAllocated())
            SendMessage(Parent->Form()->Handle(), WM_NCPAINT, 0, 0);
    }
    if (Parent->QuickButtonsShowHint() && Parent->SkinHint()) Parent->SkinHint()->HideHint();
}

void TbsSkinCaptionObject::MouseUp(int x, int y, TMouseButton button) {
    Parent->DoMouseUpEvent(IDName, x, y, ObjectRect, button);
    if (!HasQuickButtons()) return;
    TestActiveQuickButton(x, y);
    if (ActiveQuickButton == -1) return;
    for (int i = 0; i < Parent->QuickButtons().Count(); ++i)
        QuickButton(*Parent, i).Down = false;
    if (Parent->Form()->HandleAllocated()) SendMessage(Parent->Form()->Handle(), WM_NCPAINT, 0, 0);
    // The click goes to the button under the pointer at the release; the sender is the
    // component, the caption being no object of the component tree.
    TbsQuickButtonItem& clicked = QuickButton(*Parent, ActiveQuickButton);
    if (clicked.OnClick) clicked.OnClick(Parent);
}
