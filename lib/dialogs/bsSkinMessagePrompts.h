#pragma once
#include "lib/dialogs/bsShellVerbPrompts.h"

class TbsSkinMessage;

// The shell verbs' delete question and properties box, asked in the skinned message box.
// Install it with SetShellVerbPrompts; the message component must outlive the installation.
class TbsSkinMessagePrompts : public IShellVerbPrompts {
public:
    explicit TbsSkinMessagePrompts(TbsSkinMessage& messages) : FMessages(messages) {}

    bool ConfirmDelete(const std::string& displayName, bool isFolder) override;
    void ShowProperties(const std::string& displayName, const std::string& text) override;

private:
    TbsSkinMessage& FMessages;
};
