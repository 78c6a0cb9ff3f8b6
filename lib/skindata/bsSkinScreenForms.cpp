#include "lib/skindata/bsSkinScreenForms.h"

#include "platform/forms/TCustomForm.h"
#include "platform/forms/TScreen.h"
#include "platform/win/Messaging.h"

namespace {

// Sends go to the handle taken now: a receiver that frees another form then leaves a stale
// handle, which the window system ignores, not a dangling form.
TbsSkinMessageForm FormEntry(TCustomForm* form) {
    const win::HWND handle = form->Handle();
    return { form, form->ClassName(),
             [handle](win::UINT message, win::WPARAM wParam, win::LPARAM lParam) {
                 win::SendMessage(handle, message, wParam, lParam);
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
