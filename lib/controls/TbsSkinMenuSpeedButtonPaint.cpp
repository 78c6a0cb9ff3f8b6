// The faces of the menu speed button: split into a main part and a drop-down strip for the
// button records, drawn from the skin's new-style records, or the speed button's own with the
// pressed drop-down part laid over them; the marker, the plain look and the flat look at rest.
#include "lib/controls/TbsSkinMenuSpeedButton.h"

#include "lib/controls/bsButtonRecordFace.h"
#include "lib/menus/IbsImagesMenu.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindraw/bsImageBuilders.h"
#include "lib/skindraw/bsMarks.h"

namespace {

constexpr int kStrip = 15;

TRect WithoutStrip(const TRect& all, const TRect& strip) {
    TRect r = all;
    if (strip.Left > all.Left)
        r.Right = strip.Left;
    else
        r.Bottom = strip.Top;
    return r;
}

} // namespace

const TbsDataSkinButtonControl*
TbsSkinMenuSpeedButton::ButtonRecord(const std::string& name) const {
    return FindButtonRecord(FSD, name);
}

void TbsSkinMenuSpeedButton::DrawButtonFace(TBitmap& B, const TRect& R, bool ADown, bool AMouseIn) {
    if (FNewStyle && FSkinDataName == "resizetoolbutton") {
        DrawNewStyleFace(B, ADown, AMouseIn);
        return;
    }
    if (FSkinDataName == "toolbutton" || FSkinDataName == "bigtoolbutton") {
        DrawSplitFace(B, ADown, AMouseIn, false);
        return;
    }
    if (FSkinDataName == "resizebutton" || FSkinDataName == "resizetoolbutton") {
        DrawSplitFace(B, ADown, AMouseIn, true);
        return;
    }
    // The record's faces carry their own marker; a tracked drop-down part shows pressed.
    if (FMenuTracked && FTrackButtonMode && !TrackButtonRect.IsEmpty() && !DownSkinRect.IsEmpty() &&
        Picture) {
        TbsSkinSpeedButton::DrawButtonFace(B, ActiveSkinRect, false, true);
        TRect part = TrackButtonRect;
        part.Left += DownSkinRect.Left;
        part.Right += DownSkinRect.Left;
        part.Top += DownSkinRect.Top;
        part.Bottom += DownSkinRect.Top;
        B.Canvas().CopyRect(TrackRect(), Picture->Canvas(), part);
        return;
    }
    TbsSkinSpeedButton::DrawButtonFace(B, R, ADown, AMouseIn);
}

void TbsSkinMenuSpeedButton::DrawNewStyleFace(TBitmap& B, bool ADown, bool AMouseIn) {
    TCanvas& canvas = B.Canvas();
    const TbsDataSkinButtonControl* main = ButtonRecord("resizetoolbutton");
    if (!main) main = ButtonRecord("resizebutton");
    const TbsDataSkinButtonControl* track =
        ButtonRecord(FTrackPosition == bstpBottom ? "htracktoolbutton" : "vtracktoolbutton");
    const bool ownTrack = track != nullptr;
    if (!track) track = main;
    const bool hot = AMouseIn;
    const bool pressed = ADown && AMouseIn;
    const bool mainPressed = pressed && !(FTrackButtonMode && FMenuTracked);
    const TRect all(0, 0, Width(), Height());
    const TRect strip = Strip();
    const TRect text = WithoutStrip(all, strip);
    if (main) {
        if (!FTrackButtonMode || !hot) {
            DrawButtonRecordFace(canvas, *FSD, *main, mainPressed, hot, all);
        } else {
            DrawButtonRecordFace(canvas, *FSD, *main, mainPressed, hot, ownTrack ? all : text);
            DrawButtonRecordFace(canvas, *FSD, *track, FMenuTracked, hot, strip);
        }
    }
    SetCaptionFont(canvas.Font(), true);
    const TColor fontColor = CaptionColor(mainPressed, hot);
    canvas.Font().SetColor(fontColor);
    DrawContent(canvas, text, mainPressed, hot, mainPressed);
    TRect marker = strip;
    if (pressed && (!FTrackButtonMode || FMenuTracked)) {
        ++marker.Left;
        ++marker.Top;
    }
    DrawMarker(canvas, marker, pressed, hot, fontColor);
}

void TbsSkinMenuSpeedButton::DrawSplitFace(TBitmap& B, bool ADown, bool AMouseIn, bool nineSlice) {
    TCanvas& canvas = B.Canvas();
    const bool hot = AMouseIn;
    const bool pressed = ADown && AMouseIn;
    const auto drawPart = [&](const TRect& face, const TRect& target) {
        if (!Picture || face.IsEmpty() || target.IsEmpty()) return;
        if (nineSlice) {
            TNineSlice g{ LTPt,         RTPt,          LBPt,          RBPt,
                          ClRect,       SkinRect,      LeftStretch,   TopStretch,
                          RightStretch, BottomStretch, StretchEffect, StretchType };
            DrawNineSlice(canvas, g, *Picture, face, target);
            return;
        }
        TBitmap part(target.Width(), target.Height());
        StretchSkinImage(part, *Picture, face, ClRect, true);
        canvas.Draw(target.Left, target.Top, &part);
    };
    // A flat button at rest has no face.
    const TRect normal = Flat() ? TRect() : SkinRect;
    const TRect all(0, 0, Width(), Height());
    const TRect main(0, 0, Width() - kStrip, Height());
    const TRect track(Width() - kStrip, 0, Width(), Height());
    if (!FTrackButtonMode) {
        drawPart(pressed ? DownSkinRect : hot ? ActiveSkinRect : normal, all);
    } else if (FMenuTracked) {
        drawPart(ActiveSkinRect, main);
        drawPart(DownSkinRect, track);
    } else {
        const TRect face = pressed ? DownSkinRect : hot ? ActiveSkinRect : normal;
        drawPart(face, main);
        drawPart(face, track);
    }
    SetCaptionFont(canvas.Font(), true);
    const TColor fontColor = CaptionColor(ADown, AMouseIn);
    canvas.Font().SetColor(fontColor);
    DrawContent(canvas, main, ADown, AMouseIn, pressed);
    TRect marker = track;
    if (pressed || FMenuTracked) {
        marker.Top += 2;
        marker.Left = Width() - 13;
    }
    DrawMarker(canvas, marker, pressed, hot, fontColor);
}

void TbsSkinMenuSpeedButton::DrawMarker(TCanvas& canvas, const TRect& r, bool pressed, bool hot,
                                        TColor fontColor) {
    if (FDrawStandardArrow)
        DrawArrowMark(canvas, r, fontColor, FArrowType);
    else if (!MenuMarkerRect.IsEmpty())
        DrawSkinMarker(canvas, r, false, pressed || FMenuTracked, hot);
    else
        DrawDropDownMark(canvas, r, FMenuTracked ? DownFontColor : fontColor);
}

void TbsSkinMenuSpeedButton::DrawSkinMarker(TCanvas& canvas, const TRect& r, bool flat,
                                            bool pressed, bool hot) {
    const TRect face = pressed ? MenuMarkerDownRect
                       : hot   ? MenuMarkerActiveRect
                       : flat  ? MenuMarkerFlatRect
                               : MenuMarkerRect;
    if (!Picture || face.IsEmpty()) return;
    TBitmap mark(face.Width(), face.Height());
    mark.Canvas().CopyRect(TRect(0, 0, face.Width(), face.Height()), Picture->Canvas(), face);
    mark.SetTransparentMode(tmFixed);
    mark.SetTransparentColor(MenuMarkerTransparentColor);
    mark.SetTransparent(true);
    canvas.Draw(r.Left + r.Width() / 2 - face.Width() / 2,
                r.Top + r.Height() / 2 - face.Height() / 2, &mark);
}

bool TbsSkinMenuSpeedButton::DrawOwnContent(TCanvas& canvas, const TRect& T, bool pressed) {
    if (!FSkinImagesMenu || !FUseImagesMenuImage) return false;
    const auto item = FSkinImagesMenu->SelectedItem();
    if (!item) return false;
    const std::string caption = FUseImagesMenuCaption ? item->Caption : ShownCaption();
    DrawImageAndCaption(canvas, T, FMargin, FSpacing, FLayout, caption, item->ImageIndex,
                        FSkinImagesMenu->Images(), pressed, Enabled(), false, clNone);
    return true;
}

void TbsSkinMenuSpeedButton::Paint() {
    if (Width() <= 0 || Height() <= 0) return;
    if (FMouseIn || ShowsPressed() || FMenuTracked || !Transparent()) {
        TbsSkinSpeedButton::Paint();
        return;
    }
    PrepareFace();
    PaintAtRest();
}

void TbsSkinMenuSpeedButton::PaintAtRest() {
    TCanvas& canvas = Canvas();
    const bool recordMarker = FIndex != -1 && !SplitFace();
    const TRect text = recordMarker ? NewClRect : WithoutStrip(ClientRect(), Strip());
    SetCaptionFont(canvas.Font(), true);
    if (FIndex == -1) {
        if (!Enabled()) canvas.Font().SetColor(clBtnShadow);
    } else if (!Enabled()) {
        canvas.Font().SetColor(FSD->FSkinColors.FcBtnShadow);
    } else {
        canvas.Font().SetColor(FUseSkinFontColor ? FSD->FSkinColors.FcBtnText
                                                 : FDefaultFont.Color());
    }
    DrawContent(canvas, text, false, false, false);
    TRect marker = recordMarker ? TRect(text.Right, text.Top, Width(), text.Bottom) : Strip();
    if (ShowsPressed() || FMenuTracked) {
        marker.Left += 2;
        marker.Top += 2;
    }
    if (FIndex == -1) {
        DrawDropDownMark(canvas, marker, clBtnText);
        return;
    }
    if (ResizeMode != 1) marker.Left -= 2;
    if (!MenuMarkerFlatRect.IsEmpty())
        DrawSkinMarker(canvas, marker, true, false, false);
    else
        DrawDropDownMark(canvas, marker, FSD->FSkinColors.FcBtnText);
}

void TbsSkinMenuSpeedButton::CreateControlDefaultImage(TBitmap& B) {
    TCanvas& canvas = B.Canvas();
    const bool hot = FMouseIn;
    const bool pressed = FDown && hot;
    const TbsPlainFace rest = Flat() ? pfFlat : pfNormal;
    const TbsPlainFace whole = pressed ? pfPressed : hot ? pfHot : rest;
    const TRect all(0, 0, B.Width(), B.Height());
    const TRect strip = Strip();
    const TRect main = WithoutStrip(all, strip);
    // The classic look splits in track-button mode; the new style only while hot there.
    const bool split = FTrackButtonMode && (!FNewStyle || hot);
    if (!split) {
        DrawPlainFace(canvas, all, whole);
    } else if (FMenuTracked) {
        DrawPlainFace(canvas, main, pfHot);
        DrawPlainFace(canvas, strip, pfPressed);
    } else if (FNewStyle && pressed) {
        DrawPlainFace(canvas, main, pfPressed);
        DrawPlainFace(canvas, strip, pfHot);
    } else {
        DrawPlainFace(canvas, main, whole);
        DrawPlainFace(canvas, strip, whole);
    }
    SetCaptionFont(canvas.Font(), false);
    if (!Enabled()) canvas.Font().SetColor(clBtnShadow);
    const bool contentPressed = pressed && !FMenuTracked;
    DrawContent(canvas, main, contentPressed, hot, contentPressed);
    TRect marker = strip;
    if (!FNewStyle) {
        if (pressed || FMenuTracked) {
            marker.Top += 2;
            marker.Left = B.Width() - 13;
        }
    } else if (pressed && (!FTrackButtonMode || FMenuTracked)) {
        marker.Left += 2;
        marker.Top += 2;
    }
    DrawDropDownMark(canvas, marker, clBtnText);
}
