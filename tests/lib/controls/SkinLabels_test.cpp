// The skinned labels: the font and colour they take from a "stdlabel" record, the embossed
// disabled text, the text label's layout and size, the link label's click and the refit after
// a skin change.
#include "SkinnedFormTest.h"
#include "lib/controls/TbsSkinLinkLabel.h"
#include "lib/controls/TbsSkinStdLabel.h"
#include "lib/controls/TbsSkinTextLabel.h"
#include "lib/skindata/bsSkinPanelRecords.h"
#include "platform/shell/ShellExecute.h"

namespace {

class TFontProbe : public TbsSkinStdLabel {
public:
    using TbsSkinStdLabel::ChooseFont;
    using TbsSkinStdLabel::TbsSkinStdLabel;
};

class TRecordingLauncher : public TShellLauncher {
public:
    explicit TRecordingLauncher(std::vector<std::string>& calls) : FCalls(calls) {}
    bool Launch(const std::vector<std::string>& argv) override { return LaunchIn("", argv); }
    bool LaunchIn(const std::string&, const std::vector<std::string>& argv) override {
        std::string call;
        for (const std::string& arg : argv)
            call += (call.empty() ? "" : " ") + arg;
        FCalls.push_back(call);
        return true;
    }

private:
    std::vector<std::string>& FCalls;
};

class SkinLabels : public SkinnedFormTest {
protected:
    TbsDataSkinStdLabelControl& AddLabelRecord() {
        auto record = std::make_unique<TbsDataSkinStdLabelControl>("stdlabel");
        record->FontName = "Skin Font";
        record->FontHeight = 30;
        record->FontColor = TColor(0x0000FF);
        auto& added = *record;
        FSkin->CtrlList.push_back(std::move(record));
        FSkin->Empty = false;
        return added;
    }
    template <class T>
    T* Label(const std::string& caption) {
        auto* label = new T(FForm);
        label->SetParent(FForm);
        label->SetBounds(10, 10, 120, 40);
        label->SetCaption(caption);
        label->SetSkinData(FSkin.get());
        return label;
    }
};

TEST_F(SkinLabels, FontComesFromTheRecordOrTheDefaultFontOrTheLabelsFont) {
    struct Case {
        bool Record;
        bool UseSkinFont;
        bool UseSkinColor;
        const char* Name;
        int Height;
        TColor Color;
    };
    const TColor skin = TColor(0x0000FF), own = TColor(0x00FF00), byDefault = TColor(0xFF0000);
    const Case cases[] = {
        { false, true, true, "Default Font", 11, byDefault },
        { false, false, true, "Own Font", 13, own },
        { true, true, true, "Skin Font", 30, skin },
        { true, true, false, "Skin Font", 30, own },
        { true, false, true, "Own Font", 13, skin },
        { true, false, false, "Own Font", 13, own },
    };
    for (const Case& c : cases) {
        if (c.Record && FSkin->CtrlList.empty()) AddLabelRecord();
        auto* label = Label<TFontProbe>("text");
        label->DefaultFont().SetName("Default Font");
        label->DefaultFont().SetHeight(11);
        label->DefaultFont().SetColor(byDefault);
        label->Font().SetName("Own Font");
        label->Font().SetHeight(13);
        label->Font().SetColor(own);
        label->SetUseSkinFont(c.UseSkinFont);
        label->SetUseSkinColor(c.UseSkinColor);
        label->GetSkinData();
        TBitmap bitmap(4, 4);
        label->ChooseFont(bitmap.Canvas());
        const TFont& font = bitmap.Canvas().Font();
        const std::string name = std::string(c.Record ? "record" : "no record") +
                                 (c.UseSkinFont ? ", skin font" : "") +
                                 (c.UseSkinColor ? ", skin colour" : "");
        EXPECT_EQ(font.Name(), c.Name) << name;
        EXPECT_EQ(font.Height(), c.Height) << name;
        EXPECT_EQ(font.Color(), c.Color) << name;
        delete label;
    }
}

struct TInk {
    TRect Box{ 1000, 1000, -1, -1 };
    void Add(int x, int y) {
        Box = TRect(std::min(Box.Left, x), std::min(Box.Top, y), std::max(Box.Right, x),
                    std::max(Box.Bottom, y));
    }
    bool Empty() const { return Box.Right < 0; }
};

std::uint32_t Rgb(TColor color) {
    const TColor c = ColorToRGB(color);
    return std::uint32_t(c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF);
}

template <class T>
T* WithLargeDefaultFont(T* label) {
    label->DefaultFont().SetHeight(40);
    label->DefaultFont().SetStyle({});
    return label;
}

TEST_F(SkinLabels, DisabledTextIsEmbossedOnePixelApart) {
    // An upright bar, so that both copies show as whole strokes.
    auto* text = WithLargeDefaultFont(Label<TbsSkinTextLabel>(""));
    TControl* labels[] = { WithLargeDefaultFont(Label<TbsSkinStdLabel>("I")),
                           WithLargeDefaultFont(Label<TbsSkinLinkLabel>("I")), text };
    for (TControl* label : labels) {
        label->SetBounds(10, 10, 60, 60);
        label->SetEnabled(false);
        if (label == text) text->Lines().Add("I");
        const gfx::Surface pixels = PaintedPixels(*label, 0x000000);
        TInk highlight, shadow;
        for (int y = 0; y < pixels.Height(); ++y)
            for (int x = 0; x < pixels.Width(); ++x) {
                if (RgbAt(pixels, x, y) == Rgb(clBtnHighlight)) highlight.Add(x, y);
                if (RgbAt(pixels, x, y) == Rgb(clBtnShadow)) shadow.Add(x, y);
            }
        ASSERT_FALSE(highlight.Empty()) << label->ClassName();
        ASSERT_FALSE(shadow.Empty()) << label->ClassName();
        // The highlight copy lies one pixel down and right, under the shadow copy.
        EXPECT_EQ(highlight.Box.Right, shadow.Box.Right + 1) << label->ClassName();
        EXPECT_EQ(highlight.Box.Bottom, shadow.Box.Bottom + 1) << label->ClassName();
        EXPECT_EQ(highlight.Box.Left, shadow.Box.Left + 1) << label->ClassName();
    }
}

int LowestInkRow(const gfx::Surface& pixels, std::uint32_t background) {
    for (int y = pixels.Height() - 1; y >= 0; --y)
        for (int x = 0; x < pixels.Width(); ++x)
            if (RgbAt(pixels, x, y) != background) return y;
    return -1;
}

TEST_F(SkinLabels, TextLabelFitsItsLinesAndPutsTheLastLineAtTheBottom) {
    auto* label = Label<TbsSkinTextLabel>("");
    label->Lines().Add("first");
    label->Lines().Add("second");
    label->Lines().Add("third");
    const int fitted = label->Height();
    label->Lines().Delete(2);
    const int twoLines = label->Height();
    label->Lines().Add("third");
    EXPECT_EQ(fitted, label->Height());
    EXPECT_EQ(fitted - twoLines, twoLines / 2) << "three lines are one line more than two";
    const int topRow = LowestInkRow(PaintedPixels(*label, 0xFFFFFF), 0xFFFFFF);

    label->SetAutoSize(false);
    label->SetBounds(10, 10, 120, 100);
    label->SetLayout(tlBottom);
    const int bottomRow = LowestInkRow(PaintedPixels(*label, 0xFFFFFF), 0xFFFFFF);
    EXPECT_EQ(bottomRow - topRow, 100 - fitted);
}

TEST_F(SkinLabels, ClickOnALinkOpensItsUrlOrOnlyFiresOnClick) {
    std::vector<std::string> calls;
    auto previous = SetShellLauncher(std::make_unique<TRecordingLauncher>(calls));
    auto* label = Label<TbsSkinLinkLabel>("home page");
    int clicks = 0;
    label->OnClick = [&](TObject*) { ++clicks; };
    Pump();
    ClickAt(label, 5, 5);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(calls.empty());
    label->SetURL("https://example.org/");
    ClickAt(label, 5, 5);
    EXPECT_EQ(clicks, 2);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0], "xdg-open https://example.org/");
    SetShellLauncher(std::move(previous));
}

TEST_F(SkinLabels, LinkUnderThePointerTakesTheActiveColour) {
    auto* label = Label<TbsSkinLinkLabel>("link");
    label->SetAutoSize(false);
    label->SetBounds(10, 10, 120, 40);
    const gfx::Surface away = PaintedPixels(*label, 0xFFFFFF);
    const TPoint p = label->ClientToScreen(TPoint(5, 5));
    FDisplay->MoveMouse(p.X, p.Y);
    Pump();
    ASSERT_TRUE(label->MouseIn());
    const gfx::Surface over = PaintedPixels(*label, 0xFFFFFF);
    auto showsBlue = [](const gfx::Surface& pixels) {
        for (int y = 0; y < pixels.Height(); ++y)
            for (int x = 0; x < pixels.Width(); ++x)
                if (RgbAt(pixels, x, y) == 0x0000FF) return true;
        return false;
    };
    EXPECT_FALSE(showsBlue(away));
    EXPECT_TRUE(showsBlue(over));
}

TEST_F(SkinLabels, GlowingLinkDrawsItsTextGlowSizeLower) {
    auto* link = Label<TbsSkinLinkLabel>("link");
    link->SetAutoSize(false);
    link->SetBounds(10, 10, 120, 40);
    const int plain = LowestInkRow(PaintedPixels(*link, 0xFFFFFF), 0xFFFFFF);
    link->SetGlowEffect(true);
    link->SetGlowSize(5);
    const int glowing = LowestInkRow(PaintedPixels(*link, 0xFFFFFF), 0xFFFFFF);
    ASSERT_GE(plain, 0);
    EXPECT_EQ(glowing - plain, 5);
}

TEST_F(SkinLabels, SkinChangeRefitsAutoSizedLabelsToTheNewFont) {
    auto* std = Label<TbsSkinStdLabel>("Caption");
    std->SetAutoSize(true);
    auto* text = Label<TbsSkinTextLabel>("");
    text->Lines().Add("Caption");
    const int stdBefore = std->Height();
    const int textBefore = text->Height();
    AddLabelRecord();
    std->ChangeSkinData();
    text->ChangeSkinData();
    EXPECT_GT(std->Height(), stdBefore);
    EXPECT_GT(text->Height(), textBefore);
}

} // namespace
