#pragma once
// The skinned menus: the rows and popup levels of an open menu, the menu engine every form
// shows its menus through, the skinned popup menu, the host interface the form-skin component
// implements and the menus' messages.
#include "lib/menus/TbsSkinMenu.h"
#include "lib/menus/TbsSkinMenuHost.h"
#include "lib/menus/TbsSkinMenuItem.h"
#include "lib/menus/TbsSkinPopupMenu.h"
#include "lib/menus/TbsSkinPopupWindow.h"
#include "lib/menus/bsMenuGlyphs.h"
#include "lib/menus/bsMenuMessages.h"
