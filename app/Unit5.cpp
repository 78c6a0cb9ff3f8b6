#include "app/Unit5.h"

#include "Src/FFmpegTasks/TFFmpegTasks.h"
#include "app/FormHandlers.h"
#include "app/FormResources.h"
#include "app/SettingsPlace.h"
#include "app/SharedFormClasses.h"
#include "app/TComponentBinder.h"
#include "app/Unit1.h"
#include "lib/controls/TbsSkinButton.h"
#include "lib/controls/TbsSkinCheckRadioBox.h"
#include "lib/controls/TbsSkinComboBox.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TFormReader.h"
#include "platform/rtl/TextUtils.h"

#include <array>
#include <mutex>

TForm5* Form5 = nullptr;

namespace {

// The radio boxes of each group, in the order of the values they stand for.
constexpr std::array<int, 4> kAfterDoneBoxes{ 1, 2, 4, 5 };
constexpr std::array<int, 4> kPriorityBoxes{ 9, 10, 11, 12 };
constexpr std::array<int, 2> kOverwriteBoxes{ 3, 6 };

void RegisterUnit5Classes() {
    static std::once_flag once;
    std::call_once(once, [] {
        RegisterSharedFormClasses();
        TClassRegistry::Instance().RegisterClass("TForm5", "TForm");
        using F = TForm5;
        RegisterNotifyHandlers<F>(
            "TForm5", {
                          { "FormCreate", &F::FormCreate },
                          { "Button1Click", &F::Button1Click },
                          { "Button2Click", &F::Button2Click },
                          { "bsSkinButton6Click", &F::bsSkinButton6Click },
                          { "bsSkinButton1Click", &F::bsSkinButton1Click },
                          { "bsSkinCheckRadioBox7Click", &F::bsSkinCheckRadioBox7Click },
                          { "bsSkinCheckRadioBox8Click", &F::bsSkinCheckRadioBox8Click },
                      });
    });
}

} // namespace

TForm5::TForm5(TComponent* owner) : TForm(owner) {
    RegisterUnit5Classes();
    ReadFormDescription(this, FormResource("Unit5"), "Unit5.dfm");
    TComponentBinder bind(*this, "Unit5.dfm");
    bind.Bind(FThreadCount, "bsSkinComboBox2");
    for (std::size_t i = 0; i < FBoxes.size(); ++i)
        bind.Bind(FBoxes[i], "bsSkinCheckRadioBox" + IntToStr(int(i) + 1));
    bind.Check();
}

TbsSkinCheckRadioBox* TForm5::Box(int number) const {
    return FBoxes.at(std::size_t(number) - 1);
}

TConversionOptions TForm5::Options() const {
    TConversionOptions options;
    options.ThreadCount = FThreadCount->Text();
    for (std::size_t i = 0; i < kAfterDoneBoxes.size(); ++i)
        if (Box(kAfterDoneBoxes[i])->Checked()) options.AfterDone = int(i);
    for (std::size_t i = 0; i < kPriorityBoxes.size(); ++i)
        if (Box(kPriorityBoxes[i])->Checked()) options.ThreadPriority = int(i);
    for (std::size_t i = 0; i < kOverwriteBoxes.size(); ++i)
        if (Box(kOverwriteBoxes[i])->Checked()) options.OverwriteFile = int(i);
    options.ShowPreview = Box(8)->Checked();
    return options;
}

void TForm5::SetOptions(const TConversionOptions& options) {
    const int entry = FThreadCount->Items().IndexOf(options.ThreadCount);
    FThreadCount->SetItemIndex(entry < 0 ? 0 : entry);
    Box(kAfterDoneBoxes.at(options.AfterDone))->SetChecked(true);
    Box(kPriorityBoxes.at(options.ThreadPriority))->SetChecked(true);
    Box(kOverwriteBoxes.at(options.OverwriteFile))->SetChecked(true);
    Box(8)->SetChecked(options.ShowPreview);
}

int TForm5::ThreadCount() const {
    if (!Box(7)->Checked()) return 1;
    return StrToIntDef(FThreadCount->Text(), 1);
}

TModalResult TForm5::ShowModal() {
    const TConversionOptions shown = Options();
    const TModalResult result = TForm::ShowModal();
    if (result != mrOk) SetOptions(shown);
    return result;
}

void TForm5::FormCreate(TObject*) {
    try {
        Button1Click(this);
    } catch (const std::exception& error) {
        if (Application) Application->HandleException(this, error);
    }
}

void TForm5::Button1Click(TObject*) {
    TSettingsFile file = ProgramSettings();
    TConversionOptions options = Options();
    try {
        ReadConversionOptions(file, options);
    } catch (...) {
        SetOptions(options);
        throw;
    }
    SetOptions(options);
}

void TForm5::Button2Click(TObject*) {
    TSettingsFile file = ProgramSettings();
    WriteConversionOptions(file, Options(), Box(7)->Checked());
}

void TForm5::bsSkinButton6Click(TObject*) {
    Button2Click(this);
    SetModalResult(mrOk);
}

void TForm5::bsSkinButton1Click(TObject*) {
    SetModalResult(mrCancel);
}

void TForm5::bsSkinCheckRadioBox7Click(TObject*) {
    FThreadCount->SetEnabled(Box(7)->Checked());
}

void TForm5::bsSkinCheckRadioBox8Click(TObject*) {
    if (Form1 && Form1->FFTasks) Form1->FFTasks->SetPreview(Box(8)->Checked());
}
