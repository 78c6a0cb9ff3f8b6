#include "ShellTreeFixture.h"

#include "lib/dialogs/bsShellPidl.h"

#include <filesystem>

namespace {

struct TRow {
    std::string Caption;
    int Indent;
    bool operator==(const TRow&) const = default;
};
using Rows = std::vector<TRow>;

void PrintTo(const TRow& row, std::ostream* os) {
    *os << row.Caption << "@" << row.Indent;
}

Rows RowsOf(TbsCustomShellComboBox& combo) {
    Rows rows;
    for (int i = 0; i < combo.ItemsEx().Count(); ++i)
        rows.push_back({ combo.ItemsEx().ItemAt(i)->Caption, combo.ItemsEx().ItemAt(i)->Indent });
    return rows;
}

// Items mirrors the rows' captions.
void ExpectItemsMirrorRows(TbsCustomShellComboBox& combo) {
    std::vector<std::string> captions, items;
    for (const TRow& row : RowsOf(combo))
        captions.push_back(row.Caption);
    for (int i = 0; i < combo.Items().Count(); ++i)
        items.push_back(combo.Items()[i]);
    EXPECT_EQ(items, captions);
}

using ShellCombo = ShellTreeTest;

TEST_F(ShellCombo, RowsIndentTheRootItsChildrenTheVolumesAndTheChainToTheFolderShown) {
    auto* combo = AddCombo();
    const Rows top{ { "Desktop", 0 }, { "Home", 1 }, { "Computer", 1 }, { "File System", 2 },
                    { "Card", 2 },    { "data", 2 }, { "USB Stick", 2 } };
    EXPECT_EQ(RowsOf(*combo), top);
    EXPECT_EQ(combo->ItemIndex(), 0);
    ExpectItemsMirrorRows(*combo);

    // The chain below "/" shows right after it, one level deeper each step.
    const std::string deepPath = Fixture.Path("vol/data/one/two/three");
    combo->SetPath(deepPath);
    Rows deep = top;
    int at = 4;
    for (const auto& part : std::filesystem::path(deepPath).relative_path())
        deep.insert(deep.begin() + at, { part.string(), at - 1 }), ++at;
    EXPECT_EQ(RowsOf(*combo), deep);
    EXPECT_EQ(combo->ItemIndex(), at - 1);
    EXPECT_EQ(combo->Items()[combo->ItemIndex()], "three");
    EXPECT_EQ(combo->Path(), deepPath);
    ExpectItemsMirrorRows(*combo);

    const TItemIdList stick = combo->FolderAt(at + 2)->FullPIDL();
    combo->FollowPidl(stick);
    EXPECT_EQ(RowsOf(*combo), top);
    EXPECT_EQ(combo->ItemIndex(), 6);
    ExpectItemsMirrorRows(*combo);

    EXPECT_EQ(combo->FolderAt(-1), nullptr);
    EXPECT_EQ(combo->FolderAt(int(top.size())), nullptr);
    EXPECT_THROW(combo->SetPath(Fixture.Path("vol/none")), EInvalidPath);
}

TEST_F(ShellCombo, OnlyTheExactDesktopTextListsTheVolumes) {
    auto* combo = AddCombo();
    combo->SetRoot("RFDESKTOP");
    EXPECT_EQ(combo->ItemsEx().Count(), 7) << "the same text in other letters changes nothing";
    combo->SetRoot("rfMyComputer");
    combo->SetRoot("RFDESKTOP");
    EXPECT_EQ(RowsOf(*combo), (Rows{ { "Desktop", 0 }, { "Home", 1 }, { "Computer", 1 } }));
}

TEST_F(ShellCombo, FollowingTheShownFolderOrWhileUpdatingRebuildsNothing) {
    auto* combo = AddCombo<TCountingCombo>();
    combo->Rebuilds = 0;
    combo->FollowPidl({});
    EXPECT_EQ(combo->Rebuilds, 0) << "the desktop row is chosen already";
    const TItemIdList home{ { ikHome, "" } };
    combo->FollowPidl(home);
    EXPECT_EQ(combo->Rebuilds, 1);
    EXPECT_EQ(combo->ItemIndex(), 1);
    combo->FollowPidl(home);
    EXPECT_EQ(combo->Rebuilds, 1);
}

} // namespace
