#pragma once
#include "platform/forms/TEdit.h"
#include "platform/forms/TLabel.h"

class TStandInStdLabel : public TLabel {
public:
    using TLabel::TLabel;
    std::string ClassName() const override { return "TStandInStdLabel"; }
};

// A label that opens its URL (a web address or a "mailto:" link) through the shell when
// clicked.
class TStandInLinkLabel : public TLabel {
public:
    explicit TStandInLinkLabel(TComponent* owner);
    std::string ClassName() const override { return "TStandInLinkLabel"; }

    const std::string& URL() const { return FURL; }
    void SetURL(const std::string& value) { FURL = value; }
    void Click() override;

private:
    std::string FURL;
};

class TStandInEdit : public TEdit {
public:
    using TEdit::TEdit;
    std::string ClassName() const override { return "TStandInEdit"; }
};
