#pragma once
// The skin object and what comes with it: the skin's description (value syntax, element
// records of frames and controls and the kind words that select them), compressed skins,
// skin lists and the string table.
#include "lib/TbsCompressedSkinList.h"
#include "lib/TbsCompressedStoredSkin.h"
#include "lib/TbsResourceStrData.h"
#include "lib/TbsSkinData.h"
#include "lib/bsSkinControlRecords.h"
#include "lib/bsSkinIniValues.h"
#include "lib/bsSkinListRecords.h"
#include "lib/bsSkinMessages.h"
#include "lib/bsSkinObjectRecords.h"
#include "lib/bsSkinPanelRecords.h"
#include "lib/bsSkinRecordKinds.h"
#include "lib/bsSkinTabViewRecords.h"
#include "lib/bsSkinWindowRecords.h"
#include "lib/bszlibcompress.h"
