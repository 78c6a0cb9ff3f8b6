#include "FormsTestSupport.h"
#include "platform/forms/TAction.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TFormReader.h"
#include "platform/forms/TGraphicControl.h"
#include "platform/forms/TImageList.h"

namespace formstest {
namespace {

TEST(Actions, ClientsShowTheActionAndRunItWhenClicked) {
    TComponent form(nullptr);
    auto* action = new TAction(&form);
    auto* control = new TGraphicControl(&form);
    int runs = 0;
    action->OnExecute = [&](TObject* sender) {
        EXPECT_EQ(sender, action);
        EXPECT_EQ(action->ActionComponent(), control);
        ++runs;
    };
    action->SetCaption("&Start");
    control->SetAction(action);
    EXPECT_EQ(control->Caption(), "&Start");
    action->SetEnabled(false);
    action->SetHint("Starts the conversion");
    EXPECT_FALSE(control->Enabled());
    EXPECT_EQ(control->Hint(), "Starts the conversion");
    control->Click();
    EXPECT_EQ(runs, 0) << "a disabled action does nothing";
    action->SetEnabled(true);
    control->Click();
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(action->ActionComponent(), nullptr);
    int own = 0;
    control->OnClick = [&](TObject*) { ++own; };
    control->Click();
    EXPECT_EQ(own, 1) << "the control's own handler wins";
    EXPECT_EQ(runs, 1);
    delete action;
    EXPECT_EQ(control->Action(), nullptr);
}

TEST(Actions, GroupsCheckOneActionAndListsMayTakeExecutionOver) {
    TComponent form(nullptr);
    auto* list = new TActionList(&form);
    std::vector<TAction*> group;
    for (int i = 0; i < 3; ++i) {
        group.push_back(new TAction(&form));
        group.back()->SetActionList(list);
        group.back()->SetGroupIndex(1);
        group.back()->SetAutoCheck(true);
    }
    EXPECT_EQ(group[2]->Index(), 2);
    group[0]->Execute();
    group[1]->Execute();
    EXPECT_FALSE(group[0]->Checked());
    EXPECT_TRUE(group[1]->Checked());
    int taken = 0;
    list->OnExecute = [&](TBasicAction*, bool& handled) {
        ++taken;
        handled = true;
    };
    int own = 0;
    group[2]->OnExecute = [&](TObject*) { ++own; };
    EXPECT_TRUE(group[2]->Execute());
    EXPECT_EQ(taken, 1);
    EXPECT_EQ(own, 0);
    auto* images = new TImageList(&form);
    list->SetImages(images);
    delete images;
    EXPECT_EQ(list->Images(), nullptr);
    delete list;
    EXPECT_EQ(group[0]->ActionList(), nullptr);
}

class TActionForm : public TForm {
public:
    using TForm::TForm;
    std::string ClassName() const override { return "TActionForm"; }
    int FRuns{ 0 };
};

using DescribedActions = FormsTest;

TEST_F(DescribedActions, ActionsReadIntoTheirListAndLinkToControls) {
    TApplication app(nullptr);
    RegisterStandardClasses();
    auto& r = TClassRegistry::Instance();
    r.RegisterClass("TActionForm", "TForm");
    r.RegisterMethod("TActionForm", "StartExecute", [](TComponent* root) {
        auto* f = static_cast<TActionForm*>(root);
        return std::any(TNotifyEvent([f](TObject*) { ++f->FRuns; }));
    });
    TActionForm form(nullptr);
    ReadFormDescription(&form, R"(object ActionForm: TActionForm
  object Start: TGraphicControl
    Action = StartAction
  end
  object Actions: TActionList
    Images = Icons
    object StartAction: TAction
      Caption = 'Start'
      ImageIndex = 2
      OnExecute = StartExecute
    end
  end
  object Icons: TImageList
    Width = 24
    Height = 24
  end
end
)",
                        "actions.form");
    auto* list = DescribedComponent<TActionList>(&form, "Actions");
    auto* start = DescribedComponent<TGraphicControl>(&form, "Start");
    ASSERT_EQ(list->ActionCount(), 1);
    EXPECT_EQ(list->Images(), form.FindComponent("Icons"));
    EXPECT_EQ(start->Caption(), "Start");
    start->Click();
    EXPECT_EQ(form.FRuns, 1);
}

} // namespace
} // namespace formstest
