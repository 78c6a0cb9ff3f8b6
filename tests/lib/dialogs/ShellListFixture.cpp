#include "ShellListFixture.h"

#include "platform/forms/TApplication.h"
#include "platform/win/Win.h"

#include <fcntl.h>
#include <unistd.h>

using namespace win;

void ShellListTest::SetUp() {
    MenuTest::SetUp();
    Fixture.MakeFolder("home/media/b-folder");
    Fixture.WriteFile("home/media/VIDEO_TS/VTS_01_1.VOB", "vob");
    Fixture.WriteFile("home/media/VIDEO_TS/VIDEO_TS.IFO", "ifo");
    for (const char* name : { "Makefile", "a.txt", "b.txt", "clip.avi", "Clip.avi", "movie.VOB",
                              "part-two.mpg", "video.mkv", ".hidden" })
        Fixture.WriteFile(std::string("home/media/") + name, name);
    EXPECT_EQ(::symlink(Media("nowhere").c_str(), Media("broken").c_str()), 0);
    const int fd = ::open(Media("big.bin").c_str(), O_WRONLY | O_CREAT, 0644);
    EXPECT_EQ(::ftruncate(fd, 5'000'000'000LL), 0);
    ::close(fd);

    FApp->OnException = [this](TObject*, const std::exception& e) { Errors.push_back(e.what()); };
    FPreviousPrompts = SetShellVerbPrompts(&Prompts);
    FForm->SetBounds(20, 20, 700, 560);
    List = new TbsSkinFileListView(FForm);
    List->SetParent(FForm);
    List->SetBounds(10, 10, 660, 500);
    List->SetMultiSelect(true);
    List->SetViewStyle(vsReport);
    Pump();
    List->SetPath(Media());
    List->SetFocus();
    Pump();
}

void ShellListTest::TearDown() {
    delete List;
    SetShellVerbPrompts(FPreviousPrompts);
    MenuTest::TearDown();
}

std::vector<std::string> ShellListTest::Listed() const {
    std::vector<std::string> names;
    for (int i = 0; i < List->FolderCount(); ++i)
        names.push_back(List->FolderAt(i)->DisplayName());
    return names;
}

std::vector<std::string> ShellListTest::Row(int index) const {
    TListItem* item = List->Items()[index];
    std::vector<std::string> texts{ item->Caption() };
    for (int i = 0; i < item->SubItems().Count(); ++i)
        texts.push_back(item->SubItems().Strings(i));
    return texts;
}

int ShellListTest::IndexOf(const std::string& name) const {
    const std::vector<std::string> names = Listed();
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == name) return int(i);
    return -1;
}

void ShellListTest::Key(unsigned vk, std::initializer_list<unsigned> held) {
    for (unsigned h : held)
        FDisplay->PressKey(h);
    FDisplay->TypeKey(vk);
    for (unsigned h : held)
        FDisplay->ReleaseKey(h);
    Pump();
}

void ShellListTest::Type(const std::string& text) {
    FDisplay->TypeKey('Z', text);
    Pump();
}

void ShellListTest::ClickRow(int index, std::initializer_list<unsigned> held,
                             win::MouseButton button) {
    FDisplay->Time().Advance(2000);
    const TPoint at = RowPoint(index);
    for (unsigned h : held)
        FDisplay->PressKey(h);
    FDisplay->Click(at.X, at.Y, button);
    for (unsigned h : held)
        FDisplay->ReleaseKey(h);
    Pump();
}

TPoint ShellListTest::RowPoint(int index) {
    List->MakeItemVisible(index, false);
    Pump();
    const TRect r = List->ItemRect(index, drLabel);
    return List->ClientToScreen(TPoint(r.Left + 4, (r.Top + r.Bottom) / 2));
}

void ShellListTest::DoubleClickRow(int index) {
    ClickRow(index);
    const TPoint at = RowPoint(index);
    FDisplay->Time().Advance(50);
    FDisplay->Click(at.X, at.Y);
    Pump();
}

void ShellListTest::ClickHeader(int column) {
    FDisplay->Time().Advance(2000);
    TRect r = List->HeaderSectionRect(column);
    POINT p{ (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2 };
    ClientToScreen(List->HeaderHandle(), &p);
    FDisplay->Click(p.x, p.y);
    Pump();
}
