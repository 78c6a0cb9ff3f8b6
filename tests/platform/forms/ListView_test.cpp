#include "FormsTestSupport.h"
#include "platform/forms/CommCtrl.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TImageList.h"
#include "platform/forms/TListView.h"
#include "platform/win/Win.h"
#include <memory>

namespace formstest {
namespace {

using namespace win;

// A report view holding a hidden column (width 0, MaxWidth 1) between shown ones, wider than
// the view, with 30 rows of which a part fits.
class ListView : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        FApp = std::make_unique<TApplication>(nullptr);
        FApp->Initialize();
        FApp->CreateForm(FForm);
        FForm->SetBounds(50, 40, 420, 320);
        FList = new TListView(FForm);
        FList->SetParent(FForm);
        FList->SetBounds(10, 10, 260, 200);
        FList->SetViewStyle(vsReport);
        FList->SetRowSelect(true);
        FList->SetGridLines(true);
        const struct {
            const char* caption;
            int width;
        } columns[] = { { "Name", 100 }, { "Size", 70 }, { "", 0 }, { "Out", 80 }, { "%", 70 } };
        for (const auto& c : columns) {
            TListColumn* column = FList->Columns().Add();
            column->SetCaption(c.caption);
            column->SetWidth(c.width);
            if (c.width == 0) column->SetMaxWidth(1);
        }
        for (int i = 0; i < 30; ++i) {
            TListItem* item = FList->Items().Add();
            item->SetCaption("file" + std::to_string(i));
            item->SubItems().Add(std::to_string(i * 10) + "MB");
            item->SubItems().Add("hidden");
            item->SubItems().Add("out" + std::to_string(i));
        }
        FList->OnSelectItem = [this](TObject*, TListItem* item, bool selected) {
            FEvents.push_back((selected ? "+" : "-") + item->Caption());
        };
        FForm->Show();
        FList->SetFocus();
        Pump();
    }
    void TearDown() override {
        FApp.reset();
        FormsTest::TearDown();
    }
    void Key(UINT vk, std::initializer_list<UINT> held = {}) {
        for (UINT h : held)
            FDisplay->PressKey(h);
        FDisplay->TypeKey(vk);
        for (UINT h : held)
            FDisplay->ReleaseKey(h);
        Pump();
    }
    // A single click (never taken for the second half of a double click).
    void ClickAt(HWND hwnd, int x, int y, std::initializer_list<UINT> held = {}) {
        FDisplay->Time().Advance(2000);
        POINT p{ x, y };
        ClientToScreen(hwnd, &p);
        for (UINT h : held)
            FDisplay->PressKey(h);
        FDisplay->Click(p.x, p.y);
        for (UINT h : held)
            FDisplay->ReleaseKey(h);
        Pump();
    }
    void ClickRow(int index, int x = 150, std::initializer_list<UINT> held = {}) {
        const TRect r = FList->Items()[index]->DisplayRect(drBounds);
        ClickAt(FList->Handle(), x, r.Top + r.Height() / 2, held);
    }
    SCROLLINFO Scroll(int bar) {
        SCROLLINFO info;
        info.fMask = SIF_ALL;
        EXPECT_TRUE(GetScrollInfo(FList->Handle(), bar, &info));
        return info;
    }
    int Selected() { return FList->ItemIndex(); }

    std::unique_ptr<TApplication> FApp;
    TForm* FForm{ nullptr };
    TListView* FList{ nullptr };
    std::vector<std::string> FEvents;
};

TEST_F(ListView, KeysMoveTheSelectionAndKeepItInView) {
    const int page = FList->VisibleRowCount();
    ASSERT_GT(page, 3);
    ASSERT_LT(page, 30);
    Key(VK_DOWN);
    EXPECT_EQ(Selected(), 0) << "the first key selects the first row";
    Key(VK_DOWN);
    Key(VK_DOWN);
    EXPECT_EQ(Selected(), 2);
    EXPECT_EQ(FEvents,
              (std::vector<std::string>{ "+file0", "-file0", "+file1", "-file1", "+file2" }));
    EXPECT_EQ(FList->SelCount(), 1);
    EXPECT_TRUE(FList->Items()[2]->Focused());

    Key(VK_END);
    EXPECT_EQ(Selected(), 29);
    EXPECT_EQ(FList->TopItem()->Index(), 30 - page) << "the last row is shown whole";
    const TRect last = FList->Items()[29]->DisplayRect(drBounds);
    EXPECT_LE(last.Bottom, FList->ClientHeight());
    EXPECT_EQ(Scroll(SB_VERT).nPos, 30 - page);

    Key(VK_PRIOR);
    EXPECT_EQ(Selected(), 29 - (page - 1));
    Key(VK_HOME);
    EXPECT_EQ(Selected(), 0);
    EXPECT_EQ(FList->TopItem()->Index(), 0);
    Key(VK_UP);
    EXPECT_EQ(Selected(), 0) << "nothing above the first row";
}

TEST_F(ListView, TypingFindsItemsByTheirCaptions) {
    for (const char* ch : { "f", "i", "l", "e", "2", "5" }) {
        FDisplay->TypeKey('Z', ch);
        FDisplay->Time().Advance(100);
    }
    Pump();
    EXPECT_EQ(Selected(), 25);
    EXPECT_EQ(FList->TopItem()->Index() + FList->VisibleRowCount() - 1, 25) << "brought into view";
    FDisplay->Time().Advance(3000);
    FDisplay->TypeKey('Z', "F");
    Pump();
    EXPECT_EQ(Selected(), 26) << "after a pause the first letter moves on, ignoring case";
    FDisplay->Time().Advance(3000);
    FDisplay->TypeKey('Z', "x");
    Pump();
    EXPECT_EQ(Selected(), 26) << "nothing starts with x";
}

TEST_F(ListView, ScrollStateIsReadableAndTheWheelScrollsThreeRows) {
    const int page = FList->VisibleRowCount();
    SCROLLINFO v = Scroll(SB_VERT);
    EXPECT_EQ(v.nMin, 0);
    EXPECT_EQ(v.nMax, 29);
    EXPECT_EQ(int(v.nPage), page);
    EXPECT_EQ(SendMessage(FList->Handle(), LVM_GETCOUNTPERPAGE, 0, 0), page);
    EXPECT_EQ(SendMessage(FList->Handle(), LVM_GETITEMCOUNT, 0, 0), 30);
    SCROLLINFO h = Scroll(SB_HORZ);
    EXPECT_EQ(h.nMax, 319) << "the columns' total width";
    EXPECT_EQ(int(h.nPage), FList->ClientWidth());

    FDisplay->Wheel(-WHEEL_DELTA);
    Pump();
    EXPECT_EQ(FList->TopItem()->Index(), 3);
    EXPECT_EQ(Scroll(SB_VERT).nPos, 3);
    for (int i = 0; i < 20; ++i)
        FDisplay->Wheel(-WHEEL_DELTA);
    Pump();
    EXPECT_EQ(FList->TopItem()->Index(), 30 - page) << "no scrolling past the last row";
    FDisplay->Wheel(WHEEL_DELTA);
    Pump();
    EXPECT_EQ(FList->TopItem()->Index(), 30 - page - 3);
    EXPECT_EQ(Selected(), -1) << "the wheel leaves the selection alone";

    // The skinned view scrolls by whole rows of pixels and by WM_HSCROLL lines.
    const int rowHeight = FList->Items()[0]->DisplayRect(drBounds).Height();
    SendMessage(FList->Handle(), LVM_SCROLL, 0, -2 * rowHeight);
    EXPECT_EQ(FList->TopItem()->Index(), 30 - page - 5);
    SendMessage(FList->Handle(), WM_HSCROLL, SB_THUMBPOSITION | (40 << 16), 0);
    EXPECT_EQ(Scroll(SB_HORZ).nPos, 40);
    EXPECT_EQ(FList->Items()[0]->DisplayRect(drBounds).Left, -40);
    RECT header;
    GetWindowRect(FList->HeaderHandle(), &header);
    POINT origin{ 0, 0 };
    ClientToScreen(FList->Handle(), &origin);
    EXPECT_EQ(header.left - origin.x, -40) << "the header moves with the rows";
    SendMessage(FList->Handle(), WM_HSCROLL, SB_RIGHT, 0);
    EXPECT_EQ(Scroll(SB_HORZ).nPos, 320 - FList->ClientWidth());
}

TEST_F(ListView, BarsShowWhileThereIsSomethingToScrollAndTheirArrowsScroll) {
    const auto style = [&] { return GetWindowLongPtr(FList->Handle(), GWL_STYLE); };
    EXPECT_TRUE(style() & WS_VSCROLL);
    EXPECT_TRUE(style() & WS_HSCROLL);
    // The down arrow sits at the bottom of the vertical bar, right of the client area.
    POINT arrow{ FList->ClientWidth() + 8, FList->ClientHeight() - 8 };
    ClientToScreen(FList->Handle(), &arrow);
    FDisplay->Time().Advance(2000);
    FDisplay->Click(arrow.x, arrow.y);
    Pump();
    EXPECT_EQ(FList->TopItem()->Index(), 1);
    EXPECT_EQ(Scroll(SB_VERT).nPos, 1);

    FList->Column(0)->SetWidth(20);
    FList->Items().Clear();
    Pump();
    EXPECT_FALSE(style() & WS_VSCROLL);
    EXPECT_FALSE(style() & WS_HSCROLL) << "the columns fit again";
}

TEST_F(ListView, MouseSelectsRowsAndAnEmptyClickClearsTheSelection) {
    int clicks = 0;
    int doubleClicks = 0;
    FList->OnClick = [&](TObject*) { ++clicks; };
    FList->OnDblClick = [&](TObject*) { ++doubleClicks; };
    ClickRow(4, 200);
    EXPECT_EQ(Selected(), 4) << "a row-select row is hit beyond its first column";
    EXPECT_EQ(clicks, 1);
    ClickRow(1);
    EXPECT_EQ(Selected(), 1);
    EXPECT_EQ(FList->SelCount(), 1);

    POINT p{ 150, FList->Items()[2]->DisplayRect(drBounds).Top + 3 };
    ClientToScreen(FList->Handle(), &p);
    FDisplay->Time().Advance(2000);
    FDisplay->Click(p.x, p.y);
    FDisplay->Click(p.x, p.y);
    Pump();
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_EQ(Selected(), 2);

    FList->SetRowSelect(false);
    ClickRow(3, 150);
    EXPECT_EQ(Selected(), -1) << "without row select only the first column holds the item";
    ClickRow(3, 20);
    EXPECT_EQ(Selected(), 3);
}

TEST_F(ListView, MultiSelectExtendsWithShiftAndTogglesWithCtrl) {
    FList->SetMultiSelect(true);
    ClickRow(2);
    ClickRow(5, 150, { VK_SHIFT });
    EXPECT_EQ(FList->SelCount(), 4);
    ClickRow(3, 150, { VK_CONTROL });
    EXPECT_EQ(FList->SelCount(), 3);
    EXPECT_FALSE(FList->Items()[3]->Selected());
    Key(VK_DOWN, { VK_SHIFT });
    EXPECT_EQ(FList->SelCount(), 2) << "the range runs from the anchor (3) to 4 alone";
    EXPECT_TRUE(FList->Items()[3]->Selected());
    EXPECT_TRUE(FList->Items()[4]->Selected());
    FList->SetMultiSelect(false);
    EXPECT_EQ(FList->SelCount(), 1);
}

TEST_F(ListView, DraggingADividerResizesItsColumnWithinItsLimits) {
    const HWND header = FList->HeaderHandle();
    ASSERT_TRUE(header);
    EXPECT_EQ(GetClassNameString(header), "SysHeader32");
    EXPECT_EQ(SendMessage(header, HDM_GETITEMCOUNT, 0, 0), 5);
    RECT r;
    ASSERT_TRUE(SendMessage(header, HDM_GETITEMRECT, 1, LPARAM(&r)));
    EXPECT_EQ(r.left, 100);
    EXPECT_EQ(r.right, 170);

    // The divider after "Size" is also where the hidden column sits: "Size" is the one grabbed.
    HDHITTESTINFO hit;
    hit.pt = { 171, 5 };
    EXPECT_EQ(SendMessage(header, HDM_HITTEST, 0, LPARAM(&hit)), 1);
    EXPECT_EQ(hit.flags, HHT_ONDIVIDER);
    hit.pt = { 130, 5 };
    EXPECT_EQ(SendMessage(header, HDM_HITTEST, 0, LPARAM(&hit)), 1);
    EXPECT_EQ(hit.flags, HHT_ONHEADER);

    POINT p{ 170, 5 };
    ClientToScreen(header, &p);
    FDisplay->MoveMouse(p.x, p.y);
    FDisplay->PressButton();
    FDisplay->MoveMouse(p.x + 30, p.y);
    Pump();
    EXPECT_EQ(FList->Column(1)->Width(), 100) << "the width follows the pointer while dragging";
    FDisplay->MoveMouse(p.x + 50, p.y);
    FDisplay->ReleaseButton();
    Pump();
    EXPECT_EQ(FList->Column(1)->Width(), 120);
    EXPECT_EQ(FList->Column(2)->Width(), 0) << "the hidden column stays hidden";
    EXPECT_EQ(Scroll(SB_HORZ).nMax, 369) << "the list is laid out again";
    int order[5] = {};
    ASSERT_TRUE(SendMessage(header, HDM_GETORDERARRAY, 5, LPARAM(order)));
    EXPECT_EQ(order[4], 4);

    FList->Column(0)->SetMaxWidth(110);
    FList->Column(0)->SetMinWidth(40);
    p = { 100, 5 };
    ClientToScreen(header, &p);
    FDisplay->MoveMouse(p.x, p.y);
    FDisplay->PressButton();
    FDisplay->MoveMouse(p.x + 60, p.y);
    Pump();
    EXPECT_EQ(FList->Column(0)->Width(), 110);
    FDisplay->MoveMouse(p.x - 70, p.y);
    FDisplay->ReleaseButton();
    Pump();
    EXPECT_EQ(FList->Column(0)->Width(), 40);
    EXPECT_EQ(FList->Items()[0]->DisplayRect(drLabel).Right, 40);
}

TEST_F(ListView, DoubleClickingADividerFitsTheColumnToItsTexts) {
    FList->Items()[7]->SubItems().SetStrings(0, "a much longer size text");
    POINT p{ 100 + 70, 5 };
    ClientToScreen(FList->HeaderHandle(), &p);
    FDisplay->Time().Advance(2000);
    FDisplay->Click(p.x, p.y);
    FDisplay->Click(p.x, p.y);
    Pump();
    const int width = FList->Column(1)->Width();
    EXPECT_GT(width, 70);
    EXPECT_EQ(FList->Items()[7]->DisplayRect(drBounds).Width(), 100 + width + 80 + 70);
    FList->AutoSizeColumn(3);
    EXPECT_LT(FList->Column(3)->Width(), 80) << "short texts narrow the column";
    FList->Items()[7]->SubItems().SetStrings(2, "a much longer output name.mp4");
    FList->Column(3)->SetMaxWidth(90);
    FList->AutoSizeColumn(3);
    EXPECT_EQ(FList->Column(3)->Width(), 90) << "within its limits";
}

TEST_F(ListView, HeaderReportsClicksAndTakesANewOrder) {
    TListColumn* clicked = nullptr;
    FList->OnColumnClick = [&](TObject*, TListColumn* column) { clicked = column; };
    ClickAt(FList->HeaderHandle(), 40, 5);
    EXPECT_EQ(clicked, FList->Column(0));

    const HWND header = FList->HeaderHandle();
    int order[5] = { 1, 0, 2, 3, 4 };
    ASSERT_TRUE(SendMessage(header, HDM_SETORDERARRAY, 5, LPARAM(order)));
    RECT r;
    SendMessage(header, HDM_GETITEMRECT, 0, LPARAM(&r));
    EXPECT_EQ(r.left, 70) << "the first column now follows the second";
    EXPECT_EQ(FList->Items()[0]->DisplayRect(drLabel).Left, 70) << "and so do the captions";
    ClickAt(header, 40, 5);
    EXPECT_EQ(clicked, FList->Column(1));
    int twice[5] = { 0, 0, 2, 3, 4 };
    EXPECT_FALSE(SendMessage(header, HDM_SETORDERARRAY, 5, LPARAM(twice)));
}

TEST_F(ListView, LabelEditingRenamesUnlessCancelledOrReadOnly) {
    TListItem* item = FList->Items()[1];
    FList->OnEdited = [](TObject*, TListItem*, std::string& text) { text += ".mp4"; };
    ASSERT_TRUE(item->EditCaption());
    EXPECT_TRUE(FList->IsEditing());
    FDisplay->TypeKey('Z', "clip");
    Pump();
    Key(VK_RETURN);
    EXPECT_FALSE(FList->IsEditing());
    EXPECT_EQ(item->Caption(), "clip.mp4");
    EXPECT_TRUE(FList->Focused()) << "the list has the focus back";

    ASSERT_NE(SendMessage(FList->Handle(), LVM_EDITLABEL, 1, 0), 0);
    FDisplay->TypeKey('Z', "other");
    Pump();
    Key(VK_ESCAPE);
    EXPECT_EQ(item->Caption(), "clip.mp4");

    // A slow second click on the focused row's label starts the edit too.
    ClickRow(1, 20);
    ClickRow(1, 20);
    EXPECT_FALSE(FList->IsEditing()) << "the rename waits for the double-click time";
    FDisplay->Time().Advance(GetDoubleClickTime() + 1);
    Pump();
    EXPECT_TRUE(FList->IsEditing());
    Key(VK_ESCAPE);

    FList->SetReadOnly(true);
    EXPECT_FALSE(item->EditCaption());
    EXPECT_EQ(SendMessage(FList->Handle(), LVM_EDITLABEL, 1, 0), 0);
}

TEST_F(ListView, DeletingTheRowBeingRenamedEndsTheRenameUnheard) {
    int edited = 0;
    FList->OnEdited = [&](TObject*, TListItem*, std::string&) { ++edited; };
    ASSERT_TRUE(FList->Items()[2]->EditCaption());
    FList->Items().Delete(2);
    EXPECT_FALSE(FList->IsEditing());

    ClickRow(1, 20);
    ClickRow(1, 20); // the second click on the focused row's label waits to rename it
    FList->Items().Delete(1);
    FDisplay->Time().Advance(GetDoubleClickTime() + 1);
    Pump();
    EXPECT_FALSE(FList->IsEditing()) << "no row is renamed in place of the one that went";
    EXPECT_EQ(edited, 0);
}

TEST_F(ListView, DeletingAndMovingRowsKeepsTheViewConsistent) {
    std::vector<std::string> deleted;
    FList->OnDeletion = [&](TObject*, TListItem* item) { deleted.push_back(item->Caption()); };
    ClickRow(3);
    FList->Items().Delete(3);
    EXPECT_EQ(Selected(), -1);
    EXPECT_EQ(deleted, (std::vector<std::string>{ "file3" }));
    FList->Items().BeginUpdate();
    FList->Items()[0]->Assign(*FList->Items()[1]);
    FList->Items().EndUpdate();
    EXPECT_EQ(FList->Items()[0]->Caption(), "file1");
    EXPECT_EQ(FList->Items()[0]->SubItems().Strings(2), "out1");
    Key(VK_END);
    FList->Items().Clear();
    EXPECT_EQ(Scroll(SB_VERT).nPos, 0);
    EXPECT_EQ(FList->TopItem(), nullptr);
    Key(VK_DOWN);
    EXPECT_EQ(Selected(), -1);
}

TEST_F(ListView, OwnerDataAsksForTheItemsItShows) {
    int asked = 0;
    FList->SetOwnerData(true);
    EXPECT_EQ(FList->Items().Count(), 0) << "the stored items went";
    FList->OnData = [&](TObject*, TListItem* item) {
        ++asked;
        item->SetCaption("row " + std::to_string(item->Index()));
        item->SubItems().Add(std::to_string(item->Index() * 2));
    };
    FList->Items().SetCount(1000);
    Pump();
    EXPECT_GT(asked, 0);
    EXPECT_LT(asked, 60) << "only the rows on show are asked for";
    EXPECT_EQ(FList->Items()[500]->SubItems().Strings(0), "1000");

    Key(VK_END);
    EXPECT_EQ(Selected(), 999);
    EXPECT_EQ(FList->Selected()->Caption(), "row 999");
    EXPECT_EQ(FEvents.back(), "+row 999");
    ClickRow(FList->TopItem()->Index() + 1, 150, { VK_SHIFT });
    EXPECT_EQ(FList->SelCount(), 1) << "single select";
    const int picked = Selected();
    EXPECT_EQ(SendMessage(FList->Handle(), LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED), picked);
    FList->Items().Delete(0);
    EXPECT_EQ(Selected(), picked - 1) << "the selection moves with its item";
    EXPECT_EQ(FList->Items().Count(), 999);
    FList->Items().Clear();
    EXPECT_EQ(Selected(), -1);
    Pump();
}

TEST_F(ListView, OwnerDataTypeAheadAsksTheFindFirst) {
    FList->SetOwnerData(true);
    FList->OnData = [&](TObject*, TListItem* item) {
        item->SetCaption("row " + std::to_string(item->Index()));
    };
    std::vector<std::string> asked;
    FList->OnDataFind = [&](TObject*, TItemFind find, const std::string& text, int start,
                            TSearchDirection, bool wrap, int& index) {
        asked.push_back(text + "@" + std::to_string(start) + (wrap ? " wrap" : ""));
        EXPECT_EQ(find, ifPartialString);
        index = text == "x" ? 7 : -1;
    };
    FList->Items().SetCount(20);
    Pump();
    FDisplay->TypeKey('Z', "x");
    Pump();
    EXPECT_EQ(asked, (std::vector<std::string>{ "x@0 wrap" }));
    EXPECT_EQ(Selected(), 7);
    FDisplay->TypeKey('Z', "q");
    Pump();
    EXPECT_EQ(asked.back(), "xq@7 wrap");
    EXPECT_EQ(Selected(), 7) << "no match leaves the focus";

    FList->OnDataFind = nullptr;
    FDisplay->Time().Advance(3000);
    FDisplay->TypeKey('Z', "r");
    Pump();
    EXPECT_EQ(Selected(), 8) << "without an answer the captions are read";
}

TEST_F(ListView, ListAndIconViewsLayItemsOutInCells) {
    FList->SetViewStyle(vsList);
    const int perColumn =
        FList->Items()[0]->DisplayRect(drBounds).Height() > 0
            ? FList->ClientHeight() / FList->Items()[0]->DisplayRect(drBounds).Height()
            : 0;
    ASSERT_GT(perColumn, 0);
    const TRect first = FList->Items()[0]->DisplayRect(drBounds);
    const TRect next = FList->Items()[perColumn]->DisplayRect(drBounds);
    EXPECT_EQ(next.Top, first.Top) << "the list fills columns top to bottom";
    EXPECT_EQ(next.Left, first.Right);
    EXPECT_EQ(FList->HeaderHandle(), nullptr);
    Key(VK_RIGHT);
    Key(VK_RIGHT);
    EXPECT_EQ(Selected(), perColumn) << "right moves a whole column";
    SCROLLINFO h = Scroll(SB_HORZ);
    EXPECT_EQ(h.nMax, (30 + perColumn - 1) / perColumn - 1) << "counted in columns";

    FList->SetViewStyle(vsIcon);
    const TRect a = FList->Items()[0]->DisplayRect(drBounds);
    const TRect b = FList->Items()[1]->DisplayRect(drBounds);
    EXPECT_EQ(b.Top, a.Top) << "icons fill rows left to right";
    EXPECT_EQ(b.Left, a.Right);
    EXPECT_EQ(FList->GetItemAt(b.Left + 5, b.Bottom - 5), FList->Items()[1]);
}

// What a skin does with the header: notice its creation and put its own procedure in front.
class TWatchingList : public TListView {
public:
    using TListView::TListView;
    void WndProc(TMessage& message) override {
        if (message.Msg == WM_PARENTNOTIFY && LOWORD(message.WParam) == WM_CREATE)
            FCreated = HWND(message.LParam);
        TListView::WndProc(message);
    }
    HWND FCreated{};
};

// A solid square image list of one colour.
std::unique_ptr<TImageList> SolidImages(int size, TColor color) {
    auto images = std::make_unique<TImageList>(nullptr);
    images->SetSize(size, size);
    TBitmap bitmap;
    bitmap.SetSize(size, size);
    bitmap.Canvas().Brush().SetColor(color);
    bitmap.Canvas().FillRect(TRect(0, 0, size, size));
    images->Add(bitmap, nullptr);
    return images;
}

TEST_F(ListView, ImagesAndTheSelectionAreDrawn) {
    auto small = SolidImages(16, clRed);
    auto large = SolidImages(32, clBlue);
    FList->SetSmallImages(small.get());
    FList->SetLargeImages(large.get());
    FList->Items()[0]->SetImageIndex(0);
    FList->SetItemIndex(1);
    FList->Items()[1]->SetFocused(true);
    Pump();
    auto pixelAt = [&](const TPoint& client) {
        POINT p{ client.X, client.Y };
        ClientToScreen(FList->Handle(), &p);
        const gfx::Surface screen = FDisplay->ComposeScreen();
        const COLORREF c = RGB(gfx::PixelR(screen.Row(p.y)[p.x]), gfx::PixelG(screen.Row(p.y)[p.x]),
                               gfx::PixelB(screen.Row(p.y)[p.x]));
        return c;
    };
    auto centre = [](const TRect& r) {
        return TPoint(r.Left + r.Width() / 2, r.Top + r.Height() / 2);
    };
    const TRect icon = FList->Items()[0]->DisplayRect(drIcon);
    EXPECT_EQ(icon.Width(), 16);
    EXPECT_EQ(pixelAt(centre(icon)), ColorToRGB(clRed));
    // A whole selected row is highlighted, past its texts.
    const TRect row = FList->Items()[1]->DisplayRect(drBounds);
    EXPECT_EQ(pixelAt(TPoint(row.Left + 95, row.Top + 3)), ColorToRGB(clHighlight));

    FList->SetViewStyle(vsIcon);
    Pump();
    const TRect big = FList->Items()[0]->DisplayRect(drIcon);
    EXPECT_EQ(big.Width(), 32);
    EXPECT_GE(FList->Items()[0]->DisplayRect(drLabel).Top, big.Bottom) << "the caption goes below";
    EXPECT_EQ(pixelAt(centre(big)), ColorToRGB(clBlue));
    FList->SetSmallImages(nullptr);
    FList->SetLargeImages(nullptr);
}

// What a skin does with the frame: no edge and no bars, scrolling shown elsewhere.
class TFramelessList : public TListView {
public:
    using TListView::TListView;
    void WndProc(TMessage& message) override {
        if (message.Msg == WM_NCCALCSIZE || message.Msg == WM_NCPAINT) {
            message.Result = 0;
            return;
        }
        TListView::WndProc(message);
    }
};

TEST_F(ListView, ScrollStateStaysReadableWithoutAFrame) {
    auto* list = new TFramelessList(FForm);
    list->SetParent(FForm);
    list->SetBounds(10, 220, 200, 80);
    list->SetViewStyle(vsReport);
    list->Columns().Add()->SetWidth(300);
    for (int i = 0; i < 20; ++i)
        list->Items().Add()->SetCaption(std::to_string(i));
    Pump();
    EXPECT_EQ(list->ClientWidth(), 200) << "no room was given to an edge or a bar";
    SCROLLINFO v;
    v.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(list->Handle(), SB_VERT, &v));
    EXPECT_EQ(v.nMax, 19);
    EXPECT_EQ(int(v.nPage), list->VisibleRowCount());
    SendMessage(list->Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(GetScrollPos(list->Handle(), SB_VERT), list->VisibleRowCount());
    int lo = -1, hi = -1;
    ASSERT_TRUE(GetScrollRange(list->Handle(), SB_HORZ, &lo, &hi));
    EXPECT_EQ(hi, 299);
}

WNDPROC gHeaderProc = nullptr;
int gHookedMessages = 0;

LRESULT HeaderHook(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    ++gHookedMessages;
    return CallWindowProc(gHeaderProc, hwnd, msg, wParam, lParam);
}

TEST_F(ListView, TheHeaderCanBeSubclassedWhenItIsCreated) {
    auto* list = new TWatchingList(FForm);
    list->SetParent(FForm);
    list->SetBounds(10, 220, 200, 80);
    list->SetViewStyle(vsReport);
    list->Columns().Add()->SetCaption("One");
    Pump();
    ASSERT_TRUE(list->FCreated);
    EXPECT_EQ(list->FCreated, list->HeaderHandle());
    EXPECT_EQ(GetClassNameString(list->FCreated), "SysHeader32");
    gHeaderProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtr(list->FCreated, GWLP_WNDPROC, LONG_PTR(&HeaderHook)));
    ASSERT_TRUE(gHeaderProc);
    EXPECT_EQ(SendMessage(list->FCreated, HDM_GETITEMCOUNT, 0, 0), 1);
    EXPECT_GT(gHookedMessages, 0);
}

} // namespace
} // namespace formstest
