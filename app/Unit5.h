#pragma once
#include "app/SettingsSections.h"
#include "platform/forms/TCustomForm.h"
#include <array>

class TbsSkinCheckRadioBox;
class TbsSkinComboBox;

// The options dialog. Its controls are the working copy of the conversion options: the other
// windows read them here, and the settings file only carries them from one run to the next.
class TForm5 : public TForm {
public:
    explicit TForm5(TComponent* owner);
    std::string ClassName() const override { return "TForm5"; }

    // The options as the controls hold them.
    TConversionOptions Options() const;
    void SetOptions(const TConversionOptions& options);
    // The number of files converted at once: the picker's number while the thread box is
    // checked, else 1.
    int ThreadCount() const;

    // Leaving the dialog other than with OK puts the controls back as they were when shown.
    TModalResult ShowModal() override;

    void FormCreate(TObject* sender);
    void Button1Click(TObject* sender);
    void Button2Click(TObject* sender);
    void bsSkinButton6Click(TObject* sender);
    void bsSkinButton1Click(TObject* sender);
    void bsSkinCheckRadioBox7Click(TObject* sender);
    void bsSkinCheckRadioBox8Click(TObject* sender);

private:
    // The radio and check box bsSkinCheckRadioBox<number>, 1 to 12.
    TbsSkinCheckRadioBox* Box(int number) const;

    TbsSkinComboBox* FThreadCount{ nullptr };
    std::array<TbsSkinCheckRadioBox*, 12> FBoxes{};
};

extern TForm5* Form5;
