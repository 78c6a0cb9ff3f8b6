// The combo box's list fading in: the alpha steps on the clock, and the fade stopping when the
// list closes or the control goes away mid-fade.
#include "SkinnedFormTest.h"
#include "lib/controls/TbsSkinComboBox.h"
#include "platform/win/Painting.h"
#include "platform/win/headless/HeadlessBackend.h"

#include <vector>

namespace {

class SkinComboBoxAlpha : public SkinnedFormTest {
protected:
    TbsSkinComboBox* FadingCombo() {
        auto* combo = new TbsSkinComboBox(FForm);
        combo->SetParent(FForm);
        combo->SetBounds(10, 10, 150, 20);
        for (int i = 0; i < 5; ++i)
            combo->Items().Add("item " + std::to_string(i));
        combo->SetAlphaBlend(true);
        combo->SetAlphaBlendAnimation(true);
        combo->SetAlphaBlendValue(200);
        return combo;
    }
    static int AlphaOf(TbsSkinComboBox* combo) {
        win::BYTE alpha = 0;
        if (!win::GetLayeredWindowAttributes(combo->FListBox->Handle(), nullptr, &alpha, nullptr))
            return -1;
        return alpha;
    }
    void Tick() {
        FDisplay->Time().Advance(6);
        Pump();
    }
};

TEST_F(SkinComboBoxAlpha, FadesInInFifteenthsUpToTheValue) {
    TbsSkinComboBox* combo = FadingCombo();
    std::vector<int> steps;
    for (int opening = 0; opening < 2; ++opening) {
        combo->DropDown();
        steps = { AlphaOf(combo) };
        for (int i = 0; i < 60 && steps.back() < 200; ++i) {
            Tick();
            if (AlphaOf(combo) != steps.back()) steps.push_back(AlphaOf(combo));
        }
        // Each opening starts from transparent again; the first step comes at once.
        const std::vector<int> expected = { 13,  26,  39,  52,  65,  78,  91,  104,
                                            117, 130, 143, 156, 169, 182, 195, 200 };
        EXPECT_EQ(steps, expected) << "opening " << opening;
        combo->CloseUp(false);
    }
    // Without the animation the list opens at the value at once.
    combo->SetAlphaBlendAnimation(false);
    combo->SetAlphaBlendValue(120);
    combo->DropDown();
    EXPECT_EQ(AlphaOf(combo), 120);
}

TEST_F(SkinComboBoxAlpha, ClosingOrFreeingMidFadeStopsIt) {
    TbsSkinComboBox* combo = FadingCombo();
    combo->DropDown();
    Tick();
    Tick();
    combo->CloseUp(false);
    const int stopped = AlphaOf(combo);
    for (int i = 0; i < 10; ++i)
        Tick();
    EXPECT_EQ(AlphaOf(combo), stopped);
    EXPECT_FALSE(combo->FListBox->Visible());

    combo->DropDown();
    Tick();
    delete combo;
    // Timers of the freed list must not reach it.
    for (int i = 0; i < 10; ++i)
        Tick();
}

} // namespace
