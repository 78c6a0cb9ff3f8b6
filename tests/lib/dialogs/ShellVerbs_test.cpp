#include "ShellSpaceFixture.h"

#include "lib/dialogs/bsShellVerbPrompts.h"
#include "lib/dialogs/bsSkinShellCtrls.h"
#include "platform/forms/TControl.h"
#include "platform/rtl/FileSystem.h"
#include "tests/lib/menus/MenuFixture.h"

#include <sys/stat.h>

namespace {

using namespace win;

// A control that wants to hear about verbs, and may do some itself.
class TSinkControl : public TControl, public IShellVerbSink {
public:
    explicit TSinkControl(TComponent* owner) : TControl(owner) {}
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

// Stands in for the skinned message box: answers the question as told and keeps what the
// properties box would show.
class TScriptedPrompts : public IShellVerbPrompts {
public:
    bool ConfirmDelete(const std::string& name, bool isFolder) override {
        Asked.push_back(name + (isFolder ? " (folder)" : ""));
        return Agree;
    }
    void ShowProperties(const std::string& name, const std::string& text) override {
        PropertiesOf = name;
        PropertiesText = text;
    }

    bool Agree{ true };
    std::vector<std::string> Asked;
    std::string PropertiesOf;
    std::string PropertiesText;
};

// A form whose form-skin component hands the form's keys to the open menu, as the real one
// does, and a control on it that hears of verbs; the namespace is the fixture desktop.
class ShellVerbsTest : public menustest::MenuTest, protected TRecordedShellSpace {
protected:
    void SetUp() override {
        MenuTest::SetUp();
        Fixture.WriteFile("home/docs/a.txt", "abc");
        Docs = CreateFolderFromPidl(
            *DesktopShellFolder()->ParseDisplayName(Fixture.Path("home/docs")));
        File = std::make_unique<TbsShellFolder>(Docs.get(), TItemIdList{ { ikFile, "a.txt" } },
                                                nullptr);
        Sink = new TSinkControl(FForm);
        Sink->SetParent(FForm);
        Sink->SetBounds(20, 30, 200, 100);
        FHost->OnFormMessage = [this](const TMessage& m) {
            if (m.Msg != WM_KEYDOWN || !Engine().Visible()) return;
            if (Shown.empty())
                for (const auto& row : Level(0).ItemList())
                    Shown.push_back(row->MenuItem->Caption());
            ShownAt = TPoint(Level(0).Left(), Level(0).Top());
            Engine().KeyDown(int(m.WParam));
        };
        FPreviousPrompts = SetShellVerbPrompts(&Prompts);
        Pump();
    }
    void TearDown() override {
        SetShellVerbPrompts(FPreviousPrompts);
        File.reset();
        Docs.reset();
        MenuTest::TearDown();
    }

    // Queues the keys, then shows the item's context menu on the control at (5, 7); the menu
    // takes the keys while it waits for a choice.
    void ChooseByKeys(const std::vector<int>& keys, TbsShellFolder* folder,
                      TControl* control = nullptr) {
        for (const int key : keys)
            FDisplay->TypeKey(UINT(key));
        ShowShellContextMenu(control ? control : Sink, folder, 5, 7);
        Pump();
    }

    TScriptedPrompts Prompts;
    TSinkControl* Sink{ nullptr };
    std::unique_ptr<TbsShellFolder> Docs;
    std::unique_ptr<TbsShellFolder> File;
    std::vector<std::string> Shown;
    TPoint ShownAt;

private:
    IShellVerbPrompts* FPreviousPrompts{ nullptr };
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

TEST_F(ShellVerbsTest, TheMenuShowsTheVerbsAtTheControlsPoint) {
    ChooseByKeys({ VK_ESCAPE }, File.get());
    EXPECT_EQ(Shown, (std::vector<std::string>{ "&Open", "Rena&me", "&Delete", "P&roperties" }));
    EXPECT_EQ(ShownAt, Sink->ClientToScreen(TPoint(5, 7)));
    EXPECT_TRUE(Sink->Calls.empty()) << "closed without a choice";
    EXPECT_FALSE(Engine().Visible());
    EXPECT_FALSE(FHost->FInMenu) << "the form has left skin-menu mode";
}

TEST_F(ShellVerbsTest, TheSinkHearsOfAVerbChosenByKeysBeforeAndAfterItRuns) {
    const std::string opened =
        "[" + Fixture.Path("home/docs") + "] xdg-open " + Fixture.Path("home/docs/a.txt");
    struct Case {
        std::vector<int> keys;
        std::string handles;
        std::vector<std::string> calls;
        std::vector<std::string> launched;
    };
    const Case kCases[] = {
        // The first row is highlighted as the menu opens.
        { { VK_RETURN }, "", { "execute open", "completed open ok" }, { opened } },
        // A verb the control does itself reaches no opener.
        { { 'O' }, "open", { "execute open", "completed open ok" }, {} },
        // Renaming is the control's to do: without it, the shell has nothing to do.
        { { VK_DOWN, VK_RETURN }, "", { "execute rename", "completed rename failed" }, {} },
        { { 'R' }, "", { "execute properties", "completed properties ok" }, {} },
        { { VK_DOWN, VK_ESCAPE }, "", {}, {} },
    };
    for (const Case& c : kCases) {
        Sink->Calls.clear();
        Sink->Handles = c.handles;
        Launched.clear();
        ChooseByKeys(c.keys, File.get());
        EXPECT_EQ(Sink->Calls, c.calls) << c.keys.size() << " keys, first " << c.keys[0];
        EXPECT_EQ(Launched, c.launched) << c.keys.size() << " keys, first " << c.keys[0];
    }
    EXPECT_EQ(Prompts.PropertiesOf, "a.txt");
}

TEST_F(ShellVerbsTest, NoItemNoVerbsOrNoFormSkinShowsNoMenu) {
    TForm* plain = nullptr;
    FApp->CreateForm(plain);
    plain->Show();
    auto* unskinned = new TSinkControl(plain);
    unskinned->SetParent(plain);
    TSinkControl loose(nullptr);
    // Each call returns at once: no menu waits for a choice.
    ChooseByKeys({}, nullptr);
    ChooseByKeys({}, CreateFolderFromPidl({ { ikComputer, "" } }).get());
    ChooseByKeys({}, File.get(), unskinned);
    ChooseByKeys({}, File.get(), &loose);
    ShowShellContextMenu(nullptr, File.get(), 5, 7);
    EXPECT_TRUE(Shown.empty());
    EXPECT_TRUE(Sink->Calls.empty());
    EXPECT_TRUE(unskinned->Calls.empty());
    EXPECT_TRUE(Launched.empty());
}

TEST_F(ShellVerbsTest, DeleteAsksFirstThenMovesTheItemToTheTrash) {
    Prompts.Agree = false;
    ChooseByKeys({ 'D' }, File.get());
    EXPECT_TRUE(FileExists(Fixture.Path("home/docs/a.txt")));
    EXPECT_EQ(Sink->Calls.back(), "completed delete failed");

    Prompts.Agree = true;
    ChooseByKeys({ 'D' }, File.get());
    EXPECT_FALSE(FileExists(Fixture.Path("home/docs/a.txt")));
    EXPECT_TRUE(FileExists(Fixture.Path("home/.local/share/Trash/files/a.txt")));
    EXPECT_TRUE(FileExists(Fixture.Path("home/.local/share/Trash/info/a.txt.trashinfo")));
    EXPECT_EQ(Sink->Calls.back(), "completed delete ok");

    CreateDir(Fixture.Path("home/docs/sub"));
    TbsShellFolder sub(Docs.get(), TItemIdList{ { ikFolder, "sub" } }, nullptr);
    Prompts.Agree = false;
    EXPECT_FALSE(ExecuteShellVerb(sub, "delete"));
    EXPECT_EQ(Prompts.Asked, (std::vector<std::string>{ "a.txt", "a.txt", "sub (folder)" }));
}

TEST_F(ShellVerbsTest, PropertiesTellPathSizeTimeAndPermissions) {
    ::chmod(Fixture.Path("home/docs/a.txt").c_str(), 0640);
    InvokeItemVerb(File.get(), "properties");
    EXPECT_EQ(Prompts.PropertiesOf, "a.txt");
    const std::string& text = Prompts.PropertiesText;
    EXPECT_EQ(text.find("Path: " + Fixture.Path("home/docs/a.txt") + "\n"), 0u) << text;
    EXPECT_NE(text.find("\nSize: 3 bytes\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nModified: 2"), std::string::npos) << text;
    EXPECT_NE(text.find("\nPermissions: rw-r----- (0640)"), std::string::npos) << text;
    EXPECT_EQ(ShellPropertiesText(*CreateFolderFromPidl({ { ikComputer, "" } })), "Path: Computer");
    InvokeItemVerb(nullptr, "properties");
}

TEST_F(ShellVerbsTest, WithoutTheSkinnedBoxThePlainMessageBoxAsks) {
    SetShellVerbPrompts(nullptr);
    // Tab takes the focus from Yes, the default answer, to No.
    FDisplay->TypeKey(VK_TAB);
    FDisplay->TypeKey(VK_RETURN);
    EXPECT_FALSE(ExecuteShellVerb(*File, "delete"));
    EXPECT_TRUE(FileExists(Fixture.Path("home/docs/a.txt")));

    FDisplay->TypeKey(VK_RETURN);
    EXPECT_TRUE(ExecuteShellVerb(*File, "delete"));
    EXPECT_FALSE(FileExists(Fixture.Path("home/docs/a.txt")));

    FDisplay->TypeKey(VK_RETURN);
    EXPECT_TRUE(ExecuteShellVerb(*Docs, "properties"));
    Pump();
    EXPECT_EQ(FApp->ComponentCount(), 1) << "every box has gone; only the main form is left";
}

} // namespace
