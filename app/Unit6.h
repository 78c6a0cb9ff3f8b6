#pragma once
#include "platform/forms/TCustomForm.h"

// The older settings window: made at start-up and never shown.
class TForm6 : public TForm {
public:
    explicit TForm6(TComponent* owner);
    std::string ClassName() const override { return "TForm6"; }

    void FormCreate(TObject* sender);
};

extern TForm6* Form6;
