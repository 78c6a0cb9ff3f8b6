#include "lib/controls/bsEditContextMenu.h"

#include "lib/controls/TbsCustomEdit.h"
#include "lib/skindata/TbsResourceStrData.h"
#include "platform/forms/TMenuItem.h"
#include "platform/gfx/Utf8.h"
#include "platform/win/Clipboard.h"
#include "platform/win/Messages.h"

#include <functional>

namespace {

struct TEditCommand {
    const char* Key;     // in the skin's string table; nullptr for a line
    const char* Caption; // without a string table
    std::function<bool(TbsCustomEdit&)> Enabled;
    std::function<void(TbsCustomEdit&)> Run;
};

bool HasSelection(const TbsCustomEdit& edit) {
    return edit.SelLength() > 0;
}

bool WholeTextSelected(const TbsCustomEdit& edit) {
    const int length = int(gfx::DecodeUtf8(edit.Text()).size());
    return edit.SelStart() == 0 && edit.SelLength() == length;
}

const TEditCommand kLine{ nullptr, "-", {}, {} };

const TEditCommand kCommands[] = {
    // A read-only edit refuses to undo: an enabled Undo there would do nothing.
    { "EDIT_UNDO", "Undo", [](TbsCustomEdit& e) { return e.CanUndo() && !e.ReadOnly(); },
      [](TbsCustomEdit& e) { e.Undo(); } },
    kLine,
    { "EDIT_CUT", "Cut", [](TbsCustomEdit& e) { return HasSelection(e) && !e.ReadOnly(); },
      [](TbsCustomEdit& e) { e.CutToClipboard(); } },
    { "EDIT_COPY", "Copy", [](TbsCustomEdit& e) { return HasSelection(e); },
      [](TbsCustomEdit& e) { e.CopyToClipboard(); } },
    { "EDIT_PASTE", "Paste",
      [](TbsCustomEdit& e) { return !win::GetClipboardText().empty() && !e.ReadOnly(); },
      [](TbsCustomEdit& e) { e.PasteFromClipboard(); } },
    { "EDIT_DELETE", "Delete", [](TbsCustomEdit& e) { return HasSelection(e) && !e.ReadOnly(); },
      // The user's deletion, which Undo takes back (a replacement by code could not be).
      [](TbsCustomEdit& e) { e.Perform(win::WM_CLEAR, 0, 0); } },
    kLine,
    { "EDIT_SELECTALL", "Select All", [](TbsCustomEdit& e) { return !WholeTextSelected(e); },
      [](TbsCustomEdit& e) { e.SelectAll(); } },
};

} // namespace

void AddEditMenuItems(TMenu& menu, TbsCustomEdit& edit, const TbsResourceStrData* strings) {
    for (const TEditCommand& command : kCommands) {
        auto* item = new TMenuItem(&menu);
        if (!command.Key) {
            item->SetCaption(command.Caption);
        } else {
            item->SetCaption(strings ? strings->GetResStr(command.Key) : command.Caption);
            item->SetEnabled(command.Enabled(edit));
            const auto& run = command.Run;
            item->OnClick = [&edit, run](TObject*) { run(edit); };
        }
        menu.Items().Add(item);
    }
}
