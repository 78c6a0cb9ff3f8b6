#pragma once
#include "platform/forms/TEdit.h"
#include "platform/forms/TLabel.h"

class TbsSkinStdLabel : public TLabel {
public:
    using TLabel::TLabel;
    std::string ClassName() const override { return "TbsSkinStdLabel"; }
};

// A label that opens its URL (a web address or a "mailto:" link) through the shell when
// clicked.
class TbsSkinLinkLabel : public TLabel {
public:
    explicit TbsSkinLinkLabel(TComponent* owner);
    std::string ClassName() const override { return "TbsSkinLinkLabel"; }

    const std::string& URL() const { return FURL; }
    void SetURL(const std::string& value) { FURL = value; }
    void Click() override;

private:
    std::string FURL;
};

class TbsSkinEdit : public TEdit {
public:
    using TEdit::TEdit;
    std::string ClassName() const override { return "TbsSkinEdit"; }
};
