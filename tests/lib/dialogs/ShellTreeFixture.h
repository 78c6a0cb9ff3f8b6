#pragma once
#include "ShellSpaceFixture.h"

#include "lib/dialogs/TbsCustomShellComboBox.h"
#include "lib/dialogs/TbsCustomShellTreeView.h"
#include "lib/dialogs/bsSkinShellCtrls.h"
#include "tests/platform/forms/ControlsFixture.h"

#include <string>
#include <vector>

// A location box that counts how often it rebuilds its rows.
class TCountingCombo : public TbsSkinShellComboBox {
public:
    using TbsSkinShellComboBox::TbsSkinShellComboBox;
    int Rebuilds{ 0 };

protected:
    void FillTopLevel() override {
        ++Rebuilds;
        TbsSkinShellComboBox::FillTopLevel();
    }
};

// A shown form on the fixture desktop (its own home folder and mount table).
class ShellTreeTest : public formstest::ControlsTest, protected TRecordedShellSpace {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        Fixture.MakeFolder("vol/data/one/two/three");
        Fixture.MakeFolder("home/a/b/c/d");
    }
    template <class TTree = TbsSkinDirTreeView>
    TTree* AddTree() {
        auto* tree = Add<TTree>(10, 10, 250, 200);
        tree->HandleNeeded();
        return tree;
    }
    template <class TCombo = TbsSkinShellComboBox>
    TCombo* AddCombo() {
        auto* combo = Add<TCombo>(10, 220, 190, 22);
        combo->HandleNeeded();
        return combo;
    }
};
