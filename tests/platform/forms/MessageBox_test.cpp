#include "DialogsFixture.h"
#include "platform/forms/TButton.h"
#include "platform/forms/TMessageForm.h"
#include <vector>

namespace formstest {
namespace {

using namespace win;

std::vector<std::string> Captions(TCustomForm* form) {
    std::vector<std::string> captions;
    for (int i = 0; i < form->ControlCount(); ++i)
        if (auto* b = dynamic_cast<TButton*>(form->Controls(i))) captions.push_back(b->Caption());
    return captions;
}

using MessageBoxes = DialogsTest;

TEST_F(MessageBoxes, EachButtonSetOffersItsAnswersAndKeys) {
    struct Case {
        unsigned flags;
        std::vector<std::string> captions;
        UINT key;
        std::string text;
        int answer;
    };
    const Case cases[] = {
        { MB_OK, { "OK" }, VK_RETURN, "", IDOK },
        { MB_OK, { "OK" }, VK_ESCAPE, "", IDOK },
        { MB_OKCANCEL, { "OK", "Cancel" }, VK_ESCAPE, "", IDCANCEL },
        { MB_OKCANCEL | MB_DEFBUTTON2, { "OK", "Cancel" }, VK_RETURN, "", IDCANCEL },
        { MB_YESNO, { "&Yes", "&No" }, VK_RETURN, "", IDYES },
        { MB_YESNO | MB_DEFBUTTON2, { "&Yes", "&No" }, VK_RETURN, "", IDNO },
        { MB_YESNOCANCEL, { "&Yes", "&No", "Cancel" }, 'N', "n", IDNO },
        { MB_ABORTRETRYIGNORE, { "&Abort", "&Retry", "&Ignore" }, 'I', "i", IDIGNORE },
        { MB_RETRYCANCEL | MB_DEFBUTTON3, { "&Retry", "Cancel" }, VK_RETURN, "", IDRETRY },
    };
    for (const Case& c : cases) {
        std::vector<std::string> seen;
        Then([&] {
            seen = Captions(Active());
            FDisplay->TypeKey(c.key, c.text);
        });
        EXPECT_EQ(FApp->MessageBox("Replace the file?", "Converter", c.flags), c.answer)
            << c.flags << " " << c.key;
        EXPECT_EQ(seen, c.captions) << c.flags;
    }
}

TEST_F(MessageBoxes, ABoxThatMustBeAnsweredIgnoresEscapeAndClosing) {
    bool stillOpen = false;
    Then([&] {
        Key(VK_ESCAPE);
        PostMessage(Active()->Handle(), WM_CLOSE, 0, 0);
    });
    Then([&] {
        stillOpen = dynamic_cast<TMessageForm*>(Active()) != nullptr;
        ClickAt(Part<TButton>("NoButton"), TPoint(5, 5));
    });
    EXPECT_EQ(FApp->MessageBox("Stop?", "Converter", MB_YESNO | MB_ICONQUESTION), IDNO);
    EXPECT_TRUE(stillOpen);

    Then([&] { PostMessage(Active()->Handle(), WM_CLOSE, 0, 0); });
    EXPECT_EQ(FApp->MessageBox("Go?", "Converter", MB_OKCANCEL), IDCANCEL);
}

TEST_F(MessageBoxes, TheTextAndIconFitTheBox) {
    const std::string text = "A long line of text that will need more than one row to show "
                             "in the box, more than one row for sure, and a second one\nhere";
    for (unsigned icon : { 0u, MB_ICONERROR, MB_ICONWARNING, MB_ICONINFORMATION }) {
        TMessageForm box(nullptr, text, "Converter", MB_YESNOCANCEL | icon);
        auto* label = dynamic_cast<TControl*>(box.FindComponent("Message"));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(box.FindComponent("Icon") != nullptr, icon != 0) << icon;
        EXPECT_LE(label->BoundsRect().Right, box.ClientWidth()) << icon;
        EXPECT_GE(label->Height(), 3 * 10) << "three rows at least";
        auto* cancel = dynamic_cast<TControl*>(box.FindComponent("CancelButton"));
        ASSERT_NE(cancel, nullptr);
        EXPECT_GE(cancel->Top(), label->BoundsRect().Bottom) << "the buttons stand below";
        EXPECT_LE(cancel->BoundsRect().Bottom, box.ClientHeight());
    }
}

} // namespace
} // namespace formstest
