#include "FrameFixture.h"

#include "lib/frame/TbsQuickButtonItem.h"
#include "platform/forms/TImageList.h"
#include "platform/forms/TTimer.h"
#include "platform/gfx/TBitmap.h"
#include "platform/win/WindowApi.h"
#include "tests/lib/menus/MenuFixture.h"

namespace frametest {
namespace {

using namespace win;

using CaptionObject = FrameTest;

// The caption record with the look a dark-framed skin gives its title: Tahoma 13 bold, nearly
// white on the active form, grey on the inactive one, a black glow of 5 in both states.
TbsDataSkinCaption& GlowCaption(TbsSkinData& skin) {
    for (auto& record : skin.ObjectList)
        if (auto* caption = dynamic_cast<TbsDataSkinCaption*>(record.get())) {
            caption->TextRct = TRect(2, 0, 110, 20);
            caption->FontName = "Tahoma";
            caption->FontHeight = 13;
            caption->FontStyle = TFontStyles{ fsBold };
            caption->ActiveFontColor = TColor(0xFBFAFA);
            caption->FontColor = TColor(0x969696);
            caption->GlowEffect = caption->GlowInActiveEffect = true;
            caption->GlowSize = 5;
            caption->GlowColor = caption->GlowActiveColor = clBlack;
            return *caption;
        }
    throw std::logic_error("the synthetic skin has a caption record");
}

struct TCaptionForm {
    TForm* Form;
    TbsSkinForm* Skin;
    TbsSkinCaptionObject* Caption;
};

// The columns where the caption's text (white on black) has ink, drawn into an image of the
// caption's size.
std::pair<int, int> InkColumns(TbsSkinCaptionObject& caption) {
    const TRect kept = caption.ObjectRect;
    caption.ObjectRect = TRect(0, 0, kept.Width(), kept.Height());
    TBitmap image(kept.Width(), kept.Height());
    image.Canvas().Brush().SetColor(clBlack);
    image.Canvas().FillRect(caption.ObjectRect);
    caption.SetCaptionFont(image.Canvas(), clWhite);
    caption.DrawCaptionText(image.Canvas(), 0, 0, true);
    caption.ObjectRect = kept;
    int first = -1, last = -1;
    for (int x = 0; x < image.Width(); ++x)
        for (int y = 0; y < image.Height(); ++y)
            if (image.Canvas().Pixels(x, y) != clBlack) {
                if (first == -1) first = x;
                last = x;
                break;
            }
    return { first, last };
}

class CaptionText : public CaptionObject {
protected:
    TCaptionForm Make(const std::string& text, int width = 300) {
        FSkin = MakeFrameSkin();
        TbsDataSkinCaption& record = GlowCaption(*FSkin);
        record.GlowEffect = false;
        TForm* form = NewForm(TRect(20, 20, 20 + width, 140));
        form->SetCaption(text);
        TbsSkinForm* skin = SkinForm(form, FSkin.get());
        skin->CalcSkinRects();
        skin->CalcObjectRects();
        auto* caption = dynamic_cast<TbsSkinCaptionObject*>(
            skin->ObjectList.at(std::size_t(skin->GetIndex("caption"))).get());
        return { form, skin, caption };
    }
};

TEST_F(CaptionText, LongTextEndsInAnEllipsisThatFits) {
    TCaptionForm f = Make(std::string(200, 'W'));
    TBitmap canvasOwner(10, 10);
    f.Caption->SetCaptionFont(canvasOwner.Canvas(), clWhite);
    const std::string text = f.Caption->FittedText(canvasOwner.Canvas());
    ASSERT_GE(text.size(), 3u);
    EXPECT_EQ(text.substr(text.size() - 3), "...");
    const TRect tr = f.Caption->TextRect();
    EXPECT_LE(canvasOwner.Canvas().TextWidth(text), tr.Width());
    // The right margin of the record stays as the object stretches.
    EXPECT_EQ(f.Caption->ObjectRect.Width() - tr.Right, 112 - 110);

    const auto [first, last] = InkColumns(*f.Caption);
    EXPECT_GE(first, tr.Left);
    EXPECT_LE(last, tr.Right);
}

TEST_F(CaptionText, AlignmentPlacesTheTextAndQuickButtonsCentreIt) {
    TCaptionForm f = Make("Title");
    const TRect tr = f.Caption->TextRect();
    auto [left, leftEnd] = InkColumns(*f.Caption);
    EXPECT_NEAR(left, tr.Left, 2) << "left-justified";
    f.Caption->Alignment = taRightJustify;
    auto [right, rightEnd] = InkColumns(*f.Caption);
    EXPECT_NEAR(rightEnd, tr.Right - 1, 2);

    f.Caption->Alignment = taLeftJustify;
    TImageList images(nullptr);
    images.SetSize(16, 16);
    f.Skin->SetQuickImageList(&images);
    f.Skin->QuickButtons().Add();
    const TRect quick = f.Caption->TextRect();
    EXPECT_EQ(quick.Left, tr.Left + 24) << "one button's width and gap";
    auto [first, last] = InkColumns(*f.Caption);
    EXPECT_NEAR((first + last + 1) / 2, (quick.Left + quick.Right) / 2, 2) << "centred";
    f.Skin->SetQuickImageList(nullptr);
}

TEST_F(CaptionObject, QuickButtonClickGoesToTheButtonUnderTheRelease) {
    FSkin = MakeFrameSkin();
    GlowCaption(*FSkin);
    TForm* form = NewForm(TRect(20, 20, 320, 140));
    TbsSkinForm* skin = SkinForm(form, FSkin.get());
    form->Show();
    TImageList images(nullptr);
    images.SetSize(16, 16);
    skin->SetQuickImageList(&images);
    std::vector<int> clicks;
    for (int i = 0; i < 3; ++i) {
        auto* button = static_cast<TbsQuickButtonItem*>(skin->QuickButtons().Add());
        button->OnClick = [&clicks, i](TObject*) { clicks.push_back(i); };
    }
    Pump();
    auto& caption = dynamic_cast<TbsSkinCaptionObject&>(
        *skin->ObjectList.at(std::size_t(skin->GetIndex("caption"))));
    TBitmap frame(300, 40);
    caption.DrawQuickButtons(frame.Canvas());
    auto item = [&](int i) -> TbsQuickButtonItem& {
        return static_cast<TbsQuickButtonItem&>(*skin->QuickButtons().Items(i));
    };
    EXPECT_EQ(item(1).ItemRect.Left - item(0).ItemRect.Left, 24);
    auto centre = [&](int i) {
        const TRect& r = item(i).ItemRect;
        return TPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    };

    caption.MouseDown(centre(0).X, centre(0).Y, mbLeft);
    EXPECT_TRUE(item(0).Down);
    caption.MouseMove(centre(1).X, centre(1).Y);
    caption.MouseUp(centre(1).X, centre(1).Y, mbLeft);
    EXPECT_EQ(clicks, std::vector<int>{ 1 });
    EXPECT_FALSE(item(0).Down);

    // A disabled button is neither hovered nor clicked.
    item(2).SetEnabled(false);
    caption.MouseMove(centre(2).X, centre(2).Y);
    EXPECT_EQ(caption.ActiveQuickButton, -1);
    caption.MouseDown(centre(2).X, centre(2).Y, mbLeft);
    caption.MouseUp(centre(2).X, centre(2).Y, mbLeft);
    EXPECT_EQ(clicks, std::vector<int>{ 1 });

    // An invisible one takes no place.
    item(0).SetVisible(false);
    caption.DrawQuickButtons(frame.Canvas());
    EXPECT_EQ(item(1).ItemRect.Left, caption.ObjectRect.Left);

    caption.MouseMove(centre(1).X, centre(1).Y);
    EXPECT_TRUE(item(1).Active);
    caption.MouseLeave();
    EXPECT_FALSE(item(1).Active) << "leaving the caption clears the hover";
    skin->SetQuickImageList(nullptr);
}

TEST_F(CaptionObject, GlowingCaptionActiveAndInactive) {
    FSkin = MakeFrameSkin();
    GlowCaption(*FSkin);
    TForm* form = NewForm(TRect(40, 30, 240, 110));
    form->SetCaption("Converter 视频");
    SkinForm(form, FSkin.get());
    form->Show();
    Pump();
    menustest::ExpectMatchesGolden(Shown(form), "lib/frame/CaptionGlowActive_golden.png");
    TForm* other = NewForm(TRect(600, 600, 800, 700));
    other->Show();
    Pump();
    menustest::ExpectMatchesGolden(Shown(form), "lib/frame/CaptionGlowInactive_golden.png");
}

TEST_F(CaptionObject, ProgramSkinCloseButtonHoveredAndPressed) {
    FSkin = LoadProgramSkin("main");
    TForm* form = NewForm(TRect(40, 30, 240, 110));
    form->SetCaption("Close");
    TbsSkinForm* skin = SkinForm(form, FSkin.get());
    form->Show();
    Pump();
    auto& close = dynamic_cast<TbsSkinStdButtonObject&>(*skin->ObjectList.at(std::size_t([&] {
        for (std::size_t i = 0; i < skin->ObjectList.size(); ++i)
            if (auto* b = dynamic_cast<TbsSkinStdButtonObject*>(skin->ObjectList[i].get());
                b && b->Command == cmClose)
                return i;
        return std::size_t(0);
    }())));
    ASSERT_EQ(close.Command, cmClose);
    close.MouseEnter();
    Wait(300); // a morph, if the skin asked for one, has run its course
    EXPECT_TRUE(close.Active);
    EXPECT_FALSE(skin->MorphTimer().Enabled()) << "the morph timer stops when idle";
    menustest::ExpectMatchesGolden(Shown(form), "lib/frame/CloseHover_golden.png");
    close.MouseDown(2, 2, mbLeft);
    Pump();
    menustest::ExpectMatchesGolden(Shown(form), "lib/frame/ClosePressed_golden.png");
    close.MouseLeave();
    close.MouseUp(2, 2, mbLeft);
    EXPECT_TRUE(form->Visible());
}

} // namespace
} // namespace frametest
