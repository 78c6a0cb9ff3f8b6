#include "app/Program.h"

#include "app/Unit1.h"
#include "app/Unit2.h"
#include "app/Unit5.h"
#include "app/Unit6.h"
#include "platform/forms/TApplication.h"

void CreateProgramWindows(TApplication& application) {
    application.Initialize();
    application.SetTitle(kApplicationTitle);
    application.SetHelpFile("help.chm");
    application.CreateForm(Form1);
    application.CreateForm(Form2);
    application.CreateForm(Form5);
    application.CreateForm(Form6);
}
