// The program's second skin: the tool bar buttons, the preset pickers and the options dialog's
// radio boxes. It has no frame picture and no frame objects.
#include "tools/skingen/SkinBuilder.h"

#include "platform/gfx/TBitmap.h"

void BuildToolSkin(TbsSkinData& skin) {
    TSkinTheme theme;
    // The tool bar sits on a lighter band than the dialogs.
    theme.Window = Rgb(0xFAFBFC);
    theme.Normal.Outside = theme.Hot.Outside = theme.Down.Outside = theme.Disabled.Outside =
        theme.Focused.Outside = theme.Window;
    theme.Hot.Radius = theme.Down.Radius = theme.Focused.Radius = 4;
    skin.ClearAll();
    skin.SkinName = "Slate tools";
    skin.SkinAuthor = "vobconv";
    skin.SkinComments = "Tool bar buttons, preset pickers and radio boxes";

    TSkinArt controls(256, theme.Window);
    TSkinBuilder b(skin, controls, 0, theme);
    b.Button("button", 48, 24);
    b.Button("resizebutton", 48, 24);
    for (const char* name : { "toolbutton", "resizetoolbutton" })
        b.FlatButton(name, 40, 40);
    b.Button("combobutton", 17, 18);
    b.ComboBox("combobox", "listbox");
    b.ListBox("listbox");
    b.ScrollBar("hscrollbar", false);
    b.ScrollBar("vscrollbar", true);
    b.ScrollBar("bothhscrollbar", false);
    b.CheckRadio("radiobox", true);
    b.CheckRadio("checkbox", false);

    // The loader wants a FORMINFO section with a key; a skin without a frame picture never
    // frames a window, so the points stay zero.
    skin.BGPictureIndex = -1;
    skin.MDIBGPictureIndex = -1;
    skin.LayerFrame.PictureIndex = -1;
    b.SystemColors();

    skin.FActivePictures.push_back(controls.ToBitmap());
    skin.FActivePicturesNames.Add("controls.bmp");
    skin.Empty = false;
}
