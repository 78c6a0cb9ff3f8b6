#include "lib/bsSkinScreenForms.h"

#include "platform/forms/TCustomForm.h"
#include "platform/forms/TScreen.h"
#include "platform/win/Messaging.h"

namespace {

TbsSkinMessageForm FormEntry(TCustomForm* form) {
    return { form, form->ClassName(),
             [form](win::UINT message, win::WPARAM wParam, win::LPARAM lParam) {
                 win::SendMessage(form->Handle(), message, wParam, lParam);
             } };
}

} // namespace

TbsSkinMessageForms ScreenSkinMessageForms(TComponent* skinOwner) {
    TbsSkinMessageForms forms;
    if (auto* owner = dynamic_cast<TCustomForm*>(skinOwner)) forms.OwnerForm = FormEntry(owner);
    if (Screen)
        for (int i = 0; i < Screen->FormCount(); ++i)
            forms.ScreenForms.push_back(FormEntry(Screen->Forms(i)));
    return forms;
}
