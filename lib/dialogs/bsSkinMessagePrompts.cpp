#include "lib/dialogs/bsSkinMessagePrompts.h"

#include "lib/dialogs/bsMessages.h"

bool TbsSkinMessagePrompts::ConfirmDelete(const std::string& displayName, bool isFolder) {
    return FMessages.MessageDlg2(DeleteQuestion(displayName, isFolder), "Confirm Delete",
                                 mtConfirmation, { mbYes, mbNo }, 0) == mrYes;
}

void TbsSkinMessagePrompts::ShowProperties(const std::string& displayName,
                                           const std::string& text) {
    FMessages.MessageDlg2(text, PropertiesCaption(displayName), mtInformation, { mbOK }, 0);
}
