#include "lib/skindata/bsSkinScreenForms.h"

#include "platform/forms/TCustomForm.h"
#include "platform/forms/TScreen.h"
#include "platform/win/Messaging.h"

namespace {

bool OnScreen(const TCustomForm* form) {
    if (!Screen) return false;
    for (int i = 0; i < Screen->FormCount(); ++i)
        if (Screen->Forms(i) == form) return true;
    return false;
}

// A form with a window is sent to through the handle taken now: a receiver that frees another
// form then leaves a stale handle, which the window system ignores, not a dangling form. A form
// that has no window yet (one created hidden) gets the message straight, while the screen still
// lists it: making its window and all its controls' only to tell them of a skin would cost more
// than the change itself, and the window made when the form first shows takes the skin then.
TbsSkinMessageForm FormEntry(TCustomForm* form) {
    if (!form->HandleAllocated()) {
        return { form, form->ClassName(),
                 [form](win::UINT message, win::WPARAM wParam, win::LPARAM lParam) {
                     if (!OnScreen(form)) return;
                     if (form->HandleAllocated())
                         win::SendMessage(form->Handle(), message, wParam, lParam);
                     else
                         form->Perform(message, wParam, lParam);
                 } };
    }
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
