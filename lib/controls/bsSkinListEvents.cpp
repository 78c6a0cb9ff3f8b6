#include "lib/controls/bsSkinListEvents.h"

#include "lib/controls/TbsSkinComboBox.h"
#include "lib/controls/TbsSkinCustomListView.h"
#include "lib/controls/TbsSkinListBox.h"
#include "platform/forms/DragClasses.h"
#include "platform/forms/TClassRegistry.h"

namespace {

using namespace properties;

void RegisterListBoxEvents(TClassRegistry& r) {
    const std::string c = "TbsSkinListBox";
    using T = TbsSkinListBox;
    r.RegisterProperty(c, "OnDrawItem", Event(&T::OnDrawItem));
    r.RegisterProperty(c, "OnListBoxMouseDown", Event(&T::OnListBoxMouseDown));
    r.RegisterProperty(c, "OnListBoxMouseMove", Event(&T::OnListBoxMouseMove));
    r.RegisterProperty(c, "OnListBoxMouseUp", Event(&T::OnListBoxMouseUp));
    r.RegisterProperty(c, "OnListBoxKeyDown", Event(&T::OnListBoxKeyDown));
    r.RegisterProperty(c, "OnListBoxKeyPress", Event(&T::OnListBoxKeyPress));
    r.RegisterProperty(c, "OnListBoxKeyUp", Event(&T::OnListBoxKeyUp));
    r.RegisterProperty(c, "ListBoxTabOrder", Integer(&T::SetListBoxTabOrder));
    r.RegisterProperty(c, "ListBoxTabStop", Boolean(&T::SetListBoxTabStop));
    r.RegisterProperty(c, "ListBoxDragMode", Enum(&T::SetListBoxDragMode, DragModeNames()));
    r.RegisterProperty(c, "ListBoxDragKind", Enum(&T::SetListBoxDragKind, DragKindNames()));
    r.RegisterProperty(c, "ListBoxDragCursor", Integer(&T::SetListBoxDragCursor));
    r.RegisterProperty(c, "OnListBoxDragDrop", EventSetter(&T::SetOnListBoxDragDrop));
    r.RegisterProperty(c, "OnListBoxDragOver", EventSetter(&T::SetOnListBoxDragOver));
    r.RegisterProperty(c, "OnListBoxStartDrag", EventSetter(&T::SetOnListBoxStartDrag));
    r.RegisterProperty(c, "OnListBoxEndDrag", EventSetter(&T::SetOnListBoxEndDrag));
}

void RegisterComboBoxEvents(TClassRegistry& r) {
    const std::string c = "TbsSkinComboBox";
    using T = TbsSkinComboBox;
    r.RegisterProperty(c, "OnComboBoxDrawItem", Event(&T::OnComboBoxDrawItem));
    r.RegisterProperty(c, "OnListBoxDrawItem", EventSetter(&T::SetOnListBoxDrawItem));
}

void RegisterListViewEvents(TClassRegistry& r) {
    r.RegisterProperty("TbsSkinListView", "OnDrawHeaderSection",
                       Event(&TbsSkinListView::OnDrawHeaderSection));
}

} // namespace

void RegisterSkinListEvents(TClassRegistry& registry) {
    RegisterListBoxEvents(registry);
    RegisterComboBoxEvents(registry);
    RegisterListViewEvents(registry);
}
