#include "lib/skindata/bsSkinListRecords.h"

#include "platform/rtl/TCustomIniFile.h"

void TbsDataSkinListBox::Exchange(TbsSkinFieldIO& io) {
    TbsDataSkinCustomControl::Exchange(io);
    io.Rect("itemrect", SItemRect);
    io.Rect("activeitemrect", ActiveItemRect);
    io.Rect("focusitemrect", FocusItemRect);
    io.Integer("itemleftoffset", ItemLeftOffset, 0);
    io.Integer("itemrightoffset", ItemRightOffset, 0);
    io.Rect("itemtextrect", ItemTextRect);
    io.Text("fontname", FontName, "Arial");
    io.FontStyles("fontstyle", FontStyle);
    io.Integer("fontheight", FontHeight, 14);
    io.Color("fontcolor", FontColor, 0);
    io.Color("activefontcolor", ActiveFontColor, 0);
    io.Color("focusfontcolor", FocusFontColor, 0);
    io.Rect("captionrect", CaptionRect);
    io.Text("captionfontname", CaptionFontName, "Arial");
    io.FontStyles("captionfontstyle", CaptionFontStyle);
    io.Integer("captionfontheight", CaptionFontHeight, 14);
    io.Color("captionfontcolor", CaptionFontColor, 0);
    io.Rect("upbuttonrect", UpButtonRect);
    io.Rect("activeupbuttonrect", ActiveUpButtonRect);
    io.Rect("downupbuttonrect", DownUpButtonRect);
    io.Rect("downbuttonrect", DownButtonRect);
    io.Rect("activedownbuttonrect", ActiveDownButtonRect);
    io.Rect("downdownbuttonrect", DownDownButtonRect);
    io.Rect("checkbuttonrect", CheckButtonRect);
    io.Rect("activecheckbuttonrect", ActiveCheckButtonRect);
    io.Rect("downcheckbuttonrect", DownCheckButtonRect);
    io.Text("hscrollbarname", HScrollBarName, "hscrollbar");
    io.Text("vscrollbarname", VScrollBarName, "vscrollbar");
    // "hh" in both the key and the default name is how skins spell them.
    io.Text("bothhscrollbarname", BothScrollBarName, "bothhscrollbar");
    io.Boolean("showfocus", ShowFocus);
    io.Rect("disabledbuttonsrect", DisabledButtonsRect);
    io.Rect("buttonsarea", ButtonsArea);
}

void TbsDataSkinCheckListBox::Exchange(TbsSkinFieldIO& io) {
    TbsDataSkinListBox::Exchange(io);
    io.Rect("uncheckimagerect", UnCheckImageRect);
    io.Rect("checkimagerect", CheckImageRect);
    io.Rect("itemcheckrect", ItemCheckRect);
}

void TbsDataSkinComboBox::Exchange(TbsSkinFieldIO& io) {
    TbsDataSkinCustomControl::Exchange(io);
    io.Rect("itemrect", SItemRect);
    io.Rect("activeitemrect", ActiveItemRect);
    io.Rect("focusitemrect", FocusItemRect);
    io.Integer("itemleftoffset", ItemLeftOffset, 0);
    io.Integer("itemrightoffset", ItemRightOffset, 0);
    io.Rect("itemtextrect", ItemTextRect);
    io.Text("fontname", FontName, "Arial");
    io.FontStyles("fontstyle", FontStyle);
    io.Integer("fontheight", FontHeight, 14);
    io.Color("fontcolor", FontColor, 0);
    io.Color("focusfontcolor", FocusFontColor, 0);
    io.Color("activefontcolor", ActiveFontColor, 0);
    io.Rect("buttonrect", ButtonRect);
    io.Rect("activebuttonrect", ActiveButtonRect);
    io.Rect("downbuttonrect", DownButtonRect);
    io.Rect("unenabledbuttonrect", UnEnabledButtonRect);
    io.Boolean("itemstretcheffect", ItemStretchEffect);
    io.Boolean("focusitemstretcheffect", FocusItemStretchEffect);
    io.Rect("activeskinrect", ActiveSkinRect);
    io.Text("listboxname", ListBoxName, "");
    io.Boolean("showfocus", ShowFocus);
}

void TbsDataSkinEditControl::Exchange(TbsSkinFieldIO& io) {
    TbsDataSkinCustomControl::Exchange(io);
    io.Rect("activeskinrect", ActiveSkinRect);
    io.Text("fontname", FontName, "Arial");
    io.FontStyles("fontstyle", FontStyle);
    io.Integer("fontheight", FontHeight, 14);
    io.Color("fontcolor", FontColor, 0);
    io.Color("disabledfontcolor", DisabledFontColor, 0);
    io.Color("activefontcolor", ActiveFontColor, 0);
    io.Rect("buttonrect", ButtonRect);
    io.Rect("activebuttonrect", ActiveButtonRect);
    io.Rect("downbuttonrect", DownButtonRect);
    io.Rect("unenabledbuttonrect", UnEnabledButtonRect);
}

void TbsDataSkinMemoControl::Exchange(TbsSkinFieldIO& io) {
    TbsDataSkinEditControl::Exchange(io);
    io.Color("bgcolor", BGColor, 0);
    io.Color("activebgcolor", ActiveBGColor, 0);
}

void TbsDataSkinSpinEditControl::Exchange(TbsSkinFieldIO& io) {
    TbsDataSkinCustomControl::Exchange(io);
    io.Rect("activeskinrect", ActiveSkinRect);
    io.Text("fontname", FontName, "Arial");
    io.FontStyles("fontstyle", FontStyle);
    io.Integer("fontheight", FontHeight, 14);
    io.Color("fontcolor", FontColor, 0);
    io.Color("activefontcolor", ActiveFontColor, 0);
    io.Color("disabledfontcolor", DisabledFontColor, 0);
    io.Rect("upbuttonrect", UpButtonRect);
    io.Rect("activeupbuttonrect", ActiveUpButtonRect);
    io.Rect("downupbuttonrect", DownUpButtonRect);
    io.Rect("downbuttonrect", DownButtonRect);
    io.Rect("activedownbuttonrect", ActiveDownButtonRect);
    io.Rect("downdownbuttonrect", DownDownButtonRect);
}

void TbsDataSkinUpDownControl::LoadFromFile(const TCustomIniFile& ini) {
    TbsDataSkinCustomControl::LoadFromFile(ini);
    ClearGeometry();
}

void TbsDataSkinUpDownControl::SaveToFile(TCustomIniFile& ini) {
    ClearGeometry();
    TbsDataSkinCustomControl::SaveToFile(ini);
}

void TbsDataSkinUpDownControl::ClearGeometry() {
    LTPoint = TPoint();
    RTPoint = TPoint();
    LBPoint = TPoint();
    RBPoint = TPoint();
    ClRect = TRect();
}

void TbsDataSkinUpDownControl::Exchange(TbsSkinFieldIO& io) {
    TbsDataSkinCustomControl::Exchange(io);
    io.Rect("upbuttonrect", UpButtonRect);
    io.Rect("activeupbuttonrect", ActiveUpButtonRect);
    io.Rect("downupbuttonrect", DownUpButtonRect);
    io.Rect("downbuttonrect", DownButtonRect);
    io.Rect("activedownbuttonrect", ActiveDownButtonRect);
    io.Rect("downdownbuttonrect", DownDownButtonRect);
}

void TbsDataSkinScrollBarControl::Exchange(TbsSkinFieldIO& io) {
    TbsDataSkinCustomControl::Exchange(io);
    io.Rect("trackarea", TrackArea);
    io.Rect("upbuttonrect", UpButtonRect);
    io.Rect("activeupbuttonrect", ActiveUpButtonRect);
    io.Rect("downupbuttonrect", DownUpButtonRect);
    io.Rect("downbuttonrect", DownButtonRect);
    io.Rect("activedownbuttonrect", ActiveDownButtonRect);
    io.Rect("downdownbuttonrect", DownDownButtonRect);
    io.Rect("thumbrect", ThumbRect);
    io.Rect("activethumbrect", ActiveThumbRect);
    io.Rect("downthumbrect", DownThumbRect);
    io.Integer("thumboffset1", ThumbOffset1, 0);
    io.Integer("thumboffset2", ThumbOffset2, 0);
    io.Rect("glyphrect", GlyphRect);
    io.Rect("activeglyphrect", ActiveGlyphRect);
    io.Rect("downglyphrect", DownGlyphRect);
    io.Boolean("glyphtransparent", GlyphTransparent);
    io.Color("glyphtransparentcolor", GlyphTransparentColor, 0);
    io.Boolean("thumbtransparent", ThumbTransparent);
    io.Color("thumbtransparentcolor", ThumbTransparentColor, 0);
    io.Boolean("thumbstretcheffect", ThumbStretchEffect);
    io.Integer("thumbminsize", ThumbMinSize, 0);
    io.Integer("thumbminpagesize", ThumbMinPageSize, 0);
}
