#include "lib/controls/TbsSkinButton.h"
#include "lib/controls/TbsSkinCheckRadioBox.h"
#include "lib/controls/TbsSkinStdLabel.h"
#include "lib/dialogs/bsMessages.h"
#include "lib/dialogs/bsSkinMessagePrompts.h"
#include "lib/frame/TbsSkinForm.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindata/bsSkinControlRecords.h"
#include "tests/lib/controls/TestSkins.h"
#include "tests/platform/forms/DialogsFixture.h"

#include <memory>
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
