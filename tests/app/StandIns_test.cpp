#include "lib/controls/TbsSkinButton.h"
#include "lib/controls/TbsSkinCheckRadioBox.h"
#include "lib/controls/TbsSkinComboBox.h"
#include "lib/controls/TbsSkinOfficeComboBox.h"
#include "platform/forms/TPanel.h"
#include "platform/win/Win.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/headless/HeadlessBackend.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

using namespace win;

class StandIns : public ::testing::Test {
protected:
    void SetUp() override {
        InstallBackend(std::make_unique<HeadlessBackend>());
        FParent = std::make_unique<TPanel>(nullptr);
    }
    void TearDown() override {
        FParent.reset();
        for (const auto& w : WindowSystem::Instance().AllWindows())
            DestroyWindow(w->FHandle);
        InstallBackend(nullptr);
    }
    template <typename T>
    T* Add() {
        auto* c = new T(FParent.get());
        c->SetParent(FParent.get());
        return c;
    }
    std::unique_ptr<TPanel> FParent;
};

void AddRow(TbsSkinComboBox* picker, const char* text) {
    picker->Items().Add(text);
}
void AddRow(TbsSkinOfficeComboBox* picker, const char* text) {
    picker->Items().Add()->SetCaption(text);
}
std::string Shown(TbsSkinComboBox* picker) {
    return picker->Text();
}
std::string Shown(TbsSkinOfficeComboBox* picker) {
    return picker->Items()[picker->ItemIndex()]->Caption();
}

// Sets 0, 0 again, then 1 and counts the changes raised.
template <typename T>
int ChangesOfThreeSets(T* picker) {
    AddRow(picker, "a");
    AddRow(picker, "b");
    int changes = 0;
    picker->OnChange = [&](TObject*) { ++changes; };
    picker->SetItemIndex(0);
    picker->SetItemIndex(0);
    picker->SetItemIndex(1);
    EXPECT_EQ(Shown(picker), "b");
    return changes;
}

TEST_F(StandIns, PickersRaiseChangeAsTheSkinnedOnesDo) {
    EXPECT_EQ(ChangesOfThreeSets(Add<TbsSkinOfficeComboBox>()), 3) << "office";
    EXPECT_EQ(ChangesOfThreeSets(Add<TbsSkinComboBox>()), 2) << "plain";
}

TEST_F(StandIns, RadioBoxesUncheckTheirGroupAndEverySetClicks) {
    auto* a = Add<TbsSkinCheckRadioBox>();
    auto* b = Add<TbsSkinCheckRadioBox>();
    auto* other = Add<TbsSkinCheckRadioBox>(); // another group on the same parent
    auto* check = Add<TbsSkinCheckRadioBox>(); // a check box, not a radio box
    for (auto* r : { a, b, other })
        r->SetRadio(true);
    a->SetGroupIndex(1);
    b->SetGroupIndex(1);
    other->SetGroupIndex(2);
    other->SetChecked(true);
    check->SetChecked(true);
    int clicks = 0;
    b->OnClick = [&](TObject*) { ++clicks; };

    a->SetChecked(true);
    b->SetChecked(true);
    EXPECT_FALSE(a->Checked());
    EXPECT_TRUE(other->Checked());
    EXPECT_TRUE(check->Checked());
    b->SetChecked(true);
    EXPECT_EQ(clicks, 2) << "setting the state it holds clicks too";
    b->BoxClick();
    EXPECT_TRUE(b->Checked()) << "clicking a checked radio box keeps it checked";
    check->BoxClick();
    EXPECT_FALSE(check->Checked());
}

} // namespace
