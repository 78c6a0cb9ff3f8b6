#pragma once

// The plain frame of a skinned container drawn without a skin record.
enum TbsSkinBorderStyle { bvFrame, bvRaised, bvLowered, bvNone };
