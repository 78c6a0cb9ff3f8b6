#pragma once
// The skinned edits: the edit base with its context menu, the number edit, the skinned edit,
// the form-skin query they make, and their registration with the form reader.
#include "lib/controls/IbsFormSkinComponent.h"
#include "lib/controls/TbsCustomEdit.h"
#include "lib/controls/TbsSkinCustomEdit.h"
#include "lib/controls/TbsSkinEdit.h"
#include "lib/controls/TbsSkinNumEdit.h"
#include "lib/controls/bsEditContextMenu.h"
#include "lib/controls/bsSkinEditClasses.h"
