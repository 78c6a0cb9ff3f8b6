#include "EditTestSupport.h"

#include "tests/lib/skin/DrawingPictures.h"

#include "lib/menus/TbsSkinMenuItem.h"
#include "lib/menus/TbsSkinPopupWindow.h"
#include "platform/forms/TImageList.h"
#include "platform/gfx/TBitmap.h"

void EditTest::TearDown() {
    // The form and its edits go before the skin they were drawn with.
    delete FForm;
    FForm = nullptr;
    Pump();
    FMainSkin.reset();
    ControlsTest::TearDown();
}

TFakeSkinForm& EditTest::AddSkinForm() {
    if (!FMainSkin) FMainSkin = menustest::LoadProgramSkin("main");
    FSkinForm = new TFakeSkinForm(FForm);
    FSkinForm->FSkinData = FMainSkin.get();
    return *FSkinForm;
}

void EditTest::RightClickAt(TControl* control, int x, int y) {
    FDisplay->Time().Advance(1000);
    const TPoint p = control->ClientToScreen(TPoint(x, y));
    FDisplay->Click(p.X, p.Y, win::MouseButton::Right);
    Pump();
}

std::vector<std::string> EditTest::OpenMenuRows() {
    std::vector<std::string> rows;
    if (!FSkinForm || FSkinForm->SkinMenu().PopupList().empty()) return rows;
    for (const auto& row : FSkinForm->SkinMenu().PopupList().front()->ItemList()) {
        const TMenuItem* item = row->MenuItem;
        rows.push_back(item->Caption() + (item->Enabled() || item->IsLine() ? "" : " (off)"));
    }
    return rows;
}

void EditTest::ClickMenuRow(const std::string& caption) {
    ASSERT_TRUE(FSkinForm && !FSkinForm->SkinMenu().PopupList().empty());
    TbsSkinPopupWindow* level = FSkinForm->SkinMenu().PopupList().front();
    for (const auto& row : level->ItemList()) {
        if (row->MenuItem->Caption() != caption) continue;
        const TRect& r = row->ObjectRect;
        const int x = level->Left() + (r.Left + r.Right) / 2;
        const int y = level->Top() + (r.Top + r.Bottom) / 2;
        FDisplay->MoveMouse(x, y);
        Pump();
        // The level follows the pointer on its own tracking timer.
        FDisplay->Time().Advance(100);
        Pump();
        FDisplay->Time().Advance(1000);
        FDisplay->Click(x, y);
        Pump();
        return;
    }
    FAIL() << "no row " << caption;
}

void EditTest::CloseMenu() {
    ASSERT_TRUE(FSkinForm);
    FSkinForm->SkinMenu().KeyDown(win::VK_ESCAPE);
    Pump();
}

namespace {

// Two 12 x 12 images: a red and a green square.
TImageList* EditImages(TComponent* owner) {
    auto* images = new TImageList(owner);
    images->SetSize(12, 12);
    for (TColor colour : { TColor(0x0000C0), TColor(0x00C000) }) {
        TBitmap square(12, 12);
        square.Canvas().Brush().SetColor(colour);
        square.Canvas().FillRect(TRect(0, 0, 12, 12));
        images->Add(square, nullptr);
    }
    return images;
}

} // namespace

TSheetRow EditSheetRow(const std::string& label, TEditLook look) {
    const bool button = look == elButton;
    TSheetRow row{ label, button ? "buttonedit" : "edit", TSize(button ? 140 : 120, 22),
                   [look](TForm& form, TbsSkinData* skin, const std::string& record) -> TControl* {
                       auto* edit = new TbsSkinEdit(&form);
                       edit->SetSkinDataName(record);
                       edit->SetButtonMode(look == elButton);
                       edit->SetReadOnly(look == elReadOnly);
                       // Focused, the edit shows its caret rather than a selected text.
                       edit->SetAutoSelect(false);
                       edit->SetText(look == elReadOnly ? "/home/user/Videos" : "Sample text");
                       if (look == elImages) {
                           edit->SetImages(EditImages(edit));
                           edit->SetLeftImageIndex(0);
                           edit->SetRightImageIndex(0);
                           edit->SetRightImageHotIndex(1);
                       }
                       edit->SetSkinData(skin);
                       return edit;
                   } };
    row.PlainColours = { clWindow };
    // The caret shows in the focused edit, with a skin and without.
    row.DistinctStates.push_back(ssFocused);
    // The plain look of a text field shows no state under the pointer.
    row.PlainHot = look == elButton || look == elImages;
    // The pointer stands on the push button or the right image button for hot and pressed.
    if (button) row.HotSpot = TPoint(140 - 8, 11);
    if (look == elImages) row.HotSpot = TPoint(120 - 9, 11);
    return row;
}
