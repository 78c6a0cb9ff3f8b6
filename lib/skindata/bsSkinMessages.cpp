#include "lib/skindata/bsSkinMessages.h"

#include <algorithm>

std::vector<const TbsSkinMessageForm*> SkinMessageOrder(const TbsSkinMessageForms& forms,
                                                        bool showLayeredBorders,
                                                        bool skinHasLayerFrame) {
    std::vector<const TbsSkinMessageForm*> order;
    const void* remembered = nullptr;
    if (forms.OwnerForm && !showLayeredBorders) {
        order.push_back(&*forms.OwnerForm);
        remembered = forms.OwnerForm->Identity;
    }
    std::vector<const TbsSkinMessageForm*> rest;
    for (const auto& form : forms.ScreenForms) {
        if (remembered && form.Identity == remembered) continue;
        if (form.ClassName == "TbsFormLayerWindow") continue;
        rest.push_back(&form);
    }
    if (showLayeredBorders && skinHasLayerFrame) std::reverse(rest.begin(), rest.end());
    order.insert(order.end(), rest.begin(), rest.end());
    return order;
}
