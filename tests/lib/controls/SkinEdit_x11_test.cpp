// The skinned edit on a private X server, worked with real keys: typed text reaches it, and the
// Menu key opens its skinned context menu.
#include "EditTestSupport.h"
#include "tests/platform/forms/XFormTest.h"

#include "lib/menus/TbsSkinPopupWindow.h"
#include "tests/x11/EventLoop.h"
#include "tests/x11/XWindows.h"

// Last: Xlib's names and macros.
#include "tests/x11/XlibApi.h"

namespace {

using namespace x11test;

class SkinEditOnX11 : public formstest::XInputFormTest {
protected:
    void SetUp() override {
        XInputFormTest::SetUp();
        if (!FInput || !FInput->Available()) return;
        FSkin = menustest::LoadProgramSkin("main");
        FSkinForm = new TFakeSkinForm(FForm);
        FSkinForm->FSkinData = FSkin.get();
        FForm->SetBounds(40, 40, 300, 200);
        FEdit = new TbsSkinEdit(FForm);
        FEdit->SetSkinData(FSkin.get());
        FEdit->SetParent(FForm);
        FEdit->SetBounds(20, 30, 200, 22);
        ShowForm();
    }
    void TearDown() override {
        XInputFormTest::TearDown();
        FSkin.reset();
    }

    std::unique_ptr<TbsSkinData> FSkin;
    TFakeSkinForm* FSkinForm{ nullptr };
    TbsSkinEdit* FEdit{ nullptr };
};

TEST_F(SkinEditOnX11, TypedTextReachesTheEditAndTheMenuKeyOpensItsContextMenu) {
    XTestInput& input = *FInput;
    const TPoint inEdit = FEdit->ClientToScreen(TPoint(10, 8));
    input.Click(inEdit.X, inEdit.Y);
    ASSERT_TRUE(RunUntil([&] { return FEdit->Focused(); })) << "a click focuses the edit";

    for (unsigned long key : { XK_a, XK_b, XK_c })
        input.TypeKey(key);
    EXPECT_TRUE(RunUntil([&] { return FEdit->Text() == "abc"; })) << FEdit->Text();

    input.TypeKey(XK_Menu);
    const auto& levels = FSkinForm->SkinMenu().PopupList();
    ASSERT_TRUE(RunUntil([&] { return !levels.empty(); })) << "the Menu key opened no menu";
    const unsigned long level = XOf(levels.front());
    EXPECT_TRUE(RunUntil([&] { return XWindowViewable(FUser, level); }))
        << "the menu's popup window is mapped";
    EXPECT_EQ(levels.front()->ItemList().size(), 8u);
}

} // namespace
