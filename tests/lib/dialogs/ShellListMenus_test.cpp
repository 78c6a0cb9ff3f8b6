// The file list's context menu on a right click and on the menu key, the properties key and the
// watcher that reads the folder again while AutoRefresh is on.
#include "ShellListFixture.h"

#include "platform/forms/TApplication.h"
#include "platform/rtl/FileSystem.h"
#include "platform/win/Win.h"

#include <functional>

using namespace win;

namespace {

using Names = std::vector<std::string>;

// As the form-skin component does while a menu is open, every key goes to the menu, whichever
// window has the focus; a menu that still waits when no input is left is closed and reported,
// so that a key lost on the way fails the test instead of hanging it.
class ShellListMenuTest : public ShellListTest {
protected:
    void SetUp() override {
        ShellListTest::SetUp();
        FHook = FApp->OnMessage.Add([this](MSG& msg, bool& handled) {
            if (msg.message != WM_KEYDOWN || !Engine().Visible()) return;
            if (Shown.empty()) {
                for (const auto& row : Level(0).ItemList())
                    Shown.push_back(row->MenuItem->Caption());
                ShownAt = TPoint(Level(0).Left(), Level(0).Top());
            }
            Engine().KeyDown(int(msg.wParam));
            msg.message = 0;
            handled = true;
        });
        FApp->OnIdle = [this](TObject*) {
            if (!Engine().Visible()) return;
            ADD_FAILURE() << "the menu waits for keys that never came";
            Engine().Hide();
        };
    }
    void TearDown() override {
        FApp->OnIdle = nullptr;
        FApp->OnMessage.Remove(FHook);
        ShellListTest::TearDown();
    }
    // Queues the keys behind what opens the menu, so that the open menu takes them.
    void ThenKeys(const std::vector<unsigned>& keys) {
        for (const unsigned key : keys)
            FDisplay->TypeKey(key);
        Pump();
    }
    void RightClickRowThenKeys(int index, const std::vector<unsigned>& keys) {
        FDisplay->Time().Advance(2000);
        const TPoint at = RowPoint(index);
        FDisplay->Click(at.X, at.Y, MouseButton::Right);
        ClickedAt = at;
        ThenKeys(keys);
    }
    Names Shown;
    TPoint ShownAt;
    TPoint ClickedAt;

private:
    TMessageFilters::TToken FHook{ 0 };
};

TEST_F(ShellListMenuTest, ARightClickShowsTheVerbsAndDeleteMovesTheFileToTheTrash) {
    const int row = IndexOf("clip.avi");
    ClickRow(row);
    RightClickRowThenKeys(row, { VK_ESCAPE });
    EXPECT_EQ(Shown, (Names{ "&Open", "Rena&me", "&Delete", "P&roperties" }));
    EXPECT_EQ(ShownAt, ClickedAt) << "the menu opens at the pointer";
    EXPECT_EQ(IndexOf("clip.avi"), row) << "closed without a choice";

    Shown.clear();
    Prompts.Agree = true;
    RightClickRowThenKeys(row, { 'D' }); // the accelerator of "&Delete"
    EXPECT_EQ(IndexOf("clip.avi"), -1) << "the list dropped it";
    EXPECT_FALSE(FileExists(Media("clip.avi")));
    EXPECT_TRUE(FileExists(Fixture.Path("home/.local/share/Trash/files/clip.avi")));
    EXPECT_TRUE(Launched.empty());
    EXPECT_TRUE(Errors.empty());
}

TEST_F(ShellListMenuTest, TheMenuKeyOpensTheMenuAtTheSelectedRow) {
    const int row = IndexOf("b.txt");
    ClickRow(row);
    FDisplay->TypeKey(VK_APPS);
    ThenKeys({ VK_UP, VK_RETURN }); // the last row: properties
    EXPECT_EQ(Shown, (Names{ "&Open", "Rena&me", "&Delete", "P&roperties" }));
    const TRect label = List->ItemRect(row, drLabel);
    EXPECT_EQ(ShownAt, List->ClientToScreen(TPoint(label.Left, label.Bottom)));
    EXPECT_EQ(Prompts.PropertiesOf, "b.txt");
    EXPECT_TRUE(Errors.empty());

    List->SetAutoContextMenus(false);
    Shown.clear();
    Prompts.PropertiesOf.clear();
    FDisplay->TypeKey(VK_APPS);
    Pump();
    EXPECT_FALSE(Engine().Visible());
    EXPECT_TRUE(Shown.empty()) << "no menu without AutoContextMenus";
}

TEST_F(ShellListMenuTest, AltEnterShowsTheSelectedItemsProperties) {
    ClickRow(IndexOf("movie.VOB"));
    Key(VK_RETURN, { VK_MENU });
    EXPECT_EQ(Prompts.PropertiesOf, "movie.VOB");
    EXPECT_EQ(List->Path(), Media());
    EXPECT_TRUE(Launched.empty()) << "Alt+Enter opens nothing";
}

TEST_F(ShellListMenuTest, TheWatcherReadsTheFolderAgainOnlyWhileAutoRefreshIsOn) {
    EXPECT_FALSE(List->AutoRefresh());
    EXPECT_EQ(List->Notifier(), nullptr) << "off at start";

    List->SetAutoRefresh(true);
    ASSERT_NE(List->Notifier(), nullptr);
    EXPECT_EQ(List->Notifier()->Root(), Media());
    Fixture.WriteFile("home/media/new.avi", "x");
    EXPECT_TRUE(ServeUntil([&] { return IndexOf("new.avi") >= 0; }));

    // The watcher follows the list into another folder.
    List->SetPath(Media("VIDEO_TS"));
    ASSERT_NE(List->Notifier(), nullptr);
    EXPECT_EQ(List->Notifier()->Root(), Media("VIDEO_TS"));
    Fixture.WriteFile("home/media/VIDEO_TS/VTS_01_2.VOB", "x");
    EXPECT_TRUE(ServeUntil([&] { return IndexOf("VTS_01_2.VOB") >= 0; }));

    List->SetAutoRefresh(false);
    EXPECT_EQ(List->Notifier(), nullptr) << "nothing watches once it is off";
    EXPECT_TRUE(Errors.empty());
}

} // namespace
