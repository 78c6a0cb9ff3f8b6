#include "platform/forms/DragClasses.h"
#include "platform/forms/TControl.h"

using namespace properties;

const TNames<TDragMode>& DragModeNames() {
    static const TNames<TDragMode> names{ { "dmManual", dmManual },
                                          { "dmAutomatic", dmAutomatic } };
    return names;
}

const TNames<TDragKind>& DragKindNames() {
    static const TNames<TDragKind> names{ { "dkDrag", dkDrag }, { "dkDock", dkDock } };
    return names;
}

void RegisterControlDragProperties(TClassRegistry& r) {
    const std::string c = "TControl";
    using T = TControl;
    r.RegisterProperty(c, "DragMode", Enum(&T::SetDragMode, DragModeNames()));
    r.RegisterProperty(c, "DragKind", Enum(&T::SetDragKind, DragKindNames()));
    r.RegisterProperty(c, "DragCursor", Integer(&T::SetDragCursor));
    r.RegisterProperty(c, "OnDragDrop", Event(&T::OnDragDrop));
    r.RegisterProperty(c, "OnDragOver", Event(&T::OnDragOver));
    r.RegisterProperty(c, "OnStartDrag", Event(&T::OnStartDrag));
    r.RegisterProperty(c, "OnEndDrag", Event(&T::OnEndDrag));
}
