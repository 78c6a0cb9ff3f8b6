#include "lib/controls/TbsSkinButton.h"
#include "lib/controls/TbsSkinCheckRadioBox.h"
#include "lib/controls/TbsSkinStdLabel.h"
#include "lib/controls/bsActivePicture.h"
#include "lib/dialogs/bsMessages.h"
#include "lib/dialogs/bsSkinMessagePrompts.h"
#include "lib/frame/TbsSkinForm.h"
#include "lib/skindata/TbsResourceStrData.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindata/bsSkinControlRecords.h"
#include "platform/forms/TImage.h"
#include "platform/forms/TImageList.h"
#include "platform/gfx/TIcon.h"
#include "platform/win/StandardIcons.h"
#include "tests/lib/controls/TestSkins.h"
#include "tests/platform/forms/DialogsFixture.h"

#include <algorithm>
#include <memory>
#include <set>
#include <stdexcept>
#include <vector>

using namespace win;

namespace {

class SkinMessage : public formstest::DialogsTest {
protected:
    void SetUp() override {
        DialogsTest::SetUp();
        FBox = std::make_unique<TbsSkinMessage>(nullptr);
    }
    void TearDown() override {
        FBox.reset();
        DialogsTest::TearDown();
    }
    std::unique_ptr<TbsMessageForm> Build(TMsgDlgButtons buttons,
                                          const std::string& text = "Delete the file?") {
        TbsSkinMessage::TBoxContent content;
        content.Text = text;
        content.Title = "Title";
        content.IconType = mtWarning;
        return BuildBox(content, buttons);
    }
    std::unique_ptr<TbsMessageForm> BuildBox(const TbsSkinMessage::TBoxContent& content,
                                             TMsgDlgButtons buttons = { mbOK }) {
        return std::unique_ptr<TbsMessageForm>(
            FBox->BuildMessageForm(content, buttons, -10001, -10001));
    }
    TbsSkinButton* ActiveButton(const char* name) const { return Part<TbsSkinButton>(name); }

    std::unique_ptr<TbsSkinMessage> FBox;
};

struct TButtonRow {
    const char* Name;
    const char* Caption;
    int Result;
};
const TButtonRow kRows[] = {
    { "Yes", "&Yes", 6 },
    { "No", "&No", 7 },
    { "OK", "OK", 1 },
    { "Cancel", "Cancel", 2 },
    { "Abort", "&Abort", 3 },
    { "Retry", "&Retry", 4 },
    { "Ignore", "&Ignore", 5 },
    { "All", "&All", 8 },
    { "NoToAll", "N&oToAll", 9 },
    { "YesToAll", "&YesToAll", 10 },
    { "Help", "&Help", 0 },
    { "Close", "Close", 11 },
};

// The buttons of a built box in creation order.
std::vector<TbsSkinButton*> Buttons(TbsMessageForm& form) {
    std::vector<TbsSkinButton*> buttons;
    for (int i = 0; i < form.ComponentCount(); ++i)
        if (auto* b = dynamic_cast<TbsSkinButton*>(form.Components(i))) buttons.push_back(b);
    return buttons;
}

} // namespace

TEST_F(SkinMessage, ButtonRowsFollowTheSetInTableOrderWithTheirRoles) {
    struct TCase {
        TMsgDlgButtons Set;
        const char* Default;
        const char* Cancel;
    };
    std::vector<TCase> cases;
    for (int i = 0; i < kMsgDlgButtonCount; ++i) {
        const auto b = TMsgDlgBtn(i);
        cases.push_back({ { b },
                          b == mbOK || b == mbYes || b == mbRetry ? kRows[i].Name : nullptr,
                          b == mbCancel || b == mbNo || b == mbOK ? kRows[i].Name : nullptr });
    }
    cases.push_back({ { mbOK, mbCancel }, "OK", "Cancel" });
    cases.push_back({ { mbYes, mbNo, mbCancel }, "Yes", "Cancel" });
    cases.push_back({ { mbHelp, mbClose }, nullptr, nullptr });
    cases.push_back({ { mbAbort, mbRetry, mbIgnore }, "Retry", nullptr });
    TMsgDlgButtons all;
    for (int i = 0; i < kMsgDlgButtonCount; ++i)
        all.Include(TMsgDlgBtn(i));
    cases.push_back({ all, "OK", "Cancel" });

    for (const TCase& c : cases) {
        auto form = Build(c.Set);
        const auto buttons = Buttons(*form);
        std::vector<int> expected;
        for (int i = 0; i < kMsgDlgButtonCount; ++i)
            if (c.Set.Contains(TMsgDlgBtn(i))) expected.push_back(i);
        ASSERT_EQ(buttons.size(), expected.size());
        const int row = int(expected.size()) * 70 + (int(expected.size()) - 1) * 10;
        for (size_t k = 0; k < buttons.size(); ++k) {
            const TButtonRow& want = kRows[expected[k]];
            const TbsSkinButton* b = buttons[k];
            SCOPED_TRACE(want.Name);
            EXPECT_EQ(b->Name(), want.Name);
            EXPECT_EQ(b->Caption(), want.Caption);
            EXPECT_EQ(b->ModalResult(), want.Result);
            const int x = (form->ClientWidth() - row) / 2 + 80 * int(k);
            const int y = form->ClientHeight() - 25 - 10;
            EXPECT_EQ(b->BoundsRect(), TRect(x, y, x + 70, y + 25));
            EXPECT_EQ(b->Default(), c.Default && b->Name() == c.Default);
            EXPECT_EQ(b->Cancel(), c.Cancel && b->Name() == c.Cancel);
        }
    }
    auto empty = Build({});
    EXPECT_TRUE(Buttons(*empty).empty());
    EXPECT_EQ(empty->ClientWidth(), empty->Message->Left() + empty->Message->Width() + 40);
    EXPECT_EQ(empty->Message->BoundsRect().TopLeft(), TPoint(50, 15));
}

TEST_F(SkinMessage, ButtonHeightComesFromTheSkinsButtonRecordOnly) {
    auto skin = LoadProgramSkin("main");
    const int index = skin->GetControlIndex("button");
    ASSERT_GE(index, 0);
    const auto* record = dynamic_cast<const TbsDataSkinButtonControl*>(skin->CtrlList[index].get());
    ASSERT_NE(record, nullptr);
    FBox->SetCtrlSkinData(skin.get());
    EXPECT_EQ(Buttons(*Build({ mbOK }))[0]->Height(), record->SkinRect.Height());
    FBox->SetButtonSkinDataName("stdlabel");
    EXPECT_EQ(Buttons(*Build({ mbOK }))[0]->Height(), 25) << "a record of another kind";
    skin.reset();
    EXPECT_EQ(FBox->CtrlSkinData(), nullptr) << "the freed skin let go of";
}

TEST_F(SkinMessage, EnterAndEscapeBothPressTheOnlyOkButton) {
    for (UINT key : { VK_RETURN, VK_ESCAPE }) {
        std::string title;
        Then([&, key] {
            title = Active()->Caption();
            Key(key);
        });
        EXPECT_EQ(
            FBox->MessageDlg2("请先选择您需要删除的项目！", "提示", mtInformation, { mbOK }, 0),
            mrOk);
        EXPECT_EQ(title, "提示");
    }
}

TEST_F(SkinMessage, HelpAndCloseBoxIgnoresEnterAndEscapeAndHelpLeavesItOpen) {
    Then([&] {
        Key(VK_RETURN);
        Key(VK_ESCAPE);
    });
    std::vector<int> helped;
    FApp->OnHelp = [&](int context) { helped.push_back(context); };
    Then([&] { ClickAt(ActiveButton("Help"), TPoint(10, 10)); });
    Then([&] { ClickAt(ActiveButton("Close"), TPoint(10, 10)); });
    EXPECT_EQ(FBox->MessageDlg("Read the manual?", mtConfirmation, { mbHelp, mbClose }, 7), 11);
    EXPECT_EQ(helped, std::vector<int>{ 7 });
}

TEST_F(SkinMessage, TitlesComeFromTheTypeTheCallerOrTheApplication) {
    struct TCase {
        std::function<int()> Call;
        const char* Title;
    };
    const TCase cases[] = {
        { [&] { return FBox->MessageDlg("x", mtWarning, { mbOK }, 0); }, "Warning" },
        { [&] { return FBox->MessageDlg("x", mtError, { mbOK }, 0); }, "Error" },
        { [&] { return FBox->WideMessageDlg("x", mtInformation, { mbOK }, 0); }, "Information" },
        { [&] { return FBox->MessageDlgHelp("x", mtConfirmation, { mbOK }, 0, "h"); }, "Confirm" },
        { [&] { return FBox->MessageDlg("x", mtCustom, { mbOK }, 0); }, "Converter" },
        { [&] { return FBox->MessageDlg2("x", "Mine", mtWarning, { mbOK }, 0); }, "Mine" },
        { [&] { return FBox->CustomMessageDlg("x", "Pic", nullptr, 3, { mbOK }, 0); }, "Pic" },
    };
    for (const TCase& c : cases) {
        std::string title;
        Then([&] {
            title = Active()->Caption();
            Key(VK_RETURN);
        });
        EXPECT_EQ(c.Call(), mrOk);
        EXPECT_EQ(title, c.Title);
    }
}

TEST_F(SkinMessage, ShowAgainCheckBoxRoundTrip) {
    FBox->SetShowAgainFlag(true);
    bool startedChecked = false;
    std::string caption;
    Then([&] {
        auto* box = Part<TbsSkinCheckRadioBox>("checkbox");
        ASSERT_NE(box, nullptr);
        startedChecked = box->Checked();
        caption = box->Caption();
        Key(VK_RETURN);
    });
    EXPECT_EQ(FBox->MessageDlg("x", mtWarning, { mbOK }, 0), mrOk);
    EXPECT_TRUE(startedChecked);
    EXPECT_EQ(caption, "Do not display this message again");
    EXPECT_FALSE(FBox->ShowAgainFlagValue()) << "closed unchanged";

    Then([&] { ClickAt(Part<TbsSkinCheckRadioBox>("checkbox"), TPoint(8, 15)); });
    Then([&] { ClickAt(ActiveButton("OK"), TPoint(10, 10)); });
    EXPECT_EQ(FBox->MessageDlg("x", mtWarning, { mbOK }, 0), mrOk);
    EXPECT_TRUE(FBox->ShowAgainFlagValue()) << "unchecked by a click";

    bool wideHasBox = true;
    Then([&] {
        wideHasBox = Part<TbsSkinCheckRadioBox>("checkbox") != nullptr;
        Key(VK_RETURN);
    });
    FBox->WideMessageDlg("x", mtWarning, { mbOK }, 0);
    EXPECT_FALSE(wideHasBox);
    EXPECT_TRUE(FBox->ShowAgainFlagValue());
}

TEST_F(SkinMessage, OnlyThePositionedCallsAskWhereToShow) {
    int asked = 0;
    TRect bounds;
    FBox->OnSetShowPos = [&](int& x, int& y, int w, int h) {
        ++asked;
        bounds = TRect(x, y, x + w, y + h);
        x = 120;
        y = 130;
    };
    TPoint shownAt;
    const auto answer = [&] {
        shownAt = Active()->BoundsRect().TopLeft();
        Key(VK_RETURN);
    };
    Then(answer);
    FBox->MessageDlgPos("x", mtWarning, { mbOK }, 0, 40, 50);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(bounds.TopLeft(), TPoint(40, 50));
    EXPECT_EQ(shownAt, TPoint(120, 130));
    Then(answer);
    FBox->MessageDlg("x", mtWarning, { mbOK }, 0);
    Then(answer);
    FBox->WideMessageDlgPos("x", mtWarning, { mbOK }, 0, 40, 50);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(shownAt, TPoint(40, 50));
}

TEST_F(SkinMessage, AnErrorWhileShownReachesTheCallerAndFreesTheBox) {
    FBox->OnSetShowPos = [](int&, int&, int, int) { throw std::runtime_error("moved"); };
    const int before = FApp->ComponentCount();
    EXPECT_THROW(FBox->MessageDlgPos("x", mtWarning, { mbOK }, 0, 0, 0), std::runtime_error);
    EXPECT_EQ(FApp->ComponentCount(), before);
}

TEST_F(SkinMessage, ShellVerbPromptsAskInTheSkinnedBox) {
    TbsSkinMessagePrompts prompts(*FBox);
    IShellVerbPrompts* previous = SetShellVerbPrompts(&prompts);
    struct TCase {
        bool Folder;
        UINT Key;
        bool Agreed;
    };
    for (const TCase& c : { TCase{ false, VK_RETURN, true }, TCase{ true, VK_ESCAPE, false } }) {
        std::string title;
        std::string text;
        Then([&] {
            title = Active()->Caption();
            text = dynamic_cast<TbsMessageForm*>(Active())->Message->Caption();
            Key(c.Key);
        });
        EXPECT_EQ(ShellVerbPrompts().ConfirmDelete("notes", c.Folder), c.Agreed);
        EXPECT_EQ(title, "Confirm Delete");
        EXPECT_EQ(text, DeleteQuestion("notes", c.Folder));
    }
    std::string title;
    Then([&] {
        title = Active()->Caption();
        Key(VK_RETURN);
    });
    ShellVerbPrompts().ShowProperties("notes", "Size: 3 bytes");
    EXPECT_EQ(title, PropertiesCaption("notes"));
    SetShellVerbPrompts(previous);
}

TEST_F(SkinMessage, AMessageWiderThanTheFrameAllowsIsCutAndWrapped) {
    const auto shortForm = Build({ mbOK }, "One line.");
    const int lineHeight = shortForm->Message->Height();
    std::string text;
    for (int i = 0; i < 300; ++i)
        text += "word ";
    FBox->SetShowAgainFlag(true);
    auto form = Build({ mbOK }, text);
    const int maxWidth = form->BSF->GetMaxWidth();
    EXPECT_EQ(form->Width(), maxWidth);
    EXPECT_TRUE(form->Message->WordWrap());
    EXPECT_LE(form->Message->Left() + form->Message->Width(), form->ClientWidth() - 40);
    EXPECT_GT(form->Message->Height(), 2 * lineHeight) << "the text went on in more lines";
    const TRect checkBox = form->DisplayCheckBox->BoundsRect();
    EXPECT_GE(checkBox.Top, form->Message->BoundsRect().Bottom) << "the check box moved down";
    const TRect ok = Buttons(*form)[0]->BoundsRect();
    EXPECT_GE(ok.Top, checkBox.Bottom);
    EXPECT_EQ(ok.Bottom, form->ClientHeight() - 10);
}

TEST_F(SkinMessage, CaptionsComeFromTheSkinsStringTableWhenItHasOne) {
    struct TCase {
        const char* Label;
        std::vector<std::string> Lines; // empty: no table at all
        const char* Ok;
        const char* Information;
        const char* CheckBox;
    };
    const TCase cases[] = {
        { "table with the keys",
          { "MSG_BTN_OK=好", "MSG_CAP_INFORMATION=信息", "MSG_CAP_SHOWFLAG=不再显示" },
          "好",
          "信息",
          "不再显示" },
        { "table without the keys",
          { "MSG_BTN_CANCEL=取消" },
          "",
          "",
          "Do not display this message again" },
        { "no table", {}, "OK", "Information", "Do not display this message again" },
    };
    FBox->SetShowAgainFlag(true);
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Label);
        auto skin = MakeTestSkin();
        TbsResourceStrData table(nullptr);
        if (!c.Lines.empty()) {
            TStringList lines;
            for (const std::string& line : c.Lines)
                lines.Add(line);
            table.SetResStrings(lines);
            skin->SetResourceStrData(&table);
        }
        FBox->SetCtrlSkinData(skin.get());
        EXPECT_EQ(MessageButtonCaption(mbOK, skin.get()), c.Ok);
        EXPECT_EQ(MessageDialogCaption(mtInformation, skin.get()), c.Information);
        EXPECT_EQ(MessageDialogCaption(mtCustom, skin.get()), "");

        std::string title, ok, checkBox;
        Then([&] {
            title = Active()->Caption();
            ok = ActiveButton("OK")->Caption();
            checkBox = Part<TbsSkinCheckRadioBox>("checkbox")->Caption();
            Key(VK_RETURN);
        });
        EXPECT_EQ(FBox->MessageDlg("x", mtInformation, { mbOK }, 0), mrOk);
        EXPECT_EQ(title, c.Information);
        EXPECT_EQ(ok, c.Ok);
        EXPECT_EQ(checkBox, c.CheckBox);
        skin->SetResourceStrData(nullptr);
    }
}

namespace {

enum class Hue { Red, Blue, Yellow, Other };

Hue HueOf(std::uint32_t rgb) {
    const int r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    if (r > 200 && g > 200 && b < 80) return Hue::Yellow;
    if (r > 200 && g < 80 && b < 80) return Hue::Red;
    if (r < 80 && g < 80 && b > 200) return Hue::Blue;
    return Hue::Other;
}

// The box's icon: the image named "Image", if any.
TImage* IconOf(TbsMessageForm& form) {
    return dynamic_cast<TImage*>(form.FindComponent("Image"));
}

} // namespace

TEST_F(SkinMessage, EachTypeShowsItsSystemIconAndCustomAnEmptyArea) {
    struct TCase {
        TMsgDlgType Type;
        Hue Body; // the disc or triangle beside its sign
        int X, Y;
    };
    const TCase cases[] = {
        { mtWarning, Hue::Yellow, 8, 27 },
        { mtError, Hue::Red, 6, 16 },
        { mtInformation, Hue::Blue, 6, 16 },
        { mtConfirmation, Hue::Blue, 6, 16 },
    };
    TbsSkinMessage::TBoxContent content;
    content.Text = "x";
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Type);
        content.IconType = c.Type;
        auto form = BuildBox(content);
        TImage* image = IconOf(*form);
        ASSERT_NE(image, nullptr);
        // One line of text is lower than the icon: the icon keeps 10 pixels from the top.
        EXPECT_EQ(image->BoundsRect(), TRect(5, 10, 37, 42));
        auto* icon = dynamic_cast<TIcon*>(image->Picture().Graphic());
        ASSERT_NE(icon, nullptr);
        ASSERT_EQ(icon->Width(), 32);
        const gfx::Surface pixels = PaintedPixels(*image, 0x808080);
        EXPECT_EQ(HueOf(RgbAt(pixels, c.X, c.Y)), c.Body);
        EXPECT_EQ(RgbAt(pixels, 0, 0), 0x808080u) << "the icon's corner is clear";
    }
    // The same pictures as the plain message box: both come from the system's icons.
    content.IconType = mtError;
    auto error = BuildBox(content);
    EXPECT_TRUE(SamePixels(dynamic_cast<TIcon*>(IconOf(*error)->Picture().Graphic())->ToSurface(),
                           win::StandardIconPicture(win::IDI_HAND)));

    content.IconType = mtCustom;
    auto custom = BuildBox(content);
    ASSERT_NE(IconOf(*custom), nullptr);
    EXPECT_EQ(IconOf(*custom)->BoundsRect(), TRect(5, 10, 37, 42)) << "an empty icon area";
    EXPECT_EQ(IconOf(*custom)->Picture().Graphic(), nullptr);

    // A tall text centres the icon beside it.
    content.IconType = mtWarning;
    content.Text = "1\n2\n3\n4\n5\n6";
    auto tall = BuildBox(content);
    const int labelMiddle = tall->Message->Top() + tall->Message->Height() / 2;
    EXPECT_EQ(IconOf(*tall)->Top(), labelMiddle - 16);
    EXPECT_GT(IconOf(*tall)->Top(), 10);
}

TEST_F(SkinMessage, AnImageOfTheListShowsAtItsSizeAndAnIndexOutsideShowsNone) {
    TImageList images(nullptr);
    images.SetSize(24, 20);
    TBitmap strip(48, 20);
    strip.Canvas().Brush().SetColor(clLime);
    strip.Canvas().FillRect(TRect(0, 0, 24, 20));
    strip.Canvas().Brush().SetColor(clRed);
    strip.Canvas().FillRect(TRect(24, 0, 48, 20));
    strip.Canvas().Brush().SetColor(clBlack);
    strip.Canvas().FillRect(TRect(24, 0, 28, 4)); // a transparent corner in the second picture
    ASSERT_EQ(images.AddMasked(strip, clBlack), 0);
    ASSERT_EQ(images.Count(), 2);

    TbsSkinMessage::TBoxContent content;
    content.Text = "x";
    content.FromImageList = true;
    content.Images = &images;
    content.ImageIndex = 1;
    auto form = BuildBox(content);
    TImage* image = IconOf(*form);
    ASSERT_NE(image, nullptr);
    const int top = form->Message->Top() + form->Message->Height() / 2 - 16;
    EXPECT_LT(top, 10) << "one line of text: the list's image has no lower bound";
    EXPECT_EQ(image->BoundsRect(), TRect(5, top, 29, top + 20));
    const gfx::Surface pixels = PaintedPixels(*image, 0x808080);
    EXPECT_EQ(RgbAt(pixels, 10, 10), 0xFF0000u) << "the picture of index 1";
    EXPECT_EQ(RgbAt(pixels, 1, 1), 0x808080u) << "its transparent pixels stay clear";

    for (const int index : { -1, 2, 1000 }) {
        content.ImageIndex = index;
        EXPECT_EQ(IconOf(*BuildBox(content)), nullptr) << index;
    }
    content.Images = nullptr;
    content.ImageIndex = 0;
    EXPECT_EQ(IconOf(*BuildBox(content)), nullptr) << "no list";
}

TEST_F(SkinMessage, ThePromptBoxIsDrawnFromTheMainSkin) {
    const auto skin = LoadProgramSkin("main");
    FBox->SetSkinData(skin.get());
    FBox->SetCtrlSkinData(skin.get());
    gfx::Surface shown;
    TRect ok, icon;
    Then([&] {
        Pump();
        TCustomForm* form = Active();
        const TPoint origin = form->BoundsRect().TopLeft();
        const auto inWindow = [&](TControl* c) {
            const TPoint at = c->ClientToScreen(TPoint(0, 0));
            return TRect(at.X - origin.X, at.Y - origin.Y, at.X - origin.X + c->Width(),
                         at.Y - origin.Y + c->Height());
        };
        ok = inWindow(ActiveButton("OK"));
        icon = inWindow(Part<TImage>("Image"));
        if (const auto* native = FDisplay->Native(form->Handle())) shown = native->FPresented;
        Key(VK_RETURN);
    });
    EXPECT_EQ(FBox->MessageDlg2("请先选择您需要删除的项目！", "提示", mtInformation, { mbOK }, 0),
              mrOk);
    ASSERT_FALSE(shown.Empty());
    const std::string fileName = std::string(VC_SHEET_DIR) + "/message-box.png";
    EXPECT_TRUE(win::HeadlessBackend::SavePng(shown, fileName)) << fileName;

    // The OK button's corners are the skin's button face.
    const auto& record = *skin->CtrlList[std::size_t(skin->GetControlIndex("button"))];
    const TBitmap* face = ActivePictureOf(*skin, record.PictureIndex);
    ASSERT_NE(face, nullptr);
    const auto faceRects = {
        record.SkinRect, dynamic_cast<const TbsDataSkinButtonControl&>(record).FocusedSkinRect
    };
    const auto cornersMatch = [&](const TRect& f) {
        return RgbAt(shown, ok.Left, ok.Top) == RgbAt(*face, f.Left, f.Top) &&
               RgbAt(shown, ok.Right - 1, ok.Top) == RgbAt(*face, f.Right - 1, f.Top) &&
               RgbAt(shown, ok.Left, ok.Bottom - 1) == RgbAt(*face, f.Left, f.Bottom - 1) &&
               RgbAt(shown, ok.Right - 1, ok.Bottom - 1) == RgbAt(*face, f.Right - 1, f.Bottom - 1);
    };
    EXPECT_TRUE(std::any_of(faceRects.begin(), faceRects.end(), cornersMatch));

    // The caption bar's pixels are the skin's frame picture's, bar the title's letters.
    std::set<std::uint32_t> frameColours;
    const gfx::Surface frame = skin->FPicture.ToSurface();
    for (int y = 0; y < frame.Height(); ++y)
        for (int x = 0; x < frame.Width(); ++x)
            frameColours.insert(RgbAt(frame, x, y));
    int fromSkin = 0;
    const int captionRow = 4;
    for (int x = 0; x < shown.Width(); ++x)
        fromSkin += frameColours.count(RgbAt(shown, x, captionRow)) ? 1 : 0;
    EXPECT_GT(fromSkin, shown.Width() * 9 / 10);

    // The information icon sits in the icon area.
    int blue = 0;
    for (int y = icon.Top; y < icon.Bottom; ++y)
        for (int x = icon.Left; x < icon.Right; ++x)
            blue += HueOf(RgbAt(shown, x, y)) == Hue::Blue ? 1 : 0;
    EXPECT_GT(blue, 200) << "the icon area shows the information sign";
}

TEST_F(SkinMessage, CentredBelowMinusTenThousandAndPlacedFromIt) {
    TRect shown;
    const auto answer = [&] {
        shown = Active()->BoundsRect();
        Key(VK_RETURN);
    };
    Then(answer);
    FBox->MessageDlg("x", mtWarning, { mbOK }, 0);
    const TRect area = Screen->MonitorWorkArea(shown);
    EXPECT_NEAR(shown.Left + shown.Width() / 2, area.Left + area.Width() / 2, 1);
    EXPECT_NEAR(shown.Top + shown.Height() / 2, area.Top + area.Height() / 2, 1);
    Then(answer);
    FBox->MessageDlgPos("x", mtWarning, { mbOK }, 0, -10000, 20);
    EXPECT_EQ(shown.TopLeft(), TPoint(-10000, 20));
}
