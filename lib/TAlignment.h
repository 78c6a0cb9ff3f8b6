#pragma once

// Horizontal text alignment of the class library, in its declaration order. The skin records
// need it before the platform's controls exist; it moves there when they arrive.
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
