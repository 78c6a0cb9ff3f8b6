#include "app/Program.h"

#include "app/SettingsPlace.h"
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "app/Unit5.h"
#include "app/Unit6.h"
#include "platform/forms/TApplication.h"
#include "platform/rtl/TCustomIniFile.h"

void CreateProgramWindows(TApplication& application) {
    application.Initialize();
    application.SetTitle(kApplicationTitle);
    application.SetHelpFile("help.chm");
    // Where the settings live is decided once: a file that cannot be kept anywhere is reported
    // here, once, and the windows then read it without trying to write it.
    const TSettingsPlace& settings = ChooseSettingsPlace();
    if (!settings.Writable)
        application.HandleException(nullptr, EIniFileException(settings.Problem));
    application.CreateForm(Form1);
    application.CreateForm(Form2);
    application.CreateForm(Form5);
    application.CreateForm(Form6);
}
