#pragma once
#include <memory>

class TComponent;
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
// The main window's image lists bsPngImageList5 and bsPngImageList3 that its family picker
// bsSkinOfficeComboBox2 and format picker show. A family's picture is painted when the family
// picker first shows it: closed, on a new choice or in its open list.
void DrawFamilyPictures(TComponent& form);
