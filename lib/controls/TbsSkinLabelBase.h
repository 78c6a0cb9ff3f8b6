#pragma once
#include "lib/controls/IbsSkinnedControl.h"
#include "platform/forms/TGraphicControl.h"
#include "platform/forms/TLabel.h"
#include "platform/gfx/TFont.h"

#include <string>

class TbsSkinData;

// What the three skinned labels share (TBase is TLabel or TGraphicControl): a skin object of
// their own and the name of a "stdlabel" record in it, whose font and colours they copy; the
// font choice between the record, DefaultFont and the label's Font; and the embossed look of
// disabled text. None draws a skin picture.
template <class TBase>
class TbsSkinLabelBase : public TBase, public IbsSkinnedControl {
public:
    explicit TbsSkinLabelBase(TComponent* owner);
    ~TbsSkinLabelBase() override;

    // A reference, cleared when the skin object goes; assigning one binds the label at once.
    TbsSkinData* SkinData() const override { return FSD; }
    void SetSkinData(TbsSkinData* value);
    const std::string& SkinDataName() const { return FSkinDataName; }
    void SetSkinDataName(const std::string& value) { FSkinDataName = value; }
    // Assigning copies the font.
    TFont& DefaultFont() { return FDefaultFont; }
    void SetDefaultFont(const TFont& value) { FDefaultFont.Assign(value); }
    bool UseSkinFont() const { return FUseSkinFont; }
    void SetUseSkinFont(bool value) { FUseSkinFont = value; }
    bool UseSkinColor() const { return FUseSkinColor; }
    void SetUseSkinColor(bool value) { FUseSkinColor = value; }

    // FIndex := the record's index, -1 without a skin object, while it is empty or without a
    // record; a "stdlabel" record's font and colours are copied.
    void GetSkinData();
    // The record again, then the label repaints.
    void ChangeSkinData() override;
    void Notification(TComponent* component, TOperation operation) override;

    int FIndex{ -1 };

protected:
    // The canvas font and colour: the record's name, style and height with UseSkinFont (else
    // Font), its colour with UseSkinColor; without a record DefaultFont or Font; the charset of
    // the skin's string table, else DefaultFont's.
    void ChooseFont(TCanvas& canvas);
    // The charset of the skin's string table, else DefaultFont's.
    void ApplyCharset(TFont& font);
    // Draws text in rect with the flags; disabled, embossed: the highlight one pixel down and
    // right, the shadow on top, in the skin's colours when it has a record. Measuring
    // (DT_CALCRECT) sets rect's right and bottom.
    void DrawLabelText(TCanvas& canvas, const std::string& text, TRect& rect, unsigned flags);

    TbsSkinData* FSD{ nullptr };
    std::string FSkinDataName{ "stdlabel" };
    TFont FDefaultFont;
    bool FUseSkinFont{ true };
    bool FUseSkinColor{ true };
    std::string FontName{ "Arial" };
    TFontStyles FontStyle;
    int FontHeight{ 12 };
    TColor FontColor{ clBtnText };
    TColor ActiveFontColor{ clBlue };
};

// The text a label draws for its caption with these DrawText flags: measured, an empty caption
// takes a line (" ") and a lone accelerator mark a character ("& "); without accelerators the
// flags gain DT_NOPREFIX.
std::string LabelTextToDraw(const std::string& caption, unsigned& flags, bool showAccelChar);

extern template class TbsSkinLabelBase<TLabel>;
extern template class TbsSkinLabelBase<TGraphicControl>;
