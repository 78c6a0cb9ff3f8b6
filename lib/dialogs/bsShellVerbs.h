#pragma once
#include "lib/dialogs/TbsShellFolder.h"

#include <string>
#include <vector>

class TControl;

// Told about a verb chosen from an item's context menu. The folder tree and the file list
// implement it to do some verbs themselves (renaming in place) and to follow what others did.
class IShellVerbSink {
public:
    virtual ~IShellVerbSink() = default;
    // Asked before the verb runs; handled true: the control did the work, the shell does not.
    virtual void ExecuteCommand(const std::string& verb, bool& handled) = 0;
    // Told after the verb ran or was handled.
    virtual void CommandCompleted(const std::string& verb, bool succeeded) = 0;
};

// One command of an item's context menu: the verb and its menu text.
struct TbsShellVerb {
    std::string Verb;
    std::string Caption;
    bool operator==(const TbsShellVerb&) const = default;
};

// The verbs of an item, in menu order: "open", "rename" (when it can be renamed), "delete"
// (when it can be deleted) and "properties". An item without a file-system path (the desktop,
// Computer) has none.
std::vector<TbsShellVerb> ShellContextVerbs(const TbsShellFolder& folder);

// Shows folder's context menu at (x, y) in control's client coordinates through the menu
// engine of control's form, waits for the choice and runs the verb chosen, telling control
// first and afterwards when it is an IShellVerbSink. Nothing shows for no item, an item
// without verbs, or a control on no form with a form-skin component.
void ShowShellContextMenu(TControl* control, TbsShellFolder* folder, int x, int y);
// Runs a chosen verb: control's ExecuteCommand, then (unless it handled the verb) the shell's
// action, then control's CommandCompleted with whether it succeeded.
void RunChosenVerb(TControl* control, TbsShellFolder& folder, const std::string& verb);
// The shell's own action of a verb: "open" starts the user's application in the item's folder
// (the program's current folder stays as it is); "delete" asks (ShellVerbPrompts), then moves
// the item to the trash; "properties" shows the item's path, size, time and permissions; "rename"
// has nothing to do without a control that renames in place. True when the action was done.
bool ExecuteShellVerb(TbsShellFolder& folder, const std::string& verb);
// Runs one verb of an item without a menu; nothing for no item.
void InvokeItemVerb(TbsShellFolder* folder, const std::string& verb);

// What the properties box says of an item, one line per fact.
std::string ShellPropertiesText(const TbsShellFolder& folder);
