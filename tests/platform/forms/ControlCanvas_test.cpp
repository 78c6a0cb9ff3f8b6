#include "FormsTestSupport.h"
#include "platform/forms/TCustomControl.h"
#include "platform/win/Messaging.h"
#include "platform/win/Painting.h"
#include <memory>

namespace formstest {
namespace {

using namespace win;

const char* const kSample = "Measure 中文 Wg";

// Measures its sample while painting, with a message sent to another window in between.
class TMeasuring : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    std::string ClassName() const override { return "TMeasuring"; }
    HWND FOther{};
    int FPaintWidth{ -1 };
    bool FKeptPaintDc{ false };

protected:
    void Paint() override {
        const HDC dc = Canvas().Handle();
        if (FOther) SendMessage(FOther, WM_NULL, 0, 0);
        FKeptPaintDc = Canvas().Handle() == dc;
        FPaintWidth = Canvas().TextWidth(kSample);
    }
};

class ControlCanvas : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        FTop = std::make_unique<TTopWindow>(nullptr);
        FTop->SetBounds(40, 40, 300, 120);
        FControl = new TMeasuring(FTop.get());
        FControl->SetParent(FTop.get());
        FControl->SetBounds(10, 10, 200, 60);
        FControl->Font().SetName("DejaVu Sans");
        FControl->Font().SetHeight(-19);
        FOther = new TMeasuring(FTop.get());
        FOther->SetParent(FTop.get());
        FOther->SetBounds(220, 10, 40, 40);
        FControl->FOther = FOther->Handle();
        FTop->SetVisible(true);
        Pump();
    }
    void TearDown() override {
        FTop.reset();
        FormsTest::TearDown();
    }

    std::unique_ptr<TTopWindow> FTop;
    TMeasuring* FControl{ nullptr };
    TMeasuring* FOther{ nullptr };
};

TEST_F(ControlCanvas, MeasuresOutsidePaintAsInsideAndGivesTheDcBack) {
    ASSERT_GT(FControl->FPaintWidth, 0);
    EXPECT_TRUE(FControl->FKeptPaintDc) << "a message sent while painting keeps the paint DC";
    EXPECT_EQ(FControl->Canvas().TextWidth(kSample), FControl->FPaintWidth);
    EXPECT_TRUE(FControl->Canvas().HandleAllocated());
    SendMessage(FOther->Handle(), WM_NULL, 0, 0);
    EXPECT_FALSE(FControl->Canvas().HandleAllocated()) << "given back after the message";

    FControl->Font().SetHeight(-30);
    const int larger = FControl->Canvas().TextWidth(kSample);
    EXPECT_GT(larger, FControl->FPaintWidth) << "the canvas follows the control's font";
    FControl->Invalidate();
    Pump();
    EXPECT_EQ(FControl->FPaintWidth, larger);
    FControl->Repaint();
    EXPECT_EQ(FControl->Canvas().TextWidth(kSample), larger) << "fetched again after painting";

    // A control without a window yet measures through a screen-format DC.
    TMeasuring loose(nullptr);
    loose.Font().Assign(FControl->Font());
    EXPECT_EQ(loose.Canvas().TextWidth(kSample), larger);
    EXPECT_FALSE(loose.HandleAllocated());
}

TEST_F(ControlCanvas, DrawsOnTheScreenOutsidePaint) {
    FControl->Canvas().Brush().SetColor(clRed);
    FControl->Canvas().FillRect(TRect(0, 0, 20, 20));
    FControl->Canvas().Brush().SetColor(clBlue);
    FControl->Canvas().FillRect(TRect(20, 0, 40, 20));
    TControlCanvas::FreeDeviceContexts();
    const gfx::Surface s = FDisplay->ComposeScreen();
    const auto colour = [&](int x, int y) {
        const TPoint p = FControl->ClientToScreen(TPoint(x, y));
        const gfx::Pixel px = s.At(p.X, p.Y);
        return RGB(gfx::PixelR(px), gfx::PixelG(px), gfx::PixelB(px));
    };
    EXPECT_EQ(colour(5, 5), ColorToRGB(clRed));
    EXPECT_EQ(colour(25, 5), ColorToRGB(clBlue));
}

} // namespace
} // namespace formstest
