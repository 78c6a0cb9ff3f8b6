#include "lib/skindata/bsSkinPanelRecords.h"

#include "platform/rtl/TCustomIniFile.h"

void TbsDataSkinPanelControl::Exchange(TbsSkinFieldIO& io) {
    TbsDataSkinCustomControl::Exchange(io);
    io.Rect("captionrect", CaptionRect);
    io.Alignment("alignment", Alignment);
    io.Text("fontname", FontName, "Arial");
    io.FontStyles("fontstyle", FontStyle);
    io.Integer("fontheight", FontHeight, 14);
    io.Color("fontcolor", FontColor, 0);
    io.Integer("bgpictureindex", BGPictureIndex, -1);
    io.Rect("checkimagerect", CheckImageRect);
    io.Rect("uncheckimagerect", UnCheckImageRect);
    io.Rect("markframerect", MarkFrameRect);
    io.Rect("framerect", FrameRect);
    io.Integer("frameleftoffset", FrameLeftOffset, 0);
    io.Integer("framerightoffset", FrameRightOffset, 0);
    io.Rect("frametextrect", FrameTextRect);
    io.Rect("gripperrect", GripperRect);
    io.Boolean("grippertransparent", GripperTransparent);
    io.Color("grippertransparentcolor", GripperTransparentColor, 0);
}

void TbsDataSkinExPanelControl::Exchange(TbsSkinFieldIO& io) {
    TbsDataSkinCustomControl::Exchange(io);
    io.Rect("rollhskinrect", RollHSkinRect);
    io.Rect("rollvskinrect", RollVSkinRect);
    io.Integer("rollleftoffset", RollLeftOffset, 0);
    io.Integer("rollrightoffset", RollRightOffset, 0);
    io.Integer("rolltopoffset", RollTopOffset, 0);
    io.Integer("rollbottomoffset", RollBottomOffset, 0);
    io.Rect("rollvcaptionrect", RollVCaptionRect);
    io.Rect("rollhcaptionrect", RollHCaptionRect);
    io.Rect("closebuttonrect", CloseButtonRect);
    io.Rect("closebuttonactiverect", CloseButtonActiveRect);
    io.Rect("closebuttondownrect", CloseButtonDownRect);
    io.Rect("hrollbuttonrect", HRollButtonRect);
    io.Rect("hrollbuttonactiverect", HRollButtonActiveRect);
    io.Rect("hrollbuttondownrect", HRollButtonDownRect);
    io.Rect("hrestorebuttonrect", HRestoreButtonRect);
    io.Rect("hrestorebuttonactiverect", HRestoreButtonActiveRect);
    io.Rect("hrestorebuttondownrect", HRestoreButtonDownRect);
    io.Rect("vrollbuttonrect", VRollButtonRect);
    io.Rect("vrollbuttonactiverect", VRollButtonActiveRect);
    io.Rect("vrollbuttondownrect", VRollButtonDownRect);
    io.Rect("vrestorebuttonrect", VRestoreButtonRect);
    io.Rect("vrestorebuttonactiverect", VRestoreButtonActiveRect);
    io.Rect("vrestorebuttondownrect", VRestoreButtonDownRect);
    io.Rect("captionrect", CaptionRect);
    io.Text("fontname", FontName, "Arial");
    io.FontStyles("fontstyle", FontStyle);
    io.Integer("fontheight", FontHeight, 14);
    io.Color("fontcolor", FontColor, 0);
    io.Boolean("buttonstransparent", ButtonsTransparent);
    io.Color("buttonstransparentcolor", ButtonsTransparentColor, 0);
}

void TbsDataSkinScrollBoxControl::Exchange(TbsSkinFieldIO& io) {
    TbsDataSkinCustomControl::Exchange(io);
    io.Integer("bgpictureindex", BGPictureIndex, -1);
}

void TbsDataSkinControlBar::Exchange(TbsSkinFieldIO& io) {
    TbsDataSkinCustomControl::Exchange(io);
    io.Rect("itemrect", ItemRect);
    io.Integer("bgpictureindex", BGPictureIndex, -1);
    io.Rect("hgriprect", HGripRect);
    io.Rect("vgriprect", VGripRect);
    io.Integer("gripoffset1", GripOffset1, 0);
    io.Integer("gripoffset2", GripOffset2, 0);
    io.Boolean("itemstretcheffect", ItemStretchEffect);
    io.Integer("itemoffset1", ItemOffset1, 3);
    io.Integer("itemoffset2", ItemOffset2, 3);
    io.Boolean("itemtransparent", ItemTransparent);
    io.Color("itemtransparentcolor", ItemTransparentColor, 0);
    io.Boolean("griptransparent", GripTransparent);
    io.Color("griptransparentcolor", GripTransparentColor, 0);
}

void TbsDataSkinSplitterControl::Exchange(TbsSkinFieldIO& io) {
    TbsDataSkinCustomControl::Exchange(io);
    io.Rect("gripperrect", GripperRect);
    io.Boolean("grippertransparent", GripperTransparent);
    io.Color("grippertransparentcolor", GripperTransparentColor, 0);
}

void TbsDataSkinBevel::Exchange(TbsSkinFieldIO& io) {
    TbsDataSkinControl::Exchange(io);
    io.Color("lightcolor", LightColor, 0);
    io.Color("darkcolor", DarkColor, 0);
}

void TbsDataSkinLabelControl::Exchange(TbsSkinFieldIO& io) {
    TbsDataSkinCustomControl::Exchange(io);
    io.Text("fontname", FontName, "Arial");
    io.FontStyles("fontstyle", FontStyle);
    io.Integer("fontheight", FontHeight, 14);
    io.Color("fontcolor", FontColor, 0);
}

void TbsDataSkinStdLabelControl::Exchange(TbsSkinFieldIO& io) {
    TbsDataSkinControl::Exchange(io);
    io.Text("fontname", FontName, "Arial");
    io.FontStyles("fontstyle", FontStyle);
    io.Integer("fontheight", FontHeight, 14);
    io.Color("fontcolor", FontColor, 0);
    io.Color("activefontcolor", ActiveFontColor, 16711680);
}

void TbsDataSkinSlider::Exchange(TbsSkinFieldIO& io) {
    TbsDataSkinControl::Exchange(io);
    io.Rect("hrulerrect", HRulerRect);
    io.Rect("hthumbrect", HThumbRect);
    io.Rect("vrulerrect", VRulerRect);
    io.Rect("vthumbrect", VThumbRect);
    io.Integer("edgesize", EdgeSize, 0);
    io.Color("bgcolor", BGColor, 0);
    io.Color("pointscolor", PointsColor, 0);
}

void TbsDataSkinTrackBarControl::Exchange(TbsSkinFieldIO& io) {
    TbsDataSkinCustomControl::Exchange(io);
    io.Rect("activeskinrect", ActiveSkinRect);
    io.Rect("trackarea", TrackArea);
    io.Rect("buttonrect", ButtonRect);
    io.Rect("activebuttonrect", ActiveButtonRect);
    io.Boolean("vertical", Vertical);
    io.Boolean("buttontransparent", ButtonTransparent);
    io.Color("buttontransparentcolor", ButtonTransparentColor, 0);
}

void TbsDataSkinGaugeControl::Exchange(TbsSkinFieldIO& io) {
    TbsDataSkinCustomControl::Exchange(io);
    io.Rect("progressarea", ProgressArea);
    io.Rect("progressrect", ProgressRect);
    io.Boolean("vertical", Vertical);
    io.Integer("beginoffset", BeginOffset, 0);
    io.Integer("endoffset", EndOffset, 0);
    io.Text("fontname", FontName, "Arial");
    io.FontStyles("fontstyle", FontStyle);
    io.Integer("fontheight", FontHeight, 14);
    io.Color("fontcolor", FontColor, 0);
    io.Boolean("progresstransparent", ProgressTransparent);
    io.Color("progresstransparentcolor", ProgressTransparentColor, 0);
    io.Boolean("progressstretch", ProgressStretch);
    io.Rect("animationskinrect", AnimationSkinRect);
    io.Integer("animationcountframes", AnimationCountFrames, 0);
    io.Integer("animationtimerinterval", AnimationTimerInterval, 0);
    io.Rect("progressanimationskinrect", ProgressAnimationSkinRect);
    io.Integer("progressanimationcountframes", ProgressAnimationCountFrames, 0);
    io.Integer("progressanimationtimerinterval", ProgressAnimationTimerInterval, 0);
    io.Integer("animationbeginoffset", AnimationBeginOffset, 0);
    io.Integer("animationendoffset", AnimationEndOffset, 0);
}
