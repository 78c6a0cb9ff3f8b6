#include "GdiTestCanvas.h"
#include "platform/gfx/DcStateSaver.h"

#include <gtest/gtest.h>
#include <stdexcept>

using namespace win;

namespace {

// Selects a pen and brush for one test and restores the DC afterwards.
struct Tools {
    Tools(HDC dc, HPEN pen, HBRUSH brush) : FDc(dc), FPen(pen), FBrush(brush) {
        FOldPen = SelectObject(dc, pen);
        FOldBrush = SelectObject(dc, brush);
    }
    ~Tools() {
        SelectObject(FDc, FOldPen);
        SelectObject(FDc, FOldBrush);
        DeleteObject(FPen);
        DeleteObject(FBrush);
    }
    HDC FDc;
    HPEN FPen;
    HBRUSH FBrush;
    HGDIOBJ FOldPen;
    HGDIOBJ FOldBrush;
};

} // namespace

TEST(DeviceContext, LinesLeaveOutTheirEndPoint) {
    GdiTestCanvas c(7, 5);
    MoveToEx(c.Dc(), 1, 1, nullptr);
    LineTo(c.Dc(), 5, 1);
    LineTo(c.Dc(), 5, 4);
    POINT p;
    GetCurrentPositionEx(c.Dc(), &p);
    EXPECT_EQ(p, (POINT{ 5, 4 }));
    const POINT diagonal[] = { { 0, 4 }, { 3, 1 } };
    Polyline(c.Dc(), diagonal, 2);
    EXPECT_EQ(c.Picture(kInk), Rows({ ".......", ".#####.", "..#..#.", ".#...#.", "#......" }));
}

TEST(DeviceContext, DashedPenFillsGapsOnlyWhenOpaque) {
    for (int mode : { OPAQUE, TRANSPARENT }) {
        GdiTestCanvas c(10, 1);
        Tools tools(c.Dc(), CreatePen(PS_DOT, 1, kBlack), CreateSolidBrush(kWhite));
        SetBkColor(c.Dc(), kRed);
        SetBkMode(c.Dc(), mode);
        MoveToEx(c.Dc(), 0, 0, nullptr);
        LineTo(c.Dc(), 10, 0);
        EXPECT_EQ(c.Picture(kInk), mode == OPAQUE ? "###rrr###r\n" : "###...###.\n");
    }
}

TEST(DeviceContext, ShapesFillInsideTheirPen) {
    struct Case {
        const char* name;
        void (*draw)(HDC);
        std::string expected;
    };
    const Case cases[] = {
        { "Rectangle", [](HDC dc) { Rectangle(dc, 1, 1, 6, 5); },
          Rows({ ".......", ".#####.", ".#rrr#.", ".#rrr#.", ".#####.", "......." }) },
        { "Ellipse", [](HDC dc) { Ellipse(dc, 0, 0, 7, 6); },
          Rows({ "..###..", "##rrr##", "#rrrrr#", "#rrrrr#", "##rrr##", "..###.." }) },
        { "RoundRect", [](HDC dc) { RoundRect(dc, 0, 0, 7, 6, 4, 4); },
          Rows({ ".#####.", "#rrrrr#", "#rrrrr#", "#rrrrr#", "#rrrrr#", ".#####." }) },
        { "Polygon",
          [](HDC dc) {
              const POINT pts[] = { { 0, 0 }, { 6, 0 }, { 6, 5 }, { 0, 5 } };
              Polygon(dc, pts, 4);
          },
          Rows({ "#######", "#rrrrr#", "#rrrrr#", "#rrrrr#", "#rrrrr#", "#######" }) },
    };
    for (const Case& k : cases) {
        GdiTestCanvas c(7, 6);
        Tools tools(c.Dc(), CreatePen(PS_SOLID, 1, kBlack), CreateSolidBrush(kRed));
        k.draw(c.Dc());
        EXPECT_EQ(c.Picture(kInk), k.expected) << k.name;
    }
}

TEST(DeviceContext, NullPenShapesAreOnePixelSmaller) {
    GdiTestCanvas c(5, 4);
    HGDIOBJ oldPen = SelectObject(c.Dc(), GetStockObject(NULL_PEN));
    HGDIOBJ oldBrush = SelectObject(c.Dc(), GetStockObject(BLACK_BRUSH));
    Rectangle(c.Dc(), 0, 0, 4, 3);
    EXPECT_EQ(c.Picture(kInk), Rows({ "###..", "###..", ".....", "....." }));
    SelectObject(c.Dc(), GetStockObject(NULL_BRUSH));
    SelectObject(c.Dc(), GetStockObject(BLACK_PEN));
    c.Clear(kWhite);
    SetPixel(c.Dc(), 2, 1, kRed);
    Rectangle(c.Dc(), 0, 0, 5, 4);
    EXPECT_EQ(c.Picture(kInk), Rows({ "#####", "#.r.#", "#...#", "#####" }))
        << "a hollow brush leaves the inside alone";
    SelectObject(c.Dc(), oldPen);
    SelectObject(c.Dc(), oldBrush);
}

TEST(DeviceContext, FillFrameAndInvert) {
    GdiTestCanvas c(6, 5);
    HBRUSH red = CreateSolidBrush(kRed);
    const RECT outer{ 0, 0, 6, 5 };
    const RECT inner{ 1, 1, 5, 4 };
    FrameRect(c.Dc(), &outer, red);
    FillRect(c.Dc(), &inner, HBRUSH(GetStockObject(BLACK_BRUSH)));
    const RECT band{ 0, 2, 6, 3 };
    InvertRect(c.Dc(), &band);
    EXPECT_EQ(GetPixel(c.Dc(), 0, 2), RGB(0, 255, 255));
    EXPECT_EQ(GetPixel(c.Dc(), 2, 2), kWhite);
    EXPECT_EQ(GetPixel(c.Dc(), 2, 1), kBlack);
    EXPECT_EQ(GetPixel(c.Dc(), 5, 4), kRed);
    // A system colour index + 1 stands for that colour's brush.
    FillRect(c.Dc(), &inner, reinterpret_cast<HBRUSH>(std::uintptr_t(COLOR_HIGHLIGHT + 1)));
    EXPECT_EQ(GetPixel(c.Dc(), 2, 2), GetSysColor(COLOR_HIGHLIGHT));
    DeleteObject(red);
}

TEST(DeviceContext, FocusRectangleIsDottedAndUndoneByASecondCall) {
    GdiTestCanvas c(6, 4);
    const RECT r{ 0, 0, 6, 4 };
    DrawFocusRect(c.Dc(), &r);
    EXPECT_EQ(c.Picture(kInk), Rows({ "#.#.#.", ".....#", "#.....", ".#.#.#" }));
    DrawFocusRect(c.Dc(), &r);
    EXPECT_EQ(c.Picture(kInk), Rows({ "......", "......", "......", "......" }));
}

TEST(DeviceContext, DrawEdgeUsesTheThreeDColoursAndAdjusts) {
    // BTNFACE and 3DLIGHT are the same grey in the classic scheme: both show as 'l'.
    const std::map<COLORREF, char> legend = { { GetSysColor(COLOR_3DLIGHT), 'l' },
                                              { GetSysColor(COLOR_BTNHIGHLIGHT), 'h' },
                                              { GetSysColor(COLOR_BTNSHADOW), 's' },
                                              { GetSysColor(COLOR_3DDKSHADOW), 'd' },
                                              { kBlack, '#' } };
    struct Case {
        UINT edge;
        UINT flags;
        std::string expected;
        RECT after;
    };
    const Case cases[] = {
        { EDGE_RAISED,
          BF_RECT | BF_ADJUST,
          Rows({ "llllld", "lhhhsd", "lh##sd", "lssssd", "dddddd" }),
          { 2, 2, 4, 3 } },
        { EDGE_SUNKEN,
          BF_RECT | BF_MIDDLE,
          Rows({ "sssssh", "sdddlh", "sdlllh", "sllllh", "hhhhhh" }),
          { 0, 0, 6, 5 } },
        { BDR_RAISEDINNER,
          BF_TOPLEFT | BF_ADJUST,
          Rows({ "hhhhh#", "h#####", "h#####", "h#####", "######" }),
          { 1, 1, 6, 5 } },
        { EDGE_RAISED,
          BF_RECT | BF_SOFT,
          Rows({ "hhhhhd", "hlllsd", "hl##sd", "hssssd", "dddddd" }),
          { 0, 0, 6, 5 } },
        { EDGE_RAISED,
          BF_RECT | BF_FLAT,
          Rows({ "ssssss", "slllls", "sl##ls", "slllls", "ssssss" }),
          { 0, 0, 6, 5 } },
    };
    for (const Case& k : cases) {
        GdiTestCanvas c(6, 5, kBlack);
        RECT r{ 0, 0, 6, 5 };
        EXPECT_TRUE(DrawEdge(c.Dc(), &r, k.edge, k.flags));
        EXPECT_EQ(c.Picture(legend), k.expected) << std::hex << k.edge << " " << k.flags;
        EXPECT_EQ(r, k.after) << std::hex << k.edge << " " << k.flags;
    }
}

TEST(DeviceContext, ClipCallsWorkInDeviceCoordinates) {
    GdiTestCanvas c(6, 4);
    HBRUSH black = HBRUSH(GetStockObject(BLACK_BRUSH));
    const RECT all{ 0, 0, 6, 4 };
    EXPECT_EQ(IntersectClipRect(c.Dc(), 1, 0, 5, 4), SIMPLEREGION);
    EXPECT_EQ(ExcludeClipRect(c.Dc(), 2, 1, 4, 3), COMPLEXREGION);
    RECT box;
    EXPECT_EQ(GetClipBox(c.Dc(), &box), COMPLEXREGION);
    EXPECT_EQ(box, (RECT{ 1, 0, 5, 4 }));
    FillRect(c.Dc(), &all, black);
    EXPECT_EQ(c.Picture(kInk), Rows({ ".####.", ".#..#.", ".#..#.", ".####." }));
    EXPECT_EQ(GetPixel(c.Dc(), 0, 0), CLR_INVALID) << "outside the clip";

    // The viewport origin moves drawing but not the clip region.
    c.Clear(kWhite);
    SetViewportOrgEx(c.Dc(), 2, 0, nullptr);
    const RECT left{ 0, 0, 2, 4 };
    FillRect(c.Dc(), &left, black);
    EXPECT_EQ(c.Picture(kInk), Rows({ "..##..", "......", "......", "..##.." }));
    EXPECT_EQ(GetClipBox(c.Dc(), &box), COMPLEXREGION);
    EXPECT_EQ(box, (RECT{ -1, 0, 3, 4 })) << "the clip box is reported in logical units";

    HRGN probe = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetClipRgn(c.Dc(), probe), 1);
    EXPECT_FALSE(PtInRegion(probe, 2, 1));
    EXPECT_TRUE(PtInRegion(probe, 1, 1));
    EXPECT_EQ(SelectClipRgn(c.Dc(), nullptr), SIMPLEREGION);
    EXPECT_EQ(GetClipRgn(c.Dc(), probe), 0) << "no clip region any more";
    DeleteObject(probe);
}

TEST(DeviceContext, WindowAndViewportOriginsCombine) {
    GdiTestCanvas c(5, 3);
    SetWindowOrgEx(c.Dc(), 10, 10, nullptr);
    OffsetViewportOrgEx(c.Dc(), 1, 1, nullptr);
    SetPixel(c.Dc(), 12, 10, kBlack); // device (3, 1)
    EXPECT_EQ(c.Picture(kInk), Rows({ ".....", "...#.", "....." }));
    POINT p{ 12, 10 };
    LPtoDP(c.Dc(), &p, 1);
    EXPECT_EQ(p, (POINT{ 3, 1 }));
    DPtoLP(c.Dc(), &p, 1);
    EXPECT_EQ(p, (POINT{ 12, 10 }));
}

TEST(DeviceContext, SaveAndRestoreBringBackEverything) {
    GdiTestCanvas c(4, 1);
    HBRUSH red = CreateSolidBrush(kRed);
    const int first = SaveDC(c.Dc());
    SetTextColor(c.Dc(), kRed);
    SetBkMode(c.Dc(), TRANSPARENT);
    SetViewportOrgEx(c.Dc(), 3, 0, nullptr);
    IntersectClipRect(c.Dc(), 0, 0, 1, 1);
    HGDIOBJ old = SelectObject(c.Dc(), red);
    EXPECT_EQ(SaveDC(c.Dc()), first + 1);
    SetTextColor(c.Dc(), kBlue);
    EXPECT_TRUE(RestoreDC(c.Dc(), -1));
    EXPECT_EQ(GetTextColor(c.Dc()), kRed);
    EXPECT_FALSE(DeleteObject(red)) << "still selected after the restore";
    EXPECT_TRUE(RestoreDC(c.Dc(), first));
    EXPECT_EQ(GetTextColor(c.Dc()), kBlack);
    EXPECT_EQ(GetBkMode(c.Dc()), OPAQUE);
    EXPECT_EQ(GetCurrentObject(c.Dc(), OBJ_BRUSH), old);
    POINT origin;
    GetViewportOrgEx(c.Dc(), &origin);
    EXPECT_EQ(origin, (POINT{ 0, 0 }));
    const RECT all{ 0, 0, 4, 1 };
    FillRect(c.Dc(), &all, HBRUSH(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(c.Picture(kInk), "####\n") << "the clip region is gone too";
    EXPECT_FALSE(RestoreDC(c.Dc(), 1)) << "the level was consumed";
    EXPECT_TRUE(DeleteObject(red));
}

TEST(DeviceContext, StateSaverRestoresWhenAnExceptionLeavesItsScope) {
    GdiTestCanvas c(4, 1);
    try {
        const gfx::DcStateSaver saved(c.Dc());
        SetViewportOrgEx(c.Dc(), 3, 0, nullptr);
        IntersectClipRect(c.Dc(), 0, 0, 1, 1);
        SetTextColor(c.Dc(), kRed);
        SaveDC(c.Dc()); // a level the painting forgot to restore
        throw std::runtime_error("painting failed");
    } catch (const std::runtime_error&) {}
    POINT origin;
    GetViewportOrgEx(c.Dc(), &origin);
    EXPECT_EQ(origin, (POINT{ 0, 0 }));
    EXPECT_EQ(GetTextColor(c.Dc()), kBlack);
    const RECT all{ 0, 0, 4, 1 };
    FillRect(c.Dc(), &all, HBRUSH(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(c.Picture(kInk), "####\n") << "the clip is the whole bitmap again";
    EXPECT_FALSE(RestoreDC(c.Dc(), -1)) << "the forgotten level went with the guard's";
}

TEST(DeviceContext, SurfaceDcKeepsItsBaseClipAndOrigin) {
    // A back buffer with a "window" whose client area starts at (2, 1) and whose visible part
    // excludes a sibling covering the right column.
    gfx::Surface buffer(6, 4, gfx::MakePixel(255, 255, 255));
    const gfx::Region visible = gfx::Region::Combine(
        gfx::Region(RECT{ 2, 1, 6, 4 }), gfx::Region(RECT{ 5, 0, 6, 4 }), gfx::Region::Op::Diff);
    HDC dc = CreateSurfaceDC(buffer, visible, POINT{ 2, 1 });
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(GetObjectType(dc), OBJ_DC);
    SelectClipRgn(dc, nullptr); // cannot widen the base clip
    const RECT huge{ -100, -100, 100, 100 };
    FillRect(dc, &huge, HBRUSH(GetStockObject(BLACK_BRUSH)));
    SetPixel(dc, 0, 0, kRed);
    std::string picture;
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x) {
            const gfx::Pixel p = buffer.At(x, y);
            picture += p == gfx::MakePixel(255, 255, 255) ? '.'
                       : p == 0                           ? '#'
                       : p == gfx::MakePixel(255, 0, 0)   ? 'r'
                                                          : '?';
        }
        picture += '\n';
    }
    EXPECT_EQ(picture, Rows({ "......", "..r##.", "..###.", "..###." }));
    const RECT drawn = DcFromHandle(dc)->DrawnBounds();
    EXPECT_EQ(drawn, (RECT{ 2, 1, 5, 4 }));
    RECT box;
    GetClipBox(dc, &box);
    EXPECT_EQ(box, (RECT{ 0, 0, 3, 3 }));
    DeleteDC(dc);
}

TEST(DeviceContext, ColourDrawingWritesAlphaZero) {
    // GDI's rule for 32-bit DIB sections, which the skin code's alpha handling expects.
    GdiTestCanvas c(3, 1);
    c.Clear(kBlue, 200);
    SetPixel(c.Dc(), 0, 0, kRed);
    const RECT second{ 1, 0, 2, 1 };
    FillRect(c.Dc(), &second, HBRUSH(GetStockObject(WHITE_BRUSH)));
    EXPECT_EQ(c.Raw(0, 0), gfx::MakePixel(255, 0, 0, 0));
    EXPECT_EQ(c.Raw(1, 0), gfx::MakePixel(255, 255, 255, 0));
    EXPECT_EQ(c.Raw(2, 0), gfx::MakePixel(0, 0, 255, 200)) << "untouched pixels keep theirs";

    // Inversion works on all 32 bits; XOR with a colour leaves alpha alone.
    const RECT third{ 2, 0, 3, 1 };
    InvertRect(c.Dc(), &third);
    EXPECT_EQ(c.Raw(2, 0), gfx::MakePixel(255, 255, 0, 55));
    const RECT all{ 0, 0, 3, 1 };
    DrawFocusRect(c.Dc(), &all);
    EXPECT_EQ(c.Raw(2, 0), gfx::MakePixel(0, 0, 255, 55));
}

TEST(DeviceContext, PatternAndHatchBrushesFollowTheBrushOrigin) {
    // A 2x1 monochrome pattern: its 0 bit takes the text colour, its 1 bit the background.
    const std::uint8_t row[2] = { 0x40, 0x00 }; // 01......, padded to 2 bytes
    HBITMAP mono = CreateBitmap(2, 1, 1, 1, row);
    HBRUSH pattern = CreatePatternBrush(mono);
    DeleteObject(mono); // the brush keeps its own copy
    GdiTestCanvas c(5, 1);
    SetTextColor(c.Dc(), kRed);
    SetBkColor(c.Dc(), kBlue);
    const RECT all{ 0, 0, 5, 1 };
    FillRect(c.Dc(), &all, pattern);
    EXPECT_EQ(c.Picture(kInk), "rbrbr\n");
    SetBrushOrgEx(c.Dc(), 1, 0, nullptr);
    FillRect(c.Dc(), &all, pattern);
    EXPECT_EQ(c.Picture(kInk), "brbrb\n");
    DeleteObject(pattern);

    HBRUSH hatch = CreateHatchBrush(HS_VERTICAL, kBlack);
    GdiTestCanvas h(9, 1, kRed);
    SetBkMode(h.Dc(), TRANSPARENT);
    const RECT line{ 0, 0, 9, 1 };
    FillRect(h.Dc(), &line, hatch);
    EXPECT_EQ(h.Picture(kInk), "rrrrrrr#r\n");
    SetBkMode(h.Dc(), OPAQUE);
    SetBkColor(h.Dc(), kWhite);
    FillRect(h.Dc(), &line, hatch);
    EXPECT_EQ(h.Picture(kInk), ".......#.\n");
    DeleteObject(hatch);
}

TEST(DeviceContext, Rop2CombinesPenWithDestination) {
    GdiTestCanvas c(4, 1, kRed);
    HPEN white = CreatePen(PS_SOLID, 1, kWhite);
    HGDIOBJ old = SelectObject(c.Dc(), white);
    EXPECT_EQ(SetROP2(c.Dc(), R2_XORPEN), R2_COPYPEN);
    MoveToEx(c.Dc(), 0, 0, nullptr);
    LineTo(c.Dc(), 2, 0);
    EXPECT_EQ(GetPixel(c.Dc(), 0, 0), RGB(0, 255, 255));
    SetROP2(c.Dc(), R2_NOP);
    LineTo(c.Dc(), 4, 0);
    EXPECT_EQ(GetPixel(c.Dc(), 3, 0), kRed);
    SelectObject(c.Dc(), old);
    DeleteObject(white);
}

TEST(DeviceContext, CoverageFillBlendsAndClips) {
    GdiTestCanvas c(4, 2);
    IntersectClipRect(c.Dc(), 0, 0, 3, 2);
    const BYTE mask[2 * 4] = { 255, 128, 0, 255, 255, 255, 255, 255 };
    DcFromHandle(c.Dc())->FillCoverage(0, 0, mask, 4, 2, 4, kBlack);
    EXPECT_EQ(c.Raw(0, 0), gfx::MakePixel(0, 0, 0, 0));
    EXPECT_EQ(c.Raw(1, 0), gfx::MakePixel(127, 127, 127, 0));
    EXPECT_EQ(c.Raw(2, 0), gfx::MakePixel(255, 255, 255, 0)) << "zero coverage leaves it";
    EXPECT_EQ(c.Raw(3, 0), gfx::MakePixel(255, 255, 255, 0)) << "clipped";
    EXPECT_EQ(c.Raw(3, 1), gfx::MakePixel(255, 255, 255, 0)) << "clipped";
    EXPECT_EQ(c.Raw(2, 1), gfx::MakePixel(0, 0, 0, 0));
}

TEST(DeviceContext, DrawingIntoAPaletteBitmapGoesThroughItsFormat) {
    GdiTestCanvas c(9, 2, kWhite, 1);
    const RECT r{ 1, 0, 8, 1 };
    FillRect(c.Dc(), &r, HBRUSH(GetStockObject(BLACK_BRUSH)));
    const auto* bytes = static_cast<const std::uint8_t*>(c.Bits());
    // 1 bit per pixel, palette black(0)/white(1), rows of 4 bytes.
    EXPECT_EQ(bytes[0], 0x80);
    EXPECT_EQ(bytes[1], 0x80);
    EXPECT_EQ(bytes[4], 0xFF);
    EXPECT_EQ(GetPixel(c.Dc(), 3, 0), kBlack);
}

TEST(DeviceContext, DeviceCapsFollowTheTarget) {
    GdiTestCanvas c(7, 3, kWhite, 8);
    EXPECT_EQ(GetDeviceCaps(c.Dc(), BITSPIXEL), 8);
    EXPECT_EQ(GetDeviceCaps(c.Dc(), PLANES), 1);
    EXPECT_EQ(GetDeviceCaps(c.Dc(), HORZRES), 7);
    EXPECT_EQ(GetDeviceCaps(c.Dc(), VERTRES), 3);
    EXPECT_EQ(GetDeviceCaps(c.Dc(), LOGPIXELSY), 96);
    gfx::Surface screen(4, 2);
    HDC surfaceDc = CreateSurfaceDC(screen, gfx::Region(RECT{ 0, 0, 4, 2 }), POINT{});
    EXPECT_EQ(GetDeviceCaps(surfaceDc, BITSPIXEL) * GetDeviceCaps(surfaceDc, PLANES), 32);
    HBITMAP compatible = CreateCompatibleBitmap(surfaceDc, 3, 3);
    BITMAP bm;
    GetObject(compatible, sizeof bm, &bm);
    EXPECT_EQ(bm.bmBitsPixel, 32);
    EXPECT_EQ(SelectObject(surfaceDc, compatible), nullptr) << "only memory DCs take bitmaps";
    DeleteObject(compatible);
    DeleteDC(surfaceDc);
    EXPECT_EQ(GetDeviceCaps(surfaceDc, BITSPIXEL), 0);
}

TEST(DeviceContext, RegionsArePaintedInLogicalCoordinates) {
    GdiTestCanvas c(7, 6);
    HRGN region = CreateRectRgn(0, 0, 5, 4);
    HBRUSH red = CreateSolidBrush(kRed);
    SetViewportOrgEx(c.Dc(), 1, 1, nullptr);
    FillRgn(c.Dc(), region, HBRUSH(GetStockObject(BLACK_BRUSH)));
    FrameRgn(c.Dc(), region, red, 1, 1);
    EXPECT_EQ(c.Picture(kInk),
              Rows({ ".......", ".rrrrr.", ".r###r.", ".r###r.", ".rrrrr.", "......." }));
    // PaintRgn uses the selected brush; the region moves with OffsetRgn.
    HGDIOBJ old = SelectObject(c.Dc(), GetStockObject(WHITE_BRUSH));
    HRGN corner = CreateRectRgn(0, 0, 3, 3);
    OffsetRgn(region, 1, 1);
    EXPECT_EQ(CombineRgn(region, region, corner, RGN_AND), SIMPLEREGION);
    PaintRgn(c.Dc(), region);
    EXPECT_EQ(c.Picture(kInk),
              Rows({ ".......", ".rrrrr.", ".r..#r.", ".r..#r.", ".rrrrr.", "......." }));
    InvertRgn(c.Dc(), region);
    EXPECT_EQ(c.Picture(kInk),
              Rows({ ".......", ".rrrrr.", ".r###r.", ".r###r.", ".rrrrr.", "......." }));
    DeleteObject(corner);
    SelectObject(c.Dc(), old);
    DeleteObject(red);
    DeleteObject(region);
}

TEST(DeviceContext, WidePensAndHugeShapes) {
    GdiTestCanvas c(10, 5);
    HPEN wide = CreatePen(PS_SOLID, 3, kBlack);
    HGDIOBJ old = SelectObject(c.Dc(), wide);
    MoveToEx(c.Dc(), 2, 2, nullptr);
    LineTo(c.Dc(), 7, 2);
    // A wide pen covers its width across the line and caps both ends.
    EXPECT_EQ(c.Picture(kInk),
              Rows({ "..........", ".########.", ".########.", ".########.", ".........." }));
    SelectObject(c.Dc(), old);
    DeleteObject(wide);

    // Shapes far larger than the target cost only their visible rows, and wild coordinates
    // neither crash nor wrap around.
    c.Clear(kWhite);
    SelectObject(c.Dc(), GetStockObject(NULL_PEN));
    HGDIOBJ oldBrush = SelectObject(c.Dc(), GetStockObject(BLACK_BRUSH));
    EXPECT_TRUE(Ellipse(c.Dc(), -10000000, -10000000, 10000000, 10000000));
    EXPECT_EQ(GetPixel(c.Dc(), 5, 2), kBlack);
    EXPECT_TRUE(Ellipse(c.Dc(), INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX));
    const POINT wild[] = { { INT32_MIN, 0 }, { INT32_MAX, 0 }, { 0, INT32_MAX } };
    EXPECT_TRUE(Polygon(c.Dc(), wild, 3));
    EXPECT_TRUE(RoundRect(c.Dc(), -5000000, -5000000, 5000000, 5000000, 100, 100));
    SelectObject(c.Dc(), oldBrush);
    SelectObject(c.Dc(), GetStockObject(BLACK_PEN));
}

TEST(DeviceContext, SurfaceDcFollowsItsTargetsSize) {
    // The window system may resize a back buffer while a DC over it is alive.
    gfx::Surface buffer(8, 8, gfx::MakePixel(255, 255, 255));
    HDC dc = CreateSurfaceDC(buffer, gfx::Region(RECT{ 0, 0, 8, 8 }), POINT{});
    const RECT all{ 0, 0, 8, 8 };
    FillRect(dc, &all, HBRUSH(GetStockObject(BLACK_BRUSH)));
    buffer.Resize(4, 2, gfx::MakePixel(255, 255, 255));
    FillRect(dc, &all, HBRUSH(GetStockObject(WHITE_BRUSH)));
    EXPECT_EQ(buffer.At(3, 1), gfx::MakePixel(255, 255, 255));
    RECT box;
    GetClipBox(dc, &box);
    EXPECT_EQ(box, (RECT{ 0, 0, 4, 2 }));
    DeleteDC(dc);
}
