// The number edit: its character filter, the beep of a refused character, and the keys and
// the wheel as up and down events.
#include "lib/controls/TbsSkinNumEdit.h"
#include "tests/platform/forms/ControlsFixture.h"

#include <clocale>

namespace {

using namespace win;

class NumEdit : public formstest::ControlsTest {
protected:
    TbsSkinNumEdit* AddNumEdit() {
        auto* edit = Add<TbsSkinNumEdit>(20, 30, 100, 22);
        Pump();
        edit->SetFocus();
        Pump();
        return edit;
    }
    // The locale's decimal separator, as typed.
    static std::string Separator() { return std::localeconv()->decimal_point; }
};

TEST_F(NumEdit, TakesDigitsOneLeadingMinusAndWithFloatOneSeparator) {
    struct Case {
        const char* name;
        bool isFloat;
        std::string text; // before typing
        int caret;        // -1: at the end
        std::string typed;
        std::string expected;
        int beeps;
    };
    const std::string sep = Separator();
    const Case cases[] = {
        { "a negative number", false, "", -1, "-12", "-12", 0 },
        { "a second minus", false, "-12", -1, "-", "-12", 1 },
        { "a minus after a digit", false, "12", -1, "-", "12", 1 },
        { "a minus in front", false, "12", 0, "-", "-12", 0 },
        { "a letter", false, "12", -1, "a", "12", 1 },
        { "a separator without Float", false, "3", -1, sep, "3", 1 },
        { "a separator with Float", true, "3", -1, sep + "5", "3" + sep + "5", 0 },
        { "a second separator", true, "3" + sep + "5", -1, sep, "3" + sep + "5", 1 },
    };
    for (const Case& c : cases) {
        auto* edit = AddNumEdit();
        edit->Float = c.isFloat;
        edit->SetText(c.text);
        edit->SetSelStart(c.caret < 0 ? int(c.text.size()) : c.caret);
        const int before = FDisplay->BeepCount();
        for (char ch : c.typed)
            Type(std::string(1, ch));
        EXPECT_EQ(edit->Text(), c.expected) << c.name;
        EXPECT_EQ(FDisplay->BeepCount() - before, c.beeps) << c.name;
        delete edit;
    }
}

TEST_F(NumEdit, TypingOverASelectionCountsOnlyWhatStays) {
    struct Case {
        const char* name;
        std::string text;
        int selStart;
        int selLength;
        std::string typed;
        std::string expected;
    };
    const std::string sep = Separator();
    const Case cases[] = {
        { "a minus over the whole number", "12", 0, 2, "-", "-" },
        { "a new negative number over the old", "-5", 0, 2, "-3", "-3" },
        { "a minus over a selection from the middle", "123", 1, 2, "-", "123" },
        { "a minus over digits after the old minus", "-123", 1, 2, "-", "-123" },
        { "a separator over the old one", "1" + sep + "5", 1, 1, sep, "1" + sep + "5" },
        { "a separator over digits beside the old one", "1" + sep + "5", 0, 1, sep,
          "1" + sep + "5" },
    };
    for (const Case& c : cases) {
        auto* edit = AddNumEdit();
        edit->Float = true;
        edit->SetText(c.text);
        edit->SetSelStart(c.selStart);
        edit->SetSelLength(c.selLength);
        for (char ch : c.typed)
            Type(std::string(1, ch));
        EXPECT_EQ(edit->Text(), c.expected) << c.name;
        delete edit;
    }
}

TEST_F(NumEdit, EditorEnabledDecidesBackspaceAndEveryPrintableCharacter) {
    auto* edit = AddNumEdit();
    edit->SetText("42");
    edit->SetSelStart(2);
    Key(VK_BACK);
    EXPECT_EQ(edit->Text(), "4");
    edit->SetEditorEnabled(false);
    const int before = FDisplay->BeepCount();
    Key(VK_BACK);
    Type("7");
    EXPECT_EQ(edit->Text(), "4");
    EXPECT_EQ(FDisplay->BeepCount() - before, 2);
}

TEST_F(NumEdit, ArrowKeysAndTheWheelStepUpAndDown) {
    auto* edit = AddNumEdit();
    std::vector<std::string> steps;
    edit->OnUpClick = [&](TObject*) { steps.push_back("up"); };
    edit->OnDownClick = [&](TObject*) { steps.push_back("down"); };
    int keyDowns = 0;
    edit->OnKeyDown = [&](TObject*, unsigned short&, TShiftState) { ++keyDowns; };
    Key(VK_UP);
    Key(VK_DOWN);
    // Away from the user steps down, towards the user up.
    WheelOver(edit, 1);
    WheelOver(edit, -1);
    EXPECT_EQ(steps, (std::vector<std::string>{ "up", "down", "down", "up" }));
    EXPECT_EQ(keyDowns, 0) << "the arrows are the steps' alone";
}

} // namespace
