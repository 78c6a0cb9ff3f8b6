#include "lib/dialogs/bsShellVerbs.h"

#include "lib/dialogs/bsShellVerbPrompts.h"
#include "lib/menus/TbsSkinPopupMenu.h"
#include "platform/forms/TControl.h"
#include "platform/forms/TCustomForm.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/TextUtils.h"
#include "platform/shell/ShellNamespace.h"
#include "platform/shell/TrashCan.h"

namespace {

std::string PermissionText(std::uint32_t mode) {
    static constexpr char kLetters[] = "rwxrwxrwx";
    std::string text;
    for (int bit = 0; bit < 9; ++bit)
        text += (mode & (0400u >> bit)) ? kLetters[bit] : '-';
    std::string octal;
    for (int shift = 9; shift >= 0; shift -= 3)
        octal += char('0' + ((mode >> shift) & 7));
    return text + " (" + octal + ")";
}

bool TrashItem(TbsShellFolder& folder) {
    const std::string path = folder.FullObjectName();
    // Nothing leaves its place without the user having said yes.
    if (path.empty() || !ShellVerbPrompts().ConfirmDelete(folder.DisplayName(), folder.IsFolder()))
        return false;
    return MoveToTrash(ShellNamespace()->Environment(), path);
}

bool ShowItemProperties(const TbsShellFolder& folder) {
    ShellVerbPrompts().ShowProperties(folder.DisplayName(), ShellPropertiesText(folder));
    return true;
}

// Shows the verbs as a skinned popup menu of control's form at a screen point and waits; the
// verb chosen, or "" when none was, the menu could not show or control went meanwhile.
std::string ChooseVerb(TControl* control, const std::vector<TbsShellVerb>& verbs, TPoint screen) {
    TbsSkinPopupMenu menu(nullptr);
    menu.SetComponentForm(GetParentForm(control));
    menu.SetPopupComponent(control);
    for (const TbsShellVerb& verb : verbs) {
        auto* item = new TMenuItem(nullptr); // the menu's item tree owns it
        item->SetCaption(verb.Caption);
        menu.Items().Add(item);
    }
    const TMenuItem* chosen = menu.TrackPopup(control, screen.X, screen.Y);
    if (!chosen || menu.PopupComponent() != control) return {};
    return verbs.at(std::size_t(menu.Items().IndexOf(chosen))).Verb;
}

} // namespace

std::vector<TbsShellVerb> ShellContextVerbs(const TbsShellFolder& folder) {
    if (folder.FullObjectName().empty()) return {};
    const TbsShellFolderCapabilities capabilities = folder.Capabilities();
    std::vector<TbsShellVerb> verbs{ { "open", "&Open" } };
    if (capabilities.Contains(fcCanRename)) verbs.push_back({ "rename", "Rena&me" });
    if (capabilities.Contains(fcCanDelete)) verbs.push_back({ "delete", "&Delete" });
    verbs.push_back({ "properties", "P&roperties" });
    return verbs;
}

void ShowShellContextMenu(TControl* control, TbsShellFolder* folder, int x, int y) {
    if (!control || !folder) return;
    const std::vector<TbsShellVerb> verbs = ShellContextVerbs(*folder);
    if (verbs.empty()) return;
    const std::string verb = ChooseVerb(control, verbs, control->ClientToScreen(TPoint(x, y)));
    if (!verb.empty()) RunChosenVerb(control, *folder, verb);
}

void RunChosenVerb(TControl* control, TbsShellFolder& folder, const std::string& verb) {
    IShellVerbSink* sink = dynamic_cast<IShellVerbSink*>(control);
    bool handled = false;
    if (sink) sink->ExecuteCommand(verb, handled);
    const bool succeeded = handled || ExecuteShellVerb(folder, verb);
    if (sink) sink->CommandCompleted(verb, succeeded);
}

bool ExecuteShellVerb(TbsShellFolder& folder, const std::string& verb) {
    if (SameText(verb, "open")) return folder.ExecuteDefault() != 0;
    if (SameText(verb, "delete")) return TrashItem(folder);
    if (SameText(verb, "properties")) return ShowItemProperties(folder);
    return false;
}

void InvokeItemVerb(TbsShellFolder* folder, const std::string& verb) {
    if (folder) ExecuteShellVerb(*folder, verb);
}

std::string ShellPropertiesText(const TbsShellFolder& folder) {
    const std::string path = folder.FullObjectName();
    std::string text = "Path: " + (path.empty() ? folder.PathName() : path);
    if (path.empty()) return text;
    const std::optional<TShellFindData> data = ReadShellFindData(path);
    if (!data) return text;
    if (!data->IsDirectory()) text += Format("\nSize: %d bytes", data->Size);
    text +=
        "\nModified: " + FormatDateTime("yyyy-mm-dd hh:nn:ss", FileTimeToDateTime(data->WriteTime));
    text += "\nPermissions: " + PermissionText(data->Permissions);
    return text;
}
