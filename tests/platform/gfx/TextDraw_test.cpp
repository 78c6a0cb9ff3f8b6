#include "platform/gfx/TextDraw.h"

#include "platform/gfx/Gdi.h"
#include "platform/gfx/TextLayout.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace win;

namespace {

constexpr gfx::Pixel kWhite = 0x00FFFFFF;
constexpr gfx::Pixel kColourBits = 0x00FFFFFF;

HFONT MakeFont(const char* face, int height, LONG weight = FW_NORMAL, bool underline = false,
               bool strikeOut = false) {
    return CreateFont(height, 0, 0, 0, weight, 0, underline, strikeOut, DEFAULT_CHARSET, 0, 0, 0, 0,
                      face);
}

// A white surface with a DC over it and a font selected; everything is freed at the end.
class Canvas {
public:
    Canvas(int width, int height, HFONT font) : FSurface(width, height, kWhite) {
        FDc = CreateSurfaceDC(FSurface, gfx::Region(RECT{ 0, 0, width, height }), POINT{});
        FFont = font;
        SelectObject(FDc, FFont);
        SetBkMode(FDc, TRANSPARENT);
        SetTextColor(FDc, RGB(0, 0, 0));
    }
    ~Canvas() {
        DeleteDC(FDc);
        DeleteObject(FFont);
    }

    HDC Dc() const { return FDc; }
    const gfx::Surface& Pixels() const { return FSurface; }
    gfx::Pixel At(int x, int y) const { return FSurface.At(x, y) & kColourBits; }

    // The smallest rectangle holding every pixel that is no longer white; empty when none.
    RECT Ink() const {
        RECT box{ FSurface.Width(), FSurface.Height(), 0, 0 };
        for (int y = 0; y < FSurface.Height(); ++y) {
            for (int x = 0; x < FSurface.Width(); ++x) {
                if (At(x, y) == kWhite) continue;
                box.left = std::min(box.left, LONG(x));
                box.top = std::min(box.top, LONG(y));
                box.right = std::max(box.right, LONG(x + 1));
                box.bottom = std::max(box.bottom, LONG(y + 1));
            }
        }
        return box.left < box.right ? box : RECT{};
    }
    int CountPixels(gfx::Pixel colour) const {
        int count = 0;
        for (int y = 0; y < FSurface.Height(); ++y)
            for (int x = 0; x < FSurface.Width(); ++x)
                count += At(x, y) == colour;
        return count;
    }
    // The pixels of a rectangle, row by row.
    std::vector<gfx::Pixel> Block(const RECT& r) const {
        std::vector<gfx::Pixel> out;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                out.push_back(At(x, y));
        return out;
    }

private:
    gfx::Surface FSurface;
    HDC FDc{};
    HFONT FFont{};
};

SIZE Extent(HDC dc, std::string_view text) {
    SIZE size;
    EXPECT_TRUE(GetTextExtentPoint32(dc, text, &size));
    return size;
}

int CalcWidth(HDC dc, std::string_view text, UINT flags = 0) {
    RECT r{};
    DrawText(dc, text, &r, flags | DT_CALCRECT);
    return r.right - r.left;
}

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

} // namespace

TEST(TextDraw, ExtentsOfKnownStrings) {
    Canvas canvas(10, 10, MakeFont("DejaVu Sans", -13));
    HDC dc = canvas.Dc();
    TEXTMETRIC tm;
    ASSERT_TRUE(GetTextMetrics(dc, &tm));

    const SIZE open = Extent(dc, "Open");
    EXPECT_EQ(open.cy, tm.tmHeight);
    EXPECT_GT(open.cx, 20);
    EXPECT_LT(open.cx, 40);
    EXPECT_LT(Extent(dc, "Ope").cx, open.cx);
    EXPECT_GT(Extent(dc, "Open file").cx, open.cx);
    EXPECT_EQ(Extent(dc, "").cx, 0);
    EXPECT_EQ(Extent(dc, "").cy, tm.tmHeight);
    // Whole-pixel advances without kerning: the extent of a text is the sum of its letters.
    EXPECT_EQ(Extent(dc, "AV").cx, Extent(dc, "A").cx + Extent(dc, "V").cx);
    // GetTextExtentPoint32 counts an "&"; DrawText takes it as a prefix.
    EXPECT_EQ(Extent(dc, "&Open").cx, Extent(dc, "&").cx + open.cx);
    EXPECT_EQ(CalcWidth(dc, "&Open"), open.cx);
    EXPECT_EQ(CalcWidth(dc, "&Open", DT_NOPREFIX), Extent(dc, "&Open").cx);
    EXPECT_EQ(CalcWidth(dc, "Fish && Chips"), Extent(dc, "Fish & Chips").cx);
    // Tabs expand to eight average characters with DT_EXPANDTABS and take no room without.
    EXPECT_EQ(CalcWidth(dc, "a\tb", DT_EXPANDTABS), 8 * tm.tmAveCharWidth + Extent(dc, "b").cx);
    EXPECT_EQ(CalcWidth(dc, "a\tb"), Extent(dc, "ab").cx);
}

TEST(TextDraw, ExtentExTellsWhatFitsAndWhereEachCharacterEnds) {
    Canvas canvas(10, 10, MakeFont("DejaVu Sans", -13));
    HDC dc = canvas.Dc();
    // Characters, not bytes; a tab and other control characters take no room here.
    const std::string text = "W\u00e9\tab\x01\u4e2d";
    const std::vector<std::string> prefixes = { "W",          "W\u00e9",     "W\u00e9\t",
                                                "W\u00e9\ta", "W\u00e9\tab", "W\u00e9\tab\x01",
                                                text };
    std::vector<INT> dx(prefixes.size(), -1);
    INT fit = -1;
    SIZE size;
    ASSERT_TRUE(GetTextExtentExPoint(dc, text, Extent(dc, "W\u00e9a").cx, &fit, dx.data(), &size));
    for (std::size_t i = 0; i < prefixes.size(); ++i)
        EXPECT_EQ(dx[i], Extent(dc, prefixes[i]).cx) << prefixes[i];
    EXPECT_EQ(size.cx, Extent(dc, text).cx);
    EXPECT_EQ(size.cy, Extent(dc, text).cy);
    EXPECT_EQ(fit, 4) << "a character that ends exactly on the limit fits";
    ASSERT_TRUE(
        GetTextExtentExPoint(dc, text, Extent(dc, "W\u00e9a").cx - 1, &fit, nullptr, &size));
    EXPECT_EQ(fit, 3);
    ASSERT_TRUE(GetTextExtentExPoint(dc, text, 0, &fit, nullptr, &size));
    EXPECT_EQ(fit, 0);
    ASSERT_TRUE(GetTextExtentExPoint(dc, "", 100, &fit, nullptr, &size));
    EXPECT_EQ(fit, 0);
    EXPECT_EQ(size.cx, 0);
}

TEST(TextDraw, TabbedTextOutReportsWidthAndHeight) {
    Canvas canvas(300, 30, MakeFont("DejaVu Sans", -13));
    HDC dc = canvas.Dc();
    TEXTMETRIC tm;
    GetTextMetrics(dc, &tm);
    const int b = Extent(dc, "b").cx;
    struct Case {
        std::vector<INT> stops;
        int origin;
        int width;
    };
    // The text starts at x = 10; stops count from the origin.
    const Case cases[] = {
        { {}, 0, 8 * tm.tmAveCharWidth - 10 + b }, // the default stops
        { {}, 10, 8 * tm.tmAveCharWidth + b },
        { { 30 }, 0, 20 + b },      // every 30 pixels: the first stop at x = 30
        { { 30 }, 10, 30 + b },     // the first stop at x = 40
        { { 25, 90 }, 10, 25 + b }, // listed stops at x = 35 and 100
        { { 5, 90 }, 10, 90 + b },  // a stop the "a" already passed is skipped
    };
    for (const Case& c : cases) {
        const LONG result = TabbedTextOut(dc, 10, 0, "a\tb", int(c.stops.size()),
                                          c.stops.empty() ? nullptr : c.stops.data(), c.origin);
        EXPECT_EQ(result & 0xFFFF, c.width) << c.stops.size() << " " << c.origin;
        EXPECT_EQ(result >> 16, tm.tmHeight);
    }
}

TEST(TextDraw, MetricsOfTheSelectedFont) {
    struct Case {
        int height;
        LONG weight;
        LONG tmHeight, tmAscent, tmDescent, tmInternalLeading;
    };
    // DejaVu Sans: 2048 units per em, Windows ascent 1901 and descent 483.
    const Case cases[] = {
        { -13, FW_NORMAL, 15, 12, 3, 2 },
        { -11, FW_BOLD, 13, 10, 3, 2 },
        { 16, FW_NORMAL, 16, 13, 3, 2 },
    };
    for (const Case& c : cases) {
        Canvas canvas(10, 10, MakeFont("DejaVu Sans", c.height, c.weight));
        TEXTMETRIC tm;
        ASSERT_TRUE(GetTextMetrics(canvas.Dc(), &tm));
        EXPECT_EQ(tm.tmHeight, c.tmHeight) << c.height;
        EXPECT_EQ(tm.tmAscent, c.tmAscent) << c.height;
        EXPECT_EQ(tm.tmDescent, c.tmDescent) << c.height;
        EXPECT_EQ(tm.tmInternalLeading, c.tmInternalLeading) << c.height;
        EXPECT_EQ(tm.tmWeight, c.weight) << c.height;
        EXPECT_GT(tm.tmAveCharWidth, 0) << c.height;
        EXPECT_GT(tm.tmMaxCharWidth, tm.tmAveCharWidth) << c.height;
    }
}

TEST(TextDraw, FontObjectsDescribeThemselvesAndDie) {
    LOGFONT font;
    font.lfHeight = -16;
    font.lfWeight = FW_BOLD;
    font.lfItalic = 1;
    font.lfCharSet = GB2312_CHARSET;
    SetFaceName(font, "微软雅黑");
    HFONT handle = CreateFontIndirect(&font);
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(GetObjectType(handle), OBJ_FONT);
    EXPECT_EQ(GetObject(handle, 0, nullptr), int(sizeof(LOGFONT)));

    LOGFONT back;
    ASSERT_EQ(GetObject(handle, sizeof back, &back), int(sizeof(LOGFONT)));
    EXPECT_EQ(back.lfHeight, -16);
    EXPECT_EQ(back.lfWeight, FW_BOLD);
    EXPECT_EQ(back.lfItalic, 1);
    EXPECT_EQ(back.lfCharSet, GB2312_CHARSET);
    EXPECT_EQ(FaceName(back), "微软雅黑");

    EXPECT_TRUE(DeleteObject(handle));
    EXPECT_EQ(GetObject(handle, sizeof back, &back), 0);
    EXPECT_EQ(FontFromHandle(handle), nullptr);
}

TEST(TextDraw, LongFaceNamesAreCutAtACharacterBoundary) {
    LOGFONT font;
    const std::string name(200, 'x');
    SetFaceName(font, name);
    EXPECT_EQ(FaceName(font), name.substr(0, LF_FACESIZE - 1));

    std::string chinese;
    for (int i = 0; i < 40; ++i)
        chinese += "宋";
    SetFaceName(font, chinese);
    const std::string kept = FaceName(font);
    EXPECT_EQ(kept.size() % 3, 0u);
    EXPECT_EQ(kept, chinese.substr(0, kept.size()));
}

TEST(TextDraw, TextOutDrawsInsideItsCell) {
    Canvas canvas(120, 40, MakeFont("DejaVu Sans", -13));
    HDC dc = canvas.Dc();
    ASSERT_TRUE(TextOut(dc, 10, 5, "Hg"));
    const SIZE size = Extent(dc, "Hg");
    const RECT ink = canvas.Ink();
    EXPECT_TRUE(Inside(ink, RECT{ 10, 5, 10 + size.cx, 5 + size.cy }));
    EXPECT_GT(ink.bottom - ink.top, 10); // from the H's top to the g's descender
    EXPECT_GT(canvas.CountPixels(0), 0); // solid black stems
}

TEST(TextDraw, OpaqueBackgroundFillsTheCellTransparentDoesNot) {
    const COLORREF red = RGB(255, 0, 0);
    const gfx::Pixel redPixel = gfx::MakePixel(255, 0, 0) & kColourBits;
    for (int mode : { OPAQUE, TRANSPARENT }) {
        Canvas canvas(120, 40, MakeFont("DejaVu Sans", -13));
        HDC dc = canvas.Dc();
        SetBkMode(dc, mode);
        SetBkColor(dc, red);
        TextOut(dc, 10, 5, "Hi");
        const SIZE size = Extent(dc, "Hi");
        const RECT cell{ 10, 5, 10 + size.cx, 5 + size.cy };
        if (mode == OPAQUE) {
            EXPECT_EQ(canvas.Ink(), cell);
            EXPECT_EQ(canvas.At(10, 5), redPixel);
            EXPECT_EQ(canvas.At(cell.right - 1, cell.bottom - 1), redPixel);
        } else {
            EXPECT_EQ(canvas.CountPixels(redPixel), 0);
            EXPECT_TRUE(Inside(canvas.Ink(), cell));
        }
    }
}

TEST(TextDraw, TextKeepsToTheClipRegionAndTheClipRectangle) {
    const RECT keep{ 20, 0, 40, 40 };
    {
        Canvas canvas(120, 40, MakeFont("DejaVu Sans", -20));
        IntersectClipRect(canvas.Dc(), keep.left, keep.top, keep.right, keep.bottom);
        TextOut(canvas.Dc(), 5, 5, "WWWWWW");
        EXPECT_TRUE(Inside(canvas.Ink(), keep));
        EXPECT_GT(canvas.CountPixels(0), 0);
    }
    {
        Canvas canvas(120, 40, MakeFont("DejaVu Sans", -20));
        ExtTextOut(canvas.Dc(), 5, 5, ETO_CLIPPED, &keep, "WWWWWW");
        EXPECT_TRUE(Inside(canvas.Ink(), keep));
        EXPECT_GT(canvas.CountPixels(0), 0);
    }
    {
        // ETO_OPAQUE fills exactly the rectangle, whatever the background mode.
        Canvas canvas(120, 40, MakeFont("DejaVu Sans", -20));
        SetBkColor(canvas.Dc(), RGB(0, 0, 255));
        ExtTextOut(canvas.Dc(), 0, 0, ETO_OPAQUE, &keep, "");
        EXPECT_EQ(canvas.Ink(), keep);
        EXPECT_EQ(canvas.CountPixels(gfx::MakePixel(0, 0, 255)), 20 * 40);
    }
}

TEST(TextDraw, DrawTextClipsToItsRectangleUnlessNoClip) {
    const RECT box{ 10, 10, 40, 30 };
    for (UINT flags : { 0u, UINT(DT_NOCLIP) }) {
        Canvas canvas(160, 40, MakeFont("DejaVu Sans", -13));
        RECT r = box;
        DrawText(canvas.Dc(), "A caption far wider than its box", &r, flags | DT_SINGLELINE);
        const RECT ink = canvas.Ink();
        if (flags & DT_NOCLIP)
            EXPECT_GT(ink.right, box.right + 50);
        else
            EXPECT_TRUE(Inside(ink, box));
    }
}

TEST(TextDraw, DrawTextAlignsTheInk) {
    const RECT box{ 0, 0, 200, 60 };
    // The ink of "Wide" (about 35 px) starts at the box's left or ends at its right; glyphs
    // may sit a pixel or two inside their advance.
    struct Case {
        UINT flags;
        int inkLeftMax, inkRightMin;
    };
    const Case cases[] = { { DT_LEFT, 2, 0 }, { DT_RIGHT, 200, 197 } };
    for (const Case& c : cases) {
        Canvas canvas(200, 60, MakeFont("DejaVu Sans", -13));
        RECT r = box;
        DrawText(canvas.Dc(), "Wide", &r, c.flags | DT_SINGLELINE);
        const RECT ink = canvas.Ink();
        EXPECT_LE(ink.left, c.inkLeftMax) << c.flags;
        EXPECT_GE(ink.right, c.inkRightMin) << c.flags;
        EXPECT_LT(ink.right - ink.left, 60) << c.flags;
    }

    Canvas canvas(200, 60, MakeFont("DejaVu Sans", -13));
    RECT r = box;
    const int result = DrawText(canvas.Dc(), "Wide", &r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    const RECT ink = canvas.Ink();
    EXPECT_LE(std::abs((ink.left - box.left) - (box.right - ink.right)), 3);
    EXPECT_LE(std::abs((ink.top - box.top) - (box.bottom - ink.bottom)), 6);
    TEXTMETRIC tm;
    GetTextMetrics(canvas.Dc(), &tm);
    EXPECT_EQ(result, (60 - tm.tmHeight) / 2 + tm.tmHeight);
}

TEST(TextDraw, DrawingMatchesAtEquivalentPlaces) {
    // Each pair draws the same pixels: alignment reference points, origins, tab stops.
    TEXTMETRIC tm;
    SIZE size;
    {
        Canvas probe(10, 10, MakeFont("DejaVu Sans", -13));
        GetTextMetrics(probe.Dc(), &tm);
        GetTextExtentPoint32(probe.Dc(), "Fig", &size);
    }
    using Draw = std::function<void(HDC)>;
    struct Case {
        const char* what;
        Draw a, b;
    };
    const Case cases[] = {
        { "baseline", [](HDC dc) { TextOut(dc, 10, 8, "Fig"); },
          [&](HDC dc) {
              SetTextAlign(dc, TA_BASELINE);
              TextOut(dc, 10, 8 + tm.tmAscent, "Fig");
          } },
        { "bottom right", [](HDC dc) { TextOut(dc, 10, 8, "Fig"); },
          [&](HDC dc) {
              SetTextAlign(dc, TA_BOTTOM | TA_RIGHT);
              TextOut(dc, 10 + size.cx, 8 + tm.tmHeight, "Fig");
          } },
        { "viewport origin", [](HDC dc) { TextOut(dc, 10, 8, "Fig"); },
          [](HDC dc) {
              SetViewportOrgEx(dc, 7, 3, nullptr);
              TextOut(dc, 3, 5, "Fig");
          } },
        { "window origin",
          [](HDC dc) {
              RECT r{ 10, 8, 90, 30 };
              DrawText(dc, "Fig", &r, 0);
          },
          [](HDC dc) {
              SetWindowOrgEx(dc, -10, -8, nullptr);
              RECT r{ 0, 0, 80, 22 };
              DrawText(dc, "Fig", &r, 0);
          } },
        { "tab stops",
          [](HDC dc) {
              TextOut(dc, 10, 8, "a");
              TextOut(dc, 50, 8, "b");
              TextOut(dc, 110, 8, "c");
          },
          [](HDC dc) {
              const INT stops[] = { 40, 100 };
              TabbedTextOut(dc, 10, 8, "a\tb\tc", 2, stops, 10);
          } },
        { "margins",
          [](HDC dc) {
              RECT r{ 20, 8, 70, 30 };
              DrawText(dc, "Fig", &r, DT_CENTER);
          },
          [](HDC dc) {
              RECT r{ 10, 8, 100, 30 };
              DRAWTEXTPARAMS params;
              params.iLeftMargin = 10;
              params.iRightMargin = 30;
              DrawTextEx(dc, "Fig", &r, DT_CENTER, &params);
          } },
        { "prefix", [](HDC dc) { TextOut(dc, 10, 8, "Fig"); },
          [](HDC dc) {
              RECT r{ 10, 8, 100, 30 };
              DrawText(dc, "Fi&g", &r, DT_HIDEPREFIX);
          } },
    };
    for (const Case& c : cases) {
        Canvas first(160, 40, MakeFont("DejaVu Sans", -13));
        Canvas second(160, 40, MakeFont("DejaVu Sans", -13));
        c.a(first.Dc());
        c.b(second.Dc());
        EXPECT_NE(first.Ink(), RECT{}) << c.what;
        EXPECT_TRUE(first.Pixels() == second.Pixels()) << c.what;
    }
}

TEST(TextDraw, PrefixAndFontUnderlinesAreLinesUnderTheText) {
    Canvas plain(100, 30, MakeFont("DejaVu Sans", -13));
    Canvas prefixed(100, 30, MakeFont("DejaVu Sans", -13));
    Canvas underlined(100, 30, MakeFont("DejaVu Sans", -13, FW_NORMAL, true));
    RECT r{ 0, 0, 100, 30 };
    DrawText(plain.Dc(), "Save", &r, 0);
    DrawText(prefixed.Dc(), "&Save", &r, 0);
    DrawText(underlined.Dc(), "Save", &r, 0);
    TEXTMETRIC tm;
    GetTextMetrics(plain.Dc(), &tm);
    const int sWidth = Extent(plain.Dc(), "S").cx;
    const int width = Extent(plain.Dc(), "Save").cx;

    // The rows the prefixed text adds are one line under the "S" only.
    int lineRow = -1;
    for (int y = 0; y < 30; ++y) {
        const RECT row{ 0, y, 100, y + 1 };
        if (plain.Block(row) != prefixed.Block(row)) lineRow = y;
    }
    ASSERT_GE(lineRow, tm.tmAscent);
    ASSERT_LT(lineRow, tm.tmHeight);
    for (int x = 0; x < 100; ++x)
        EXPECT_EQ(prefixed.At(x, lineRow), x < sWidth ? 0u : plain.At(x, lineRow)) << x;
    // The font's underline runs under the whole text.
    for (int x = 0; x < 100; ++x)
        EXPECT_EQ(underlined.At(x, lineRow) == 0, x < width) << x;
}

TEST(TextDraw, StrikeOutCrossesTheText) {
    Canvas plain(100, 30, MakeFont("DejaVu Sans", -13));
    Canvas struck(100, 30, MakeFont("DejaVu Sans", -13, FW_NORMAL, false, true));
    TextOut(plain.Dc(), 0, 0, "ooo");
    TextOut(struck.Dc(), 0, 0, "ooo");
    TEXTMETRIC tm;
    GetTextMetrics(plain.Dc(), &tm);
    const int width = Extent(plain.Dc(), "ooo").cx;
    bool found = false;
    for (int y = 0; y < tm.tmAscent; ++y) {
        int black = 0;
        for (int x = 0; x < width; ++x)
            black += struck.At(x, y) == 0;
        found = found || black == width;
    }
    EXPECT_TRUE(found);
}

TEST(TextDraw, ChineseCaptionsRenderWithSongTi) {
    // Each ideograph drawn alone must differ from the missing-glyph box drawn the same way.
    const auto drawAlone = [](std::string_view text) {
        auto canvas = std::make_unique<Canvas>(40, 40, MakeFont("宋体", -16));
        TextOut(canvas->Dc(), 4, 4, text);
        return canvas;
    };
    const auto box = drawAlone("\U0010FFFD");
    for (const char* glyph : { "苇", "川", "视", "频" }) {
        const auto drawn = drawAlone(glyph);
        EXPECT_NE(drawn->Ink(), RECT{}) << glyph;
        EXPECT_FALSE(drawn->Pixels() == box->Pixels()) << glyph;
    }
    Canvas caption(120, 40, MakeFont("宋体", -16));
    RECT r{ 0, 0, 120, 40 };
    DrawText(caption.Dc(), "苇川视频", &r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    EXPECT_GT(caption.Ink().right - caption.Ink().left, 50);
}

TEST(TextDraw, WordBreakDrawsOneRowOfLinesPerLine) {
    Canvas canvas(60, 100, MakeFont("DejaVu Sans", -13));
    TEXTMETRIC tm;
    GetTextMetrics(canvas.Dc(), &tm);
    RECT measure{ 0, 0, 60, 0 };
    const int height =
        DrawText(canvas.Dc(), "one two three four", &measure, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_EQ(height % tm.tmHeight, 0);
    EXPECT_GE(height / tm.tmHeight, 2);
    EXPECT_EQ(measure.bottom, height);
    EXPECT_LE(measure.right, 60);

    RECT r{ 0, 0, 60, 100 };
    EXPECT_EQ(DrawText(canvas.Dc(), "one two three four", &r, DT_WORDBREAK), height);
    const RECT ink = canvas.Ink();
    EXPECT_LE(ink.bottom, height);
    EXPECT_GT(ink.bottom, height - tm.tmHeight);
}

TEST(TextDraw, CalcRectDrawsNothing) {
    Canvas canvas(100, 30, MakeFont("DejaVu Sans", -13));
    SetBkMode(canvas.Dc(), OPAQUE);
    RECT r{ 5, 5, 5, 5 };
    EXPECT_GT(DrawText(canvas.Dc(), "Measure me", &r, DT_CALCRECT), 0);
    EXPECT_EQ(canvas.Ink(), RECT{});
    EXPECT_EQ(r.right - r.left, Extent(canvas.Dc(), "Measure me").cx);
}

TEST(TextDraw, StaleHandlesFailQuietly) {
    HDC dc = CreateCompatibleDC(nullptr);
    DeleteDC(dc);
    RECT r{ 0, 0, 10, 10 };
    SIZE size;
    TEXTMETRIC tm;
    EXPECT_EQ(DrawText(dc, "x", &r, 0), 0);
    EXPECT_FALSE(TextOut(dc, 0, 0, "x"));
    EXPECT_FALSE(GetTextExtentPoint32(dc, "x", &size));
    EXPECT_FALSE(GetTextMetrics(dc, &tm));
    EXPECT_EQ(TabbedTextOut(dc, 0, 0, "x", 0, nullptr, 0), 0);
}

TEST(TextDraw, ADcWithoutASelectedFontUsesTheSystemFont) {
    HDC dc = CreateCompatibleDC(nullptr);
    TEXTMETRIC tm;
    ASSERT_TRUE(GetTextMetrics(dc, &tm));
    EXPECT_EQ(tm.tmHeight, 16);
    EXPECT_EQ(tm.tmWeight, FW_BOLD);
    // Drawing onto the 1x1 monochrome bitmap a new DC holds is harmless.
    RECT r{ 0, 0, 50, 20 };
    EXPECT_TRUE(TextOut(dc, 0, 0, "x"));
    EXPECT_EQ(DrawText(dc, "x", &r, 0), tm.tmHeight);
    DeleteDC(dc);
}
