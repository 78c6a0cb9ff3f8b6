#pragma once
// The whole drawing layer of namespace win: types, objects, regions and the DC.
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/GdiObjects.h"
#include "platform/gfx/SysColors.h"
#include "platform/gfx/WinTypes.h"
