#pragma once
#include "ShellSpaceFixture.h"

#include "lib/dialogs/TbsCustomShellListView.h"
#include "lib/dialogs/bsShellVerbPrompts.h"
#include "tests/lib/menus/MenuFixture.h"

#include <string>
#include <vector>

// Answers the delete question as told and keeps what the properties box would show.
class TAnsweringPrompts : public IShellVerbPrompts {
public:
    bool ConfirmDelete(const std::string&, bool) override { return Agree; }
    void ShowProperties(const std::string& name, const std::string&) override {
        PropertiesOf = name;
    }
    bool Agree{ true };
    std::string PropertiesOf;
};

// A file list in report view on a shown form with a form-skin component, over a fixture
// folder "home/media": two folders (one with DVD files), files with and without extensions,
// "Clip.avi" beside "clip.avi", an upper-case ".VOB", a dot file, a broken link and a sparse
// file above 4 GiB.
class ShellListTest : public menustest::MenuTest, protected TRecordedShellSpace {
protected:
    void SetUp() override;
    void TearDown() override;

    std::string Media(const std::string& name = "") const {
        return Fixture.Path("home/media") + (name.empty() ? "" : "/" + name);
    }
    // The names of the list's entries, in list order.
    std::vector<std::string> Listed() const;
    // What the view shows in a row's columns.
    std::vector<std::string> Row(int index) const;
    int IndexOf(const std::string& name) const;

    void Key(unsigned vk, std::initializer_list<unsigned> held = {});
    void Type(const std::string& text);
    // A click on a row's label, long after any other click.
    void ClickRow(int index, std::initializer_list<unsigned> held = {},
                  win::MouseButton button = win::MouseButton::Left);
    void DoubleClickRow(int index);
    // Where a click on a row's label goes, on the screen; the row is scrolled into view.
    TPoint RowPoint(int index);
    void ClickHeader(int column);
    std::vector<std::string> Errors;

    TbsSkinFileListView* List{ nullptr };
    TAnsweringPrompts Prompts;

private:
    IShellVerbPrompts* FPreviousPrompts{ nullptr };
};
