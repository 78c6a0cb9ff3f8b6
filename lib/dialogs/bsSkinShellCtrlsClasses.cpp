#include "lib/dialogs/bsSkinShellCtrlsClasses.h"

#include "lib/controls/bsSkinCtrlsClasses.h"
#include "lib/dialogs/TbsCustomShellComboBox.h"
#include "lib/dialogs/TbsCustomShellListView.h"
#include "lib/dialogs/TbsCustomShellTreeView.h"
#include "platform/forms/StdCtrlsClasses.h"
#include "platform/forms/TClassRegistry.h"

#include <mutex>

namespace {

using namespace properties;

const TNames<TShellObjectType> kObjectTypes{ { "otFolders", otFolders },
                                             { "otNonFolders", otNonFolders },
                                             { "otHidden", otHidden } };

// What the skinned views store beside the standard view's own properties.
template <typename T>
void RegisterSkinView(TClassRegistry& r, const std::string& c) {
    r.RegisterProperty(c, "SkinData", Reference(&T::SetSkinData));
    r.RegisterProperty(c, "SkinDataName", String(&T::SetSkinDataName));
    r.RegisterProperty(c, "UseSkinFont", Boolean(&T::SetUseSkinFont));
    r.RegisterProperty(c, "HScrollBar", Reference(&T::SetHScrollBar));
    r.RegisterProperty(c, "VScrollBar", Reference(&T::SetVScrollBar));
    RegisterFontProperties(r, c, "DefaultFont",
                           [](TPersistent* o) -> TFont& { return Target<T>(o)->DefaultFont(); });
}

void RegisterDirTreeView(TClassRegistry& r) {
    const std::string c = "TbsSkinDirTreeView";
    using T = TbsSkinDirTreeView;
    r.RegisterClass(c, "TTreeView", ComponentFactory<T>());
    RegisterSkinView<T>(r, c);
    r.RegisterProperty(c, "Root", String(&T::SetRoot));
    r.RegisterProperty(c, "ObjectTypes", Set(&T::SetObjectTypes, kObjectTypes));
    r.RegisterProperty(c, "UseShellImages", Boolean(&T::SetUseShellImages));
    r.RegisterProperty(c, "AutoContextMenus", Boolean(&T::SetAutoContextMenus));
    r.RegisterProperty(c, "AutoRefresh", Boolean(&T::SetAutoRefresh));
    r.RegisterProperty(c, "ShellComboBox", Reference(&T::SetShellComboBox));
    r.RegisterProperty(c, "OnAddFolder", Event(&T::OnAddFolder));
}

void RegisterShellComboBox(TClassRegistry& r) {
    const std::string c = "TbsSkinShellComboBox";
    using T = TbsSkinShellComboBox;
    r.RegisterClass(c, "TbsSkinCustomControl", ComponentFactory<T>());
    r.RegisterProperty(c, "Root", String(&T::SetRoot));
    r.RegisterProperty(c, "ObjectTypes", Set(&T::SetObjectTypes, kObjectTypes));
    r.RegisterProperty(c, "DropDownCount", Integer(&T::SetDropDownCount));
    r.RegisterProperty(c, "ShellTreeView", Reference(&T::SetShellTreeView));
}

void RegisterFileListView(TClassRegistry& r) {
    const std::string c = "TbsSkinFileListView";
    using T = TbsSkinFileListView;
    r.RegisterClass(c, "TListView", ComponentFactory<T>());
    RegisterSkinView<T>(r, c);
    r.RegisterProperty(c, "HeaderSkinDataName", String(&T::SetHeaderSkinDataName));
    r.RegisterProperty(c, "Root", String(&T::SetRoot));
    r.RegisterProperty(c, "Mask", String(&T::SetMask));
    r.RegisterProperty(c, "ObjectTypes", Set(&T::SetObjectTypes, kObjectTypes));
    r.RegisterProperty(c, "Sorted", Boolean(&T::SetSorted));
    r.RegisterProperty(c, "AutoContextMenus", Boolean(&T::SetAutoContextMenus));
    r.RegisterProperty(c, "AutoRefresh", Boolean(&T::SetAutoRefresh));
    r.RegisterProperty(c, "AutoNavigate", Boolean(&T::SetAutoNavigate));
    // The list's own setter, which also rebuilds the report columns.
    r.RegisterProperty(c, "ViewStyle",
                       Enum(&T::SetViewStyle, TNames<TViewStyle>{ { "vsIcon", vsIcon },
                                                                  { "vsSmallIcon", vsSmallIcon },
                                                                  { "vsList", vsList },
                                                                  { "vsReport", vsReport } }));
    r.RegisterProperty(c, "ShellTreeView", Reference(&T::SetShellTreeView));
    r.RegisterProperty(c, "ShellComboBox", Reference(&T::SetShellComboBox));
    r.RegisterProperty(c, "OnAddFolder", Event(&T::OnAddFolder));
    r.RegisterProperty(c, "OnPathChanged", Event(&T::OnPathChanged));
}

} // namespace

void RegisterSkinShellCtrlsClasses() {
    static std::once_flag once;
    std::call_once(once, [] {
        RegisterStdCtrlsClasses();
        RegisterSkinCtrlsClasses();
        TClassRegistry& r = TClassRegistry::Instance();
        RegisterDirTreeView(r);
        RegisterShellComboBox(r);
        RegisterFileListView(r);
    });
}
