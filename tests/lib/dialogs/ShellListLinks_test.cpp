// The file list's links to a folder tree and a location combo box, through fakes of both.
#include "ShellSpaceFixture.h"

#include "lib/dialogs/TbsCustomShellListView.h"
#include "lib/dialogs/bsShellPidl.h"
#include "platform/forms/TApplication.h"
#include "platform/rtl/TextUtils.h"
#include "tests/platform/forms/FormsTestSupport.h"

#include <memory>

namespace {

// Logs what the list asks of it.
class TFakePartner : public TComponent, public IbsShellTreeLink, public IbsShellComboLink {
public:
    using TComponent::TComponent;
    std::string ClassName() const override { return "TFakePartner"; }
    TComponent* LinkComponent() override { return this; }
    TRoot LinkRoot() const override { return Root; }
    void SetLinkRoot(const TRoot& value) override {
        if (SameText(value, Root)) return;
        Root = value;
        Log.push_back("root " + value);
    }
    void SelectPidl(const TItemIdList& list) override {
        Log.push_back("select " + std::to_string(list.size()));
    }
    void FollowPidl(const TItemIdList& list) override {
        Log.push_back("follow " + std::to_string(list.size()));
    }
    void RefreshSelectedNode() override { Log.push_back("refresh"); }
    TbsCustomShellListView* ListViewLink() const override { return Linked; }
    void SetListViewLink(TbsCustomShellListView* list) override { Linked = list; }

    TRoot Root{ "rfDesktop" };
    std::vector<std::string> Log;
    TbsCustomShellListView* Linked{ nullptr };
};

class ShellListLinks : public formstest::FormsTest, protected TRecordedShellSpace {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        FApp = std::make_unique<TApplication>(nullptr);
        FApp->Initialize();
        FApp->CreateForm(FForm);
        FForm->SetBounds(40, 40, 400, 300);
    }
    void TearDown() override {
        FApp.reset();
        FormsTest::TearDown();
    }
    std::unique_ptr<TApplication> FApp;
    TForm* FForm{ nullptr };
};

using Log = std::vector<std::string>;

TEST_F(ShellListLinks, ARootSetBeforeTheWindowIsFollowedByTheComboOnceItExists) {
    auto* list = new TbsSkinFileListView(FForm);
    auto* tree = new TFakePartner(FForm);
    auto* combo = new TFakePartner(FForm);
    list->SetShellTreeView(tree);
    list->SetShellComboBox(combo);
    EXPECT_EQ(tree->Linked, list);
    EXPECT_TRUE(combo->Log.empty()) << "equal roots: nothing to rebuild";

    Fixture.MakeFolder("home/media");
    list->SetRoot(Fixture.Path("home/media"));
    EXPECT_EQ(tree->Log, Log{ "root " + Fixture.Path("home/media") }) << "a root change";
    EXPECT_TRUE(combo->Log.empty()) << "the combo box is not told of a list's root";
    EXPECT_THROW(list->SetRoot(Fixture.Path("missing")), Exception);
    EXPECT_EQ(list->Root(), Fixture.Path("home/media"));

    list->SetParent(FForm);
    FForm->Show();
    Pump();
    const int depth = int(list->RootFolder()->FullPIDL().size());
    EXPECT_EQ(combo->Log, Log{ "follow " + std::to_string(depth) }) << "the window's first rebuild";
    EXPECT_EQ(tree->Log.back(), "select " + std::to_string(depth));

    list->SetShellComboBox(nullptr);
    EXPECT_EQ(combo->Linked, nullptr);
    delete tree;
    EXPECT_EQ(list->ShellTreeView(), nullptr) << "a partner that goes is forgotten";
    list->Back();
    EXPECT_EQ(combo->Log.size(), 1u);
}

} // namespace
