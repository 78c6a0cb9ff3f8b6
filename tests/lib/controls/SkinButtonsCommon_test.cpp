// What the push button and the speed button do alike: the repeated click of a held button,
// groups of buttons that stay down like radio buttons, and click handlers that free the button.
#include "ButtonFixture.h"

#include "lib/controls/TbsSkinButton.h"
#include "lib/controls/TbsSkinSpeedButton.h"

#include <type_traits>

namespace {

template <class T>
class SkinButtons : public ButtonTest {
protected:
    T* AddButton(int left = 10, int top = 10) {
        auto* button = Add<T>(left, top, 40, 20);
        button->SetSkinDataName("btn");
        button->SetSkinData(FSkin.get());
        Pump();
        return button;
    }
    // The push button has a click event of its own; the speed button uses the class library's.
    static void OnClick(T* button, TNotifyEvent handler) {
        if constexpr (std::is_same_v<T, TbsSkinButton>)
            button->OnClick = std::move(handler);
        else
            button->TControl::OnClick = std::move(handler);
    }
    void SetUp() override {
        ButtonTest::SetUp();
        AddButtonRecord("btn");
    }
};

using ButtonKinds = ::testing::Types<TbsSkinButton, TbsSkinSpeedButton>;
TYPED_TEST_SUITE(SkinButtons, ButtonKinds);

TYPED_TEST(SkinButtons, HeldRepeatButtonClicksEveryIntervalAfterHalfASecondAndOnRelease) {
    auto* button = this->AddButton();
    button->SetRepeatMode(true);
    int clicks = 0;
    this->OnClick(button, [&](TObject*) { ++clicks; });
    struct Case {
        int heldMs, whileHeld;
    };
    for (const Case c : { Case{ 1000, 5 }, Case{ 500, 0 }, Case{ 200, 0 } }) {
        SCOPED_TRACE(c.heldMs);
        clicks = 0;
        this->PointAt(button);
        this->PressLeft();
        this->Advance(c.heldMs);
        EXPECT_EQ(clicks, c.whileHeld);
        this->ReleaseLeft();
        EXPECT_EQ(clicks, c.whileHeld + 1);
        EXPECT_FALSE(button->Repeat().Running());
        this->PointAway();
    }
}

TYPED_TEST(SkinButtons, LeavingAHeldRepeatButtonPausesTheRepeat) {
    auto* button = this->AddButton();
    button->SetRepeatMode(true);
    int clicks = 0;
    this->OnClick(button, [&](TObject*) { ++clicks; });
    this->PointAt(button);
    this->PressLeft();
    this->Advance(700);
    EXPECT_EQ(clicks, 2);
    this->PointAway();
    this->Advance(1000);
    EXPECT_EQ(clicks, 2);
    // Coming back starts it afresh: half a second, then every interval.
    this->PointAt(button);
    this->Advance(600);
    EXPECT_EQ(clicks, 3);
    this->ReleaseLeft();
    EXPECT_EQ(clicks, 4);
}

TYPED_TEST(SkinButtons, GroupButtonsStayDownOneAtATimeAndClickOnPress) {
    auto* first = this->AddButton(10, 10);
    auto* second = this->AddButton(60, 10);
    first->SetGroupIndex(3);
    second->SetGroupIndex(3);
    int firstClicks = 0;
    int secondClicks = 0;
    this->OnClick(first, [&](TObject*) { ++firstClicks; });
    this->OnClick(second, [&](TObject*) { ++secondClicks; });

    this->ClickAt(first, 5, 5);
    EXPECT_TRUE(first->Down());
    EXPECT_EQ(firstClicks, 1);
    this->PointAt(second);
    this->PressLeft();
    EXPECT_EQ(secondClicks, 1) << "on the press";
    EXPECT_TRUE(second->Down());
    EXPECT_FALSE(first->Down());
    this->ReleaseLeft();
    EXPECT_EQ(secondClicks, 1);
    // Pressing the pressed one does nothing without AllowAllUp, and raises it with it.
    this->ClickAt(second, 5, 5);
    EXPECT_TRUE(second->Down());
    EXPECT_EQ(secondClicks, 1);
    second->SetAllowAllUp(true);
    this->ClickAt(second, 5, 5);
    EXPECT_FALSE(second->Down());
    EXPECT_EQ(secondClicks, 2);
}

TYPED_TEST(SkinButtons, ClickHandlerMayFreeTheButton) {
    for (int group : { 0, 3 }) {
        SCOPED_TRACE(group);
        auto* button = this->AddButton();
        button->SetGroupIndex(group);
        bool mouseUp = false;
        button->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { mouseUp = true; };
        this->OnClick(button, [button](TObject*) { delete button; });
        this->ClickAt(button, 5, 5);
        EXPECT_EQ(this->FForm->ControlCount(), 0);
        // The push button's OnMouseUp would follow the click; the speed button's came first.
        if constexpr (std::is_same_v<TypeParam, TbsSkinButton>) {
            EXPECT_FALSE(mouseUp);
        }
        this->PointAway();
    }
}

TYPED_TEST(SkinButtons, MouseUpHandlerSeesTheButtonDownOnlyOnTheSpeedButton) {
    auto* button = this->AddButton();
    int clicks = 0;
    bool downInMouseUp = false;
    this->OnClick(button, [&](TObject*) { ++clicks; });
    button->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) {
        downInMouseUp = button->Down();
    };
    this->ClickAt(button, 5, 5);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(downInMouseUp, (std::is_same_v<TypeParam, TbsSkinSpeedButton>));
}

} // namespace
