#pragma once
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindata/bsSkinListRecords.h"
#include "lib/skindata/bsSkinPanelRecords.h"
#include "lib/skindata/bsSkinRecordKinds.h"
#include "lib/skindata/bsSkinTabViewRecords.h"
#include "tools/skingen/SkinArt.h"

#include <string>

// The colours of one skin; every face and font colour comes from here, so a look is changed in
// one place.
struct TSkinTheme {
    gfx::Pixel Window{ Rgb(0xF3F5F7) };
    gfx::Pixel Text{ Rgb(0x1F2933) };
    gfx::Pixel DisabledText{ Rgb(0x9AA4AE) };
    gfx::Pixel Accent{ Rgb(0x2D7FE0) };
    gfx::Pixel AccentText{ Rgb(0xFFFFFF) };
    gfx::Pixel Border{ Rgb(0xB7C1CB) };
    gfx::Pixel Field{ Rgb(0xFFFFFF) };
    gfx::Pixel Row{ Rgb(0xFFFFFF) };
    gfx::Pixel RowHot{ Rgb(0xE6F0FC) };
    TFaceLook Normal{ Rgb(0xFCFDFD), Rgb(0xE8ECF0), Rgb(0xB7C1CB), Rgb(0xF3F5F7) };
    TFaceLook Hot{ Rgb(0xF3F8FF), Rgb(0xDAE9FC), Rgb(0x5C9DE8), Rgb(0xF3F5F7) };
    TFaceLook Down{ Rgb(0xCDE0F8), Rgb(0xBAD4F4), Rgb(0x2D7FE0), Rgb(0xF3F5F7) };
    TFaceLook Disabled{ Rgb(0xF4F5F7), Rgb(0xF0F2F4), Rgb(0xD6DBE0), Rgb(0xF3F5F7) };
    TFaceLook Focused{ Rgb(0xFCFDFD), Rgb(0xE8ECF0), Rgb(0x2D7FE0), Rgb(0xF3F5F7) };
    std::string FontName{ "Tahoma" };
    int FontHeight{ 13 };
};

// Builds a skin's records and their pictures together, so the geometry written into the
// description is always the geometry drawn.
class TSkinBuilder {
public:
    TSkinBuilder(TbsSkinData& skin, TSkinArt& art, int artIndex, const TSkinTheme& theme)
        : FSkin(skin), FArt(art), FArtIndex(artIndex), FTheme(theme) {}

    // A push-button face family of width x height, fully resizable.
    TbsDataSkinButtonControl& Button(const std::string& name, int width, int height);
    // The same with faces that lie flat on the bar until the pointer comes.
    TbsDataSkinButtonControl& FlatButton(const std::string& name, int width, int height);
    TbsDataSkinCheckRadioControl& CheckRadio(const std::string& name, bool radio);
    TbsDataSkinPanelControl& Panel(const std::string& name, gfx::Pixel top, gfx::Pixel bottom,
                                   gfx::Pixel border);
    TbsDataSkinEditControl& Edit(const std::string& name, const std::string& kind);
    TbsDataSkinListBox& ListBox(const std::string& name);
    TbsDataSkinComboBox& ComboBox(const std::string& name, const std::string& listBoxName);
    // "hscrollbar"/"bothhscrollbar" run across, "vscrollbar" down.
    TbsDataSkinScrollBarControl& ScrollBar(const std::string& name, bool vertical);
    TbsDataSkinUpDownControl& UpDown(const std::string& name, bool vertical);

    // Records with any kind word; T must be the class the word selects.
    template <class T>
    T& Control(const std::string& kind, const std::string& name);
    template <class T>
    T& Object(const std::string& kind, const std::string& name);

    // Guide points of the resize modes: all ways, across only, down only.
    static void ResizeAll(TbsDataSkinCustomControl& c, int margin);
    static void ResizeAcross(TbsDataSkinCustomControl& c, int left, int right);
    static void ResizeDown(TbsDataSkinCustomControl& c, int top, int bottom);

    TSkinArt& Art() { return FArt; }
    int ArtIndex() const { return FArtIndex; }
    const TSkinTheme& Theme() const { return FTheme; }

    // The system colours the skin gives the windows it dresses, from the theme.
    void SystemColors();

    // A small arrow glyph pointing the way named: 'u', 'd', 'l', 'r'.
    void Arrow(const TRect& rect, char way, gfx::Pixel colour);

private:
    TbsDataSkinButtonControl& ButtonFaces(const std::string& name, int width, int height,
                                          const TFaceLook& normal);

    TbsSkinData& FSkin;
    TSkinArt& FArt;
    int FArtIndex;
    TSkinTheme FTheme;
};

template <class T>
T& TSkinBuilder::Control(const std::string& kind, const std::string& name) {
    auto record = CreateSkinControlRecord(kind, name);
    auto& typed = dynamic_cast<T&>(*record);
    FSkin.CtrlList.push_back(std::move(record));
    return typed;
}

template <class T>
T& TSkinBuilder::Object(const std::string& kind, const std::string& name) {
    auto record = CreateSkinObjectRecord(kind, name);
    auto& typed = dynamic_cast<T&>(*record);
    FSkin.ObjectList.push_back(std::move(record));
    return typed;
}

// The two skins of the program, with their pictures in memory.
void BuildMainSkin(TbsSkinData& skin);
void BuildToolSkin(TbsSkinData& skin);
// Writes the skin's ini, named skin.ini, and its pictures into the folder, replacing an older
// description.
void WriteSkinFolder(TbsSkinData& skin, const std::string& folder);
