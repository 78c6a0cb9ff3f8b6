#include "ShellSpaceFixture.h"

#include "lib/dialogs/bsSkinShellCtrls.h"
#include "platform/forms/TControl.h"
#include "platform/rtl/FileSystem.h"

namespace {

// A control that wants to hear about verbs, and may do some itself.
class TSinkControl : public TControl, public IShellVerbSink {
public:
    TSinkControl() : TControl(nullptr) {}
    void ExecuteCommand(const std::string& verb, bool& handled) override {
        Calls.push_back("execute " + verb);
        handled = Handles == verb;
    }
    void CommandCompleted(const std::string& verb, bool succeeded) override {
        Calls.push_back("completed " + verb + (succeeded ? " ok" : " failed"));
    }

    std::string Handles;
    std::vector<std::string> Calls;
};

// Stands in for the skinned popup menu and message box: picks a verb by name and answers
// the question as told.
class TScriptedVerbUi : public IShellVerbUi {
public:
    int ChooseVerb(TControl*, const std::vector<TbsShellVerb>& verbs, TPoint point) override {
        Offered = verbs;
        ShownAt = point;
        for (std::size_t i = 0; i < verbs.size(); ++i)
            if (verbs[i].Verb == Pick) return int(i);
        return -1;
    }
    bool ConfirmDelete(const std::string& name, bool) override {
        Asked.push_back(name);
        return Agree;
    }
    void ShowProperties(const std::string& name, const std::string& text) override {
        PropertiesOf = name;
        PropertiesText = text;
    }

    std::string Pick;
    bool Agree{ true };
    std::vector<TbsShellVerb> Offered;
    TPoint ShownAt;
    std::vector<std::string> Asked;
    std::string PropertiesOf;
    std::string PropertiesText;
};

class ShellVerbsTest : public ShellSpaceTest {
protected:
    ShellVerbsTest() {
        Fixture.WriteFile("home/docs/a.txt", "abc");
        Docs = CreateFolderFromPidl(
            *DesktopShellFolder()->ParseDisplayName(Fixture.Path("home/docs")));
        File = std::make_unique<TbsShellFolder>(Docs.get(), TItemIdList{ { ikFile, "a.txt" } },
                                                nullptr);
        FPreviousUi = SetShellVerbUi(&Ui);
    }
    ~ShellVerbsTest() override { SetShellVerbUi(FPreviousUi); }

    void Choose(const std::string& verb, TbsShellFolder* folder) {
        Ui.Pick = verb;
        ShowShellContextMenu(&Sink, folder, 5, 7);
    }

    TScriptedVerbUi Ui;
    TSinkControl Sink;
    std::unique_ptr<TbsShellFolder> Docs;
    std::unique_ptr<TbsShellFolder> File;

private:
    IShellVerbUi* FPreviousUi{ nullptr };
};

TEST_F(ShellVerbsTest, EachItemOffersTheVerbsItAllows) {
    using Verbs = std::vector<std::string>;
    auto verbsOf = [](const TbsShellFolder& folder) {
        Verbs names;
        for (const TbsShellVerb& verb : ShellContextVerbs(folder))
            names.push_back(verb.Verb);
        return names;
    };
    EXPECT_EQ(verbsOf(*File), (Verbs{ "open", "rename", "delete", "properties" }));
    EXPECT_EQ(verbsOf(*CreateFolderFromPidl({ { ikHome, "" } })), (Verbs{ "open", "properties" }));
    EXPECT_EQ(verbsOf(*CreateFolderFromPidl({ { ikComputer, "" } })), Verbs{});
    EXPECT_EQ(verbsOf(DesktopFolderItem()), Verbs{});
}

TEST_F(ShellVerbsTest, TheSinkHearsOfAChosenVerbBeforeAndAfterItRuns) {
    Choose("open", File.get());
    EXPECT_EQ(Sink.Calls, (std::vector<std::string>{ "execute open", "completed open ok" }));
    EXPECT_EQ(Launched, (std::vector<std::string>{ "[" + Fixture.Path("home/docs") + "] xdg-open " +
                                                   Fixture.Path("home/docs/a.txt") }));
    EXPECT_EQ(Ui.ShownAt, Sink.ClientToScreen(TPoint(5, 7)));
    ASSERT_EQ(Ui.Offered.size(), 4u);
    EXPECT_EQ(Ui.Offered[0], (TbsShellVerb{ "open", "&Open" }));
}

TEST_F(ShellVerbsTest, AVerbTheSinkHandlesReachesNoShellAction) {
    Sink.Handles = "open";
    Choose("open", File.get());
    EXPECT_EQ(Sink.Calls, (std::vector<std::string>{ "execute open", "completed open ok" }));
    EXPECT_TRUE(Launched.empty());

    Sink.Calls.clear();
    Sink.Handles.clear();
    Choose("rename", File.get());
    EXPECT_EQ(Sink.Calls, (std::vector<std::string>{ "execute rename", "completed rename failed" }))
        << "without a control to rename in, the shell has nothing to do";
}

TEST_F(ShellVerbsTest, NoMenuNoChoiceOrNoItemRunsNothing) {
    Choose("", File.get());
    Choose("open", nullptr);
    SetShellVerbUi(nullptr);
    Choose("open", File.get());
    SetShellVerbUi(&Ui);
    Choose("open", CreateFolderFromPidl({ { ikComputer, "" } }).get());
    EXPECT_TRUE(Sink.Calls.empty());
    EXPECT_TRUE(Launched.empty());
}

TEST_F(ShellVerbsTest, DeleteAsksFirstThenMovesTheItemToTheTrash) {
    Ui.Agree = false;
    Choose("delete", File.get());
    EXPECT_TRUE(FileExists(Fixture.Path("home/docs/a.txt")));
    EXPECT_EQ(Sink.Calls.back(), "completed delete failed");

    Ui.Agree = true;
    Choose("delete", File.get());
    EXPECT_EQ(Ui.Asked, (std::vector<std::string>{ "a.txt", "a.txt" }));
    EXPECT_FALSE(FileExists(Fixture.Path("home/docs/a.txt")));
    EXPECT_TRUE(FileExists(Fixture.Path("home/.local/share/Trash/files/a.txt")));
    EXPECT_TRUE(FileExists(Fixture.Path("home/.local/share/Trash/info/a.txt.trashinfo")));
    EXPECT_EQ(Sink.Calls.back(), "completed delete ok");

    // Without anyone to ask, nothing goes.
    Fixture.WriteFile("home/docs/a.txt", "again");
    SetShellVerbUi(nullptr);
    EXPECT_FALSE(ExecuteShellVerb(*File, "delete"));
    EXPECT_TRUE(FileExists(Fixture.Path("home/docs/a.txt")));
}

TEST_F(ShellVerbsTest, PropertiesTellPathSizeTimeAndPermissions) {
    ::chmod(Fixture.Path("home/docs/a.txt").c_str(), 0640);
    InvokeItemVerb(File.get(), "properties");
    EXPECT_EQ(Ui.PropertiesOf, "a.txt");
    const std::string& text = Ui.PropertiesText;
    EXPECT_EQ(text.find("Path: " + Fixture.Path("home/docs/a.txt") + "\n"), 0u) << text;
    EXPECT_NE(text.find("\nSize: 3 bytes\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nModified: 2"), std::string::npos) << text;
    EXPECT_NE(text.find("\nPermissions: rw-r----- (0640)"), std::string::npos) << text;
    EXPECT_EQ(ShellPropertiesText(*CreateFolderFromPidl({ { ikComputer, "" } })), "Path: Computer");
    InvokeItemVerb(nullptr, "properties");
}

} // namespace
