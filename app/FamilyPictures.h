#pragma once
#include <memory>

class TComboBox;
class TComponent;
class TCustomImageList;
class TPngImage;
class TbsPngImageList;

constexpr int FamilyPictureCount = 28;
constexpr int FormatPictureCount = 2;
constexpr int FamilyPictureSize = 32;

// The picture of a format family (FamilyCode 0..27): a tile of the family's colour with a
// symbol of its kind (film, note, phone, disc ...) and a short label such as "MP3" or "VOB".
// size is the edge in pixels; the drawing scales with it. Raises Exception for another code.
std::unique_ptr<TPngImage> DrawFamilyPicture(int familyCode, int size = FamilyPictureSize);
// The format picker's two alternating pictures (0 for even rows, 1 for odd rows).
std::unique_ptr<TPngImage> DrawFormatPicture(int index);

// Replaces the pictures of both lists: one per FamilyCode, at index FamilyCode, and the two
// format pictures, all 32 x 32.
void FillFamilyPictures(TbsPngImageList& families, TbsPngImageList& formats);
// Lets the family picker's drop-down show each family's picture beside its caption, in rows
// 50 pixels high, four at a time.
void ShowFamilyPictures(TComboBox& picker, TCustomImageList& families);

// The main window's image lists bsPngImageList5 and bsPngImageList3, and the family picker
// bsSkinOfficeComboBox2 showing them; the family pictures are painted when the picker's
// drop-down first shows them.
void DrawFamilyPictures(TComponent& form);
