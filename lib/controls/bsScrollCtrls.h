#pragma once
// The skinned scroll bar, up-down, scroll box and slider.
#include "lib/controls/TbsSkinScrollBar.h"
#include "lib/controls/TbsSkinScrollBox.h"
#include "lib/controls/TbsSkinSlider.h"
#include "lib/controls/TbsSkinUpDown.h"
