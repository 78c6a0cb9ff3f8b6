#include "FrameFixture.h"

#include "lib/frame/TbsFormLayerBorder.h"
#include "lib/skindraw/TbsBitmap.h"
#include "platform/win/WindowApi.h"
#include "platform/win/WindowStyles.h"
#include "tests/lib/menus/MenuFixture.h"

namespace frametest {
namespace {

using namespace win;

using LayerBorder = FrameTest;

class LayerBorderForm : public LayerBorder {
protected:
    TbsSkinForm* Make(bool hitTest = false, TFormBorderStyle border = bsSizeable) {
        FSkin = MakeFrameSkin();
        AddLayerFrame(*FSkin, hitTest);
        FForm = NewForm(TRect(100, 100, 500, 400), border);
        TbsSkinForm* skin = SkinForm(FForm, FSkin.get());
        FForm->Show();
        Pump();
        return skin;
    }
    TRect WindowRect(TbsFormLayerBorderType type) {
        TbsFormLayerWindow* window = FindSkinForm(FForm)->LayerBorder().Window(type);
        if (!window) return TRect();
        RECT r{};
        GetWindowRect(window->Handle(), &r);
        return TRect(r.left, r.top, r.right, r.bottom);
    }
    TForm* FForm{ nullptr };
};

TEST_F(LayerBorderForm, FourWindowsSurroundTheFormAndFollowIt) {
    TbsSkinForm* skin = Make();
    TbsFormLayerBorder& border = skin->LayerBorder();
    ASSERT_TRUE(border.Loaded());
    ASSERT_TRUE(border.FVisible);
    EXPECT_EQ(border.OuterRect(FForm->BoundsRect()).TopLeft(), TPoint(66, 69));
    // Outer size: 400 + 200 - 133 by 300 + 176 - 113.
    EXPECT_EQ(WindowRect(bsflTop), TRect(66, 69, 66 + 467, 69 + 43));
    EXPECT_EQ(WindowRect(bsflBottom), TRect(66, 69 + 363 - 43, 66 + 467, 69 + 363));
    EXPECT_EQ(WindowRect(bsflLeft), TRect(66, 112, 100, 112 + 277));
    EXPECT_EQ(WindowRect(bsflRight), TRect(66 + 467 - 33, 112, 66 + 467, 112 + 277));

    FForm->SetBounds(300, 200, 400, 300);
    Pump();
    EXPECT_EQ(WindowRect(bsflTop).TopLeft(), TPoint(266, 169)) << "moved with the form";
    FForm->SetBounds(300, 200, 500, 350);
    Pump();
    EXPECT_EQ(WindowRect(bsflTop), TRect(266, 169, 266 + 567, 169 + 43)) << "sized with it";
    EXPECT_EQ(WindowRect(bsflLeft).Height(), 350 + 63 - 86);

    FForm->Hide();
    Pump();
    EXPECT_FALSE(border.FVisible);
    EXPECT_EQ(border.Window(bsflTop), nullptr);
}

TEST_F(LayerBorderForm, SidesAreThreePiecesAcrossAndTiledDown) {
    TbsSkinForm* skin = Make();
    TbsFormLayerBorder& border = skin->LayerBorder();
    const TbsBitmap& top = *border.Image(bsflTop);
    const TbsBitmap& bottom = *border.Image(bsflBottom);
    const TbsBitmap& left = *border.Image(bsflLeft);
    auto rgb = [](TbsColor c) { return c & 0xFFFFFF; };
    const int aw = top.Width();
    EXPECT_EQ(rgb(top.Pixel(10, 20)), LayerPixel(10, 20)) << "left piece as it is";
    EXPECT_EQ(rgb(top.Pixel(aw - 1, 20)), LayerPixel(kSW - 1, 20)) << "right piece at the end";
    EXPECT_EQ(rgb(top.Pixel(aw - (kSW - 158), 5)), LayerPixel(158, 5));
    const std::uint32_t middle = rgb(top.Pixel(aw / 2, 5)) >> 16;
    EXPECT_GE(int(middle), 46);
    EXPECT_LT(int(middle), 158) << "the middle stretched from the middle piece";
    EXPECT_EQ(rgb(bottom.Pixel(5, 10)), LayerPixel(5, 133 + 10));
    // The left slice is rows 43..133, 90 high, tiled.
    EXPECT_EQ(rgb(left.Pixel(3, 0)), LayerPixel(3, 43));
    EXPECT_EQ(rgb(left.Pixel(3, 95)), LayerPixel(3, 43 + 5));
    EXPECT_EQ(top.Pixel(0, 0) >> 24, 0u) << "alpha from the mask";
    EXPECT_EQ(top.Pixel(20, 20) >> 24, 160u);
}

TEST_F(LayerBorderForm, OpacityFollowsTheFormAndActivation) {
    TbsSkinForm* skin = Make();
    TbsFormLayerBorder& border = skin->LayerBorder();
    FSkin->LayerFrame.InActiveAlphaBlendValue = 200;
    border.InitFrame(FSkin.get(), FForm);
    struct TCase {
        int FormAlpha;
        bool Active;
        int Alpha;
    };
    for (const TCase& c : { TCase{ 255, true, 255 }, TCase{ 128, true, 128 },
                            TCase{ 128, false, 100 }, TCase{ 0, true, 0 } }) {
        border.CheckFormAlpha(c.FormAlpha, true);
        border.SetActive(c.Active, false);
        EXPECT_EQ(border.CurrentAlpha(), c.Alpha) << c.FormAlpha << " " << c.Active;
    }
}

TEST_F(LayerBorderForm, WithoutASizingBandThePointerPassesThroughAndNothingSizes) {
    TbsSkinForm* skin = Make();
    TbsFormLayerBorder& border = skin->LayerBorder();
    const LONG ex = GetWindowLong(border.Window(bsflTop)->Handle(), GWL_EXSTYLE);
    EXPECT_TRUE(ex & WS_EX_TRANSPARENT);
    EXPECT_TRUE(ex & WS_EX_LAYERED);
    EXPECT_FALSE(border.CanResizeByBorder());
    EXPECT_EQ(border.LeftSize() + border.TopSize() + border.RightSize() + border.BottomSize(), 0);
}

TEST_F(LayerBorderForm, SideWindowsAreLayersOfTheDesktop) {
    TbsSkinForm* skin = Make();
    for (auto type : { bsflLeft, bsflTop, bsflRight, bsflBottom }) {
        const HWND hwnd = skin->LayerBorder().Window(type)->Handle();
        EXPECT_EQ(GetWindowPopupKind(hwnd), PopupKind::Layer) << type;
        EXPECT_EQ(FDisplay->Native(hwnd)->FPopupKind, PopupKind::Layer) << type;
    }
}

TEST_F(LayerBorderForm, WithoutACompositorTheFormShowsNoBorder) {
    FDisplay->SetCompositor(false);
    TbsSkinForm* skin = Make();
    EXPECT_FALSE(skin->LayerBorder().FVisible);
    EXPECT_EQ(skin->LayerBorder().Window(bsflTop), nullptr);
    EXPECT_TRUE(FForm->Visible());
}

TEST_F(LayerBorderForm, HitZonesOfTheSideWindows) {
    TbsSkinForm* skin = Make(true);
    TbsFormLayerBorder& border = skin->LayerBorder();
    EXPECT_FALSE(GetWindowLong(border.Window(bsflTop)->Handle(), GWL_EXSTYLE) & WS_EX_TRANSPARENT);
    // The form is (100, 100, 500, 400); a band of 10 on each side.
    struct TCase {
        TbsFormLayerBorderType Window;
        TPoint P;
        TbsFormLayerBorderHit Hit;
    };
    const TCase cases[] = {
        { bsflTop, TPoint(95, 95), bsflhTopLeft },
        { bsflTop, TPoint(300, 92), bsflhTop },
        { bsflTop, TPoint(505, 95), bsflhTopRight },
        { bsflTop, TPoint(300, 80), bsflhNone },
        { bsflTop, TPoint(95, 101), bsflhTopLeft },
        { bsflTop, TPoint(95, 104), bsflhLeft },
        { bsflLeft, TPoint(92, 200), bsflhLeft },
        { bsflLeft, TPoint(85, 200), bsflhNone },
        { bsflRight, TPoint(509, 200), bsflhRight },
        { bsflRight, TPoint(511, 200), bsflhNone },
        { bsflBottom, TPoint(300, 405), bsflhBottom },
        { bsflBottom, TPoint(95, 398), bsflhBottomLeft },
        { bsflBottom, TPoint(505, 405), bsflhBottomRight },
        { bsflBottom, TPoint(300, 411), bsflhNone },
    };
    for (const TCase& c : cases)
        EXPECT_EQ(border.GetHitZone(c.Window, c.P), c.Hit)
            << c.Window << " " << c.P.X << "," << c.P.Y;
}

TEST_F(LayerBorderForm, SizingStepsKeepTheLimitsAndTheStates) {
    TbsSkinForm* skin = Make(true);
    TbsFormLayerBorder& border = skin->LayerBorder();
    ASSERT_TRUE(border.CanResizeByBorder());
    EXPECT_TRUE(border.ResizeStep(bsflhLeft, 50, 0));
    EXPECT_EQ(FForm->BoundsRect(), TRect(150, 100, 500, 400));
    // Narrower than the frame's minimum (the frame picture's 120): dropped whole.
    EXPECT_FALSE(border.ResizeStep(bsflhLeft, 300, 0));
    EXPECT_EQ(FForm->BoundsRect(), TRect(150, 100, 500, 400));
    EXPECT_TRUE(border.ResizeStep(bsflhBottomRight, 20, 10));
    EXPECT_EQ(FForm->BoundsRect(), TRect(150, 100, 520, 410));
    EXPECT_FALSE(border.ResizeStep(bsflhTopLeft, 0, 0));

    skin->SetRollUpState(true);
    EXPECT_FALSE(border.CanResizeByBorder()) << "rolled up";
    skin->SetRollUpState(false);
    skin->SetWindowState(wsMaximized);
    EXPECT_FALSE(border.CanResizeByBorder()) << "maximized";
}

TEST_F(LayerBorder, UnusablePictureOrMaskGivesNoBorder) {
    for (int which = 0; which < 3; ++which) {
        FSkin = MakeFrameSkin();
        AddLayerFrame(*FSkin, false);
        if (which == 0) FSkin->LayerFrame.PictureIndex = 99;
        if (which == 1) FSkin->LayerFrame.MaskPictureIndex = 99;
        if (which == 2) FSkin->LayerFrame.MaskPictureIndex = 0; // a mask of another size
        TForm* form = NewForm(TRect(100, 100, 500, 400), bsSizeable);
        TbsSkinForm* skin = SkinForm(form, FSkin.get());
        form->Show();
        Pump();
        EXPECT_FALSE(skin->LayerBorder().Loaded()) << which;
        EXPECT_FALSE(skin->LayerBorder().FVisible) << which;
        delete form;
    }
}

TEST_F(LayerBorder, ProgramSkinShowsItsShadowAroundTheMainFormWithoutSizing) {
    FSkin = LoadProgramSkin("main");
    ASSERT_TRUE(FSkin->ShowLayeredBorders());
    // A light window behind, for the shadow to fall on.
    FMain->SetColor(clWhite);
    FMain->SetBounds(0, 0, 700, 600);
    FMain->Show();
    TForm* form = NewForm(TRect(100, 100, 500, 400), bsSizeable);
    form->SetCaption("Converter");
    TbsSkinForm* skin = SkinForm(form, FSkin.get());
    form->Show();
    Wait(1000); // the form's fade-in, which the border follows
    TbsFormLayerBorder& border = skin->LayerBorder();
    ASSERT_TRUE(border.FVisible);
    EXPECT_EQ(border.CurrentAlpha(), 255);
    EXPECT_TRUE(GetWindowLong(border.Window(bsflTop)->Handle(), GWL_EXSTYLE) & WS_EX_TRANSPARENT);
    EXPECT_FALSE(border.CanResizeByBorder());

    // The screen around the form: the shadow's soft edge over the window behind.
    const gfx::Surface screen = FDisplay->ComposeScreen();
    gfx::Surface around(480, 380);
    for (int y = 0; y < around.Height(); ++y)
        for (int x = 0; x < around.Width(); ++x)
            around.Set(x, y, screen.At(60 + x, 60 + y));
    menustest::ExpectMatchesGolden(around, "lib/frame/ProgramSkinLayerBorder_golden.png");
}

} // namespace
} // namespace frametest
