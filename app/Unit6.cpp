#include "app/Unit6.h"

#include "Src/FFmpegTasks/TFFmpegTasks.h"
#include "app/FamilyPictures.h"
#include "app/FirstShow.h"
#include "app/FormHandlers.h"
#include "app/FormResources.h"
#include "app/JobListText.h"
#include "app/LegacyFormatCatalogue.h"
#include "app/LegacyFormatParameterTable.h"
#include "app/LegacyPresetOptionTable.h"
#include "app/PresetTexts.h"
#include "app/SharedFormClasses.h"
#include "app/TComponentBinder.h"
#include "app/Unit1.h"
#include "app/Unit5.h"
#include "lib/controls/TbsSkinComboBox.h"
#include "lib/controls/TbsSkinOfficeComboBox.h"
#include "platform/forms/TButton.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/forms/TFormReader.h"
#include "platform/forms/TImage.h"
#include "platform/forms/TImageList.h"
#include "platform/gfx/TBitmap.h"
#include "platform/gfx/TPngImage.h"
#include "platform/rtl/FilePath.h"

#include <mutex>

TForm6* Form6 = nullptr;

namespace {

void RegisterUnit6Classes() {
    static std::once_flag once;
    std::call_once(once, [] {
        RegisterSharedFormClasses();
        auto& r = TClassRegistry::Instance();
        // The main window registers it with its handlers; this window binds none.
        if (!r.IsRegistered("TFFmpegTasks"))
            r.RegisterClass("TFFmpegTasks", "TComponent",
                            [](TComponent* owner) { return new TFFmpegTasks(owner); });
        r.RegisterClass("TForm6", "TForm");
        using F = TForm6;
        RegisterNotifyHandlers<F>(
            "TForm6", {
                          { "FormCreate", &F::FormCreate },
                          { "bsSkinOfficeComboBox2Change", &F::bsSkinOfficeComboBox2Change },
                          { "bsSkinOfficeComboBox1Click", &F::bsSkinOfficeComboBox1Click },
                          { "bsSkinButton2Click", &F::bsSkinButton2Click },
                          { "bsSkinButton3Click", &F::bsSkinButton3Click },
                          { "Button2Click", &F::Button2Click },
                          { "Button18Click", &F::Button18Click },
                          { "Button5Click", &F::Button5Click },
                          { "Button13Click", &F::Button13Click },
                          { "Button6Click", &F::Button6Click },
                      });
    });
}

// The family picker's pictures, one per family at its position, and a larger one of the video
// family for the developer panel.
void ShowPictures(TComponent& form) {
    auto& families = *DescribedComponent<TImageList>(&form, "ImageList1");
    families.Clear();
    for (int family = 0; family < LegacyFamilyCount; ++family) {
        TBitmap bitmap(families.Width(), families.Height());
        bitmap.Canvas().Draw(0, 0, DrawFamilyPicture(family, families.Width()).get());
        families.Add(bitmap, nullptr);
    }
    auto& image = *DescribedComponent<TImage>(&form, "Image1");
    image.SetCenter(true);
    image.Picture().SetGraphic(DrawFamilyPicture(0, image.Height()).get());
}

// The preset pickers' names, indexed by TPresetPicker.
constexpr std::array<const char*, PresetPickerCount> kPresetPickerNames{
    "bsSkinComboBox1", "bsSkinComboBox2", "bsSkinComboBox3",
    "bsSkinComboBox4", "bsSkinComboBox9", "bsSkinComboBox10",
};

} // namespace

TForm6::TForm6(TComponent* owner) : TForm(owner) {
    RegisterUnit6Classes();
    ReadFormDescription(this, FormResource("Unit6"), "Unit6.dfm");
    TComponentBinder bind(*this, "Unit6.dfm");
    bind.Bind(FFamilyPicker, "bsSkinOfficeComboBox2");
    bind.Bind(FFormatPicker, "bsSkinOfficeComboBox1");
    bind.Bind(FFillFormats, "Button2");
    bind.Bind(FFillPresets, "Button18");
    bind.Bind(FApplyFormat, "Button5");
    bind.Bind(FApplyPresets, "Button13");
    for (std::size_t i = 0; i < FPresetPickers.size(); ++i)
        bind.Bind(FPresetPickers[i], kPresetPickerNames[i]);
    bind.Check();
    DoWhenFirstShown(*this, [this] { ShowPictures(*this); });
}

int TForm6::FormatCode() const {
    return (FFamilyPicker->ItemIndex() + 1) * 100 + FFormatPicker->ItemIndex();
}

void TForm6::FormCreate(TObject*) {
    FFillFormats->Click();
}

void TForm6::bsSkinOfficeComboBox2Change(TObject*) {
    FFillFormats->Click();
}

void TForm6::bsSkinOfficeComboBox1Click(TObject*) {
    FFillPresets->Click();
}

void TForm6::bsSkinButton2Click(TObject*) {
    FApplyFormat->Click();
    FApplyPresets->Click();
    Close();
}

void TForm6::bsSkinButton3Click(TObject*) {
    Close();
}

void TForm6::Button2Click(TObject*) {
    TbsSkinOfficeItems& items = FFormatPicker->Items();
    items.Clear();
    for (const TLegacyFormat& format : LegacyFamilyFormats(FFamilyPicker->ItemIndex())) {
        TbsSkinOfficeItem* item = items.Add();
        item->SetTitle(std::string(format.Title));
        item->SetCaption(std::string(format.Description));
        item->SetImageIndex(format.ImageIndex);
    }
    FFormatPicker->Invalidate();
    // Selecting fires the picker's click even when the position stays or names no format, which
    // fills the presets.
    FFormatPicker->SetItemIndex(0);
}

void TForm6::Button18Click(TObject*) {
    for (TbsSkinComboBox* picker : FPresetPickers) {
        picker->Items().Clear();
        picker->SetEnabled(true);
    }
    const int code = FormatCode();
    Form1->All_Trant_Number = code;
    Form1->Video_DisableVideo = false;
    const auto pickers = LegacyPresetPickersFor(code);
    if (!pickers) return;
    for (const TPresetPicker p : PresetFillOrder) {
        const TPresetPickerState& state = (*pickers)[p];
        TbsSkinComboBox* picker = FPresetPickers[p];
        for (const std::string_view entry : state.Items)
            picker->Items().Add(std::string(entry));
        picker->SetItemIndex(state.ItemIndex);
    }
    for (const TPresetPicker p : PresetFillOrder)
        if (!(*pickers)[p].Enabled) FPresetPickers[p]->SetEnabled(false);
}

void TForm6::Button5Click(TObject*) {
    const int code = FormatCode();
    Form1->All_Trant_Number = code;
    Form1->Video_DisableVideo = false;
    Form1->Video_Parameters.DisableVideo = false;
    // A code without a row gets no output name: the field may hold a name of an earlier file.
    const auto ext = ApplyLegacyFormatParameters(code, Form1->Video_Parameters);
    if (!ext) return;
    Form1->Video_DisableVideo = Form1->Video_Parameters.DisableVideo;
    const std::string& folder = Form1->FileOutPutPath;
    const std::string name =
        ChangeFileExt(ExtractFileName(Form1->Video_AddFileName), std::string(*ext));
    const bool overwrite = Form5 && Form5->Options().OverwriteFile == 0;
    Form1->Video_OutPutFileName =
        folder + "/" + UniqueOutputName(folder, name, Form1->OutputNamesHeld(), overwrite);
}

void TForm6::Button13Click(TObject*) {
    TPresetTexts texts;
    for (int p = 0; p < PresetPickerCount; ++p)
        texts[std::size_t(p)] = FPresetPickers[std::size_t(p)]->Text();
    ApplyPresetTexts(Form1->Video_Parameters, texts);
}

void TForm6::Button6Click(TObject*) {
    Form1->Video_OutPutFileName.clear();
    Form1->Video_Parameters = TWorkingParameters{};
    Form1->Video_DisableVideo = false;
}
