#pragma once
#include "SkinnedFormTest.h"

#include "lib/skindata/bsSkinControlRecords.h"

#include <string>
#include <vector>

class TControl;

// The faces of the test's button records: 40 x 20 rectangles of picture 0, side by side in its
// first row (normal, hot, pressed, disabled, focused), and a strip of three animation frames in
// the second row. Each pixel of the picture differs, so a pixel tells which face shows.
namespace buttonfaces {
inline const TRect kNormal{ 0, 0, 40, 20 };
inline const TRect kHot{ 40, 0, 80, 20 };
inline const TRect kPressed{ 80, 0, 120, 20 };
inline const TRect kDisabled{ 120, 0, 160, 20 };
inline const TRect kFocused{ 160, 0, 200, 20 };
inline const TRect kFrames{ 0, 20, 120, 40 };
// Caption colours of the records (0x00BBGGRR).
inline constexpr TColor kFontColor = 0x000011;
inline constexpr TColor kActiveFontColor = 0x000022;
inline constexpr TColor kDownFontColor = 0x000033;
inline constexpr TColor kDisabledFontColor = 0x000044;
} // namespace buttonfaces

// A shown form with the test skin, button records of that skin, and a user's hand: the pointer
// moved over a control or away, the left button pressed and released, the clock moved on.
class ButtonTest : public SkinnedFormTest {
protected:
    static void FillButtonRecord(TbsDataSkinButtonControl& record);
    // A button record of a face that does not grow (the control takes the face's size), with
    // all state faces and caption colours; a test clears what it wants missing.
    template <class TRecord = TbsDataSkinButtonControl>
    TRecord& AddButtonRecord(const std::string& name) {
        TFaceGeometry face;
        face.SkinRect = buttonfaces::kNormal;
        face.ClRect = TRect(4, 4, 36, 16);
        auto& record = AddFaceRecord<TRecord>(*FSkin, name, 0, face);
        FillButtonRecord(record);
        return record;
    }
    // The name of the face whose pixels the control shows at (x, y) inside it: "normal", "hot",
    // "pressed", "disabled", "focused", "frame 1" to "frame 3", or "other".
    std::string ShownFace(TControl& control, int x = 2, int y = 2);

    void PointAt(TControl* control, int x = 5, int y = 5);
    void PointAway();
    void PressLeft();
    void ReleaseLeft();
    // Moves the fake clock on in steps of at most `step` ms, running what comes due.
    void Advance(int ms, int step = 10);
};

// The colours (0xRRGGBB) of the pixels in a rectangle of a surface.
std::vector<std::uint32_t> ColoursIn(const gfx::Surface& pixels, const TRect& r);
