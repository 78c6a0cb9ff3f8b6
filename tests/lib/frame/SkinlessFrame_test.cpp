#include "FrameFixture.h"

#include "platform/win/WindowApi.h"
#include "tests/lib/menus/MenuFixture.h"

namespace frametest {
namespace {

using namespace win;

using SkinlessFrame = FrameTest;

TRect ObjectRectOf(TbsSkinForm& skinForm, const char* name) {
    return skinForm.ObjectList.at(std::size_t(skinForm.GetIndex(name)))->ObjectRect;
}

// The client area in window coordinates.
TRect ClientInWindow(TForm* form) {
    POINT origin{ 0, 0 };
    ClientToScreen(form->Handle(), &origin);
    const int x = origin.x - form->Left(), y = origin.y - form->Top();
    return TRect(x, y, x + form->ClientWidth(), y + form->ClientHeight());
}

TEST_F(SkinlessFrame, MetricsOfSizeableAndToolWindows) {
    struct TCase {
        TFormBorderStyle Border;
        TRect Client, Close, Max;
    };
    const TCase cases[] = {
        { bsSizeable, TRect(3, 22, 397, 297), TRect(380, 4, 397, 21), TRect(363, 4, 380, 21) },
        { bsSizeToolWin, TRect(3, 18, 397, 297), TRect(384, 4, 397, 17), TRect(371, 4, 384, 17) },
    };
    for (const TCase& c : cases) {
        TForm* form = NewForm(TRect(50, 50, 450, 350), c.Border);
        TbsSkinForm* skinForm = SkinForm(form, nullptr);
        form->Show();
        Pump();
        ASSERT_FALSE(skinForm->ObjectList.empty()) << "the default buttons";
        skinForm->CalcDefRects();
        EXPECT_EQ(ClientInWindow(form), c.Client) << c.Border;
        EXPECT_EQ(ObjectRectOf(*skinForm, "closebutton"), c.Close) << c.Border;
        EXPECT_EQ(ObjectRectOf(*skinForm, "maxbutton"), c.Max) << c.Border;
        delete form;
    }
}

TEST_F(SkinlessFrame, HitTestBySizeAndState) {
    TForm* form = NewForm(TRect(50, 50, 450, 350), bsSizeable);
    TbsSkinForm* skinForm = SkinForm(form, nullptr);
    form->Show();
    Pump();
    struct TCase {
        TPoint P;
        int Normal, Maximized;
    };
    const TCase cases[] = {
        { TPoint(1, 1), HTTOPLEFT, HTOBJECT },     { TPoint(398, 1), HTTOPRIGHT, HTOBJECT },
        { TPoint(1, 150), HTLEFT, HTOBJECT },      { TPoint(200, 298), HTBOTTOM, HTOBJECT },
        { TPoint(100, 10), HTCAPTION, HTCAPTION }, { TPoint(100, 20), HTOBJECT, HTOBJECT },
        { TPoint(200, 100), HTCLIENT, HTCLIENT },  { TPoint(390, 10), HTOBJECT, HTOBJECT },
    };
    for (const TCase& c : cases)
        EXPECT_EQ(skinForm->DefaultHitTest(c.P), c.Normal) << c.P.X << "," << c.P.Y;
    // Maximized, the edges no longer size (the points near the far edges are inside now).
    skinForm->SetWindowState(wsMaximized);
    for (const TCase& c : cases)
        if (c.P.X < 300 && c.P.Y < 200) {
            EXPECT_EQ(skinForm->DefaultHitTest(c.P), c.Maximized) << c.P.X << "," << c.P.Y;
        }
}

TEST_F(SkinlessFrame, FrameWithCaptionButtonsAndALongCaption) {
    TForm* form = NewForm(TRect(50, 50, 250, 130), bsSizeable);
    form->SetCaption("A caption far too long for the caption strip of this form");
    SkinForm(form, nullptr);
    form->Show();
    Pump();
    menustest::ExpectMatchesGolden(Shown(form), "lib/frame/SkinlessFrame_golden.png");
}

} // namespace
} // namespace frametest
