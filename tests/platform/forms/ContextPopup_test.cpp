#include "ControlsFixture.h"

#include "platform/forms/TMenuItem.h"
#include "platform/forms/TTreeView.h"

namespace {

// Hears the context-menu request first, and may keep the popup menu from showing.
class TPopupHookControl : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    bool Handles{ false };
    std::vector<TPoint> Asked;

protected:
    void DoContextPopup(TPoint mousePos, bool& handled) override {
        Asked.push_back(mousePos);
        handled = Handles;
    }
};

using ContextPopup = formstest::ControlsTest;

TEST_F(ContextPopup, TheHookHearsTheClientPointAndMayKeepThePopupMenuBack) {
    auto* control = Add<TPopupHookControl>(20, 30, 100, 80);
    auto* menu = new TPopupMenu(FForm);
    int shown = 0;
    menu->OnPopup = [&shown](TObject*) { ++shown; };
    control->SetPopupMenu(menu);
    const TPoint at = control->ClientToScreen(TPoint(7, 9));
    for (const bool handles : { true, false }) {
        control->Handles = handles;
        FDisplay->Click(at.X, at.Y, win::MouseButton::Right);
        Pump();
    }
    EXPECT_EQ(control->Asked, (std::vector<TPoint>{ TPoint(7, 9), TPoint(7, 9) }));
    EXPECT_EQ(shown, 1) << "only the request the hook left alone shows the menu";
}

TEST_F(ContextPopup, ARightClickSelectsATreeNodeOnlyWhenAsked) {
    auto* tree = Add<TTreeView>(10, 10, 200, 150);
    TTreeNode* first = tree->Items().Add(nullptr, "first");
    TTreeNode* second = tree->Items().Add(nullptr, "second");
    tree->SetSelected(first);
    Pump();
    const TRect row = second->DisplayRect(true);
    tree->SetRightClickSelect(false);
    const TPoint at = tree->ClientToScreen(TPoint(row.Left + 2, row.Top + 2));
    FDisplay->Click(at.X, at.Y, win::MouseButton::Right);
    Pump();
    EXPECT_EQ(tree->Selected(), first);
    tree->SetRightClickSelect(true);
    FDisplay->Click(at.X, at.Y, win::MouseButton::Right);
    Pump();
    EXPECT_EQ(tree->Selected(), second);
}

} // namespace
