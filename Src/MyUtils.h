#pragma once
// Library loading and binding, and the small utilities the whole media engine shares.
#include "Src/MyUtils/LibraryBinding.h"
#include "Src/MyUtils/LocalTime.h"
#include "Src/MyUtils/MainThreadCalls.h"
#include "Src/MyUtils/ProgramFiles.h"
#include "Src/MyUtils/TextSplit.h"
