#include "lib/controls/TbsSkinPanel.h"

#include "lib/controls/bsActivePicture.h"
#include "lib/controls/bsSkinPictureParts.h"
#include "lib/skindata/TbsResourceStrData.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindata/bsSkinMessages.h"
#include "lib/skindata/bsSkinPanelRecords.h"
#include "lib/skindraw/bsImageBuilders.h"
#include "lib/skindraw/bsMarks.h"
#include "lib/skindraw/bsParentBackground.h"
#include "lib/skindraw/bsRectUtils.h"
#include "lib/skindraw/bsTextDrawing.h"
#include "platform/forms/ControlMessages.h"
#include "platform/forms/TImageList.h"
#include "platform/gfx/TextDraw.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowClass.h"
#include "platform/win/WindowStyles.h"

#include <algorithm>

using namespace win;

namespace {

// A 1-pixel frame: top and left in one colour, right and bottom in the other; rect shrinks by
// one.
void Frame3D(TCanvas& canvas, TRect& rect, TColor topLeft, TColor bottomRight) {
    canvas.Pen().SetColor(topLeft);
    const TPoint upper[] = { { rect.Left, rect.Bottom - 1 },
                             { rect.Left, rect.Top },
                             { rect.Right - 1, rect.Top } };
    canvas.Polyline(upper);
    canvas.Pen().SetColor(bottomRight);
    const TPoint lower[] = { { rect.Right - 1, rect.Top },
                             { rect.Right - 1, rect.Bottom - 1 },
                             { rect.Left - 1, rect.Bottom - 1 } };
    canvas.Polyline(lower);
    rect = TRect(rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1);
}

// Draws tile over (0, 0, width, height) of the canvas, tiled from the top-left corner, or with
// stretch scaled as the stretch type says: whole, in columns or in rows.
void TileOver(TCanvas& canvas, TBitmap& tile, const TRect& area, bool stretch,
              TbsStretchType type) {
    const int w = tile.Width();
    const int h = tile.Height();
    // An empty tile has nothing to lay and would divide by zero.
    if (w <= 0 || h <= 0 || area.Width() <= 0 || area.Height() <= 0) return;
    if (!stretch) {
        for (int i = 0; i <= area.Width() / w; ++i)
            for (int j = 0; j <= area.Height() / h; ++j)
                canvas.Draw(area.Left + i * w, area.Top + j * h, &tile);
        return;
    }
    switch (type) {
    case bsstFull:
        canvas.StretchDraw(area, &tile);
        break;
    case bsstHorz: {
        TBitmap strip(w, area.Height());
        strip.Canvas().StretchDraw(TRect(0, 0, w, area.Height()), &tile);
        for (int i = 0; i <= area.Width() / w; ++i)
            canvas.Draw(area.Left + i * w, area.Top, &strip);
        break;
    }
    case bsstVert: {
        TBitmap strip(area.Width(), h);
        strip.Canvas().StretchDraw(TRect(0, 0, area.Width(), h), &tile);
        for (int j = 0; j <= area.Height() / h; ++j)
            canvas.Draw(area.Left, area.Top + j * h, &strip);
        break;
    }
    }
}

} // namespace

TbsSkinPanel::TbsSkinPanel(TComponent* owner) : TbsSkinCustomControl(owner) {
    FControlStyle = TControlStyle{ csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption,
                                   csOpaque,          csDoubleClicks, csReplicatable };
    FForceBackground = true;
    FWidth = 150;
    FHeight = 150;
    FSkinDataName = "panel";
}

TbsSkinPanel::~TbsSkinPanel() = default;

void TbsSkinPanel::SetRibbonStyle(bool value) {
    if (FRibbonStyle == value) return;
    FRibbonStyle = value;
    Repaint();
}

void TbsSkinPanel::SetImagePosition(TbsImagePosition value) {
    if (FImagePosition == value) return;
    FImagePosition = value;
    Repaint();
}

void TbsSkinPanel::SetTransparentMode(bool value) {
    if (FTransparentMode == value) return;
    FTransparentMode = value;
    Repaint();
    if (!Designing() && !ComponentState().Contains(csLoading)) NotifyChildrenBackground();
}

void TbsSkinPanel::SetCaptionImageList(TCustomImageList* value) {
    if (FCaptionImageList == value) return;
    if (FCaptionImageList) RemoveFreeNotification(FCaptionImageList);
    FCaptionImageList = value;
    if (FCaptionImageList) FreeNotification(FCaptionImageList);
}

void TbsSkinPanel::SetCaptionImageIndex(int value) {
    if (FCaptionImageIndex == value) return;
    FCaptionImageIndex = value;
    Repaint();
}

void TbsSkinPanel::SetCheckedMode(bool value) {
    FCheckedMode = value;
    Repaint();
}

void TbsSkinPanel::SetChecked(bool value) {
    FChecked = value;
    if (FCheckedMode) {
        Repaint();
        if (FAutoEnabledControls)
            for (int i = 0; i < ControlCount(); ++i)
                Controls(i)->SetEnabled(value);
    }
    if (OnChecked) OnChecked(this);
}

void TbsSkinPanel::SetDefaultAlignment(TAlignment value) {
    FDefaultAlignment = value;
    if (FIndex == -1 && FCaptionMode) Repaint();
}

void TbsSkinPanel::SetDefaultCaptionHeight(int value) {
    FDefaultCaptionHeight = value;
    if (FIndex == -1 && FCaptionMode) {
        Repaint();
        Realign();
    }
}

void TbsSkinPanel::SetBorderStyle(TbsSkinBorderStyle value) {
    FBorderStyle = value;
    if (FIndex == -1) {
        Repaint();
        Realign();
    }
}

void TbsSkinPanel::SetCaptionMode(bool value) {
    FCaptionMode = value;
    Repaint();
    Realign();
}

void TbsSkinPanel::SetRollUpMode(bool value) {
    FRollUpMode = value;
    if (FIndex == -1 && FCaptionMode) Repaint();
}

void TbsSkinPanel::SetGlyph(const TBitmap& value) {
    FGlyph.Assign(value);
    Repaint();
}

void TbsSkinPanel::SetNumGlyphs(int value) {
    FNumGlyphs = std::clamp(value, 1, 2);
    Repaint();
}

void TbsSkinPanel::SetSpacing(int value) {
    FSpacing = value;
    Repaint();
}

void TbsSkinPanel::Notification(TComponent* component, TOperation operation) {
    TbsSkinCustomControl::Notification(component, operation);
    if (operation == opRemove && component == FCaptionImageList) FCaptionImageList = nullptr;
}

void TbsSkinPanel::GetSkinData() {
    TbsSkinCustomControl::GetSkinData();
    BGPictureIndex = -1;
    const auto* record = dynamic_cast<const TbsDataSkinPanelControl*>(SkinRecord());
    if (!record) return;
    CaptionRect = record->CaptionRect;
    Alignment = record->Alignment;
    FontName = record->FontName;
    FontColor = record->FontColor;
    FontStyle = record->FontStyle;
    FontHeight = record->FontHeight;
    BGPictureIndex = record->BGPictureIndex;
    CheckImageRect = record->CheckImageRect;
    UnCheckImageRect = record->UnCheckImageRect;
    MarkFrameRect = record->MarkFrameRect;
    FrameRect = record->FrameRect;
    FrameTextRect = record->FrameTextRect;
    FrameLeftOffset = record->FrameLeftOffset;
    FrameRightOffset = record->FrameRightOffset;
}

TRect TbsSkinPanel::GetSkinClientRect() {
    TRect r(0, 0, Width(), Height());
    AdjustClientRect(r);
    return r;
}

void TbsSkinPanel::AdjustClientRect(TRect& rect) const {
    TbsSkinCustomControl::AdjustClientRect(rect);
    SkinClientArea(rect);
}

void TbsSkinPanel::SkinClientArea(TRect& rect) const {
    if (FIndex == -1 || Designing()) {
        if (FBorderStyle != bvNone)
            rect = TRect(rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1);
        if (FCaptionMode) {
            if (FRibbonStyle)
                rect.Bottom -= FDefaultCaptionHeight;
            else
                rect.Top += FDefaultCaptionHeight;
        }
        return;
    }
    if (BGPictureIndex != -1) return;
    if (FBorderStyle == bvNone && !FCaptionMode && ResizeMode == 1) return;
    rect = NewClRect;
}

TRect TbsSkinPanel::PlainCaptionBar() const {
    if (FRibbonStyle)
        return TRect(1, Height() - FDefaultCaptionHeight - 1, Width() - 1, Height() - 1);
    return TRect(1, 1, Width() - 1, FDefaultCaptionHeight);
}

void TbsSkinPanel::SetBounds(int left, int top, int width, int height) {
    TbsSkinCustomControl::SetBounds(left, top, width, height);
    if (FIndex == -1) Repaint();
}

void TbsSkinPanel::CreateParams(TCreateParams& params) {
    TbsSkinCustomControl::CreateParams(params);
    params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TbsSkinPanel::ChangeSkinData() {
    TbsSkinCustomControl::ChangeSkinData();
    if (FRealHeight == -1) {
        Realign();
        return;
    }
    // Rolled up: roll up again to the new skin's frame, keeping the full height.
    const int realHeight = FRealHeight;
    FRealHeight = -1;
    DoRollUp(true);
    FRealHeight = realHeight;
}

void TbsSkinPanel::SetRollUpState(bool value) {
    if (FRollUpState == value) return;
    if (!FRollUpMode) {
        FRollUpState = false;
        return;
    }
    // The constraints would stop the height from reaching the caption; they are kept aside
    // while rolled up and come back on rolling down, never lost.
    TSizeConstraints& c = Constraints();
    if (value) {
        FCMaxWidth = c.MaxWidth();
        FCMinWidth = c.MinWidth();
        FCMaxHeight = c.MaxHeight();
        FCMinHeight = c.MinHeight();
        FConstraintsSaved = true;
        c.SetMinWidth(0);
        c.SetMinHeight(0);
        c.SetMaxWidth(0);
        c.SetMaxHeight(0);
    }
    FRollUpState = value;
    DoRollUp(value);
    if (!value && FConstraintsSaved) {
        c.SetMaxWidth(FCMaxWidth);
        c.SetMinWidth(FCMinWidth);
        c.SetMaxHeight(FCMaxHeight);
        c.SetMinHeight(FCMinHeight);
        FConstraintsSaved = false;
    }
    if (OnChangeRollUpState) OnChangeRollUpState(this);
}

void TbsSkinPanel::DoRollUp(bool rollUp) {
    FInChangingRollUp = true;
    if (rollUp && FRealHeight == -1) {
        FRealHeight = Height();
        DisableAlign();
        for (int i = 0; i < ControlCount(); ++i)
            Controls(i)->SetVisible(false);
        GetSkinData();
        if (FIndex == -1)
            SetHeight(FDefaultCaptionHeight + 1);
        else
            SetHeight(Height() - NewClRect.Height());
    } else if (!rollUp && FRealHeight != -1) {
        SetHeight(FRealHeight);
        FRealHeight = -1;
        for (int i = 0; i < ControlCount(); ++i)
            Controls(i)->SetVisible(true);
        EnableAlign();
    }
    FInChangingRollUp = false;
}

void TbsSkinPanel::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft && FCaptionMode && (FRollUpMode || FCheckedMode)) {
        const TRect bar = FIndex != -1 ? NewCaptionRect : PlainCaptionBar();
        if (x >= bar.Left && x < bar.Right && y >= bar.Top && y < bar.Bottom) {
            if (FCheckedMode) SetChecked(!FChecked);
            if (FRollUpMode) SetRollUpState(!FRollUpState);
        }
    }
    TbsSkinCustomControl::MouseUp(button, shift, x, y);
}

void TbsSkinPanel::WndProc(TMessage& message) {
    switch (message.Msg) {
    case win::WM_MOVE:
        TbsSkinCustomControl::WndProc(message);
        if (FTransparentMode) {
            Repaint();
            NotifyChildrenBackground();
        }
        return;
    case CM_ENABLEDCHANGED:
        TbsSkinCustomControl::WndProc(message);
        Repaint();
        return;
    case CM_TEXTCHANGED:
        TbsSkinCustomControl::WndProc(message);
        if (FCaptionMode) Repaint();
        return;
    default:
        TbsSkinCustomControl::WndProc(message);
    }
}

void TbsSkinPanel::CheckParentBackground() {
    if (!FTransparentMode) return;
    Repaint();
    NotifyChildrenBackground();
}

int TbsSkinPanel::CaptionImageWidth() const {
    if (!FGlyph.Empty()) return FGlyph.Width() / FNumGlyphs;
    if (FCaptionImageList && FCaptionImageIndex >= 0 &&
        FCaptionImageIndex < FCaptionImageList->Count())
        return FCaptionImageList->Width();
    return 0;
}

int TbsSkinPanel::CaptionImageHeight() const {
    if (!FGlyph.Empty()) return FGlyph.Height();
    if (CaptionImageWidth() > 0) return FCaptionImageList->Height();
    return 0;
}

void TbsSkinPanel::DrawCaptionImage(TCanvas& canvas, int x, int y) {
    if (!FGlyph.Empty()) {
        const int index = !Enabled() && FNumGlyphs == 2 ? 2 : 1;
        DrawStripGlyph(canvas, x, y, FGlyph, FNumGlyphs, index);
    } else if (CaptionImageWidth() > 0) {
        FCaptionImageList->Draw(canvas, x, y, FCaptionImageIndex, Enabled());
    }
}

void TbsSkinPanel::Paint() {
    if (Width() <= 0 || Height() <= 0) return;
    GetSkinData();
    if (FTransparentMode && FIndex != -1) {
        TBitmap B(Width(), Height());
        CopyParentBackground(this, B.Canvas());
        if (FCaptionMode) {
            DrawTransparentCaptionFrame(B.Canvas());
        } else if (FBorderStyle != bvNone) {
            B.Canvas().Pen().SetColor(FSD->FSkinColors.FcBtnShadow);
            B.Canvas().Brush().SetStyle(bsClear);
            B.Canvas().Rectangle(0, 0, Width(), Height());
        }
        DoPanelPaint(B.Canvas());
        Canvas().Draw(0, 0, &B);
        return;
    }
    if (FIndex == -1 || (!FForceBackground && StretchEffect)) {
        TbsSkinCustomControl::Paint();
        return;
    }
    if (PaintTiled(Canvas())) return;
    int width = Width();
    int height = Height();
    CalcSkinSize(width, height);
    FCaptionOnly = FForceBackground && ResizeMode == 1 && Picture;
    TbsSkinCustomControl::Paint();
    FCaptionOnly = false;
}

bool TbsSkinPanel::PaintTiled(TCanvas& canvas) {
    if (FBorderStyle == bvNone && ResizeMode == 1 && !FCaptionMode && FForceBackground) {
        if (!Picture) return true;
        TBitmap tile(ClRect.Width(), ClRect.Height());
        if (tile.Width() > 0 && tile.Height() > 0)
            tile.Canvas().CopyRect(TRect(0, 0, tile.Width(), tile.Height()), Picture->Canvas(),
                                   TRect(SkinRect.Left + ClRect.Left, SkinRect.Top + ClRect.Top,
                                         SkinRect.Left + ClRect.Right,
                                         SkinRect.Top + ClRect.Bottom));
        TileOver(canvas, tile, TRect(0, 0, Width(), Height()), StretchEffect, StretchType);
        return true;
    }
    if (BGPictureIndex == -1) return false;
    TBitmap* picture = ActivePictureOf(*FSD, BGPictureIndex);
    if (!picture) return true;
    const TRect area =
        StretchEffect && StretchType == bsstFull ? NewClRect : TRect(0, 0, Width(), Height());
    TileOver(canvas, *picture, area, StretchEffect, StretchType);
    return true;
}

void TbsSkinPanel::PaintskinTo(TCanvas& canvas, int x, int y) {
    GetSkinData();
    TBitmap B(Width(), Height());
    if (FIndex == -1)
        CreateControlDefaultImage(B);
    else
        CreateControlSkinImage(B);
    canvas.Draw(x, y, &B);
}

void TbsSkinPanel::CreateControlSkinImage(TBitmap& B) {
    if (FCaptionOnly) {
        // The forced-background paint hands over its top strip, which holds the caption.
        DrawSkinCaption(B.Canvas());
        return;
    }
    if (FBorderStyle == bvNone && ResizeMode == 1 && !FCaptionMode && !StretchEffect) {
        if (Picture && ClRect.Width() > 0 && ClRect.Height() > 0) {
            TBitmap tile(ClRect.Width(), ClRect.Height());
            tile.Canvas().CopyRect(TRect(0, 0, tile.Width(), tile.Height()), Picture->Canvas(),
                                   TRect(SkinRect.Left + ClRect.Left, SkinRect.Top + ClRect.Top,
                                         SkinRect.Left + ClRect.Right,
                                         SkinRect.Top + ClRect.Bottom));
            TileOver(B.Canvas(), tile, TRect(0, 0, B.Width(), B.Height()), false, bsstFull);
        }
        return;
    }
    TbsSkinCustomControl::CreateControlSkinImage(B);
    DrawSkinCaption(B.Canvas());
}

void TbsSkinPanel::DrawSkinCaption(TCanvas& canvas) {
    if (ResizeMode < 1)
        NewCaptionRect = CaptionRect;
    else if (!FTransparentMode)
        NewCaptionRect = MapSkinRect(CaptionRect);
    if (Caption().empty() || RectIsEmpty(CaptionRect)) return;
    TRect C = NewCaptionRect;
    if (FRollUpMode) C.Right -= 12;
    if (FCheckedMode) {
        const TRect& image = FChecked ? CheckImageRect : UnCheckImageRect;
        DrawPicturePart(canvas, C.Left, C.Top + C.Height() / 2 - image.Height() / 2, Picture,
                        image);
        C.Left += image.Width() + 2;
    }
    ChooseSkinFont(canvas.Font(), FSD, FDefaultFont, FUseSkinFont, FontName, FontHeight, FontStyle);
    canvas.Font().SetColor(FontColor);
    canvas.Brush().SetStyle(bsClear);
    const std::string text = Caption();
    const int textWidth = canvas.TextWidth(text);
    const int textHeight = canvas.TextHeight(text);
    const int imageWidth = CaptionImageWidth();
    const int W = textWidth + (imageWidth > 0 ? imageWidth + FSpacing : 0);
    int tx = C.Left;
    const int ty = C.Top + C.Height() / 2 - textHeight / 2;
    if (Alignment == taRightJustify)
        tx = C.Right - W;
    else if (Alignment == taCenter)
        tx = C.Left + C.Width() / 2 - W / 2;
    int ix = tx;
    const int iy = C.Top + C.Height() / 2 - CaptionImageHeight() / 2;
    if (imageWidth > 0) {
        if (FImagePosition == bsipDefault) {
            tx += imageWidth + FSpacing;
        } else {
            ix = C.Left + 2;
            const int least = ix + imageWidth + FSpacing;
            tx = least;
            if (Alignment == taRightJustify)
                tx = std::max(least, C.Right - textWidth);
            else if (Alignment == taCenter)
                tx = std::max(least, C.Left + C.Width() / 2 - textWidth / 2);
        }
    }
    if (FRollUpMode) {
        const TRect M(C.Right, C.Top, C.Right + 10, C.Bottom);
        if (!RectIsEmpty(MarkFrameRect) && Picture)
            canvas.CopyRect(TRect(M.Left, M.Top, M.Left + MarkFrameRect.Width(),
                                  CaptionRect.Top + MarkFrameRect.Height()),
                            Picture->Canvas(), MarkFrameRect);
        DrawArrowMark(canvas, M, FontColor, FRollUpState ? 4 : 3);
    }
    if (!RectIsEmpty(FrameRect) && Picture) {
        const int d = FrameRect.Width() - FrameTextRect.Width();
        TBitmap frame;
        BuildHorzThreeSliceImage(FrameLeftOffset, FrameRightOffset, frame, *Picture, FrameRect,
                                 d + textWidth, FrameRect.Height(), false);
        int fx = tx;
        if (Alignment == taLeftJustify) {
            tx += FrameTextRect.Left;
        } else if (Alignment == taRightJustify) {
            fx = tx - d;
            tx = tx - d + FrameTextRect.Left;
            ix -= d;
        } else {
            fx = tx - FrameTextRect.Left - 2;
            ix -= FrameTextRect.Left;
            tx -= 2;
        }
        canvas.Draw(fx, CaptionRect.Top, &frame);
    }
    canvas.TextRect(C, tx, ty, text);
    if (imageWidth > 0) DrawCaptionImage(canvas, ix, iy);
}

void TbsSkinPanel::DrawTransparentCaptionFrame(TCanvas& canvas) {
    canvas.Pen().SetColor(FSD->FSkinColors.FcBtnShadow);
    canvas.Pen().SetWidth(1);
    canvas.Brush().SetStyle(bsClear);
    ChooseSkinFont(canvas.Font(), FSD, FDefaultFont, FUseSkinFont, FontName, FontHeight, FontStyle);
    const std::string text = Caption();
    const int textHeight = canvas.TextHeight(text.empty() ? "A" : text);
    const TRect C(5, 0, Width(), textHeight + 5);
    NewCaptionRect = C;
    int x = 5;
    if (FCheckedMode) {
        const TRect& image = FChecked ? CheckImageRect : UnCheckImageRect;
        DrawPicturePart(canvas, 5, C.Top + C.Height() / 2 - image.Height() / 2, Picture, image);
        x = 5 + image.Width() + 5;
    }
    const int imageWidth = CaptionImageWidth();
    if (imageWidth > 0) {
        DrawCaptionImage(canvas, x, C.Top + C.Height() / 2 - CaptionImageHeight() / 2);
        x += imageWidth + 2;
    }
    TRect T(x, 0, Width(), textHeight + 5);
    const int label = FSD->GetControlIndex("stdlabel");
    const auto* stdLabel = label < 0 ? nullptr
                                     : dynamic_cast<const TbsDataSkinStdLabelControl*>(
                                           FSD->CtrlList[std::size_t(label)].get());
    canvas.Font().SetColor(stdLabel ? stdLabel->FontColor : FSD->FSkinColors.FcBtnText);
    RECT measured = T;
    win::DrawText(canvas.Handle(), text, &measured, DT_SINGLELINE | DT_CALCRECT);
    const int w = text.empty() ? 0 : measured.right - measured.left;
    RECT drawn = T;
    win::DrawText(canvas.Handle(), text, &drawn, DT_SINGLELINE | DT_VCENTER);
    const int m = T.Height() / 2;
    canvas.Pen().SetColor(FSD->FSkinColors.FcBtnShadow);
    if (FRollUpMode) {
        DrawArrowMark(canvas, TRect(T.Left + w + 3, T.Top, T.Left + w + 10, T.Bottom),
                      canvas.Font().Color(), FRollUpState ? 4 : 3);
        canvas.MoveTo(T.Left + w + 12, m);
    } else {
        canvas.MoveTo(T.Left + w + 3, m);
    }
    canvas.LineTo(Width(), m);
    canvas.MoveTo(0, m);
    canvas.LineTo(4, m);
    const TPoint frame[] = { { Width() + 2, m },
                             { Width() - 1, m },
                             { Width() - 1, Height() - 1 },
                             { 0, Height() - 1 },
                             { 0, m } };
    canvas.Polyline(frame);
}

void TbsSkinPanel::CreateControlDefaultImage(TBitmap& B) {
    TbsSkinCustomControl::CreateControlDefaultImage(B);
    TCanvas& canvas = B.Canvas();
    TRect frame(0, 0, Width(), Height());
    switch (FBorderStyle) {
    case bvFrame:
        Frame3D(canvas, frame, clBtnShadow, clBtnShadow);
        break;
    case bvRaised:
        Frame3D(canvas, frame, clBtnHighlight, clBtnShadow);
        break;
    case bvLowered:
        Frame3D(canvas, frame, clBtnShadow, clBtnHighlight);
        break;
    case bvNone:
        break;
    }
    if (!FCaptionMode) return;
    TRect bar;
    if (FBorderStyle != bvFrame) {
        bar = PlainCaptionBar();
        Frame3D(canvas, bar, clBtnShadow, clBtnHighlight);
        Frame3D(canvas, bar, clBtnHighlight, clBtnShadow);
    } else {
        bar = FRibbonStyle ? TRect(0, Height() - FDefaultCaptionHeight, Width(), Height())
                           : TRect(0, 0, Width(), FDefaultCaptionHeight);
        Frame3D(canvas, bar, clBtnShadow, clBtnShadow);
        Frame3D(canvas, bar, clBtnHighlight, clBtnFace);
    }
    if (FCheckedMode) bar.Left += 20;
    if (FRollUpMode) bar.Right -= 10;
    canvas.Font().Assign(FDefaultFont);
    if (FSD && FSD->ResourceStrData()) canvas.Font().SetCharset(FSD->ResourceStrData()->CharSet());
    canvas.Brush().SetStyle(bsClear);
    const std::string text = Caption();
    const int imageWidth = CaptionImageWidth();
    const int W = canvas.TextWidth(text) + (imageWidth > 0 ? imageWidth + FSpacing : 0);
    int tx = bar.Left + 2;
    if (FDefaultAlignment == taRightJustify)
        tx = bar.Right - W;
    else if (FDefaultAlignment == taCenter)
        tx = bar.Left + 2 + bar.Width() / 2 - W / 2;
    const int ty = bar.Top + bar.Height() / 2 - canvas.TextHeight(text.empty() ? "A" : text) / 2;
    if (FCheckedMode) {
        const int boxTop = bar.Top + bar.Height() / 2 - 7;
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(clBtnShadow);
        canvas.FrameRect(TRect(5, boxTop, 19, boxTop + 14));
        canvas.Brush().SetStyle(bsClear);
        if (FChecked) DrawCheckMark(canvas, 5 + 3, boxTop + 2, clBtnText);
    }
    int ix = tx;
    if (imageWidth > 0) tx += imageWidth + FSpacing;
    canvas.TextRect(bar, tx, ty, text);
    if (imageWidth > 0)
        DrawCaptionImage(canvas, ix, bar.Top + bar.Height() / 2 - CaptionImageHeight() / 2);
    if (FRollUpMode)
        DrawArrowMark(canvas, TRect(bar.Right, bar.Top, bar.Right + 10, bar.Bottom), clBtnText,
                      FRollUpState ? 4 : 3);
}

TbsSkinPaintPanel::TbsSkinPaintPanel(TComponent* owner) : TbsSkinPanel(owner) {
    FForceBackground = false;
}

void TbsSkinPaintPanel::DoPanelPaint(TCanvas& canvas) {
    if (OnPanelPaint) OnPanelPaint(canvas, GetSkinClientRect());
}

void TbsSkinPaintPanel::CreateControlDefaultImage(TBitmap& B) {
    TbsSkinPanel::CreateControlDefaultImage(B);
    DoPanelPaint(B.Canvas());
}

void TbsSkinPaintPanel::CreateControlSkinImage(TBitmap& B) {
    TbsSkinPanel::CreateControlSkinImage(B);
    DoPanelPaint(B.Canvas());
}

void TbsSkinPaintPanel::WndProc(TMessage& message) {
    if (message.Msg == win::WM_ERASEBKGND && !FromWMPaint) {
        TCanvas canvas;
        canvas.SetHandle(win::HDC(message.WParam));
        PaintskinTo(canvas, 0, 0);
        canvas.SetHandle(nullptr);
        message.Result = 1;
        return;
    }
    TbsSkinPanel::WndProc(message);
}

TbsSkinGroupBox::TbsSkinGroupBox(TComponent* owner) : TbsSkinPanel(owner) {
    FSkinDataName = "groupbox";
    FCaptionMode = true;
}

void TbsSkinGroupBox::GetSkinData() {
    TbsSkinPanel::GetSkinData();
    if (FIndex != -1 && ClRect.Bottom < CaptionRect.Top) FForceBackground = false;
}
