#pragma once
#include "lib/menus/IbsHintSource.h"
#include "lib/menus/TbsSkinHint.h"
#include "lib/menus/TbsSkinHintWindow.h"
