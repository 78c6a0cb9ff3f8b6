// The program's first skin: frames, menus, hints, dialogs and most controls.
#include "tools/skingen/SkinBuilder.h"

#include "platform/gfx/TBitmap.h"

#include <algorithm>
#include <cmath>

using gfx::Pixel;

namespace {

const int kFrameWidth = 400;
const int kFrameHeight = 300;
const int kCaptionHeight = 30;
const int kBorder = 4;
const int kCapButtonWidth = 30;
const int kCapButtonHeight = 22;
const int kCapButtonTop = 4;

// The caption is one flat band, so the caption buttons' faces match it wherever they stand.
const Pixel kCaptionMiddle = Rgb(0x2D3946);
const Pixel kFrameEdge = Rgb(0x1B232B);
const Pixel kCaptionText = Rgb(0xF1F4F7);
const Pixel kCaptionGlyph = Rgb(0xD5DCE3);
const Pixel kCaptionHot = Rgb(0x465666);
const Pixel kCaptionDown = Rgb(0x1E2831);
const Pixel kCloseHot = Rgb(0xE0483E);
const Pixel kCloseDown = Rgb(0xB8352D);
const Pixel kInactiveGlyph = Rgb(0x8794A1);

using TGlyphRows = std::initializer_list<std::string_view>;
const TGlyphRows kCloseGlyph = { "#      #", " #    # ", "  #  #  ", "   ##   ",
                                 "   ##   ", "  #  #  ", " #    # ", "#      #" };
const TGlyphRows kMinGlyph = { "        ", "        ", "        ", "        ",
                               "        ", "        ", "        ", "########" };
const TGlyphRows kMaxGlyph = { "########", "#      #", "#      #", "#      #",
                               "#      #", "#      #", "#      #", "########" };
const TGlyphRows kRestoreGlyph = { "  ######", "  #    #", "######  ", "#    # #",
                                   "#    # #", "#    ###", "#    #  ", "######  " };
const TGlyphRows kRollUpGlyph = { "        ", "        ", "   ##   ", "  ####  ",
                                  " ##  ## ", "##    ##", "        ", "        " };
// A strip of film: the program's mark in the system-menu corner.
const TGlyphRows kFilmGlyph = { "##############", "# ## ## ## # #", "##############",
                                "##          ##", "##          ##", "##          ##",
                                "##          ##", "##          ##", "##############",
                                "# ## ## ## # #", "##############" };

void DrawFrame(TSkinArt& frame, const TSkinTheme& theme) {
    frame.Fill(TRect(0, 0, kFrameWidth, kFrameHeight), kCaptionMiddle);
    frame.Fill(TRect(0, 0, kFrameWidth, kCaptionHeight), kCaptionMiddle);
    frame.Fill(TRect(kBorder, kCaptionHeight, kFrameWidth - kBorder, kFrameHeight - kBorder),
               theme.Window);
    frame.Frame(TRect(0, 0, kFrameWidth, kFrameHeight), kFrameEdge);
}

// A caption button with all its faces in the control picture: the frame lays the buttons out
// in a row from the right of the caption, so a hidden button leaves no gap and no trace.
void CaptionButton(TSkinBuilder& b, const std::string& name, TbsStdCommand command,
                   TGlyphRows glyph, const char* hint) {
    auto& button = b.Object<TbsDataSkinStdButton>("stdbutton", name);
    button.Command = command;
    button.Hint = hint;
    button.ActivePictureIndex = b.ArtIndex();
    button.SkinRectInAPicture = true;
    const bool close = command == cmClose;
    const auto face = [&](Pixel fill, Pixel ink, TGlyphRows rows) {
        const TRect r = b.Art().Place(kCapButtonWidth, kCapButtonHeight);
        b.Art().Gradient(r, fill, fill);
        b.Art().Glyph(r, rows, ink);
        return r;
    };
    button.SkinRect = face(kCaptionMiddle, kCaptionGlyph, glyph);
    button.ActiveSkinRect = face(close ? kCloseHot : kCaptionHot, kCaptionText, glyph);
    button.DownRect = face(close ? kCloseDown : kCaptionDown, kCaptionText, glyph);
    button.InActiveSkinRect = face(kCaptionMiddle, kInactiveGlyph, glyph);
    button.DisableSkinRect = face(kCaptionMiddle, Rgb(0x5A6673), glyph);
    if (command == cmMaximize) {
        button.RestoreRect = face(kCaptionMiddle, kCaptionGlyph, kRestoreGlyph);
        button.RestoreActiveRect = face(kCaptionHot, kCaptionText, kRestoreGlyph);
        button.RestoreDownRect = face(kCaptionDown, kCaptionText, kRestoreGlyph);
        button.RestoreInActiveRect = face(kCaptionMiddle, kInactiveGlyph, kRestoreGlyph);
        button.RestoreHint = "Restore";
    }
}

void FrameObjects(TSkinBuilder& b, const TSkinTheme& theme) {
    CaptionButton(b, "closebutton", cmClose, kCloseGlyph, "Close");
    CaptionButton(b, "maxbutton", cmMaximize, kMaxGlyph, "Maximize");
    CaptionButton(b, "minbutton", cmMinimize, kMinGlyph, "Minimize");
    CaptionButton(b, "rollupbutton", cmRollUp, kRollUpGlyph, "Roll up");

    auto& sys = b.Object<TbsDataSkinStdButton>("stdbutton", "sysmenubutton");
    sys.Command = cmSysMenu;
    sys.ActivePictureIndex = b.ArtIndex();
    sys.SkinRectInAPicture = true;
    const auto sysFace = [&](Pixel fill, Pixel ink) {
        const TRect r = b.Art().Place(16, 16);
        b.Art().Fill(r, fill);
        b.Art().Glyph(r, kFilmGlyph, ink);
        return r;
    };
    sys.SkinRect = sysFace(kCaptionMiddle, Rgb(0x5AA0F0));
    sys.ActiveSkinRect = sysFace(kCaptionHot, Rgb(0x7DB6F5));
    sys.DownRect = sysFace(kCaptionDown, Rgb(0x5AA0F0));
    sys.InActiveSkinRect = sysFace(kCaptionMiddle, kInactiveGlyph);
    sys.DisableSkinRect = sys.InActiveSkinRect;

    auto& caption = b.Object<TbsDataSkinCaption>("caption", "caption");
    caption.SkinRect = TRect(30, 0, 200, kCaptionHeight);
    caption.TextRct = TRect(0, 0, 170, kCaptionHeight);
    caption.FontName = theme.FontName;
    caption.FontHeight = 14;
    caption.FontStyle = TFontStyles{ fsBold };
    caption.FontColor = ColorOf(kInactiveGlyph);
    caption.ActiveFontColor = ColorOf(kCaptionText);
    caption.Alignment = taLeftJustify;
    caption.StretchEffect = true;
    // A dark halo lifts the light title off the slate band, and the grey one of an inactive
    // form alike.
    caption.GlowEffect = caption.GlowInActiveEffect = true;
    caption.GlowSize = 3;
    caption.GlowActiveColor = ColorOf(Rgb(0x111820));
    caption.GlowColor = ColorOf(Rgb(0x1B232C));
}

// The soft shadow around a framed window: a picture of the shadow's colour whose mask fades
// from a faint edge around the window (lower below it, as if lit from above) to nothing.
constexpr int kLayerSize = 72;
constexpr TRect kLayerClient{ 18, 16, 54, 52 };

gfx::Surface LayerShadow() {
    return gfx::Surface(kLayerSize, kLayerSize, Rgb(0x0B1117));
}

gfx::Surface LayerShadowMask() {
    gfx::Surface mask(kLayerSize, kLayerSize, Rgb(0x000000));
    // The shadow's box: the window's place moved 2 pixels down.
    const TRect box(kLayerClient.Left, kLayerClient.Top + 2, kLayerClient.Right,
                    kLayerClient.Bottom + 2);
    constexpr double kReach = 16.0;
    for (int y = 0; y < kLayerSize; ++y)
        for (int x = 0; x < kLayerSize; ++x) {
            // The window covers its own place: nothing to show there.
            if (x >= kLayerClient.Left && x < kLayerClient.Right && y >= kLayerClient.Top &&
                y < kLayerClient.Bottom)
                continue;
            const double dx = std::max({ 0, box.Left - x, x - (box.Right - 1) });
            const double dy = std::max({ 0, box.Top - y, y - (box.Bottom - 1) });
            const double d = std::sqrt(dx * dx + dy * dy);
            if (d >= kReach) continue;
            const double fall = 1.0 - d / kReach;
            const int grey = int(std::lround(96.0 * fall * fall));
            mask.Set(
                x, y,
                gfx::MakePixel(std::uint8_t(grey), std::uint8_t(grey), std::uint8_t(grey), 255));
        }
    return mask;
}

void LayerFrame(TbsSkinData& skin) {
    TbsDataSkinLayerFrame& frame = skin.LayerFrame;
    frame.PictureIndex = int(skin.FActivePictures.size());
    skin.FActivePictures.push_back(BitmapOf(LayerShadow()));
    skin.FActivePicturesNames.Add("shadow.bmp");
    frame.MaskPictureIndex = int(skin.FActivePictures.size());
    skin.FActivePictures.push_back(BitmapOf(LayerShadowMask()));
    skin.FActivePicturesNames.Add("shadowmask.bmp");
    frame.InActivePictureIndex = frame.InActiveMaskPictureIndex = -1;
    frame.ClRect = kLayerClient;
    // The corners keep their shape; the straight runs between them stretch or tile.
    frame.LTPoint = TPoint(kLayerClient.Left + 12, kLayerClient.Top);
    frame.RTPoint = TPoint(kLayerClient.Right - 12, kLayerClient.Top);
    frame.LBPoint = TPoint(kLayerClient.Left + 12, kLayerClient.Bottom);
    frame.RBPoint = TPoint(kLayerClient.Right - 12, kLayerClient.Bottom);
    frame.AlphaBlendValue = frame.InActiveAlphaBlendValue = 255;
    frame.BorderRect = TRect(0, 0, 0, 0);
    frame.HitTestEnable = false;
}

void MenuObjects(TSkinBuilder& b, const TSkinTheme& theme) {
    TSkinArt& art = b.Art();
    auto& item = b.Object<TbsDataSkinMenuItem>("menuitem", "menuitem");
    item.ActivePictureIndex = b.ArtIndex();
    item.SkinRectInAPicture = true;
    item.SkinRect = art.Place(64, 22);
    item.ActiveSkinRect = art.Place(64, 22);
    art.Fill(item.SkinRect, theme.Field);
    art.Fill(item.ActiveSkinRect, theme.Field);
    art.Face(TRect(item.ActiveSkinRect.Left + 2, item.ActiveSkinRect.Top + 1,
                   item.ActiveSkinRect.Right - 2, item.ActiveSkinRect.Bottom - 1),
             TFaceLook{ theme.RowHot, theme.RowHot, Rgb(0xB9D3F3), theme.Field, 2 });
    item.ItemLO = 4;
    item.ItemRO = 4;
    item.DividerRect = art.Place(64, 7);
    art.Fill(item.DividerRect, theme.Field);
    art.Fill(TRect(item.DividerRect.Left + 4, item.DividerRect.Top + 3, item.DividerRect.Right - 4,
                   item.DividerRect.Top + 4),
             Rgb(0xDDE2E7));
    item.DividerLO = 4;
    item.DividerRO = 4;
    item.TextRct = TRect(26, 0, 60, 22);
    item.ImageRct = TRect(5, 3, 21, 19);
    item.FontName = theme.FontName;
    item.FontHeight = theme.FontHeight;
    item.FontColor = item.ActiveFontColor = ColorOf(theme.Text);
    item.UnEnabledFontColor = ColorOf(theme.DisabledText);
    item.StretchEffect = true;
    item.DividerStretchEffect = true;
    const auto mark = [&](Pixel back, TGlyphRows rows) {
        const TRect r = art.Place(16, 16);
        art.Fill(r, back);
        art.Glyph(r, rows, theme.Text);
        return r;
    };
    const TGlyphRows check = { "      #", "     ##", "#   ## ", "## ##  ", " ###   ", "  #    " };
    const TGlyphRows radio = { " ## ", "####", "####", " ## " };
    const TGlyphRows arrow = { "#   ", "##  ", "### ", "##  ", "#   " };
    item.CheckImageRect = mark(theme.Field, check);
    item.ActiveCheckImageRect = mark(theme.RowHot, check);
    item.RadioImageRect = mark(theme.Field, radio);
    item.ActiveRadioImageRect = mark(theme.RowHot, radio);
    item.ArrowImageRect = mark(theme.Field, arrow);
    item.ActiveArrowImageRect = mark(theme.RowHot, arrow);

    auto& barItem = b.Object<TbsDataSkinMainMenuBarItem>("mainmenubaritem", "mainmenubaritem");
    barItem.ActivePictureIndex = b.ArtIndex();
    barItem.SkinRectInAPicture = true;
    barItem.SkinRect = art.Place(40, 20);
    barItem.ActiveSkinRect = art.Place(40, 20);
    barItem.DownRect = art.Place(40, 20);
    art.Fill(barItem.SkinRect, theme.Window);
    art.Face(barItem.ActiveSkinRect,
             TFaceLook{ theme.RowHot, theme.RowHot, Rgb(0xB9D3F3), theme.Window, 2 });
    art.Face(barItem.DownRect,
             TFaceLook{ theme.Field, theme.Field, theme.Border, theme.Window, 2 });
    barItem.ItemLO = 4;
    barItem.ItemRO = 4;
    barItem.TextRct = TRect(4, 0, 36, 20);
    barItem.FontName = theme.FontName;
    barItem.FontHeight = theme.FontHeight;
    barItem.FontColor = barItem.ActiveFontColor = barItem.DownFontColor = ColorOf(theme.Text);
    barItem.UnEnabledFontColor = ColorOf(theme.DisabledText);
    barItem.StretchEffect = true;
}

void PopupAndHint(TbsSkinData& skin, const TSkinTheme& theme) {
    TSkinArt menu(64, theme.Field);
    const TRect whole(0, 0, 64, 64);
    menu.Place(64, 64);
    menu.Fill(whole, theme.Field);
    menu.Frame(whole, Rgb(0xC3CCD5));
    auto& popup = skin.PopupWindow;
    popup.WindowPictureIndex = 1;
    popup.LTPoint = TPoint(3, 3);
    popup.RTPoint = TPoint(61, 3);
    popup.LBPoint = TPoint(3, 61);
    popup.RBPoint = TPoint(61, 61);
    popup.ItemsRect = TRect(3, 3, 61, 61);
    popup.ScrollMarkerColor = ColorOf(theme.DisabledText);
    popup.ScrollMarkerActiveColor = ColorOf(theme.Accent);
    popup.LeftStretch = popup.RightStretch = popup.TopStretch = popup.BottomStretch = true;
    popup.StretchEffect = true;

    TSkinArt hint(32, Rgb(0x2F3A45));
    hint.Place(32, 32);
    hint.Fill(TRect(0, 0, 32, 32), Rgb(0x2F3A45));
    hint.Frame(TRect(0, 0, 32, 32), Rgb(0x1B232B));
    auto& h = skin.HintWindow;
    h.WindowPictureIndex = 2;
    h.LTPoint = TPoint(4, 4);
    h.RTPoint = TPoint(28, 4);
    h.LBPoint = TPoint(4, 28);
    h.RBPoint = TPoint(28, 28);
    h.ClRect = TRect(4, 4, 28, 28);
    h.FontName = theme.FontName;
    h.FontHeight = theme.FontHeight;
    h.FontColor = ColorOf(Rgb(0xF1F4F7));
    h.LeftStretch = h.RightStretch = h.TopStretch = h.BottomStretch = true;
    h.StretchEffect = true;

    skin.FActivePictures.push_back(menu.ToBitmap());
    skin.FActivePicturesNames.Add("menu.bmp");
    skin.FActivePictures.push_back(hint.ToBitmap());
    skin.FActivePicturesNames.Add("hint.bmp");
}

void Controls(TSkinBuilder& b, const TSkinTheme& theme) {
    for (const char* name : { "button", "resizebutton", "officequickbutton" })
        b.Button(name, 48, 24);
    for (const char* name : { "toolbutton", "resizetoolbutton", "menuitembutton" })
        b.FlatButton(name, 32, 24);
    b.Button("combobutton", 17, 18);
    b.Button("editbutton", 17, 18);
    b.CheckRadio("checkbox", false);
    b.CheckRadio("radiobox", true);

    const Pixel window = theme.Window;
    b.Panel("panel", window, window, Rgb(0xD5DBE1));
    b.Panel("toolpanel", Rgb(0xFAFBFC), Rgb(0xEEF1F4), Rgb(0xD5DBE1));
    b.Panel("resizetoolpanel", Rgb(0xFAFBFC), Rgb(0xEEF1F4), Rgb(0xD5DBE1));
    b.Panel("statusbar", Rgb(0xE9EDF1), Rgb(0xE3E8ED), Rgb(0xC9D1D9));
    auto& group = b.Panel("groupbox", window, window, window);
    // The group frame begins below the caption's middle.
    b.Art().Face(TRect(group.SkinRect.Left, group.SkinRect.Top + 8, group.SkinRect.Right,
                       group.SkinRect.Bottom),
                 TFaceLook{ window, window, Rgb(0xC9D1D9), window, 3 });
    b.ResizeAll(group, 12);
    group.CaptionRect = TRect(8, 0, 24, 16);
    // The top corners hold the whole caption rectangle, so that it runs from the left corner
    // to the right one and widens with the box; reaching below them it would keep its 16
    // pixels and cut a caption to its first character.
    group.LTPoint.Y = group.RTPoint.Y = group.CaptionRect.Bottom;

    auto& label = b.Control<TbsDataSkinLabelControl>("label", "label");
    label.PictureIndex = b.ArtIndex();
    label.SkinRect = b.Art().Place(32, 20);
    b.Art().Fill(label.SkinRect, window);
    b.ResizeAll(label, 2);
    label.StretchEffect = true;
    label.FontName = theme.FontName;
    label.FontHeight = theme.FontHeight;
    label.FontColor = ColorOf(theme.Text);
    auto& header = b.Control<TbsDataSkinLabelControl>("label", "menuheader");
    header.PictureIndex = b.ArtIndex();
    header.SkinRect = b.Art().Place(32, 20);
    b.Art().Gradient(header.SkinRect, Rgb(0xE9EEF3), Rgb(0xDCE3EA));
    b.ResizeAll(header, 2);
    header.StretchEffect = true;
    header.FontName = theme.FontName;
    header.FontHeight = theme.FontHeight;
    header.FontStyle = TFontStyles{ fsBold };
    header.FontColor = ColorOf(theme.Text);
    auto& stdLabel = b.Control<TbsDataSkinStdLabelControl>("stdlabel", "stdlabel");
    stdLabel.FontName = theme.FontName;
    stdLabel.FontHeight = theme.FontHeight;
    stdLabel.FontColor = ColorOf(theme.Text);
    stdLabel.ActiveFontColor = ColorOf(theme.Accent);

    b.Edit("edit", "edit");
    b.Edit("buttonedit", "edit");
    auto& memo = b.Edit("memo", "memo");
    auto& memoRecord = dynamic_cast<TbsDataSkinMemoControl&>(memo);
    memoRecord.BGColor = memoRecord.ActiveBGColor = ColorOf(theme.Field);

    b.ListBox("listbox");
    b.ComboBox("combobox", "listbox");
    b.ScrollBar("hscrollbar", false);
    b.ScrollBar("vscrollbar", true);
    b.ScrollBar("bothhscrollbar", false);
    b.UpDown("hupdown", false);
    b.UpDown("vupdown", true);

    auto& slider = b.Control<TbsDataSkinSlider>("slider", "slider");
    slider.PictureIndex = b.ArtIndex();
    slider.HRulerRect = b.Art().Place(64, 6);
    b.Art().Face(slider.HRulerRect,
                 TFaceLook{ Rgb(0xD3DAE1), Rgb(0xDDE3E9), Rgb(0xC3CCD5), window, 2 });
    // The thumb's two states side by side: normal, then pressed (also shown disabled).
    slider.HThumbRect = b.Art().Place(28, 14);
    b.Art().Fill(slider.HThumbRect, window);
    const TRect normalThumb(slider.HThumbRect.Left, slider.HThumbRect.Top,
                            slider.HThumbRect.Left + 14, slider.HThumbRect.Bottom);
    b.Art().Disc(normalThumb, theme.Field, theme.Accent);
    b.Art().Disc(
        TRect(normalThumb.Right, normalThumb.Top, slider.HThumbRect.Right, normalThumb.Bottom),
        Rgb(0xC9D1DA), theme.Accent);
    slider.VRulerRect = b.Art().Place(6, 64);
    b.Art().Face(slider.VRulerRect,
                 TFaceLook{ Rgb(0xD3DAE1), Rgb(0xDDE3E9), Rgb(0xC3CCD5), window, 2 });
    slider.VThumbRect = slider.HThumbRect;
    slider.SkinRect = slider.HRulerRect;
    slider.EdgeSize = 3;
    slider.BGColor = ColorOf(window);
    slider.PointsColor = ColorOf(Rgb(0xB7C1CB));

    auto& tab = b.Control<TbsDataSkinTabControl>("tab", "tab");
    tab.PictureIndex = b.ArtIndex();
    tab.SkinRect = b.Art().Place(48, 48);
    b.Art().Face(tab.SkinRect, TFaceLook{ theme.Field, theme.Field, theme.Border, window, 0 });
    tab.LTPoint = TPoint(2, 2);
    tab.RTPoint = TPoint(46, 2);
    tab.LBPoint = TPoint(2, 46);
    tab.RBPoint = TPoint(46, 46);
    tab.ClRect = TRect(2, 2, 46, 46);
    tab.StretchEffect = true;
    tab.LeftStretch = tab.TopStretch = tab.RightStretch = tab.BottomStretch = true;
    // Tabs are rounded at the top only: their bottom rows run straight into the page.
    const auto tabFace = [&](Pixel top, Pixel bottom, Pixel border) {
        const TRect r = b.Art().Place(48, 24);
        b.Art().Face(r, TFaceLook{ top, bottom, border, window, 3 });
        const TRect foot(r.Left, r.Bottom - 4, r.Right, r.Bottom);
        b.Art().Fill(foot, bottom);
        b.Art().Fill(TRect(foot.Left, foot.Top, foot.Left + 1, foot.Bottom), border);
        b.Art().Fill(TRect(foot.Right - 1, foot.Top, foot.Right, foot.Bottom), border);
        return r;
    };
    tab.TabRect = tabFace(Rgb(0xEEF1F4), Rgb(0xE3E8ED), theme.Border);
    tab.ActiveTabRect = tabFace(theme.Field, theme.Field, theme.Border);
    tab.FocusTabRect = tabFace(theme.Field, theme.Field, theme.Accent);
    tab.MouseInTabRect = tabFace(theme.RowHot, theme.RowHot, Rgb(0x5C9DE8));
    tab.TabLeftOffset = 4;
    tab.TabRightOffset = 4;
    tab.TabStretchEffect = true;
    tab.FontName = theme.FontName;
    tab.FontHeight = theme.FontHeight;
    tab.FontColor = tab.ActiveFontColor = tab.FocusFontColor = tab.MouseInFontColor =
        ColorOf(theme.Text);
    tab.UpDown = "hupdown";

    auto& list = b.Control<TbsDataSkinListView>("listview", "listview");
    list.FontName = theme.FontName;
    list.FontHeight = theme.FontHeight;
    list.FontColor = ColorOf(theme.Text);
    list.BGColor = ColorOf(theme.Field);
    auto& tree = b.Control<TbsDataSkinTreeView>("treeview", "treeview");
    tree.FontName = theme.FontName;
    tree.FontHeight = theme.FontHeight;
    tree.FontColor = ColorOf(theme.Text);
    tree.BGColor = ColorOf(theme.Field);

    auto& box = b.Control<TbsDataSkinScrollBoxControl>("scrollbox", "scrollbox");
    box.PictureIndex = b.ArtIndex();
    box.SkinRect = b.Art().Place(32, 32);
    b.Art().Face(box.SkinRect, TFaceLook{ window, window, Rgb(0xD5DBE1), window, 0 });
    b.ResizeAll(box, 1);
    box.StretchEffect = true;

    auto& bevel = b.Control<TbsDataSkinBevel>("bevel", "bevel");
    bevel.LightColor = ColorOf(theme.Field);
    bevel.DarkColor = ColorOf(Rgb(0xC9D1D9));

    for (const bool vertical : { false, true }) {
        auto& s =
            b.Control<TbsDataSkinSplitterControl>("splitter", vertical ? "vsplitter" : "hsplitter");
        s.PictureIndex = b.ArtIndex();
        s.SkinRect = vertical ? b.Art().Place(5, 32) : b.Art().Place(32, 5);
        b.Art().Fill(s.SkinRect, window);
        if (vertical) {
            b.Art().Fill(
                TRect(s.SkinRect.Left + 2, s.SkinRect.Top, s.SkinRect.Left + 3, s.SkinRect.Bottom),
                Rgb(0xD5DBE1));
            b.ResizeDown(s, 1, 1);
        } else {
            b.Art().Fill(
                TRect(s.SkinRect.Left, s.SkinRect.Top + 2, s.SkinRect.Right, s.SkinRect.Top + 3),
                Rgb(0xD5DBE1));
            b.ResizeAcross(s, 1, 1);
        }
    }

    auto& bar = b.Control<TbsDataSkinMainMenuBar>("mainmenubar", "mainmenubar");
    bar.PictureIndex = b.ArtIndex();
    // The program's menu bar is 22 pixels high.
    bar.SkinRect = b.Art().Place(48, 22);
    b.Art().Fill(bar.SkinRect, window);
    b.Art().Fill(
        TRect(bar.SkinRect.Left, bar.SkinRect.Bottom - 1, bar.SkinRect.Right, bar.SkinRect.Bottom),
        Rgb(0xDDE2E7));
    bar.ItemsRect = TRect(2, 1, 46, 21);
    bar.MenuBarItem = "mainmenubaritem";
    bar.TrackMarkColor = ColorOf(theme.DisabledText);
    bar.TrackMarkActiveColor = ColorOf(theme.Accent);
    bar.StretchEffect = true;
}

} // namespace

void BuildMainSkin(TbsSkinData& skin) {
    const TSkinTheme theme;
    skin.ClearAll();
    skin.SkinName = "Slate";
    skin.SkinAuthor = "vobconv";
    skin.SkinComments = "Frames, menus, hints, dialogs and controls";

    TSkinArt frame(kFrameWidth, kCaptionMiddle);
    frame.Place(kFrameWidth, kFrameHeight);
    DrawFrame(frame, theme);
    TSkinArt controls(256, theme.Window);
    TSkinBuilder b(skin, controls, 0, theme);
    FrameObjects(b, theme);
    MenuObjects(b, theme);
    Controls(b, theme);

    skin.ClRect = TRect(kBorder, kCaptionHeight, kFrameWidth - kBorder, kFrameHeight - kBorder);
    skin.LTPoint = TPoint(200, kCaptionHeight);
    skin.RTPoint = TPoint(kFrameWidth - 110, kCaptionHeight);
    skin.LBPoint = TPoint(200, kFrameHeight - kBorder);
    skin.RBPoint = TPoint(kFrameWidth - 110, kFrameHeight - kBorder);
    // The caption buttons stand in a row from the right of this rectangle, the system-menu
    // button at its left.
    skin.CaptionRect =
        TRect(6, kCapButtonTop, kFrameWidth - kBorder - 2, kCapButtonTop + kCapButtonHeight);
    skin.BorderW = kBorder;
    skin.LeftStretch = skin.RightStretch = skin.TopStretch = skin.BottomStretch = true;
    skin.StretchEffect = true;
    skin.BGPictureIndex = -1;
    skin.MDIBGPictureIndex = -1;
    skin.FormMinWidth = 240;
    skin.AutoRenderingInActiveImage = true;
    skin.InActiveEffect = ieBrightness;

    b.SystemColors();

    skin.FPicture.Assign(*frame.ToBitmap());
    skin.FPictureName = "frame.bmp";
    skin.FActivePictures.push_back(controls.ToBitmap());
    skin.FActivePicturesNames.Add("controls.bmp");
    PopupAndHint(skin, theme);
    LayerFrame(skin);
    skin.Empty = false;
}
