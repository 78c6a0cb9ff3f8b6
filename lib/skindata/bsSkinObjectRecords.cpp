#include "lib/skindata/bsSkinObjectRecords.h"

#include "platform/rtl/TCustomIniFile.h"

void TbsDataSkinObject::LoadFromFile(const TCustomIniFile& ini) {
    TbsSkinFieldReader reader(ini, IDName);
    Exchange(reader);
}

void TbsDataSkinObject::SaveToFile(TCustomIniFile& ini) {
    ini.EraseSection(IDName);
    TbsSkinFieldWriter writer(ini, IDName);
    Exchange(writer);
}

void TbsDataSkinObject::Exchange(TbsSkinFieldIO& io) {
    io.Text("hint", Hint, "");
    io.Integer("activepictureindex", ActivePictureIndex, -1);
    io.Integer("activemaskpictureindex", ActiveMaskPictureIndex, -1);
    io.Boolean("skinrectinapicture", SkinRectInAPicture);
    io.Rect("skinrect", SkinRect);
    io.Rect("activeskinrect", ActiveSkinRect);
    io.Rect("inactiveskinrect", InActiveSkinRect);
    io.Boolean("morphing", Morphing);
    io.MorphKind("morphkind", MorphKind);
    io.Integer("glowlayerpictureindex", GlowLayerPictureIndex, -1);
    io.Integer("glowlayermaskpictureindex", GlowLayerMaskPictureIndex, -1);
    io.Integer("glowlayeroffsetx", GlowLayerOffsetX, 0);
    io.Integer("glowlayeroffsety", GlowLayerOffsetY, 0);
    io.Integer("glowlayeralphablendvalue", GlowLayerAlphaBlendValue, 255);
}

void TbsDataUserObject::Exchange(TbsSkinFieldIO& io) {
    io.Rect("skinrect", SkinRect);
}

void TbsDataSkinButton::Exchange(TbsSkinFieldIO& io) {
    TbsDataSkinObject::Exchange(io);
    io.Rect("downrect", DownRect);
    // The key is spelt as the skins carry it.
    io.Rect("disableskinrsect", DisableSkinRect);
}

void TbsDataSkinStdButton::LoadFromFile(const TCustomIniFile& ini) {
    TbsDataSkinButton::LoadFromFile(ini);
    if (RestoreHint.empty()) RestoreHint = RestoreHintFor(Hint, Command);
}

void TbsDataSkinStdButton::Exchange(TbsSkinFieldIO& io) {
    TbsDataSkinButton::Exchange(io);
    io.Command("command", Command);
    io.Rect("restorerect", RestoreRect);
    io.Rect("restoreactiverect", RestoreActiveRect);
    io.Rect("restoredownrect", RestoreDownRect);
    io.Rect("restoreinactiverect", RestoreInActiveRect);
    io.Text("restorehint", RestoreHint, "");
}

void TbsDataSkinAnimate::LoadFromFile(const TCustomIniFile& ini) {
    TbsDataSkinObject::LoadFromFile(ini);
    if (RestoreHint.empty()) RestoreHint = RestoreHintFor(Hint, Command);
}

void TbsDataSkinAnimate::Exchange(TbsSkinFieldIO& io) {
    TbsDataSkinObject::Exchange(io);
    io.Integer("countframes", CountFrames, 1);
    io.Boolean("cycle", Cycle);
    io.Boolean("buttonstyle", ButtonStyle);
    io.Integer("timerinterval", TimerInterval, 50);
    io.Command("command", Command);
    io.Rect("downskinrect", DownSkinRect);
    io.Rect("restorerect", RestoreRect);
    io.Rect("restoreactiverect", RestoreActiveRect);
    io.Rect("restoredownrect", RestoreDownRect);
    io.Rect("restoreinactiverect", RestoreInActiveRect);
    io.Text("restorehint", RestoreHint, "");
}

void TbsDataSkinMenuItem::LoadFromFile(const TCustomIniFile& ini) {
    TbsDataSkinObject::LoadFromFile(ini);
    if (ActiveCheckImageRect.IsEmpty()) ActiveCheckImageRect = CheckImageRect;
    if (ActiveRadioImageRect.IsEmpty()) ActiveRadioImageRect = RadioImageRect;
    if (ActiveArrowImageRect.IsEmpty()) ActiveArrowImageRect = ArrowImageRect;
}

void TbsDataSkinMenuItem::Exchange(TbsSkinFieldIO& io) {
    TbsDataSkinObject::Exchange(io);
    io.Integer("itemleftoffset", ItemLO, 0);
    io.Integer("itemrightoffset", ItemRO, 0);
    io.Rect("dividerrect", DividerRect);
    io.Integer("dividerleftoffset", DividerLO, 0);
    io.Integer("dividerrightoffset", DividerRO, 0);
    io.Rect("textrect", TextRct);
    io.Rect("imagerect", ImageRct);
    io.Text("fontname", FontName, "Arial");
    io.Integer("fontheight", FontHeight, 14);
    io.FontStyles("fontstyle", FontStyle);
    io.Color("fontcolor", FontColor, 0);
    io.Color("activefontcolor", ActiveFontColor, 0);
    io.Color("unenabledfontcolor", UnEnabledFontColor, 0);
    io.Boolean("stretcheffect", StretchEffect);
    io.Boolean("inactivestretcheffect", InActiveStretchEffect);
    io.Boolean("dividerstretcheffect", DividerStretchEffect);
    io.Rect("animateskinrect", AnimateSkinRect);
    io.Integer("framecount", FrameCount, 0);
    io.Integer("animateinterval", AnimateInterval, 25);
    io.Boolean("inactiveanimation", InActiveAnimation);
    io.Boolean("useimagecolor", UseImageColor);
    io.Color("imagecolor", ImageColor, 0);
    io.Color("activeimagecolor", ActiveImageColor, 0);
    io.Boolean("inactivetransparent", InActiveTransparent);
    io.Rect("checkimagerect", CheckImageRect);
    io.Rect("activecheckimagerect", ActiveCheckImageRect);
    io.Rect("radioimagerect", RadioImageRect);
    io.Rect("activeradioimagerect", ActiveRadioImageRect);
    io.Rect("arrowimagerect", ArrowImageRect);
    io.Rect("activearrowimagerect", ActiveArrowImageRect);
}

void TbsDataSkinMainMenuItem::Exchange(TbsSkinFieldIO& io) {
    TbsDataSkinObject::Exchange(io);
    io.Integer("itemleftoffset", ItemLO, 0);
    io.Integer("itemrightoffset", ItemRO, 0);
    io.Rect("downrect", DownRect);
    io.Rect("textrect", TextRct);
    io.Text("fontname", FontName, "Arial");
    io.Integer("fontheight", FontHeight, 14);
    io.FontStyles("fontstyle", FontStyle);
    io.Color("fontcolor", FontColor, 0);
    io.Color("activefontcolor", ActiveFontColor, 0);
    io.Color("downfontcolor", DownFontColor, 0);
    // Written with the capital C the skins carry; reading ignores case anyway.
    io.Color("unenabledfontColor", UnEnabledFontColor, 0);
    io.Boolean("stretcheffect", StretchEffect);
    io.Rect("animateskinrect", AnimateSkinRect);
    io.Integer("framecount", FrameCount, 0);
    io.Integer("animateinterval", AnimateInterval, 25);
    io.Boolean("inactiveanimation", InActiveAnimation);
}

void TbsDataSkinCaption::Exchange(TbsSkinFieldIO& io) {
    TbsDataSkinObject::Exchange(io);
    io.Rect("textrect", TextRct);
    io.Text("fontname", FontName, "Arial");
    io.Integer("fontheight", FontHeight, 14);
    io.FontStyles("fontstyle", FontStyle);
    io.Color("fontcolor", FontColor, 0);
    io.Color("activefontcolor", ActiveFontColor, 0);
    io.Alignment("alignment", Alignment);
    io.Boolean("light", Light);
    io.Color("lightcolor", LightColor, 0);
    io.Color("activelightcolor", ActiveLightColor, 0);
    io.Boolean("shadow", Shadow);
    io.Color("shadowcolor", ShadowColor, 0);
    io.Color("activeshadowcolor", ActiveShadowColor, 0);
    io.Rect("framerect", FrameRect);
    io.Rect("activeframerect", ActiveFrameRect);
    io.Rect("frametextrect", FrameTextRect);
    io.Integer("frameleftoffset", FrameLeftOffset, 0);
    io.Integer("framerightoffset", FrameRightOffset, 0);
    io.Boolean("stretcheffect", StretchEffect);
    io.Rect("animateskinrect", AnimateSkinRect);
    io.Integer("framecount", FrameCount, 0);
    io.Integer("animateinterval", AnimateInterval, 25);
    io.Boolean("inactiveanimation", InActiveAnimation);
    io.Boolean("fullframe", FullFrame);
    io.Boolean("vistagloweffect", VistaGlowEffect);
    io.Boolean("vistaglowinactiveeffect", VistaGlowInActiveEffect);
    io.Boolean("gloweffect", GlowEffect);
    io.Boolean("glowinactiveeffect", GlowInActiveEffect);
    io.Integer("glowsize", GlowSize, 3);
    io.Color("glowcolor", GlowColor, 0);
    io.Color("glowactivecolor", GlowActiveColor, 0);
    io.Integer("glowoffset", GlowOffset, 0);
    io.Boolean("reflectioneffect", ReflectionEffect);
    // "reflaction" is the skins' spelling.
    io.Color("reflactioncolor", ReflectionColor, 0);
    io.Color("reflactionactivecolor", ReflectionActiveColor, 0);
    io.Integer("reflectionoffset", ReflectionOffset, 0);
}

std::string RestoreHintFor(const std::string& hint, TbsStdCommand command) {
    const bool restores = (hint == "Maximize" && command == cmMaximize) ||
                          (hint == "Minimize" && command == cmMinimize) ||
                          ((hint == "RollUp" || hint == "Roll Up") && command == cmRollUp);
    return restores ? "Restore" : "";
}
