#include "lib/skindata/bsSkinControlRecords.h"

#include "platform/rtl/TCustomIniFile.h"

void TbsDataSkinControl::LoadFromFile(const TCustomIniFile& ini) {
    TbsSkinFieldReader reader(ini, IDName);
    Exchange(reader);
}

void TbsDataSkinControl::SaveToFile(TCustomIniFile& ini) {
    ini.EraseSection(IDName);
    TbsSkinFieldWriter writer(ini, IDName);
    Exchange(writer);
}

void TbsDataSkinControl::Exchange(TbsSkinFieldIO& io) {
    io.Integer("pictureindex", PictureIndex, -1);
    io.Integer("maskpictureindex", MaskPictureIndex, -1);
    io.Rect("skinrect", SkinRect);
}

void TbsDataSkinCustomControl::Exchange(TbsSkinFieldIO& io) {
    TbsDataSkinControl::Exchange(io);
    io.Point("lefttoppoint", LTPoint);
    io.Point("righttoppoint", RTPoint);
    io.Point("leftbottompoint", LBPoint);
    io.Point("rightbottompoint", RBPoint);
    io.Rect("clientrect", ClRect);
    io.Boolean("stretcheffect", StretchEffect);
    io.StretchType("stretchtype", StretchType);
    io.Boolean("leftstretch", LeftStretch);
    io.Boolean("topstretch", TopStretch);
    io.Boolean("rightstretch", RightStretch);
    io.Boolean("bottomstretch", BottomStretch);
}

void TbsDataSkinButtonControl::Exchange(TbsSkinFieldIO& io) {
    TbsDataSkinCustomControl::Exchange(io);
    io.Text("fontname", FontName, "Arial");
    io.FontStyles("fontstyle", FontStyle);
    io.Integer("fontheight", FontHeight, 14);
    io.Color("fontcolor", FontColor, 0);
    io.Color("activefontcolor", ActiveFontColor, 0);
    io.Color("downfontcolor", DownFontColor, 0);
    io.Color("disabledfontcolor", DisabledFontColor, 0);
    io.Rect("activeskinrect", ActiveSkinRect);
    io.Rect("downskinrect", DownSkinRect);
    io.Rect("disabledskinrect", DisabledSkinRect);
    io.Rect("focusedskinrect", FocusedSkinRect);
    io.Boolean("morphing", Morphing);
    io.MorphKind("morphkind", MorphKind);
    io.Rect("animateskinrect", AnimateSkinRect);
    io.Integer("framecount", FrameCount, 0);
    io.Integer("animateinterval", AnimateInterval, 25);
    io.Boolean("showfocus", ShowFocus);
    io.Rect("menumarkerflatrect", MenuMarkerFlatRect);
    io.Rect("menumarkerrect", MenuMarkerRect);
    io.Rect("menumarkeractiverect", MenuMarkerActiveRect);
    io.Rect("menumarkerdownrect", MenuMarkerDownRect);
    io.Color("menumarkertransparentcolor", MenuMarkerTransparentColor, 0);
    io.Integer("glowlayerpictureindex", GlowLayerPictureIndex, -1);
    io.Integer("glowlayermaskpictureindex", GlowLayerMaskPictureIndex, -1);
    io.Integer("glowlayeroffsetleft", GlowLayerOffsetLeft, 0);
    io.Integer("glowlayeroffsetright", GlowLayerOffsetRight, 0);
    io.Integer("glowlayeroffsettop", GlowLayerOffsetTop, 0);
    io.Integer("glowlayeroffsetbottom", GlowLayerOffsetBottom, 0);
    io.Integer("glowlayershowoffsetx", GlowLayerShowOffsetX, 0);
    io.Integer("glowlayershowoffsety", GlowLayerShowOffsetY, 0);
    io.Integer("glowlayeralphablendvalue", GlowLayerAlphaBlendValue, 255);
}

void TbsDataSkinMenuButtonControl::Exchange(TbsSkinFieldIO& io) {
    TbsDataSkinButtonControl::Exchange(io);
    io.Rect("trackbuttonrect", TrackButtonRect);
}

void TbsDataSkinCheckRadioControl::Exchange(TbsSkinFieldIO& io) {
    TbsDataSkinCustomControl::Exchange(io);
    io.Text("fontname", FontName, "Arial");
    io.FontStyles("fontstyle", FontStyle);
    io.Integer("fontheight", FontHeight, 14);
    io.Color("fontcolor", FontColor, 0);
    io.Color("activefontcolor", ActiveFontColor, 0);
    io.Color("unenabledfontcolor", UnEnabledFontColor, 0);
    io.Rect("activeskinrect", ActiveSkinRect);
    io.Rect("checkimagearea", CheckImageArea);
    io.Rect("textarea", TextArea);
    io.Rect("checkimagerect", CheckImageRect);
    io.Rect("uncheckimagerect", UnCheckImageRect);
    io.Rect("activecheckimagerect", ActiveCheckImageRect);
    io.Rect("activeuncheckimagerect", ActiveUnCheckImageRect);
    io.Rect("unenabledcheckimagerect", UnEnabledCheckImageRect);
    io.Rect("unenableduncheckimagerect", UnEnabledUnCheckImageRect);
    io.Rect("grayedcheckimagerect", GrayedCheckImageRect);
    io.Rect("activegrayedcheckimagerect", ActiveGrayedCheckImageRect);
    io.Boolean("morphing", Morphing);
    io.MorphKind("morphkind", MorphKind);
    io.Color("framefontcolor", FrameFontColor, 0);
}
