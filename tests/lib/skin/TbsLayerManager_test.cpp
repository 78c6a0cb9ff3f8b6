#include "lib/skindraw/TbsLayerManager.h"

#include "DrawingPictures.h"
#include "platform/win/Win.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

namespace {

class LayerManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto display = std::make_unique<win::HeadlessBackend>();
        FDisplay = display.get();
        win::InstallBackend(std::move(display));
        FManager = std::make_unique<TbsLayerManager>(nullptr);
    }
    void TearDown() override {
        FManager.reset();
        Pump();
        for (const auto& w : win::WindowSystem::Instance().AllWindows())
            win::DestroyWindow(w->FHandle);
        win::InstallBackend(nullptr);
    }
    void Pump() {
        win::MSG msg;
        while (win::PeekMessage(&msg, nullptr, 0, 0, win::PM_REMOVE)) {
            win::TranslateMessage(&msg);
            win::DispatchMessage(&msg);
        }
    }
    // One period of the fade timer.
    void Tick() {
        FDisplay->Time().Advance(25);
        Pump();
    }
    // The constant opacity the display was last given for the layer.
    int ShownAlpha() const {
        const auto* native = FDisplay->Native(FManager->LayerWindow()->Handle());
        return native ? native->FAlpha : -1;
    }
    void Show(int alpha) { FManager->Show(300, 200, *FImage, *FMask, alpha); }

    win::HeadlessBackend* FDisplay{ nullptr };
    std::unique_ptr<TbsLayerManager> FManager;
    std::unique_ptr<TBitmap> FImage = PictureOfRows({ "abc", "def" });
    std::unique_ptr<TBitmap> FMask = PictureOfRows({ ".X.", "..." });
};

TEST_F(LayerManagerTest, FadeClimbsByATenthEachTickAndStopsAtTheTarget) {
    const struct {
        int target;
        std::vector<int> steps;
    } cases[] = {
        { 255, { 25, 50, 75, 100, 125, 150, 175, 200, 225, 250, 255 } },
        { 100, { 10, 20, 30, 40, 50, 60, 70, 80, 90, 100 } },
        { 0, { 0 } },
        { 5, { 1, 2, 3, 4, 5 } }, // a faint target still arrives
    };
    for (const auto& c : cases) {
        Show(c.target);
        ASSERT_NE(FManager->LayerWindow(), nullptr);
        EXPECT_EQ(ShownAlpha(), 0) << "shown fully transparent first";
        for (int expected : c.steps) {
            ASSERT_TRUE(FManager->Fading()) << c.target;
            Tick();
            EXPECT_EQ(FManager->BeginAlphaBlendValue(), expected) << c.target;
            EXPECT_EQ(ShownAlpha(), expected) << c.target;
        }
        EXPECT_FALSE(FManager->Fading()) << c.target;
        Tick();
        EXPECT_EQ(ShownAlpha(), c.target) << c.target;
        FManager->Hide();
    }
}

TEST_F(LayerManagerTest, LayerIsATopmostClickThroughWindowThatNeverActivates) {
    Show(255);
    const win::HWND h = FManager->LayerWindow()->Handle();
    EXPECT_TRUE(FManager->IsVisible());
    EXPECT_TRUE(win::IsWindowVisible(h));
    const auto ex = win::GetWindowLong(h, win::GWL_EXSTYLE);
    EXPECT_TRUE(ex & win::WS_EX_TOOLWINDOW);
    EXPECT_TRUE(ex & win::WS_EX_TRANSPARENT);
    EXPECT_TRUE(ex & win::WS_EX_LAYERED);
    EXPECT_TRUE(ex & win::WS_EX_TOPMOST);
    EXPECT_EQ(win::SendMessage(h, win::WM_MOUSEACTIVATE, 0, 0), win::MA_NOACTIVATE);
    EXPECT_EQ(FDisplay->Native(h)->FPopupKind, win::PopupKind::Layer) << "a layer, not a menu";
    win::RECT r{};
    win::GetWindowRect(h, &r);
    EXPECT_EQ(TRect(r), Rect(300, 200, 303, 202));
}

TEST_F(LayerManagerTest, ShowingAgainReplacesTheLayerAndHideRemovesIt) {
    Show(255);
    Tick();
    const win::HWND first = FManager->LayerWindow()->Handle();
    Show(100);
    EXPECT_FALSE(win::IsWindow(first));
    EXPECT_EQ(FManager->BeginAlphaBlendValue(), 0) << "the fade restarts";
    const win::HWND second = FManager->LayerWindow()->Handle();
    FManager->Hide();
    EXPECT_EQ(FManager->LayerWindow(), nullptr);
    EXPECT_FALSE(win::IsWindow(second));
    EXPECT_FALSE(FManager->IsVisible());
    EXPECT_FALSE(FManager->Fading());
    FManager->Hide(); // twice, or without a Show: nothing to do
}

TEST_F(LayerManagerTest, NoLayerWhereTheDisplayDoesNotCompose) {
    FDisplay->SetCompositor(false);
    Show(255);
    EXPECT_EQ(FManager->LayerWindow(), nullptr);
    EXPECT_FALSE(FManager->IsVisible());
    EXPECT_FALSE(FManager->Fading());
    FManager->Hide();
    EXPECT_FALSE(FManager->IsVisible());
}

} // namespace
