#include "FrameFixture.h"

#include "lib/skindraw/TbsBitmap.h"
#include "platform/gfx/GdiObjects.h"
#include "platform/win/Messaging.h"
#include "platform/win/Painting.h"
#include "platform/win/WindowApi.h"
#include "tests/lib/menus/MenuFixture.h"

namespace frametest {
namespace {

using namespace win;

using SkinnedFrame = FrameTest;

TEST_F(SkinnedFrame, GeometryScalesWithTheFormSize) {
    FSkin = MakeFrameSkin();
    FSkin->ButtonsRect = TRect(80, 4, 110, 20);
    FSkin->CaptionRect = TRect(30, 2, 70, 22);
    TForm* form = NewForm(TRect(0, 0, 320, 180));
    TbsSkinForm* skinForm = SkinForm(form, FSkin.get());
    skinForm->CalcSkinRects();
    const int dw = 200, dh = 100;
    EXPECT_EQ(skinForm->NewLTPoint, TPoint(20, 24));
    EXPECT_EQ(skinForm->NewRTPoint, TPoint(100 + dw, 24));
    EXPECT_EQ(skinForm->NewLBPoint, TPoint(20, 76 + dh));
    EXPECT_EQ(skinForm->NewRBPoint, TPoint(100 + dw, 76 + dh));
    EXPECT_EQ(skinForm->NewClRect, TRect(4, 24, 116 + dw, 76 + dh));
    EXPECT_EQ(skinForm->NewCaptionRect, TRect(30, 2, 70 + dw, 22));
    EXPECT_EQ(skinForm->NewButtonsRect, TRect(80 + dw, 4, 110 + dw, 20))
        << "a buttons area in the right half moves with the right edge";
    EXPECT_FALSE(skinForm->ButtonsInLeft);
    EXPECT_EQ(skinForm->NewHitTestRBPoint, TPoint(112 + dw, 72 + dh));
    EXPECT_EQ(skinForm->NewMaskRectArea, TRect(4, 24, 116 + dw, 76 + dh));

    // In the left half it stays and marks the buttons as the left ones; at the middle neither.
    for (const auto& [left, moves, inLeft] :
         { std::tuple{ 10, false, true }, std::tuple{ 60, false, false } }) {
        FSkin->ButtonsRect = TRect(left, 4, left + 20, 20);
        skinForm->ButtonsInLeft = false;
        skinForm->CalcSkinRects();
        EXPECT_EQ(skinForm->NewButtonsRect.Left, left + (moves ? dw : 0)) << left;
        EXPECT_EQ(skinForm->ButtonsInLeft, inLeft) << left;
    }
}

TEST_F(SkinnedFrame, ObjectsDrawnInTheFramePictureFollowTheirCornerZone) {
    FSkin = MakeFrameSkin();
    struct Case {
        const char* name;
        TRect skinRect;
        TRect expected; // at 320 x 180: 200 wider and 100 higher
    };
    const Case cases[] = {
        { "lt", TRect(2, 2, 10, 10), TRect(2, 2, 10, 10) },
        { "rt", TRect(104, 2, 112, 10), TRect(304, 2, 312, 10) },
        { "lb", TRect(2, 77, 10, 79), TRect(2, 177, 10, 179) },
        { "rb", TRect(104, 77, 112, 79), TRect(304, 177, 312, 179) },
        { "title", TRect(10, 2, 110, 10), TRect(10, 2, 310, 10) },
        { "all", TRect(2, 2, 110, 79), TRect(2, 2, 310, 179) },
        { "bottom", TRect(10, 77, 110, 79), TRect(10, 177, 310, 179) },
        { "left", TRect(1, 10, 3, 78), TRect(1, 10, 3, 178) },
        { "right", TRect(110, 10, 112, 78), TRect(310, 10, 312, 178) },
        { "middle", TRect(30, 30, 40, 40), TRect(30, 30, 40, 40) },
    };
    for (const Case& c : cases)
        AddUserObject(*FSkin, c.name, c.skinRect);
    TForm* form = NewForm(TRect(0, 0, 320, 180));
    TbsSkinForm* skinForm = SkinForm(form, FSkin.get());
    skinForm->CalcSkinRects();
    skinForm->CalcObjectRects();
    for (const Case& c : cases)
        EXPECT_EQ(skinForm->ObjectList.at(std::size_t(skinForm->GetIndex(c.name)))->ObjectRect,
                  c.expected)
            << c.name;
}

TEST_F(SkinnedFrame, CaptionButtonsStandInARowWithoutGaps) {
    FSkin = MakeFrameSkin();
    AddStdButton(*FSkin, "sys", cmSysMenu, TRect(0, 0, 12, 12));
    AddStdButton(*FSkin, "min", cmMinimize, TRect(0, 0, 16, 14));
    AddStdButton(*FSkin, "close", cmClose, TRect(0, 0, 18, 14));
    AddStdButton(*FSkin, "max", cmMaximize, TRect(0, 0, 16, 14));
    TForm* form = NewForm(TRect(0, 0, 320, 180));
    TbsSkinForm* skinForm = SkinForm(form, FSkin.get());
    auto rect = [&](const char* name) {
        return skinForm->ObjectList.at(std::size_t(skinForm->GetIndex(name)))->ObjectRect;
    };
    auto layout = [&] {
        skinForm->CalcSkinRects();
        skinForm->CalcObjectRects();
    };
    // Caption rectangle (4, 2, 316, 22) at this width, offset 2, right to left.
    skinForm->SetBorderIcons(
        { TbsSkinForm::biSystemMenu, TbsSkinForm::biMinimize, TbsSkinForm::biMaximize });
    layout();
    EXPECT_EQ(rect("close"), TRect(298, 2, 316, 16));
    EXPECT_EQ(rect("max"), TRect(280, 2, 296, 16));
    EXPECT_EQ(rect("min"), TRect(262, 2, 278, 16));
    EXPECT_EQ(rect("sys"), TRect(4, 6, 16, 18)) << "at the left, centred in the caption";
    EXPECT_EQ(rect("caption"), TRect(16, 2, 262, 22)) << "between the system button and the row";

    // A button whose icon is off takes no place.
    skinForm->SetBorderIcons({ TbsSkinForm::biSystemMenu, TbsSkinForm::biMinimize });
    layout();
    EXPECT_EQ(rect("min"), TRect(280, 2, 296, 16));

    // Left to right: the system button last.
    FSkin->CapButtonsInLeft = true;
    layout();
    EXPECT_EQ(rect("close"), TRect(4, 2, 22, 16));
    EXPECT_EQ(rect("min"), TRect(24, 2, 40, 16));
    EXPECT_EQ(rect("sys"), TRect(42, 2, 54, 14));
    EXPECT_EQ(rect("caption").Left, 58);

    // A form icon in place of the system button takes the small icon's size.
    FSkin->CapButtonsInLeft = false;
    skinForm->SetShowIcon(true);
    layout();
    const TSize icon = GetSmallIconSize();
    EXPECT_EQ(rect("sys").Width(), icon.cx);
    EXPECT_EQ(rect("sys").Top, 2 + 10 - icon.cy / 2);
}

TEST_F(SkinnedFrame, HitTestAnswersByFormKindAndState) {
    FSkin = MakeFrameSkin();
    struct Probe {
        TPoint at;
        int sizeable, fixed, maximized, rolledUp;
    };
    // At 320 x 180, mask rows 0..2 cut at the corners; border 3 pixels.
    // At 320 x 180: the mask cuts three pixels off the top corners, the border is 3 pixels,
    // the caption spans (4, 2) to (318, 22).
    const Probe probes[] = {
        { TPoint(1, 1), HTTOPLEFT, HTOBJECT, HTOBJECT, HTOBJECT },
        { TPoint(316, 2), HTTOPRIGHT, HTCAPTION, HTCAPTION, HTCAPTION },
        { TPoint(1, 178), HTBOTTOMLEFT, HTOBJECT, HTOBJECT, HTOBJECT },
        { TPoint(318, 178), HTBOTTOMRIGHT, HTOBJECT, HTOBJECT, HTOBJECT },
        { TPoint(160, 1), HTTOP, HTOBJECT, HTOBJECT, HTOBJECT },
        { TPoint(160, 178), HTBOTTOM, HTOBJECT, HTOBJECT, HTOBJECT },
        { TPoint(1, 90), HTLEFT, HTOBJECT, HTOBJECT, HTOBJECT },
        { TPoint(318, 90), HTRIGHT, HTOBJECT, HTOBJECT, HTOBJECT },
        { TPoint(160, 12), HTCAPTION, HTCAPTION, HTCAPTION, HTCAPTION },
        { TPoint(160, 90), HTCLIENT, HTCLIENT, HTCLIENT, HTOBJECT },
        { TPoint(10, 30), HTCLIENT, HTCLIENT, HTCLIENT, HTOBJECT },
    };
    for (const auto& [label, border, state] :
         { std::tuple{ "sizeable", bsSizeable, 0 }, std::tuple{ "fixed", bsSingle, 0 },
           std::tuple{ "maximized", bsSizeable, 1 }, std::tuple{ "rolledUp", bsSingle, 2 } }) {
        TForm* form = NewForm(TRect(0, 0, 320, 180), border);
        TbsSkinForm* skinForm = SkinForm(form, FSkin.get());
        form->HandleNeeded();
        if (state == 1) skinForm->SetWindowState(wsMaximized);
        if (state == 2) skinForm->SetRollUpState(true);
        // The geometry of the 320 x 180 frame, whatever the state did to the form.
        skinForm->FFormWidth = 320;
        skinForm->FFormHeight = 180;
        form->SetBounds(0, 0, 320, 180);
        skinForm->FFormWidth = 320;
        skinForm->FFormHeight = 180;
        skinForm->CalcSkinRects();
        skinForm->CalcObjectRects();
        skinForm->BuildRegion(true);
        for (const Probe& p : probes) {
            const int expected = state == 1             ? p.maximized
                                 : state == 2           ? p.rolledUp
                                 : border == bsSizeable ? p.sizeable
                                                        : p.fixed;
            EXPECT_EQ(skinForm->SkinHitTest(p.at), expected)
                << label << " at " << p.at.X << "," << p.at.Y;
        }
        delete form;
    }
}

TEST_F(SkinnedFrame, NoMaskAndNoBorderWidthMeansNoSizing) {
    FSkin = MakeFrameSkin(false);
    FSkin->BorderW = 0;
    TForm* form = NewForm(TRect(0, 0, 320, 180), bsSizeable);
    TbsSkinForm* skinForm = SkinForm(form, FSkin.get());
    skinForm->CalcSkinRects();
    skinForm->CalcObjectRects();
    for (int y : { 0, 1, 90, 178, 179 })
        for (int x : { 0, 1, 160, 318, 319 }) {
            const int hit = skinForm->SkinHitTest(TPoint(x, y));
            EXPECT_FALSE(hit >= HTLEFT && hit <= HTBOTTOMRIGHT) << x << "," << y << ": " << hit;
        }
    // A border width, without a mask: probes outside the form find the outline.
    FSkin->BorderW = 3;
    EXPECT_EQ(skinForm->SkinHitTest(TPoint(1, 90)), HTLEFT);
    EXPECT_EQ(skinForm->SkinHitTest(TPoint(10, 90)), HTCLIENT);
}

// The number of rectangles a region is made of.
DWORD RegionRectCount(HRGN region) {
    const DWORD size = GetRegionData(region, 0, nullptr);
    std::vector<std::uint32_t> data((size + 3) / 4 + 1);
    auto* header = reinterpret_cast<RGNDATA*>(data.data());
    if (!GetRegionData(region, size, header)) return 0;
    return header->rdh.nCount;
}

TEST_F(SkinnedFrame, WindowRegionIsTheMaskScaledToTheForm) {
    FSkin = MakeFrameSkin();
    TForm* form = NewForm(TRect(0, 0, 320, 180));
    SkinForm(form, FSkin.get());
    form->Show();
    Pump();
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(form->Handle(), region), 0);

    // The window: every pixel but the two slanted corners of three rows.
    for (int y : { 0, 1, 2, 3, 100, 179 })
        for (int x : { 0, 1, 2, 3, 160, 316, 317, 318, 319 }) {
            const bool cut = y < 3 && (x + y < 3 || (319 - x) + y < 3);
            EXPECT_EQ(PtInRegion(region, x, y) != FALSE, !cut) << x << "," << y;
        }
    EXPECT_FALSE(PtInRegion(region, 320, 10));
    EXPECT_FALSE(PtInRegion(region, 10, 180));
    // One band per corner row, and the rest in one piece.
    EXPECT_EQ(RegionRectCount(region), 4u);
    DeleteObject(region);

    // The display shows the same outline.
    const auto* native = FDisplay->Native(form->Handle());
    ASSERT_TRUE(native->FShape);
    EXPECT_FALSE(native->FShape->Contains(0, 0));
    EXPECT_TRUE(native->FShape->Contains(3, 0));
}

TEST_F(SkinnedFrame, MaskPointsOutsideTheStripsAreOffTheWindow) {
    FSkin = MakeFrameSkin();
    TForm* form = NewForm(TRect(0, 0, 320, 180), bsSizeable);
    TbsSkinForm* skinForm = SkinForm(form, FSkin.get());
    form->HandleNeeded();
    skinForm->CalcSkinRects();
    skinForm->BuildRegion(true);
    EXPECT_TRUE(skinForm->IsMaskPoint(TPoint(160, 90))) << "the solid middle";
    EXPECT_TRUE(skinForm->IsMaskPoint(TPoint(3, 0)));
    EXPECT_FALSE(skinForm->IsMaskPoint(TPoint(0, 0)));
    // Probes past the frame read no pixel of any strip.
    for (const TPoint p : { TPoint(-3, 90), TPoint(160, -3), TPoint(323, 90), TPoint(160, 183),
                            TPoint(-3, -3), TPoint(400, 400) })
        EXPECT_FALSE(skinForm->IsMaskPoint(p)) << p.X << "," << p.Y;
}

TEST_F(SkinnedFrame, ClientAreaNeverGoesNegative) {
    FSkin = MakeFrameSkin();
    TForm* form = NewForm(TRect(0, 0, 320, 180));
    SkinForm(form, FSkin.get());
    form->HandleNeeded();
    for (const RECT proposed :
         { RECT{ 10, 10, 12, 14 }, RECT{ 0, 0, 0, 0 }, RECT{ 0, 0, 300, 20 } }) {
        RECT r = proposed;
        Send(form, WM_NCCALCSIZE, FALSE, LPARAM(&r));
        EXPECT_GE(r.right - r.left, 0);
        EXPECT_GE(r.bottom - r.top, 0);
    }
    RECT r{ 0, 0, 320, 180 };
    Send(form, WM_NCCALCSIZE, FALSE, LPARAM(&r));
    EXPECT_EQ(r, (RECT{ 4, 24, 316, 176 }));
}

TEST_F(SkinnedFrame, BackgroundPictureIndexesOutOfRangePaintTheFramePicturesClient) {
    FSkin = MakeFrameSkin();
    TForm* form = NewForm(TRect(0, 0, 320, 180));
    SkinForm(form, FSkin.get());
    form->HandleNeeded();
    const int tileWidth = TFrameSkin::kClient.Width();
    for (int index : { -1, 1, 99, -7 }) {
        FSkin->BGPictureIndex = index;
        TBitmap target(312, 152);
        Send(form, WM_ERASEBKGND, WPARAM(target.Canvas().Handle()));
        // Tiled from the client part of the frame picture, as without a background picture.
        EXPECT_EQ(RgbAt(target, 0, 0), FramePixel(4, 24)) << index;
        EXPECT_EQ(RgbAt(target, tileWidth + 5, 7), FramePixel(4 + 5, 24 + 7)) << index;
    }
    // A valid one is tiled itself.
    auto picture = std::make_unique<TBitmap>(10, 10);
    picture->Canvas().Brush().SetColor(clRed);
    picture->Canvas().FillRect(TRect(0, 0, 10, 10));
    FSkin->BGPictureIndex = AddPicture(*FSkin, std::move(picture));
    TBitmap target(312, 152);
    Send(form, WM_ERASEBKGND, WPARAM(target.Canvas().Handle()));
    EXPECT_EQ(RgbAt(target, 25, 33), 0xFF0000u);
}

TEST_F(SkinnedFrame, LogoStandsCentredOnTheBackgroundAndNeverAboveOrLeftOfIt) {
    FSkin = MakeFrameSkin();
    TForm* form = NewForm(TRect(0, 0, 320, 180)); // client 312 x 152
    TbsSkinForm* skinForm = SkinForm(form, FSkin.get());
    form->HandleNeeded();
    struct Case {
        TSize logo;
        TPoint at;
    };
    const Case cases[] = {
        { TSize(20, 10), TPoint(146, 71) },
        { TSize(21, 11), TPoint(146, 71) }, // div truncates
        { TSize(400, 10), TPoint(0, 71) },  // wider than the client: from its left edge
        { TSize(10, 200), TPoint(151, 0) },
    };
    for (const Case& c : cases) {
        TBitmap logo(c.logo.cx, c.logo.cy);
        logo.Canvas().Brush().SetColor(clLime);
        logo.Canvas().FillRect(TRect(0, 0, c.logo.cx, c.logo.cy));
        logo.Canvas().SetPixels(0, 0, clRed); // marks the logo's top-left corner
        skinForm->SetLogoBitMap(logo);
        TBitmap target(312, 152);
        Send(form, WM_ERASEBKGND, WPARAM(target.Canvas().Handle()));
        EXPECT_EQ(RgbAt(target, c.at.X, c.at.Y), 0xFF0000u) << c.logo.cx << "x" << c.logo.cy;
        EXPECT_EQ(RgbAt(target, c.at.X + 1, c.at.Y + 1), 0x00FF00u);
        if (c.at.X > 0) {
            EXPECT_EQ(RgbAt(target, c.at.X - 1, c.at.Y),
                      FramePixel(4 + (c.at.X - 1) % 112, 24 + c.at.Y % 52))
                << "the background left of it";
        }
        if (c.at.Y > 0) {
            EXPECT_EQ(RgbAt(target, c.at.X, c.at.Y - 1),
                      FramePixel(4 + c.at.X % 112, 24 + (c.at.Y - 1) % 52))
                << "the background above it";
        }
    }
}

TEST_F(SkinnedFrame, MDIClientWindowHasNoFrameAndTheSkinsBackground) {
    FSkin = MakeFrameSkin();
    TForm* form = NewForm(TRect(0, 0, 320, 180));
    TbsSkinForm* skinForm = SkinForm(form, FSkin.get());
    form->HandleNeeded();
    std::vector<UINT> passedOn;
    const TWndMethod previous = [&](TMessage& m) {
        passedOn.push_back(m.Msg);
        m.Result = 7;
    };
    struct Case {
        UINT msg;
        LRESULT result;
        bool passed;
    };
    const Case cases[] = {
        { WM_NCCALCSIZE, 0, false }, { WM_NCPAINT, 0, false }, { WM_NCACTIVATE, 1, false },
        { WM_SIZE, 7, true },        { WM_USER + 5, 7, true },
    };
    for (const Case& c : cases) {
        passedOn.clear();
        TMessage m{ c.msg, 0, 0, 0 };
        skinForm->ClientWindowProc(form->Handle(), m, previous);
        EXPECT_EQ(m.Result, c.result) << c.msg;
        EXPECT_EQ(passedOn.size(), c.passed ? 1u : 0u) << c.msg;
    }

    // The background: the MDI picture when the skin names one it has, else the frame's client.
    auto picture = std::make_unique<TBitmap>(10, 10);
    picture->Canvas().Brush().SetColor(clBlue);
    picture->Canvas().FillRect(TRect(0, 0, 10, 10));
    const int blue = AddPicture(*FSkin, std::move(picture));
    for (int index : { blue, 42, -1 }) {
        FSkin->MDIBGPictureIndex = index;
        TBitmap target(312, 152);
        TMessage m{ WM_ERASEBKGND, WPARAM(target.Canvas().Handle()), 0, 0 };
        passedOn.clear();
        skinForm->ClientWindowProc(form->Handle(), m, previous);
        EXPECT_TRUE(passedOn.empty());
        EXPECT_EQ(RgbAt(target, 30, 40), index == blue ? 0x0000FFu : FramePixel(4 + 30, 24 + 40))
            << index;
    }
}

TEST_F(SkinnedFrame, MalformedSkinsFrameTheFormWithoutHarm) {
    struct Case {
        const char* name;
        std::function<void(TbsSkinData&)> spoil;
    };
    const Case cases[] = {
        { "small mask", [](TbsSkinData& s) { s.FMask.SetSize(30, 10); } },
        { "picture indexes",
          [](TbsSkinData& s) {
              s.BGPictureIndex = 42;
              s.MDIBGPictureIndex = -9;
              AddStdButton(s, "bad", cmClose, TRect(0, 0, 16, 14)).ActivePictureIndex = 7;
          } },
        { "zero-size rectangles",
          [](TbsSkinData& s) {
              s.ClRect = TRect(50, 50, 50, 50);
              s.CaptionRect = TRect();
              s.MaskRectArea = TRect(10, 10, 5, 5);
              AddStdButton(s, "empty", cmMaximize, TRect(3, 3, 3, 3));
          } },
        { "corners outside",
          [](TbsSkinData& s) {
              s.LTPoint = TPoint(500, -4);
              s.RBPoint = TPoint(-20, 900);
              s.HitTestRBPoint = TPoint(-1, -1);
          } },
        { "empty picture", [](TbsSkinData& s) { s.FPicture.SetSize(0, 0); } },
    };
    for (const Case& c : cases) {
        FSkin = MakeFrameSkin();
        c.spoil(*FSkin);
        TForm* form = NewForm(TRect(20, 20, 340, 200), bsSizeable);
        TbsSkinForm* skinForm = SkinForm(form, FSkin.get());
        form->Show();
        Pump();
        for (int y = -2; y < 184; y += 7)
            for (int x = -2; x < 324; x += 9)
                skinForm->SkinHitTest(TPoint(x, y));
        form->SetBounds(20, 20, 500, 400);
        TBitmap target(500, 400);
        Send(form, WM_SKINFRAMEPAINT, WPARAM(target.Canvas().Handle()));
        Send(form, WM_ERASEBKGND, WPARAM(target.Canvas().Handle()));
        Pump();
        SUCCEED() << c.name;
        delete form;
        FSkin.reset();
    }
}

// A red box on the client area.
class TRedBox : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

protected:
    void Paint() override {
        Canvas().Brush().SetColor(clRed);
        Canvas().FillRect(TRect(0, 0, Width(), Height()));
    }
};

TEST_F(SkinnedFrame, InactiveClientShowsTheClientUnderAVeilOfTheBackground) {
    FSkin = MakeFrameSkin();
    TForm* form = NewForm(TRect(0, 0, 320, 180));
    TbsSkinForm* skinForm = SkinForm(form, FSkin.get());
    skinForm->SetClientInActiveEffect(true);
    auto* box = new TRedBox(form);
    box->SetParent(form);
    box->SetBounds(10, 10, 50, 30);
    form->Show();
    Pump();
    TForm* other = NewForm(TRect(400, 400, 600, 500));
    other->Show();
    Pump();
    ASSERT_FALSE(skinForm->GetFormActive());
    TbsClientInActivePanel* panel = nullptr;
    for (int i = 0; i < skinForm->ComponentCount(); ++i)
        if (auto* p = dynamic_cast<TbsClientInActivePanel*>(skinForm->Components(i))) panel = p;
    ASSERT_NE(panel, nullptr);
    ASSERT_NE(panel->Buffer(), nullptr);
    EXPECT_TRUE(panel->Visible());
    EXPECT_EQ(panel->BoundsRect(), TRect(0, 0, form->ClientWidth(), form->ClientHeight()));
    // Over the red box: the background (the frame picture's client, tiled) at 170 over red.
    const TbsColor shown = panel->Buffer()->Pixel(20, 20);
    const std::uint32_t veil = FramePixel(4 + 20, 24 + 20);
    auto channel = [](std::uint32_t c, int shift) { return int(c >> shift & 0xFF); };
    for (int shift : { 16, 8, 0 }) {
        const int expected = (channel(veil, shift) * 170 + channel(0xFF0000, shift) * 85) / 256;
        EXPECT_NEAR(channel(shown, shift), expected, 2) << shift;
    }
    form->Show(); // active again: the panel goes
    Pump();
    for (int i = 0; i < skinForm->ComponentCount(); ++i)
        EXPECT_EQ(dynamic_cast<TbsClientInActivePanel*>(skinForm->Components(i)), nullptr);
}

TEST_F(SkinnedFrame, ProgramSkinFramesAFormActiveAndInactive) {
    FSkin = LoadProgramSkin("main");
    ASSERT_FALSE(FSkin->Empty);
    TForm* form = NewForm(TRect(40, 30, 400, 270));
    form->SetCaption("Skinned");
    SkinForm(form, FSkin.get());
    form->Show();
    Pump();
    const gfx::Surface active = Shown(form);
    ASSERT_EQ(active.Width(), 360);
    menustest::ExpectMatchesGolden(active, "lib/frame/ProgramSkinActive_golden.png");

    TForm* other = NewForm(TRect(600, 600, 800, 700));
    other->Show();
    Pump();
    ASSERT_FALSE(FindSkinForm(form)->GetFormActive());
    menustest::ExpectMatchesGolden(Shown(form), "lib/frame/ProgramSkinInactive_golden.png");

    // The skin has no mask: the window is its rectangle.
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(form->Handle(), region), 0);
    EXPECT_EQ(RegionRectCount(region), 1u);
    RECT box;
    GetRgnBox(region, &box);
    EXPECT_EQ(box, (RECT{ 0, 0, 360, 240 }));
    DeleteObject(region);
}

} // namespace
} // namespace frametest
