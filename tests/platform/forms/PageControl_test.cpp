#include "FormsTestSupport.h"
#include "platform/forms/CommCtrl.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TPageControl.h"
#include "platform/forms/TTabSheet.h"
#include "platform/win/Win.h"
#include <climits>
#include <memory>

namespace formstest {
namespace {

using namespace win;

class PageControl : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        FApp = std::make_unique<TApplication>(nullptr);
        FApp->Initialize();
        FApp->CreateForm(FForm);
        FForm->SetBounds(50, 40, 420, 320);
        FPages = new TPageControl(FForm);
        FPages->SetParent(FForm);
        FPages->SetBounds(10, 10, 300, 200);
        for (const char* caption : { "General", "Video", "Audio" }) {
            auto* sheet = new TTabSheet(FForm);
            sheet->SetCaption(caption);
            sheet->SetPageControl(FPages);
            FSheets.push_back(sheet);
        }
        FPages->OnChanging = [this](TObject*, bool& allow) {
            FEvents.push_back("changing");
            allow = FAllow;
        };
        FPages->OnChange = [this](TObject*) { FEvents.push_back("change"); };
        FForm->Show();
        Pump();
    }
    void TearDown() override {
        FApp.reset();
        FormsTest::TearDown();
    }
    void ClickTab(int tab) {
        const TRect r = FPages->TabRect(tab);
        POINT p{ r.Left + r.Width() / 2, r.Top + r.Height() / 2 };
        ClientToScreen(FPages->Handle(), &p);
        FDisplay->Time().Advance(2000);
        FDisplay->Click(p.x, p.y);
        Pump();
    }
    void Key(UINT vk) {
        FDisplay->TypeKey(vk);
        Pump();
    }

    // The bounds of the caption's pixels inside a tab (its edges left out).
    TRect InkIn(const TRect& tab) {
        const gfx::Surface screen = FDisplay->ComposeScreen();
        TRect ink(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
        for (int y = tab.Top + 3; y < tab.Bottom - 3; ++y)
            for (int x = tab.Left + 3; x < tab.Right - 3; ++x) {
                POINT p{ x, y };
                ClientToScreen(FPages->Handle(), &p);
                const gfx::Pixel px = screen.Row(p.y)[p.x];
                // Glyphs are smoothed: count the dark pixels of their strokes.
                if (gfx::PixelR(px) + gfx::PixelG(px) + gfx::PixelB(px) > 3 * 100) continue;
                ink = TRect(std::min(ink.Left, x), std::min(ink.Top, y), std::max(ink.Right, x + 1),
                            std::max(ink.Bottom, y + 1));
            }
        return ink.Left == INT_MAX ? TRect() : ink;
    }

    std::unique_ptr<TApplication> FApp;
    TForm* FForm{ nullptr };
    TPageControl* FPages{ nullptr };
    std::vector<TTabSheet*> FSheets;
    std::vector<std::string> FEvents;
    bool FAllow{ true };
};

TEST_F(PageControl, ClickingATabShowsItsPageUnlessRefused) {
    EXPECT_EQ(FPages->ActivePage(), FSheets[0]) << "the first page is shown from the start";
    EXPECT_TRUE(FSheets[0]->Visible());
    EXPECT_FALSE(FSheets[1]->Visible());
    EXPECT_EQ(FSheets[0]->BoundsRect(), FPages->DisplayRect());

    ClickTab(2);
    EXPECT_EQ(FPages->ActivePage(), FSheets[2]);
    EXPECT_TRUE(FSheets[2]->Visible());
    EXPECT_FALSE(FSheets[0]->Visible());
    EXPECT_EQ(FSheets[2]->BoundsRect(), FPages->DisplayRect());
    EXPECT_TRUE(FPages->Focused());
    EXPECT_EQ(FEvents, (std::vector<std::string>{ "changing", "change" }));

    FEvents.clear();
    FAllow = false;
    ClickTab(1);
    EXPECT_EQ(FPages->ActivePage(), FSheets[2]);
    EXPECT_EQ(FEvents, (std::vector<std::string>{ "changing" }));

    FAllow = true;
    FEvents.clear();
    FPages->SetActivePage(FSheets[1]);
    EXPECT_TRUE(FEvents.empty()) << "setting the page in code asks and tells nobody";
}

TEST_F(PageControl, ArrowKeysStepThroughTheShownTabs) {
    FPages->SetFocus();
    FSheets[1]->SetTabVisible(false);
    Key(VK_RIGHT);
    EXPECT_EQ(FPages->ActivePage(), FSheets[2]) << "a hidden tab is skipped";
    EXPECT_EQ(FPages->TabIndex(), 1);
    Key(VK_RIGHT);
    EXPECT_EQ(FPages->ActivePage(), FSheets[2]) << "no wrapping at the end";
    Key(VK_HOME);
    EXPECT_EQ(FPages->ActivePage(), FSheets[0]);
    FSheets[0]->SetTabVisible(false);
    EXPECT_EQ(FPages->ActivePage(), FSheets[2]) << "hiding the shown page's tab moves on";
}

TEST_F(PageControl, AnswersTheTabMessages) {
    const HWND h = FPages->Handle();
    EXPECT_EQ(SendMessage(h, TCM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessage(h, TCM_SETCURSEL, 1, 0), 0) << "returns the previous tab";
    EXPECT_EQ(SendMessage(h, TCM_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(FPages->ActivePage(), FSheets[1]);
    EXPECT_TRUE(FEvents.empty());
    EXPECT_EQ(SendMessage(h, TCM_SETCURSEL, 7, 0), -1);

    RECT r;
    ASSERT_TRUE(SendMessage(h, TCM_GETITEMRECT, 2, LPARAM(&r)));
    TCHITTESTINFO hit;
    hit.pt = { r.left + 3, r.top + 3 };
    EXPECT_EQ(SendMessage(h, TCM_HITTEST, 0, LPARAM(&hit)), 2);
    EXPECT_EQ(hit.flags, TCHT_ONITEM);

    RECT page{ 0, 0, 300, 200 };
    SendMessage(h, TCM_ADJUSTRECT, FALSE, LPARAM(&page));
    EXPECT_GT(page.top, r.bottom) << "the page lies below the tabs";
    SendMessage(h, TCM_ADJUSTRECT, TRUE, LPARAM(&page));
    EXPECT_EQ(TRect(page), TRect(0, 0, 300, 200));

    const LRESULT old = SendMessage(h, TCM_SETITEMSIZE, 0, MAKELPARAM(60, 30));
    EXPECT_EQ(old, 0);
    EXPECT_EQ(FPages->TabRect(1).Width(), 60);
    EXPECT_EQ(FPages->TabRect(1).Height(), 30);
}

TEST_F(PageControl, TabsSitOnTheEdgeTheirPositionNames) {
    struct Case {
        TTabPosition position;
        bool (*tabBeside)(const TRect& tab, const TRect& page);
    };
    const Case kCases[] = {
        { tpTop, [](const TRect& t, const TRect& p) { return t.Bottom <= p.Top; } },
        { tpBottom, [](const TRect& t, const TRect& p) { return t.Top >= p.Bottom; } },
        { tpLeft, [](const TRect& t, const TRect& p) { return t.Right <= p.Left; } },
        { tpRight, [](const TRect& t, const TRect& p) { return t.Left >= p.Right; } },
    };
    for (const auto& c : kCases) {
        FPages->SetTabPosition(c.position);
        Pump();
        const TRect page = FSheets[0]->BoundsRect();
        for (int tab = 0; tab < 3; ++tab)
            EXPECT_TRUE(c.tabBeside(FPages->TabRect(tab), page)) << c.position << " tab " << tab;
        EXPECT_TRUE(FPages->ClientRect().Contains(FPages->TabRect(2).TopLeft()));
        // The caption runs along the edge: side tabs carry it turned.
        const TRect ink = InkIn(FPages->TabRect(1));
        const bool side = c.position == tpLeft || c.position == tpRight;
        EXPECT_FALSE(ink.IsEmpty()) << c.position;
        EXPECT_EQ(ink.Height() > ink.Width(), side) << c.position;
    }
}

TEST_F(PageControl, AnOverflowingRowScrollsToTheSelectedTab) {
    EXPECT_FALSE(FPages->TabsOverflow());
    for (int i = 0; i < 10; ++i) {
        auto* sheet = new TTabSheet(FForm);
        sheet->SetCaption("Extra page " + std::to_string(i));
        sheet->SetPageControl(FPages);
    }
    EXPECT_TRUE(FPages->TabsOverflow());
    EXPECT_EQ(FPages->FirstShownTab(), 0);
    FPages->SetActivePageIndex(12);
    EXPECT_GT(FPages->FirstShownTab(), 0);
    EXPECT_TRUE(FPages->TabsOverflow()) << "scrolling does not make the row fit";
    FPages->SetMultiLine(true);
    EXPECT_FALSE(FPages->TabsOverflow());
    FPages->SetMultiLine(false);
    const TRect last = FPages->TabRect(12);
    EXPECT_LE(last.Right, FPages->ClientWidth());
    EXPECT_GT(last.Left, 0);
    SendMessage(FPages->Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 0), 0);
    EXPECT_EQ(FPages->TabRect(0).Left, 2) << "the row scrolled back to its start";
}

// A subclass that moves the page area, as a skin does, moves the pages with it.
class TShiftedPages : public TPageControl {
public:
    using TPageControl::TPageControl;
    void WndProc(TMessage& message) override {
        TPageControl::WndProc(message);
        if (message.Msg == TCM_ADJUSTRECT) reinterpret_cast<RECT*>(message.LParam)->top -= 5;
    }
};

TEST_F(PageControl, PagesFollowACorrectedPageArea) {
    auto* shifted = new TShiftedPages(FForm);
    shifted->SetParent(FForm);
    shifted->SetBounds(10, 10, 300, 200);
    auto* sheet = new TTabSheet(FForm);
    sheet->SetPageControl(shifted);
    Pump();
    EXPECT_EQ(sheet->Top(), FSheets[0]->Top() - 5);
}

} // namespace
} // namespace formstest
