#pragma once

class TMenu;
class TbsCustomEdit;
class TbsResourceStrData;

// Fills an edit's context menu, the items owned by the menu: Undo, a line, Cut, Copy, Paste,
// Delete, a line, Select All. Each is enabled as the edit's state allows at this moment (a
// read-only edit offers no Undo, Cut, Paste or Delete) and runs the edit's own operation. Captions
// come from the string table (EDIT_UNDO ... EDIT_SELECTALL), or without one are the built-in
// English texts.
void AddEditMenuItems(TMenu& menu, TbsCustomEdit& edit, const TbsResourceStrData* strings);
