#pragma once
// The skinned form: the form-skin component with its frame, states and window procedure, the
// frame objects and the engine's frame messages.
#include "lib/frame/TbsActiveSkinObject.h"
#include "lib/frame/TbsClientInActivePanel.h"
#include "lib/frame/TbsFormLayerBorder.h"
#include "lib/frame/TbsSkinForm.h"
#include "lib/frame/bsFrameMessages.h"
