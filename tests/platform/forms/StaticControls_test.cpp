#include "FormsTestSupport.h"
#include "platform/forms/StdCtrlsClasses.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TBevel.h"
#include "platform/forms/TButton.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TFormReader.h"
#include "platform/forms/TGroupBox.h"
#include "platform/forms/TLabel.h"
#include "platform/forms/TPanel.h"
#include "platform/gfx/SysColors.h"
#include "platform/win/Input.h"
#include <memory>
#include <optional>

namespace formstest {
namespace {

using namespace win;

bool SameRgb(gfx::Pixel p, TColor color) {
    const COLORREF c = ColorToRGB(color);
    return gfx::PixelR(p) == GetRValue(c) && gfx::PixelG(p) == GetGValue(c) &&
           gfx::PixelB(p) == GetBValue(c);
}

class StaticControls : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        FApp = std::make_unique<TApplication>(nullptr);
        FApp->Initialize();
        FApp->CreateForm(FForm);
        FForm->SetBounds(50, 40, 360, 260);
        FForm->SetColor(clLime);
    }
    void TearDown() override {
        FApp.reset();
        FormsTest::TearDown();
    }
    template <typename T>
    T* Add(TWinControl* parent, TRect bounds, const std::string& caption = {}) {
        auto* c = new T(FForm);
        c->SetParent(parent);
        c->SetCaption(caption);
        c->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
        return c;
    }
    // The screen after everything painted.
    gfx::Surface Screen() {
        FForm->Show();
        Pump();
        return FDisplay->ComposeScreen();
    }
    // Where c's client point is on the screen.
    TPoint At(TControl* c, int x, int y) { return c->ClientToScreen(TPoint(x, y)); }
    // The bounds, in c's client coordinates, of the pixels of c that are dark (text).
    static std::optional<TRect> Ink(const gfx::Surface& s, TControl* c) {
        std::optional<TRect> ink;
        const TPoint o = c->ClientToScreen(TPoint(0, 0));
        for (int y = 0; y < c->Height(); ++y)
            for (int x = 0; x < c->Width(); ++x) {
                const gfx::Pixel p = s.At(o.X + x, o.Y + y);
                if (gfx::PixelR(p) + gfx::PixelG(p) + gfx::PixelB(p) > 3 * 100) continue;
                if (!ink)
                    ink = TRect(x, y, x + 1, y + 1);
                else
                    ink = TRect(std::min(ink->Left, x), std::min(ink->Top, y),
                                std::max(ink->Right, x + 1), std::max(ink->Bottom, y + 1));
            }
        return ink;
    }

    std::unique_ptr<TApplication> FApp;
    TForm* FForm{ nullptr };
};

TEST_F(StaticControls, LabelAutoSizeFitsTheTextAndWordWrapKeepsTheWidth) {
    auto* label = Add<TLabel>(FForm, TRect(10, 10, 20, 20));
    label->SetCaption("Output folder");
    const int oneLine = label->Height();
    EXPECT_GT(label->Width(), 40);
    EXPECT_GT(oneLine, 8);
    const int width = label->Width();
    label->SetCaption("Output folder for every converted file");
    EXPECT_GT(label->Width(), width);

    label->SetWordWrap(true);
    label->SetWidth(60);
    EXPECT_EQ(label->Width(), 60);
    EXPECT_GE(label->Height(), 3 * oneLine);

    // Right-aligned labels grow to the left, keeping their right edge.
    auto* right = Add<TLabel>(FForm, TRect(100, 60, 200, 80), "x");
    right->SetAlignment(taRightJustify);
    right->SetAutoSize(false);
    right->SetBounds(100, 60, 100, 20);
    right->SetAutoSize(true);
    EXPECT_EQ(right->Left() + right->Width(), 200);
}

TEST_F(StaticControls, LabelDrawsAlignedTextAndLetsTheParentThroughWhenTransparent) {
    struct Case {
        TAlignment alignment;
        TTextLayout layout;
        bool transparent;
    };
    const Case cases[] = { { taLeftJustify, tlTop, false },
                           { taRightJustify, tlBottom, false },
                           { taCenter, tlCenter, true } };
    for (const Case& c : cases) {
        auto* label = Add<TLabel>(FForm, TRect(20, 20, 220, 80), "Label");
        label->SetAutoSize(false);
        label->SetBounds(20, 20, 200, 60);
        label->SetColor(clWhite);
        label->SetAlignment(c.alignment);
        label->SetLayout(c.layout);
        label->SetTransparent(c.transparent);
        const gfx::Surface s = Screen();
        const auto ink = Ink(s, label);
        ASSERT_TRUE(ink) << "no text drawn, alignment " << c.alignment;
        const int midX = (ink->Left + ink->Right) / 2;
        const int midY = (ink->Top + ink->Bottom) / 2;
        switch (c.alignment) {
        case taLeftJustify:
            EXPECT_LT(ink->Left, 5);
            break;
        case taRightJustify:
            EXPECT_GT(ink->Right, 195);
            break;
        case taCenter:
            EXPECT_NEAR(midX, 100, 6);
            break;
        }
        switch (c.layout) {
        case tlTop:
            EXPECT_LT(ink->Top, 10);
            break;
        case tlBottom:
            EXPECT_GT(ink->Bottom, 50);
            break;
        case tlCenter:
            EXPECT_NEAR(midY, 30, 6);
            break;
        }
        const TPoint corner = At(label, 1, 58);
        EXPECT_TRUE(SameRgb(s.At(corner.X, corner.Y), c.transparent ? clLime : clWhite))
            << "transparent " << c.transparent;
        delete label;
    }
}

TEST_F(StaticControls, DisabledLabelIsEmbossedInHighlightAndShadow) {
    auto* label = Add<TLabel>(FForm, TRect(20, 20, 220, 80), "Label");
    label->SetAutoSize(false);
    label->SetBounds(20, 20, 200, 60);
    label->SetColor(clBlack);
    label->SetEnabled(false);
    const gfx::Surface s = Screen();
    bool highlight = false, shadow = false;
    const TPoint o = At(label, 0, 0);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 200; ++x) {
            highlight = highlight || SameRgb(s.At(o.X + x, o.Y + y), clBtnHighlight);
            shadow = shadow || SameRgb(s.At(o.X + x, o.Y + y), clBtnShadow);
        }
    EXPECT_TRUE(highlight);
    EXPECT_TRUE(shadow);
}

TEST_F(StaticControls, LabelAcceleratorFocusesItsControlAndForgetsItWhenFreed) {
    auto* label = Add<TLabel>(FForm, TRect(10, 10, 100, 30), "&Name");
    auto* first = Add<TButton>(FForm, TRect(10, 100, 80, 125), "First");
    auto* target = Add<TButton>(FForm, TRect(100, 100, 170, 125), "Target");
    label->SetFocusControl(target);
    FForm->Show();
    first->SetFocus();
    Pump();

    FDisplay->TypeKey('N', "n");
    Pump();
    EXPECT_TRUE(target->Focused());

    first->SetFocus();
    label->SetShowAccelChar(false);
    FDisplay->TypeKey('N', "n");
    Pump();
    EXPECT_TRUE(first->Focused()) << "without accelerator characters the & is plain text";

    delete target;
    EXPECT_EQ(label->FocusControl(), nullptr);
}

TEST_F(StaticControls, PanelFramesItsChildrenAndCentresItsCaption) {
    struct Case {
        TPanelBevel outer, inner;
        int bevelWidth, borderWidth, frame;
    };
    const Case cases[] = { { bvRaised, bvNone, 1, 0, 1 },
                           { bvRaised, bvLowered, 2, 3, 7 },
                           { bvNone, bvNone, 1, 0, 0 },
                           { bvSpace, bvLowered, 1, 1, 3 } };
    for (const Case& c : cases) {
        auto* panel = Add<TPanel>(FForm, TRect(10, 10, 210, 110));
        panel->SetBevelOuter(c.outer);
        panel->SetBevelInner(c.inner);
        panel->SetBevelWidth(c.bevelWidth);
        panel->SetBorderWidth(c.borderWidth);
        auto* child = Add<TPanel>(panel, TRect(0, 0, 10, 10));
        child->SetAlign(alClient);
        EXPECT_EQ(child->BoundsRect(), TRect(c.frame, c.frame, 200 - c.frame, 100 - c.frame))
            << c.outer << "/" << c.inner;
        delete panel;
    }
    EXPECT_THROW(TPanel(nullptr).SetBevelWidth(0), EInvalidOperation);

    auto* panel = Add<TPanel>(FForm, TRect(10, 10, 210, 110), "Preview");
    const gfx::Surface s = Screen();
    const TPoint topLeft = At(panel, 0, 0);
    const TPoint bottomRight = At(panel, 199, 99);
    EXPECT_TRUE(SameRgb(s.At(topLeft.X, topLeft.Y), clBtnHighlight));
    EXPECT_TRUE(SameRgb(s.At(bottomRight.X, bottomRight.Y), clBtnShadow));
    const auto ink = Ink(s, panel);
    ASSERT_TRUE(ink);
    EXPECT_NEAR((ink->Left + ink->Right) / 2, 100, 6);
    EXPECT_NEAR((ink->Top + ink->Bottom) / 2, 50, 6);
}

TEST_F(StaticControls, GroupBoxPlacesChildrenBelowItsCaptionAndItsAcceleratorEntersIt) {
    auto* group = Add<TGroupBox>(FForm, TRect(10, 10, 210, 150), "&Audio");
    auto* outside = Add<TButton>(FForm, TRect(250, 10, 320, 35), "Go");
    auto* inner = Add<TButton>(group, TRect(10, 30, 80, 55), "Inner");
    auto* filler = Add<TPanel>(group, TRect(0, 0, 10, 10));
    filler->SetAlign(alClient);
    EXPECT_GT(filler->Top(), 8) << "the caption's line stays clear";
    EXPECT_EQ(filler->Left(), 2);

    const gfx::Surface s = Screen();
    const auto ink = Ink(s, group);
    ASSERT_TRUE(ink);
    EXPECT_LT(ink->Top, filler->Top());

    outside->SetFocus();
    Pump();
    FDisplay->TypeKey('A', "a");
    Pump();
    EXPECT_TRUE(inner->Focused());
}

TEST_F(StaticControls, BevelShadesMatchItsStyle) {
    struct Case {
        TBevelShape shape;
        TBevelStyle style;
        TPoint point;
        TColor color;
    };
    const Case cases[] = {
        { bsBox, bsLowered, TPoint(0, 0), clBtnShadow },
        { bsBox, bsLowered, TPoint(99, 49), clBtnHighlight },
        { bsBox, bsRaised, TPoint(0, 0), clBtnHighlight },
        { bsTopLine, bsLowered, TPoint(50, 0), clBtnShadow },
        { bsTopLine, bsLowered, TPoint(50, 1), clBtnHighlight },
        { bsTopLine, bsLowered, TPoint(50, 25), clLime },
        { bsRightLine, bsRaised, TPoint(99, 25), clBtnShadow },
        { bsSpacer, bsLowered, TPoint(0, 0), clLime },
    };
    for (const Case& c : cases) {
        auto* bevel = Add<TBevel>(FForm, TRect(30, 30, 130, 80));
        bevel->SetShape(c.shape);
        bevel->SetStyle(c.style);
        const gfx::Surface s = Screen();
        const TPoint p = At(bevel, c.point.X, c.point.Y);
        EXPECT_TRUE(SameRgb(s.At(p.X, p.Y), c.color)) << "shape " << c.shape << " style " << c.style
                                                      << " at " << c.point.X << "," << c.point.Y;
        delete bevel;
    }
}

TEST_F(StaticControls, FormDescriptionsMakeLabelsPanelsGroupsAndBevels) {
    RegisterStdCtrlsClasses();
    auto form = std::make_unique<TForm>(nullptr);
    ReadFormDescription(form.get(), R"(object Form1: TForm
  object Label1: TLabel
    Caption = '&File'
    FocusControl = Go
    Alignment = taCenter
    Layout = tlCenter
    Transparent = True
  end
  object Panel1: TPanel
    BevelOuter = bvLowered
    BevelInner = bvRaised
    BevelWidth = 2
    object Group: TGroupBox
      Caption = 'Video'
      object Go: TButton
        Caption = 'Go'
      end
    end
  end
  object Line: TBevel
    Shape = bsTopLine
    Style = bsRaised
  end
end
)",
                        "Form1.dfm");
    auto* label = DescribedComponent<TLabel>(form.get(), "Label1");
    auto* go = DescribedComponent<TButton>(form.get(), "Go");
    EXPECT_EQ(label->FocusControl(), go);
    EXPECT_EQ(label->Alignment(), taCenter);
    EXPECT_EQ(label->Layout(), tlCenter);
    EXPECT_TRUE(label->Transparent());
    auto* panel = DescribedComponent<TPanel>(form.get(), "Panel1");
    EXPECT_EQ(panel->FrameWidth(), 4);
    EXPECT_EQ(go->Parent(), DescribedComponent<TGroupBox>(form.get(), "Group"));
    auto* line = DescribedComponent<TBevel>(form.get(), "Line");
    EXPECT_EQ(line->Shape(), bsTopLine);
    EXPECT_EQ(line->Style(), bsRaised);
}

} // namespace
} // namespace formstest
