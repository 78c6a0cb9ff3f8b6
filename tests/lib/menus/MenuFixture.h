#pragma once
#include "lib/menus/TbsSkinMenu.h"
#include "lib/menus/TbsSkinMenuHost.h"
#include "lib/menus/TbsSkinMenuItem.h"
#include "lib/menus/TbsSkinPopupMenu.h"
#include "lib/menus/TbsSkinPopupWindow.h"
#include "lib/skindata/TbsSkinData.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TImageList.h"
#include "tests/platform/forms/FormsTestSupport.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace menustest {

// The program's two skins: "main" skins menus, "tool" has no popup-window picture.
std::unique_ptr<TbsSkinData> LoadProgramSkin(const std::string& name);

// A form-skin component as far as the menus see one: it owns the form's menu engine, counts
// skin-menu mode and, as the real one does, closes the open menu on the form's closing
// messages and leaves skin-menu mode on WM_SKINMENUCLOSED.
class TFakeMenuHost : public TComponent, public TbsSkinMenuHost {
public:
    explicit TFakeMenuHost(TCustomForm* form);
    ~TFakeMenuHost() override;
    std::string ClassName() const override { return "TFakeMenuHost"; }

    TbsSkinMenu& SkinMenu() override { return *FMenu; }
    TbsSkinData* SkinData() const override { return FSkinData; }
    TbsSkinData* MenusSkinData() const override { return FMenusSkinData; }
    void SkinMenuOpen() override;
    void SkinMenuClose() override;

    TbsSkinData* FSkinData{ nullptr };
    TbsSkinData* FMenusSkinData{ nullptr };
    bool FInMenu{ false };
    int FOpens{ 0 };
    int FCloses{ 0 };
    // Sees every message of the form first.
    std::function<void(const TMessage&)> OnFormMessage;

private:
    TCustomForm* FForm;
    TbsSkinMenu* FMenu;
    TWndMethod FOldWindowProc;
};

// One item of a menu written for a test: Item("&Open").Keys(scCtrl | 'O').Image(0).
struct TItemSpec {
    std::string Caption;
    bool Enabled{ true };
    bool Checked{ false };
    bool Radio{ false };
    int ImageIndex{ -1 };
    TShortCut ShortCut{ scNone };
    std::string Name;
    std::vector<TItemSpec> Children;

    TItemSpec Disabled() const;
    TItemSpec Check() const;
    TItemSpec RadioCheck() const;
    TItemSpec Image(int index) const;
    TItemSpec Keys(TShortCut shortCut) const;
    TItemSpec Named(const std::string& name) const;
    TItemSpec Sub(std::vector<TItemSpec> children) const;
};
TItemSpec Item(const std::string& caption);

// A shown form of a fresh application on the headless display (1280 x 1024, work area 984
// rows high) with a fake form-skin component, and helpers that work the open menu as a user
// does: pointer moves seen by the level's 50 ms tracking, clicks and keys.
class MenuTest : public formstest::FormsTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // A popup menu of the form holding the items given; each item's click is logged as
    // "click <caption>".
    TbsSkinPopupMenu* MakeMenu(const std::vector<TItemSpec>& items);
    void AddItems(TMenuItem& parent, const std::vector<TItemSpec>& items);
    // Four 16 x 16 pictures of plain colours.
    TImageList* MakeImages();

    TbsSkinMenu& Engine() { return FHost->SkinMenu(); }
    const std::vector<TbsSkinPopupWindow*>& Levels() { return Engine().PopupList(); }
    TbsSkinPopupWindow& Level(int index) { return *Levels().at(std::size_t(index)); }
    TbsSkinMenuItem& Row(int level, int row) {
        return *Level(level).ItemList().at(std::size_t(row));
    }
    // The centre of a row on the screen.
    TPoint RowCentre(int level, int row);

    // Moves the pointer and lets the level's tracking see it.
    void PointAt(const TPoint& screen);
    void PointAtRow(int level, int row) { PointAt(RowCentre(level, row)); }
    void ClickAt(const TPoint& screen, win::MouseButton button = win::MouseButton::Left);
    void ClickRow(int level, int row) { ClickAt(RowCentre(level, row)); }
    void Key(int vk);
    // Moves the fake clock on and runs what came due.
    void Wait(unsigned ms);
    // The level's pixels as the display last showed them.
    gfx::Surface Shown(int level);

    std::unique_ptr<TApplication> FApp;
    TForm* FForm{ nullptr };
    TFakeMenuHost* FHost{ nullptr };
    std::vector<std::string> FLog;
};

// A pixel as a colour value (0x00BBGGRR), to compare with ColorToRGB.
win::COLORREF ColorAt(const gfx::Surface& pixels, int x, int y);

// Compares pixels with the PNG kept under tests/ (path relative to it), each channel within 2;
// VC_WRITE_GOLDEN=1 rewrites the PNG first.
void ExpectMatchesGolden(const gfx::Surface& pixels, const std::string& relativePath);

} // namespace menustest
