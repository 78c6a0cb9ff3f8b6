#include "lib/controls/IbsFormSkinComponent.h"

#include "platform/forms/TComponent.h"

IbsFormSkinComponent* FormSkinComponentOf(TComponent* form) {
    if (!form) return nullptr;
    for (int i = 0; i < form->ComponentCount(); ++i)
        if (auto* skinForm = dynamic_cast<IbsFormSkinComponent*>(form->Components(i)))
            return skinForm;
    return nullptr;
}
