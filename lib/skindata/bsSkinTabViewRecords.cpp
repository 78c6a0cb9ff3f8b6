#include "lib/skindata/bsSkinTabViewRecords.h"

#include "platform/rtl/TCustomIniFile.h"

void TbsDataSkinTabControl::Exchange(TbsSkinFieldIO& io) {
    TbsDataSkinControl::Exchange(io);
    io.Rect("tabrect", TabRect);
    io.Rect("activetabrect", ActiveTabRect);
    io.Rect("focustabrect", FocusTabRect);
    io.Rect("mouseintabrect", MouseInTabRect);
    io.Rect("clientrect", ClRect);
    io.Rect("tabsbgrect", TabsBGRect);
    io.Point("lefttoppoint", LTPoint);
    io.Point("righttoppoint", RTPoint);
    io.Point("leftbottompoint", LBPoint);
    io.Point("rightbottompoint", RBPoint);
    io.Integer("tableftoffset", TabLeftOffset, 0);
    io.Integer("tabrightoffset", TabRightOffset, 0);
    io.Text("fontname", FontName, "Arial");
    io.FontStyles("fontstyle", FontStyle);
    io.Integer("fontheight", FontHeight, 14);
    io.Color("fontcolor", FontColor, 0);
    io.Color("activefontcolor", ActiveFontColor, 0);
    io.Color("focusfontcolor", FocusFontColor, 0);
    io.Color("mouseinfontcolor", MouseInFontColor, 0);
    io.Text("updown", UpDown, "");
    io.Integer("bgpictureindex", BGPictureIndex, -1);
    io.Boolean("tabstretcheffect", TabStretchEffect);
    io.Boolean("showfocus", ShowFocus);
    io.Integer("focusoffsetx", FocusOffsetX, 0);
    io.Integer("focusoffsety", FocusOffsetY, 0);
    io.Boolean("leftstretch", LeftStretch);
    io.Boolean("topstretch", TopStretch);
    io.Boolean("rightstretch", RightStretch);
    io.Boolean("bottomstretch", BottomStretch);
    io.Boolean("stretcheffect", StretchEffect);
    io.StretchType("stretchtype", StretchType);
    io.Rect("closebuttonrect", CloseButtonRect);
    io.Rect("closebuttonactiverect", CloseButtonActiveRect);
    io.Rect("closebuttondownrect", CloseButtonDownRect);
    io.Boolean("buttontransparent", ButtonTransparent);
    io.Color("buttontransparentcolor", ButtonTransparentColor, 0);
}

void TbsDataSkinGridControl::Exchange(TbsSkinFieldIO& io) {
    TbsDataSkinControl::Exchange(io);
    io.Rect("fixedcellrect", FixedCellRect);
    io.Rect("selectcellrect", SelectCellRect);
    io.Rect("focuscellrect", FocusCellRect);
    io.Integer("fixedcellleftoffset", FixedCellLeftOffset, 0);
    io.Integer("fixedcellrightoffset", FixedCellRightOffset, 0);
    io.Rect("fixedcelltextrect", FixedCellTextRect);
    io.Integer("cellleftoffset", CellLeftOffset, 0);
    io.Integer("cellrightoffset", CellRightOffset, 0);
    io.Rect("celltextrect", CellTextRect);
    io.Color("linescolor", LinesColor, 0);
    io.Color("bgcolor", BGColor, 0);
    io.Text("fontname", FontName, "Arial");
    io.FontStyles("fontstyle", FontStyle);
    io.Integer("fontheight", FontHeight, 14);
    io.Color("fontcolor", FontColor, 0);
    io.Color("selectfontcolor", SelectFontColor, 0);
    io.Color("focusfontcolor", FocusFontColor, 0);
    io.Text("fixedfontname", FixedFontName, "Arial");
    io.FontStyles("fixedfontstyle", FixedFontStyle);
    io.Integer("fixedfontheight", FixedFontHeight, 14);
    io.Color("fixedfontcolor", FixedFontColor, 0);
    io.Boolean("fixedcellstretcheffect", FixedCellStretchEffect);
    io.Boolean("cellstretcheffect", CellStretchEffect);
    io.Boolean("showfocus", ShowFocus);
    io.Integer("bgpictureindex", BGPictureIndex, -1);
}

void TbsDataSkinListView::Exchange(TbsSkinFieldIO& io) {
    TbsDataSkinControl::Exchange(io);
    io.Text("fontname", FontName, "Arial");
    io.FontStyles("fontstyle", FontStyle);
    io.Integer("fontheight", FontHeight, 14);
    io.Color("fontcolor", FontColor, 0);
    io.Color("bgcolor", BGColor, 0);
}

void TbsDataSkinTreeView::Exchange(TbsSkinFieldIO& io) {
    TbsDataSkinControl::Exchange(io);
    io.Text("fontname", FontName, "Arial");
    io.FontStyles("fontstyle", FontStyle);
    io.Integer("fontheight", FontHeight, 14);
    io.Color("fontcolor", FontColor, 0);
    io.Color("bgcolor", BGColor, 0);
}

void TbsDataSkinRichEdit::Exchange(TbsSkinFieldIO& io) {
    TbsDataSkinControl::Exchange(io);
    io.Text("fontname", FontName, "Arial");
    io.FontStyles("fontstyle", FontStyle);
    io.Integer("fontheight", FontHeight, 14);
    io.Color("fontcolor", FontColor, 0);
    io.Color("bgcolor", BGColor, 0);
}

void TbsDataSkinMainMenuBar::Exchange(TbsSkinFieldIO& io) {
    TbsDataSkinControl::Exchange(io);
    io.Rect("itemsrect", ItemsRect);
    io.Text("menubaritem", MenuBarItem, "");
    io.Text("closebutton", CloseButton, "");
    io.Text("maxbutton", MaxButton, "");
    io.Text("minbutton", MinButton, "");
    io.Text("sysmenubutton", SysMenuButton, "");
    io.Integer("trackmarkcolor", TrackMarkColor, 0);
    io.Integer("trackmarkactivecolor", TrackMarkActiveColor, 0);
    io.Boolean("stretcheffect", StretchEffect);
    io.Boolean("itemtransparent", ItemTransparent);
}
