#pragma once
#include "platform/forms/TCustomForm.h"

#include <array>

class TbsSkinComboBox;
class TbsSkinOfficeComboBox;
class TButton;

// The older settings window: a smaller copy of the main window's output-format panel, with its
// own catalogue, preset table and parameter table. The start-up makes and fills it and nothing
// shows it; its buttons still write the chosen format into the main window.
class TForm6 : public TForm {
public:
    explicit TForm6(TComponent* owner);
    std::string ClassName() const override { return "TForm6"; }

    void FormCreate(TObject* sender);
    void bsSkinOfficeComboBox2Change(TObject* sender);
    void bsSkinOfficeComboBox1Click(TObject* sender);
    void bsSkinButton2Click(TObject* sender);
    void bsSkinButton3Click(TObject* sender);
    // Fills the format picker with the chosen family's formats and selects the first.
    void Button2Click(TObject* sender);
    // Fills the six preset pickers for the chosen format.
    void Button18Click(TObject* sender);
    // Writes the chosen format's parameters and output name into the main window.
    void Button5Click(TObject* sender);
    // Writes the six preset pickers' values into the main window.
    void Button13Click(TObject* sender);
    // Puts the main window's working fields back to their reset values.
    void Button6Click(TObject* sender);

private:
    // The format code the two pickers stand for.
    int FormatCode() const;

    TbsSkinOfficeComboBox* FFamilyPicker{ nullptr };
    TbsSkinOfficeComboBox* FFormatPicker{ nullptr };
    TButton* FFillFormats{ nullptr };
    TButton* FFillPresets{ nullptr };
    TButton* FApplyFormat{ nullptr };
    TButton* FApplyPresets{ nullptr };
    // Indexed by TPresetPicker.
    std::array<TbsSkinComboBox*, 6> FPresetPickers{};
};

extern TForm6* Form6;
