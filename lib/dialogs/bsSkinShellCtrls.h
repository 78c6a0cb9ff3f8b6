#pragma once
// The skin engine's model of the shell namespace and its change notifier, on which the
// folder tree, the file list, the location combo box and the file dialogs stand.
#include "lib/dialogs/TbsShellChangeNotifier.h"
#include "lib/dialogs/TbsShellFolder.h"
#include "lib/dialogs/bsShellFindData.h"
#include "lib/dialogs/bsShellFolderQueries.h"
#include "lib/dialogs/bsShellPidl.h"
#include "lib/dialogs/bsShellTypes.h"
#include "lib/dialogs/bsShellVerbPrompts.h"
#include "lib/dialogs/bsShellVerbs.h"
