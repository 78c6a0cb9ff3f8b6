#pragma once

class TBitmap;
class TbsSkinData;

// The skin's active picture of that number; nullptr for -1 or a number past its pictures, as
// a record of a broken skin may name. The picture belongs to the skin object and lives only
// until its next load or clear.
TBitmap* ActivePictureOf(const TbsSkinData& skin, int index);
