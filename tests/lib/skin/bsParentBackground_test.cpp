#include "lib/skindraw/bsParentBackground.h"

#include "DrawingPictures.h"
#include "platform/forms/TGraphicControl.h"
#include "platform/forms/TWinControl.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A parent erased in 'p' that paints a 'q' square of its own, noting its paint-copy mark.
class TPaintedParent : public TWinControl {
public:
    using TWinControl::TWinControl;
    bool FMarkedWhilePainting{ false };

protected:
    void PaintWindow(win::HDC dc) override {
        FMarkedWhilePainting = ControlState().Contains(csPaintCopy);
        TCanvas canvas;
        canvas.SetHandle(dc);
        canvas.Brush().SetColor(LetterColor('q'));
        canvas.FillRect(Rect(10, 10, 20, 20));
        canvas.SetHandle(nullptr);
    }
};

// A windowless sibling filled in one letter.
class TSpot : public TGraphicControl {
public:
    explicit TSpot(char letter) : TGraphicControl(nullptr), FLetter(letter) {}
    int FPaints{ 0 };
    bool FMarkedWhilePainting{ false };

protected:
    void Paint() override {
        ++FPaints;
        FMarkedWhilePainting = ControlState().Contains(csPaintCopy);
        Canvas().Brush().SetColor(LetterColor(FLetter));
        Canvas().FillRect(Rect(0, 0, Width(), Height()));
    }

private:
    char FLetter;
};

struct Scene {
    std::unique_ptr<TPaintedParent> Parent = std::make_unique<TPaintedParent>(nullptr);
    std::unique_ptr<TSpot> Below = std::make_unique<TSpot>('r');
    std::unique_ptr<TSpot> Hidden = std::make_unique<TSpot>('t');
    std::unique_ptr<TSpot> Away = std::make_unique<TSpot>('u');
    std::unique_ptr<TSpot> Control = std::make_unique<TSpot>('v');
    std::unique_ptr<TSpot> Above = std::make_unique<TSpot>('s');

    Scene() {
        Parent->SetBounds(0, 0, 40, 30);
        Parent->SetColor(LetterColor('p'));
        Place(*Below, 12, 12, 8, 8);
        Place(*Hidden, 8, 8, 4, 4);
        Hidden->SetVisible(false);
        Place(*Away, 30, 0, 5, 5);
        Place(*Control, 8, 8, 16, 16);
        Place(*Above, 14, 14, 4, 4);
    }
    ~Scene() {
        for (TSpot* s : { Above.get(), Control.get(), Away.get(), Hidden.get(), Below.get() })
            s->SetParent(nullptr);
    }
    void Place(TSpot& spot, int x, int y, int w, int h) {
        spot.SetParent(Parent.get());
        spot.SetBounds(x, y, w, h);
    }
    // What the parent shows at parent pixel x, y below the control.
    static char Shown(int x, int y) {
        if (x >= 12 && x < 20 && y >= 12 && y < 20) return 'r';
        if (x >= 10 && x < 20 && y >= 10 && y < 20) return 'q';
        return 'p';
    }
};

TEST(CopyParentBackgroundTest, PaintsTheParentAndTheWindowlessSiblingsBelowTheControl) {
    Scene scene;
    const auto target = PictureOfRows(std::vector<std::string>(16, std::string(16, '.')));
    CopyParentBackground(scene.Control.get(), target->Canvas());
    std::vector<std::string> expected;
    for (int y = 0; y < 16; ++y) {
        std::string row;
        for (int x = 0; x < 16; ++x)
            row += Scene::Shown(x + 8, y + 8);
        expected.push_back(row);
    }
    EXPECT_EQ(RowsOf(*target), expected);
    EXPECT_EQ(scene.Below->FPaints, 1);
    EXPECT_EQ(scene.Hidden->FPaints, 0);
    EXPECT_EQ(scene.Away->FPaints, 0) << "outside the control's bounds";
    EXPECT_EQ(scene.Above->FPaints, 0) << "above the control in the order";
    EXPECT_EQ(scene.Control->FPaints, 0);
    EXPECT_TRUE(scene.Parent->FMarkedWhilePainting);
    EXPECT_TRUE(scene.Below->FMarkedWhilePainting);
    EXPECT_FALSE(scene.Parent->ControlState().Contains(csPaintCopy));
    EXPECT_FALSE(scene.Below->ControlState().Contains(csPaintCopy));
}

TEST(CopyParentBackgroundTest, TabsBackgroundShiftsByTheRectanglesCorner) {
    Scene scene;
    const auto target = PictureOfRows(std::vector<std::string>(10, std::string(10, '.')));
    CopyTabsBackground(scene.Control.get(), Rect(3, 2, 13, 12), target->Canvas());
    const auto rows = RowsOf(*target);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            EXPECT_EQ(rows[std::size_t(y)][std::size_t(x)], Scene::Shown(x + 8 + 3, y + 8 + 2))
                << x << "," << y;
}

TEST(CopyParentBackgroundTest, NothingWithoutControlOrParent) {
    TSpot orphan('v');
    const auto target = PictureOfRows({ "...", "..." });
    CopyParentBackground(nullptr, target->Canvas());
    CopyParentBackground(&orphan, target->Canvas());
    EXPECT_EQ(RowsOf(*target), (std::vector<std::string>{ "...", "..." }));
}

} // namespace
