#pragma once
#include "platform/forms/TCustomForm.h"

// The about box: product name, version, the web page and the support mail link.
class TForm2 : public TForm {
public:
    explicit TForm2(TComponent* owner);
    std::string ClassName() const override { return "TForm2"; }

    void bsSkinButton1Click(TObject* sender);
};

extern TForm2* Form2;
