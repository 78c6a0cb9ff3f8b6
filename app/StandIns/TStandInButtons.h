#pragma once
#include "platform/forms/TButton.h"
#include "platform/forms/TCheckBox.h"
#include "platform/forms/TMenuItem.h"
#include "platform/gfx/TBitmap.h"

// Plain stand-ins for the skinned buttons: same names, places and behaviour, drawn as standard
// controls until the skinned ones replace them.

// With a glyph, the picture sits in the upper part and the caption below it, as on a tool bar.
class TStandInButton : public TButton {
public:
    using TButton::TButton;
    std::string ClassName() const override { return "TStandInButton"; }

    TBitmap& Glyph() { return FGlyph; }
    void SetGlyph(const TGraphic* value);

protected:
    void Paint() override;

private:
    TBitmap FGlyph;
};

// A button that drops its popup menu down below itself and runs no operation of its own.
class TMenuDropDown;
class TStandInMenuSpeedButton : public TButton {
public:
    using TButton::TButton;
    std::string ClassName() const override { return "TStandInMenuSpeedButton"; }

    TPopupMenu* SkinPopupMenu() const { return FSkinPopupMenu; }
    void SetSkinPopupMenu(TPopupMenu* value);
    void Click() override;
    void Notification(TComponent* component, TOperation operation) override;
    void WndProc(TMessage& message) override;

protected:
    // While its menu is open, the keys the button gets work the menu.
    void KeyDown(unsigned short& key, TShiftState shift) override;

private:
    TMenuDropDown* OpenDropDown() const;

    TPopupMenu* FSkinPopupMenu{ nullptr };
};

// A check box, or with Radio a radio box that unchecks the other radio boxes of its parent with
// the same GroupIndex. Setting Checked runs OnClick every time, also to the state it holds.
class TStandInCheckRadioBox : public TCheckBox {
public:
    using TCheckBox::TCheckBox;
    std::string ClassName() const override { return "TStandInCheckRadioBox"; }

    bool Radio() const { return FRadio; }
    void SetRadio(bool value);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value) { FGroupIndex = value; }
    void SetChecked(bool value);
    void Click() override;

protected:
    void Paint() override;

private:
    bool FRadio{ false };
    int FGroupIndex{ 0 };
};
