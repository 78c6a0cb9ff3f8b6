#pragma once
// The skin's description: value syntax, element records of frames and controls, and the kind
// words that select them.
#include "lib/bsSkinControlRecords.h"
#include "lib/bsSkinIniValues.h"
#include "lib/bsSkinListRecords.h"
#include "lib/bsSkinObjectRecords.h"
#include "lib/bsSkinPanelRecords.h"
#include "lib/bsSkinRecordKinds.h"
#include "lib/bsSkinTabViewRecords.h"
#include "lib/bsSkinWindowRecords.h"
