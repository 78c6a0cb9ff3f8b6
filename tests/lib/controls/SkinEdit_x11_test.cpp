// The skinned edit on a private X server, worked with real keys: typed text reaches it, and the
// Menu key opens its skinned context menu. Bare and under a window manager.
#include "EditTestSupport.h"

#include "lib/menus/TbsSkinPopupWindow.h"
#include "platform/win/Win.h"
#include "platform/win/x11/X11Backend.h"
#include "tests/x11/EventLoop.h"
#include "tests/x11/XServer.h"
#include "tests/x11/XTestInput.h"
#include "tests/x11/XWindowManager.h"
#include "tests/x11/XWindows.h"

#include <memory>
// Last: Xlib's names and macros.
#include "tests/x11/XlibApi.h"

namespace {

using namespace x11test;

class SkinEditOnX11 : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        if (FServer.Name().empty()) GTEST_SKIP() << "no Xvfb could be started";
        if (GetParam()) {
            FManager = std::make_unique<XWindowManager>(FServer.Name());
            if (!FManager->Running()) GTEST_SKIP() << "openbox is not installed or did not start";
        }
        FUser = XOpenDisplay(FServer.Name().c_str());
        if (!FUser) GTEST_SKIP() << "the X server did not accept a client";
        auto backend = std::make_unique<win::X11Backend>(FServer.Name().c_str());
        FBackend = backend.get();
        win::InstallBackend(std::move(backend));
        FApp = std::make_unique<TApplication>(nullptr);
        FApp->Initialize();
        FApp->CreateForm(FForm);
        FForm->SetBounds(40, 40, 300, 200);
        FSkin = menustest::LoadProgramSkin("main");
        auto* skinForm = new TFakeSkinForm(FForm);
        skinForm->FSkinData = FSkin.get();
        FSkinForm = skinForm;
        FEdit = new TbsSkinEdit(FForm);
        FEdit->SetSkinData(FSkin.get());
        FEdit->SetParent(FForm);
        FEdit->SetBounds(20, 30, 200, 22);
        FForm->Show();
        ASSERT_TRUE(RunUntil([&] { return XWindowViewable(FUser, XOf(FForm)); }));
    }
    void TearDown() override {
        if (!FUser) return;
        FApp.reset();
        FSkin.reset();
        win::InstallBackend(nullptr);
        XCloseDisplay(FUser);
    }

    unsigned long XOf(TWinControl* control) { return FBackend->XWindowOf(control->Handle()); }

    XServer FServer{ 800, 600 };
    std::unique_ptr<XWindowManager> FManager;
    _XDisplay* FUser{ nullptr };
    win::X11Backend* FBackend{ nullptr };
    std::unique_ptr<TApplication> FApp;
    std::unique_ptr<TbsSkinData> FSkin;
    TForm* FForm{ nullptr };
    TFakeSkinForm* FSkinForm{ nullptr };
    TbsSkinEdit* FEdit{ nullptr };
};

TEST_P(SkinEditOnX11, TypedTextReachesTheEditAndTheMenuKeyOpensItsContextMenu) {
    XTestInput input(FServer.Name());
    if (!input.Available()) GTEST_SKIP() << "the server has no test extension";
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

INSTANTIATE_TEST_SUITE_P(BareAndManaged, SkinEditOnX11, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Managed" : "Bare"; });

} // namespace
