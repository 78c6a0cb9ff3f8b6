#include "app/Unit2.h"

#include "app/AboutPicture.h"
#include "app/FirstShow.h"
#include "app/FormHandlers.h"
#include "app/FormResources.h"
#include "app/SharedFormClasses.h"
#include "platform/forms/TFormReader.h"

#include <mutex>

TForm2* Form2 = nullptr;

namespace {

void RegisterUnit2Classes() {
    static std::once_flag once;
    std::call_once(once, [] {
        RegisterSharedFormClasses();
        TClassRegistry::Instance().RegisterClass("TForm2", "TForm");
        RegisterNotifyHandlers<TForm2>("TForm2",
                                       { { "bsSkinButton1Click", &TForm2::bsSkinButton1Click } });
    });
}

} // namespace

TForm2::TForm2(TComponent* owner) : TForm(owner) {
    RegisterUnit2Classes();
    ReadFormDescription(this, FormResource("Unit2"), "Unit2.dfm");
    DoWhenFirstShown(*this, [this] { ShowAboutPicture(*this); });
}

void TForm2::bsSkinButton1Click(TObject*) {
    SetModalResult(mrOk);
}
