#include "tools/skingen/SkinBuilder.h"

#include <filesystem>

using gfx::Pixel;

namespace {

TRect Size(const TRect& rect) {
    return TRect(0, 0, rect.Right - rect.Left, rect.Bottom - rect.Top);
}

TRect Inset(const TRect& rect, int by) {
    return TRect(rect.Left + by, rect.Top + by, rect.Right - by, rect.Bottom - by);
}

TRect Offset(const TRect& rect, int dx, int dy) {
    return TRect(rect.Left + dx, rect.Top + dy, rect.Right + dx, rect.Bottom + dy);
}

} // namespace

void TSkinBuilder::ResizeAll(TbsDataSkinCustomControl& c, int margin) {
    const TRect face = Size(c.SkinRect);
    c.LTPoint = TPoint(margin, margin);
    c.RTPoint = TPoint(face.Right - margin, margin);
    c.LBPoint = TPoint(margin, face.Bottom - margin);
    c.RBPoint = TPoint(face.Right - margin, face.Bottom - margin);
    c.ClRect = Inset(face, margin);
}

void TSkinBuilder::ResizeAcross(TbsDataSkinCustomControl& c, int left, int right) {
    const TRect face = Size(c.SkinRect);
    c.LTPoint = TPoint(left, 0);
    c.RTPoint = TPoint(face.Right - right, 0);
    c.LBPoint = TPoint();
    c.RBPoint = TPoint();
    c.ClRect = TRect(left, 0, face.Right - right, face.Bottom);
}

void TSkinBuilder::ResizeDown(TbsDataSkinCustomControl& c, int top, int bottom) {
    const TRect face = Size(c.SkinRect);
    c.LTPoint = TPoint(0, top);
    c.RTPoint = TPoint();
    c.LBPoint = TPoint(0, face.Bottom - bottom);
    c.RBPoint = TPoint();
    c.ClRect = TRect(0, top, face.Right, face.Bottom - bottom);
}

void TSkinBuilder::Arrow(const TRect& rect, char way, Pixel colour) {
    switch (way) {
    case 'u':
        FArt.Glyph(rect, { "   #   ", "  ###  ", " ##### ", "#######" }, colour);
        break;
    case 'd':
        FArt.Glyph(rect, { "#######", " ##### ", "  ###  ", "   #   " }, colour);
        break;
    case 'l':
        FArt.Glyph(rect, { "   #", "  ##", " ###", "####", " ###", "  ##", "   #" }, colour);
        break;
    default:
        FArt.Glyph(rect, { "#   ", "##  ", "### ", "####", "### ", "##  ", "#   " }, colour);
        break;
    }
}

TbsDataSkinButtonControl& TSkinBuilder::ButtonFaces(const std::string& name, int width, int height,
                                                    const TFaceLook& normal) {
    auto& b = Control<TbsDataSkinButtonControl>("button", name);
    b.PictureIndex = FArtIndex;
    b.SkinRect = FArt.Place(width, height);
    b.ActiveSkinRect = FArt.Place(width, height);
    b.DownSkinRect = FArt.Place(width, height);
    b.DisabledSkinRect = FArt.Place(width, height);
    b.FocusedSkinRect = FArt.Place(width, height);
    FArt.Face(b.SkinRect, normal);
    FArt.Face(b.ActiveSkinRect, FTheme.Hot);
    FArt.Face(b.DownSkinRect, FTheme.Down);
    FArt.Face(b.DisabledSkinRect, FTheme.Disabled);
    FArt.Face(b.FocusedSkinRect, FTheme.Focused);
    ResizeAll(b, 4);
    b.StretchEffect = true;
    b.LeftStretch = b.TopStretch = b.RightStretch = b.BottomStretch = true;
    b.FontName = FTheme.FontName;
    b.FontHeight = FTheme.FontHeight;
    b.FontColor = b.ActiveFontColor = b.DownFontColor = ColorOf(FTheme.Text);
    b.DisabledFontColor = ColorOf(FTheme.DisabledText);
    return b;
}

TbsDataSkinButtonControl& TSkinBuilder::Button(const std::string& name, int width, int height) {
    return ButtonFaces(name, width, height, FTheme.Normal);
}

TbsDataSkinButtonControl& TSkinBuilder::FlatButton(const std::string& name, int width, int height) {
    const TFaceLook flat{ FTheme.Window, FTheme.Window, FTheme.Window, FTheme.Window };
    return ButtonFaces(name, width, height, flat);
}

TbsDataSkinCheckRadioControl& TSkinBuilder::CheckRadio(const std::string& name, bool radio) {
    auto& c = Control<TbsDataSkinCheckRadioControl>("checkradio", name);
    c.PictureIndex = FArtIndex;
    c.SkinRect = FArt.Place(64, 20);
    c.ActiveSkinRect = FArt.Place(64, 20);
    FArt.Fill(c.SkinRect, FTheme.Window);
    FArt.Fill(c.ActiveSkinRect, FTheme.Window);
    ResizeAcross(c, 20, 4);
    c.CheckImageArea = TRect(2, 3, 17, 18);
    c.TextArea = TRect(20, 0, 64, 20);
    // The check pictures are cut with their bottom-left pixel as the transparent colour, so
    // each keeps a one-pixel margin of the window colour around its box.
    const auto box = [&](const TFaceLook& look, bool checked, Pixel mark) {
        const TRect cell = FArt.Place(15, 15);
        FArt.Fill(cell, FTheme.Window);
        const TRect inner = Inset(cell, 1);
        if (radio) {
            FArt.Disc(inner, look.Top, look.Border);
            if (checked) FArt.Disc(Inset(inner, 4), mark, mark);
        } else {
            FArt.Face(inner, TFaceLook{ look.Top, look.Bottom, look.Border, FTheme.Window, 1 });
            if (checked)
                FArt.Glyph(inner,
                           { "      #", "     ##", "#   ## ", "## ##  ", " ###   ", "  #    " },
                           mark);
        }
        return cell;
    };
    const TFaceLook field{ FTheme.Field, FTheme.Field, FTheme.Border, FTheme.Window };
    const TFaceLook hot{ FTheme.Field, FTheme.RowHot, FTheme.Accent, FTheme.Window };
    c.CheckImageRect = box(field, true, FTheme.Accent);
    c.UnCheckImageRect = box(field, false, FTheme.Accent);
    c.ActiveCheckImageRect = box(hot, true, FTheme.Accent);
    c.ActiveUnCheckImageRect = box(hot, false, FTheme.Accent);
    c.UnEnabledCheckImageRect = box(FTheme.Disabled, true, FTheme.DisabledText);
    c.UnEnabledUnCheckImageRect = box(FTheme.Disabled, false, FTheme.DisabledText);
    c.GrayedCheckImageRect = box(field, true, FTheme.DisabledText);
    c.ActiveGrayedCheckImageRect = box(hot, true, FTheme.DisabledText);
    c.FontName = FTheme.FontName;
    c.FontHeight = FTheme.FontHeight;
    c.FontColor = c.ActiveFontColor = c.FrameFontColor = ColorOf(FTheme.Text);
    c.UnEnabledFontColor = ColorOf(FTheme.DisabledText);
    return c;
}

TbsDataSkinPanelControl& TSkinBuilder::Panel(const std::string& name, Pixel top, Pixel bottom,
                                             Pixel border) {
    auto& p = Control<TbsDataSkinPanelControl>("panel", name);
    p.PictureIndex = FArtIndex;
    p.SkinRect = FArt.Place(32, 32);
    FArt.Face(p.SkinRect, TFaceLook{ top, bottom, border, FTheme.Window, 0 });
    ResizeAll(p, 2);
    p.StretchEffect = true;
    p.LeftStretch = p.TopStretch = p.RightStretch = p.BottomStretch = true;
    p.CaptionRect = TRect(4, 0, 28, 20);
    p.Alignment = taLeftJustify;
    p.FontName = FTheme.FontName;
    p.FontHeight = FTheme.FontHeight;
    p.FontColor = ColorOf(FTheme.Text);
    return p;
}

TbsDataSkinEditControl& TSkinBuilder::Edit(const std::string& name, const std::string& kind) {
    auto& e = Control<TbsDataSkinEditControl>(kind, name);
    e.PictureIndex = FArtIndex;
    e.SkinRect = FArt.Place(48, 22);
    e.ActiveSkinRect = FArt.Place(48, 22);
    FArt.Face(e.SkinRect, TFaceLook{ FTheme.Field, FTheme.Field, FTheme.Border, FTheme.Window, 2 });
    FArt.Face(e.ActiveSkinRect,
              TFaceLook{ FTheme.Field, FTheme.Field, FTheme.Accent, FTheme.Window, 2 });
    ResizeAll(e, 3);
    e.StretchEffect = true;
    e.LeftStretch = e.TopStretch = e.RightStretch = e.BottomStretch = true;
    e.FontName = FTheme.FontName;
    e.FontHeight = FTheme.FontHeight;
    e.FontColor = e.ActiveFontColor = ColorOf(FTheme.Text);
    e.DisabledFontColor = ColorOf(FTheme.DisabledText);
    return e;
}

TbsDataSkinListBox& TSkinBuilder::ListBox(const std::string& name) {
    auto& l = Control<TbsDataSkinListBox>("listbox", name);
    l.PictureIndex = FArtIndex;
    l.SkinRect = FArt.Place(48, 48);
    FArt.Face(l.SkinRect, TFaceLook{ FTheme.Field, FTheme.Field, FTheme.Border, FTheme.Window, 0 });
    ResizeAll(l, 2);
    l.StretchEffect = true;
    l.LeftStretch = l.TopStretch = l.RightStretch = l.BottomStretch = true;
    l.SItemRect = FArt.Place(48, 20);
    l.ActiveItemRect = FArt.Place(48, 20);
    l.FocusItemRect = FArt.Place(48, 20);
    FArt.Fill(l.SItemRect, FTheme.Row);
    FArt.Fill(l.ActiveItemRect, FTheme.Accent);
    FArt.Fill(l.FocusItemRect, FTheme.Accent);
    FArt.Frame(l.FocusItemRect, FTheme.Down.Border);
    l.ItemLeftOffset = 2;
    l.ItemRightOffset = 2;
    l.ItemTextRect = TRect(4, 0, 44, 20);
    l.FontName = l.CaptionFontName = FTheme.FontName;
    l.FontHeight = l.CaptionFontHeight = FTheme.FontHeight;
    l.FontColor = l.CaptionFontColor = ColorOf(FTheme.Text);
    l.ActiveFontColor = l.FocusFontColor = ColorOf(FTheme.AccentText);
    l.HScrollBarName = "hscrollbar";
    l.VScrollBarName = "vscrollbar";
    l.BothScrollBarName = "bothhscrollbar";
    return l;
}

TbsDataSkinComboBox& TSkinBuilder::ComboBox(const std::string& name,
                                            const std::string& listBoxName) {
    auto& c = Control<TbsDataSkinComboBox>("combobox", name);
    c.PictureIndex = FArtIndex;
    const int w = 64;
    const int h = 22;
    c.SkinRect = FArt.Place(w, h);
    c.ActiveSkinRect = FArt.Place(w, h);
    FArt.Face(c.SkinRect, TFaceLook{ FTheme.Field, FTheme.Field, FTheme.Border, FTheme.Window, 2 });
    FArt.Face(c.ActiveSkinRect,
              TFaceLook{ FTheme.Field, FTheme.Field, FTheme.Accent, FTheme.Window, 2 });
    c.ButtonRect = TRect(w - 19, 2, w - 2, h - 2);
    for (const TRect& face : { c.SkinRect, c.ActiveSkinRect })
        Arrow(Offset(c.ButtonRect, face.Left, face.Top), 'd', FTheme.Text);
    const int bw = c.ButtonRect.Right - c.ButtonRect.Left;
    const int bh = c.ButtonRect.Bottom - c.ButtonRect.Top;
    c.ActiveButtonRect = FArt.Place(bw, bh);
    c.DownButtonRect = FArt.Place(bw, bh);
    c.UnEnabledButtonRect = FArt.Place(bw, bh);
    const std::pair<TRect, std::pair<Pixel, Pixel>> buttons[] = {
        { c.ActiveButtonRect, { FTheme.RowHot, FTheme.Accent } },
        { c.DownButtonRect, { FTheme.Down.Bottom, FTheme.Accent } },
        { c.UnEnabledButtonRect, { FTheme.Disabled.Top, FTheme.DisabledText } },
    };
    for (const auto& [rect, colours] : buttons) {
        FArt.Fill(rect, colours.first);
        Arrow(rect, 'd', colours.second);
    }
    ResizeAcross(c, 4, 22);
    c.SItemRect = FArt.Place(48, 18);
    c.ActiveItemRect = FArt.Place(48, 18);
    c.FocusItemRect = FArt.Place(48, 18);
    FArt.Fill(c.SItemRect, FTheme.Field);
    FArt.Fill(c.ActiveItemRect, FTheme.Field);
    FArt.Fill(c.FocusItemRect, FTheme.RowHot);
    c.ItemLeftOffset = 2;
    c.ItemRightOffset = 2;
    c.ItemTextRect = TRect(4, 0, 44, 18);
    c.FontName = FTheme.FontName;
    c.FontHeight = FTheme.FontHeight;
    c.FontColor = c.ActiveFontColor = c.FocusFontColor = ColorOf(FTheme.Text);
    c.ListBoxName = listBoxName;
    return c;
}

TbsDataSkinScrollBarControl& TSkinBuilder::ScrollBar(const std::string& name, bool vertical) {
    auto& s = Control<TbsDataSkinScrollBarControl>("scrollbar", name);
    s.PictureIndex = FArtIndex;
    const int t = 17;
    const int l = 64;
    s.SkinRect = vertical ? FArt.Place(t, l) : FArt.Place(l, t);
    const Pixel track = Rgb(0xECEFF2);
    FArt.Fill(s.SkinRect, track);
    const auto place = [&](const TRect& r) { return Offset(r, s.SkinRect.Left, s.SkinRect.Top); };
    // The up button adds to the position: it is the right end of a horizontal bar and the
    // bottom end of a vertical one.
    if (vertical) {
        s.DownButtonRect = TRect(0, 0, t, t);
        s.UpButtonRect = TRect(0, l - t, t, l);
        s.TrackArea = TRect(0, t, t, l - t);
        ResizeDown(s, t, t);
    } else {
        s.DownButtonRect = TRect(0, 0, t, t);
        s.UpButtonRect = TRect(l - t, 0, l, t);
        s.TrackArea = TRect(t, 0, l - t, t);
        ResizeAcross(s, t, t);
    }
    const char back = vertical ? 'u' : 'l';
    const char forth = vertical ? 'd' : 'r';
    Arrow(place(s.DownButtonRect), back, Rgb(0x6B7785));
    Arrow(place(s.UpButtonRect), forth, Rgb(0x6B7785));
    const auto button = [&](char way, Pixel fill, Pixel glyph) {
        const TRect r = FArt.Place(t, t);
        FArt.Fill(r, fill);
        Arrow(r, way, glyph);
        return r;
    };
    s.ActiveDownButtonRect = button(back, Rgb(0xDDE3E9), FTheme.Text);
    s.DownDownButtonRect = button(back, Rgb(0xC9D1DA), FTheme.Text);
    s.ActiveUpButtonRect = button(forth, Rgb(0xDDE3E9), FTheme.Text);
    s.DownUpButtonRect = button(forth, Rgb(0xC9D1DA), FTheme.Text);
    const auto thumb = [&](Pixel fill) {
        const TRect r = vertical ? FArt.Place(t, 24) : FArt.Place(24, t);
        FArt.Fill(r, track);
        FArt.Face(Inset(r, 3), TFaceLook{ fill, fill, fill, track, 2 });
        return r;
    };
    s.ThumbRect = thumb(Rgb(0xBAC3CC));
    s.ActiveThumbRect = thumb(Rgb(0x98A4B0));
    s.DownThumbRect = thumb(Rgb(0x7D8A97));
    s.ThumbStretchEffect = true;
    s.ThumbMinSize = 16;
    s.ThumbMinPageSize = 16;
    return s;
}

TbsDataSkinUpDownControl& TSkinBuilder::UpDown(const std::string& name, bool vertical) {
    // An up-down keeps no guide points: it is stretched whole.
    auto& u = Control<TbsDataSkinUpDownControl>("updown", name);
    u.PictureIndex = FArtIndex;
    const int t = 17;
    u.SkinRect = vertical ? FArt.Place(t, 2 * t) : FArt.Place(2 * t, t);
    FArt.Fill(u.SkinRect, FTheme.Normal.Bottom);
    FArt.Frame(u.SkinRect, FTheme.Border);
    if (vertical) {
        u.UpButtonRect = TRect(0, 0, t, t);
        u.DownButtonRect = TRect(0, t, t, 2 * t);
    } else {
        u.UpButtonRect = TRect(t, 0, 2 * t, t);
        u.DownButtonRect = TRect(0, 0, t, t);
    }
    const char up = vertical ? 'u' : 'r';
    const char down = vertical ? 'd' : 'l';
    Arrow(Offset(u.UpButtonRect, u.SkinRect.Left, u.SkinRect.Top), up, FTheme.Text);
    Arrow(Offset(u.DownButtonRect, u.SkinRect.Left, u.SkinRect.Top), down, FTheme.Text);
    const auto button = [&](char way, const TFaceLook& look) {
        const TRect r = FArt.Place(t, t);
        FArt.Face(r, TFaceLook{ look.Top, look.Bottom, look.Border, look.Border, 0 });
        Arrow(r, way, FTheme.Text);
        return r;
    };
    u.ActiveUpButtonRect = button(up, FTheme.Hot);
    u.DownUpButtonRect = button(up, FTheme.Down);
    u.ActiveDownButtonRect = button(down, FTheme.Hot);
    u.DownDownButtonRect = button(down, FTheme.Down);
    return u;
}

void WriteSkinFolder(TbsSkinData& skin, const std::string& folder) {
    std::filesystem::create_directories(folder);
    const std::string ini = folder + "/skin.ini";
    std::filesystem::remove(ini);
    skin.StoreToDisk(ini);
}

void TSkinBuilder::SystemColors() {
    auto& colors = FSkin.FSkinColors;
    colors.FcBtnFace = ColorOf(FTheme.Window);
    colors.FcBtnText = ColorOf(FTheme.Text);
    colors.FcWindow = ColorOf(FTheme.Field);
    colors.FcWindowText = ColorOf(FTheme.Text);
    colors.FcHighLight = ColorOf(FTheme.Accent);
    colors.FcHighLightText = ColorOf(FTheme.AccentText);
    colors.FcBtnHighLight = ColorOf(FTheme.Field);
    colors.FcBtnShadow = ColorOf(Rgb(0xC9D1D9));
}
