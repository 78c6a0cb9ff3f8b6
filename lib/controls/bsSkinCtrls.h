#pragma once
// The skinned controls: the bases every skinned control derives from, windowed and windowless,
// the skin change walks the form's skin component runs over a form's controls, the parent
// queries the controls make, and their registration with the form reader.
#include "lib/controls/IbsSkinnedControl.h"
#include "lib/controls/IbsToolBarParent.h"
#include "lib/controls/TbsGraphicSkinControl.h"
#include "lib/controls/TbsGraphicSkinCustomControl.h"
#include "lib/controls/TbsSkinBevel.h"
#include "lib/controls/TbsSkinButton.h"
#include "lib/controls/TbsSkinCheckRadioBox.h"
#include "lib/controls/TbsSkinControl.h"
#include "lib/controls/TbsSkinCustomControl.h"
#include "lib/controls/TbsSkinLinkLabel.h"
#include "lib/controls/TbsSkinMenuSpeedButton.h"
#include "lib/controls/TbsSkinPanel.h"
#include "lib/controls/TbsSkinSplitter.h"
#include "lib/controls/TbsSkinStatusBar.h"
#include "lib/controls/TbsSkinStdLabel.h"
#include "lib/controls/TbsSkinTextLabel.h"
#include "lib/controls/TbsSkinToolBar.h"
#include "lib/controls/bsActivePicture.h"
#include "lib/controls/bsSkinChangeWalk.h"
#include "lib/controls/bsSkinCtrlsClasses.h"
