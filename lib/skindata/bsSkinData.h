#pragma once
// The skin object and what comes with it: the skin's description (value syntax, element
// records of frames and controls and the kind words that select them), compressed skins,
// skin lists and the string table.
#include "lib/skindata/TbsCompressedSkinList.h"
#include "lib/skindata/TbsCompressedStoredSkin.h"
#include "lib/skindata/TbsResourceStrData.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindata/bsSkinControlRecords.h"
#include "lib/skindata/bsSkinIniValues.h"
#include "lib/skindata/bsSkinListRecords.h"
#include "lib/skindata/bsSkinMessages.h"
#include "lib/skindata/bsSkinObjectRecords.h"
#include "lib/skindata/bsSkinPanelRecords.h"
#include "lib/skindata/bsSkinRecordKinds.h"
#include "lib/skindata/bsSkinTabViewRecords.h"
#include "lib/skindata/bsSkinWindowRecords.h"
#include "lib/skindata/bszlibcompress.h"
