#pragma once
#include "lib/frame/bsSkinForm.h"
#include "lib/skindata/TbsSkinData.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TCustomForm.h"
#include "tests/lib/controls/TestSkins.h"
#include "tests/platform/forms/FormsTestSupport.h"

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace frametest {

// The synthetic frame skin of these tests: a 120 x 80 frame picture whose every pixel tells
// where it came from, an inactive picture of its own, a mask with the two top corners cut off,
// a 4-pixel border around a client area from row 24 down, and one object record: the caption
// over the title strip.
struct TFrameSkin {
    static constexpr int kWidth = 120;
    static constexpr int kHeight = 80;
    static constexpr TRect kClient{ 4, 24, 116, 76 };
    static constexpr TRect kCaption{ 4, 2, 116, 22 };
    // GetMinHeight with this skin: the frame without its client area.
    static constexpr int kFrameHeight = kHeight - (76 - 24);
};
// withMask: the mask picture is set (black on the window).
std::unique_ptr<TbsSkinData> MakeFrameSkin(bool withMask = true);
// A picture's colour at x, y as the synthetic frame draws it (0xRRGGBB); the inactive picture
// differs in blue.
std::uint32_t FramePixel(int x, int y, bool active = true);

// Appends an object record to the skin (IDName, the rectangle in the frame picture or, with
// inAPicture, in picture 0 of the skin's further pictures).
TbsDataSkinStdButton& AddStdButton(TbsSkinData& skin, const std::string& name,
                                   TbsStdCommand command, const TRect& skinRect,
                                   bool inAPicture = true);
TbsDataUserObject& AddUserObject(TbsSkinData& skin, const std::string& name, const TRect& skinRect);

// The layer frame picture of a soft-shadowed skin: 200 x 176 with the form's place at
// (34, 31, 167, 144); each pixel's colour tells where it came from, its alpha falls off
// towards the picture's edge and is 0 on the outermost ring.
constexpr int kSW = 200, kSH = 176;
std::uint32_t LayerPixel(int x, int y);
// Gives the skin that layer frame and turns its layered borders on; hitTest: with a sizing
// band. Returns the picture's index.
int AddLayerFrame(TbsSkinData& skin, bool hitTest);

// A fresh application on the headless display (1280 x 1024, work area 984 rows) whose main
// form is a plain one, so that the test's skinned forms are ordinary forms unless a test makes
// one the main form.
class FrameTest : public formstest::FormsTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // A form of the application at bounds (screen), with the border style given, not shown.
    TForm* NewForm(const TRect& bounds, TFormBorderStyle border = bsSingle);
    // The form's skin component bound to skin (nullptr: none).
    TbsSkinForm* SkinForm(TForm* form, TbsSkinData* skin);
    // Moves the fake clock on and runs what came due, in small steps.
    void Wait(unsigned ms);
    // The window's pixels as the display last showed them.
    gfx::Surface Shown(TForm* form);
    // Sends a message to the form's window and returns its answer.
    win::LRESULT Send(TForm* form, win::UINT msg, win::WPARAM wParam = 0, win::LPARAM lParam = 0);

    std::unique_ptr<TApplication> FApp;
    TForm* FMain{ nullptr };
    std::unique_ptr<TbsSkinData> FSkin;
};

// A frame object that records what the frame tells it.
class TRecordingObject : public TbsActiveSkinObject {
public:
    TRecordingObject(TbsSkinForm* parent, const std::string& name, const TRect& rect);
    void MouseDown(int x, int y, TMouseButton button) override;
    void MouseUp(int x, int y, TMouseButton button) override;
    void MouseMove(int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void DblClick() override;

    std::vector<std::string> FLog;
};

} // namespace frametest

void PrintTo(const TbsSkinForm::TbsBorderIcons& icons, std::ostream* os);
