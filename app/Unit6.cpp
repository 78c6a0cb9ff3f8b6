#include "app/Unit6.h"

#include "app/FormHandlers.h"
#include "app/FormResources.h"
#include "app/StandIns/StandInClasses.h"
#include "app/Unit1.h"
#include "platform/forms/TFormReader.h"

#include <mutex>

TForm6* Form6 = nullptr;

TForm6::TForm6(TComponent* owner) : TForm(owner) {
    static std::once_flag once;
    std::call_once(once, [] {
        RegisterStandInClasses();
        TClassRegistry::Instance().RegisterClass("TForm6", "TForm");
        RegisterNotifyHandlers<TForm6>("TForm6", { { "FormCreate", &TForm6::FormCreate } });
    });
    ReadFormDescription(this, FormResource("Unit6"), "Unit6.dfm");
}

void TForm6::FormCreate(TObject*) {
    // Its own format picker, set up on creation, leaves these two in the main window.
    if (!Form1) return;
    Form1->All_Trant_Number = 100;
    Form1->Video_DisableVideo = false;
}
