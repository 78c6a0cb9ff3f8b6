#include "lib/skindata/bsSkinWindowRecords.h"

#include "platform/rtl/TCustomIniFile.h"

void TbsDataSkinPopupWindow::LoadFromFile(const TCustomIniFile& ini) {
    TbsSkinFieldReader reader(ini, Section);
    Exchange(reader);
}

void TbsDataSkinPopupWindow::SaveToFile(TCustomIniFile& ini) {
    ini.EraseSection(Section);
    TbsSkinFieldWriter writer(ini, Section);
    Exchange(writer);
}

void TbsDataSkinPopupWindow::Exchange(TbsSkinFieldIO& io) {
    io.Integer("windowpictureindex", WindowPictureIndex, -1);
    io.Integer("maskpictureindex", MaskPictureIndex, -1);
    io.Point("lefttoppoint", LTPoint);
    io.Point("righttoppoint", RTPoint);
    io.Point("leftbottompoint", LBPoint);
    io.Point("rightbottompoint", RBPoint);
    io.Rect("itemsrect", ItemsRect);
    io.Color("scrollmarkercolor", ScrollMarkerColor, 0);
    io.Color("scrollmarkeractivecolor", ScrollMarkerActiveColor, 0);
    io.Boolean("leftstretch", LeftStretch);
    io.Boolean("rightstretch", RightStretch);
    io.Boolean("topstretch", TopStretch);
    io.Boolean("bottomstretch", BottomStretch);
    io.Boolean("stretcheffect", StretchEffect);
    io.StretchType("stretchtype", StretchType);
}

void TbsDataSkinLayerFrame::LoadFromFile(const TCustomIniFile& ini) {
    TbsSkinFieldReader reader(ini, Section);
    Exchange(reader);
}

void TbsDataSkinLayerFrame::SaveToFile(TCustomIniFile& ini) {
    ini.EraseSection(Section);
    TbsSkinFieldWriter writer(ini, Section);
    Exchange(writer);
}

void TbsDataSkinLayerFrame::Exchange(TbsSkinFieldIO& io) {
    io.Integer("pictureindex", PictureIndex, -1);
    io.Integer("maskpictureindex", MaskPictureIndex, -1);
    io.Integer("inactivepictureindex", InActivePictureIndex, -1);
    io.Integer("inactivemaskpictureindex", InActiveMaskPictureIndex, -1);
    io.Point("lefttoppoint", LTPoint);
    io.Point("righttoppoint", RTPoint);
    io.Point("leftbottompoint", LBPoint);
    io.Point("rightbottompoint", RBPoint);
    io.Rect("clientrect", ClRect);
    io.Integer("alphablendvalue", AlphaBlendValue, 255);
    io.Integer("inactivealphablendvalue", InActiveAlphaBlendValue, 255);
    io.Rect("borderrect", BorderRect);
    io.Boolean("hittestenable", HitTestEnable);
}

void TbsDataSkinHintWindow::LoadFromFile(const TCustomIniFile& ini) {
    TbsSkinFieldReader reader(ini, Section);
    Exchange(reader);
}

void TbsDataSkinHintWindow::SaveToFile(TCustomIniFile& ini) {
    ini.EraseSection(Section);
    TbsSkinFieldWriter writer(ini, Section);
    Exchange(writer);
}

void TbsDataSkinHintWindow::Exchange(TbsSkinFieldIO& io) {
    io.Integer("windowpictureindex", WindowPictureIndex, -1);
    io.Integer("maskpictureindex", MaskPictureIndex, -1);
    io.Point("lefttoppoint", LTPoint);
    io.Point("righttoppoint", RTPoint);
    io.Point("leftbottompoint", LBPoint);
    io.Point("rightbottompoint", RBPoint);
    io.Rect("clientrect", ClRect);
    io.Text("fontname", FontName, "Arial");
    io.Integer("fontheight", FontHeight, 14);
    io.FontStyles("fontstyle", FontStyle);
    io.Color("fontcolor", FontColor, 0);
    io.Boolean("leftstretch", LeftStretch);
    io.Boolean("rightstretch", RightStretch);
    io.Boolean("topstretch", TopStretch);
    io.Boolean("bottomstretch", BottomStretch);
    io.Boolean("stretcheffect", StretchEffect);
    io.StretchType("stretchtype", StretchType);
}

void TbsSkinColors::LoadFromFile(const TCustomIniFile& ini) {
    TbsSkinFieldReader reader(ini, Section);
    Exchange(reader);
}

void TbsSkinColors::SaveToFile(TCustomIniFile& ini) {
    TbsSkinFieldWriter writer(ini, Section);
    Exchange(writer);
}

void TbsSkinColors::Exchange(TbsSkinFieldIO& io) {
    io.Color("cbtnface", FcBtnFace, clBtnFace);
    io.Color("cbtntext", FcBtnText, clBtnText);
    io.Color("cwindow", FcWindow, clWindow);
    io.Color("cwindowtext", FcWindowText, clWindowText);
    io.Color("chighlight", FcHighLight, clHighlight);
    io.Color("chighlighttext", FcHighLightText, clHighlightText);
    io.Color("cbtnhighlight", FcBtnHighLight, clBtnHighlight);
    io.Color("cbtnshadow", FcBtnShadow, clBtnShadow);
}

void TbsSkinColors::SetColorsToDefault() {
    FcBtnFace = clBtnFace;
    FcBtnText = clBtnText;
    FcWindow = clWindow;
    FcWindowText = clWindowText;
    FcHighLight = clHighlight;
    FcHighLightText = clHighlightText;
    FcBtnHighLight = clBtnHighlight;
    FcBtnShadow = clBtnShadow;
}
