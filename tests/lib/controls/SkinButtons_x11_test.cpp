// The skinned push button and menu speed button on a private X server, pressed with the real
// pointer: the push button clicks once, the menu speed button opens its menu below itself and
// stays down until the menu closes.
#include "TestSkins.h"
#include "tests/lib/menus/MenuFixture.h"

#include "lib/controls/TbsSkinButton.h"
#include "lib/controls/TbsSkinMenuSpeedButton.h"
#include "tests/platform/forms/XFormTest.h"
#include "tests/x11/EventLoop.h"
#include "tests/x11/XWindows.h"

#include <memory>
// Last: Xlib's names and macros.
#include "tests/x11/XlibApi.h"

namespace {

using namespace x11test;

class SkinButtonsOnX11 : public formstest::XInputFormTest {
protected:
    void SetUp() override {
        XInputFormTest::SetUp();
        if (!FInput || !FInput->Available()) return;
        FForm->SetBounds(40, 40, 320, 200);
        FSkin = LoadProgramSkin("main");
        FHost = new menustest::TFakeMenuHost(FForm);
        FHost->FMenusSkinData = FSkin.get();
    }
    void TearDown() override {
        XInputFormTest::TearDown();
        FSkin.reset();
    }
    TPoint Middle(TControl* control) {
        return control->ClientToScreen(TPoint(control->Width() / 2, control->Height() / 2));
    }

    std::unique_ptr<TbsSkinData> FSkin;
    menustest::TFakeMenuHost* FHost{ nullptr };
};

TEST_F(SkinButtonsOnX11, RealPointerClicksThePushButtonAndOpensTheMenuButtonsMenu) {
    auto* button = new TbsSkinButton(FForm);
    button->SetParent(FForm);
    button->SetBounds(20, 20, 90, 26);
    button->SetSkinData(FSkin.get());
    button->SetCaption("Start");
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };

    auto* menu = new TbsSkinPopupMenu(FForm);
    for (const char* caption : { "Files", "Folder" }) {
        auto* item = new TMenuItem(menu);
        item->SetCaption(caption);
        menu->Items().Add(item);
    }
    auto* add = new TbsSkinMenuSpeedButton(FForm);
    add->SetParent(FForm);
    add->SetBounds(140, 20, 60, 30);
    add->SetSkinData(FSkin.get());
    add->SetCaption("Add");
    add->SetSkinPopupMenu(menu);
    int addClicks = 0;
    add->OnClick = [&](TObject*) { ++addClicks; };
    ShowForm();

    const TPoint start = Middle(button);
    FInput->Click(start.X, start.Y);
    EXPECT_TRUE(RunUntil([&] { return clicks == 1; }));
    EXPECT_TRUE(button->Focused());
    EXPECT_FALSE(button->Down());

    const TPoint middle = Middle(add);
    FInput->Click(middle.X, middle.Y);
    ASSERT_TRUE(RunUntil([&] { return FHost->SkinMenu().PopupList().size() == 1u; }));
    const unsigned long level = XOf(FHost->SkinMenu().PopupList()[0]);
    EXPECT_TRUE(RunUntil([&] { return XWindowViewable(FUser, level); }));
    EXPECT_GE(FHost->SkinMenu().PopupList()[0]->Top(), add->ClientToScreen(TPoint(0, 30)).Y);
    EXPECT_TRUE(add->Down());
    EXPECT_TRUE(add->MenuTracked());

    // A click away from the menu closes it; the button comes up without a click.
    FInput->Click(700, 550);
    EXPECT_TRUE(RunUntil([&] { return !FHost->SkinMenu().Visible() && !add->Down(); }));
    EXPECT_FALSE(add->MenuTracked());
    EXPECT_EQ(addClicks, 0);
    EXPECT_EQ(clicks, 1);

    // The pointer is free again: the push button takes the next click.
    FInput->Click(start.X, start.Y);
    EXPECT_TRUE(RunUntil([&] { return clicks == 2; }));
}

} // namespace
