#pragma once
#include "ControlSheet.h"
#include "TestSkins.h"
#include "tests/lib/menus/MenuFixture.h"
#include "tests/platform/forms/ControlsFixture.h"

#include "lib/controls/IbsFormSkinComponent.h"
#include "lib/controls/TbsSkinEdit.h"
#include "lib/skindata/TbsResourceStrData.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// A form-skin component as the edits and the menus see one: it answers the edit's query for
// the form's skin and shows the form's skinned menus.
class TFakeSkinForm : public menustest::TFakeMenuHost, public IbsFormSkinComponent {
public:
    using TFakeMenuHost::TFakeMenuHost;
    std::string ClassName() const override { return "TFakeSkinForm"; }
    TbsSkinData* SkinData() const override { return FSkinData; }
};

// A shown form for edits, with helpers that work a context menu as a user does.
class EditTest : public formstest::ControlsTest {
protected:
    void TearDown() override;

    // Gives the form a form-skin component with the program's main skin (menus drawn from it).
    TFakeSkinForm& AddSkinForm();
    void RightClickAt(TControl* control, int x, int y);
    // The open menu's first level: one caption per shown row ("-" for a line), disabled rows
    // marked "(off)".
    std::vector<std::string> OpenMenuRows();
    // Clicks the open menu's row with that caption.
    void ClickMenuRow(const std::string& caption);
    // Escape, as the form-skin component hands it to the open menu.
    void CloseMenu();

    std::unique_ptr<TbsSkinData> FMainSkin;
    TFakeSkinForm* FSkinForm{ nullptr };
};

// The look of a skinned edit for the control sheet: its text, read-only, button mode, image
// buttons.
enum TEditLook { elText, elReadOnly, elButton, elImages };
TSheetRow EditSheetRow(const std::string& label, TEditLook look);
