#include "FormsTestSupport.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TMenuItem.h"
#include "platform/forms/TPanel.h"
#include "platform/win/Messages.h"
#include "platform/win/Messaging.h"
#include "platform/win/WindowApi.h"
#include "platform/win/WindowStyles.h"
#include <memory>
#include <string>
#include <vector>

namespace formstest {
namespace {

using namespace win;

// An MDI child that writes down its activation changes.
class TLoggingChild : public TForm {
public:
    using TForm::TForm;
    std::vector<std::string>* FLog{ nullptr };

protected:
    void Activate() override { FLog->push_back(Name() + "+"); }
    void Deactivate() override { FLog->push_back(Name() + "-"); }
};

class MDIForms : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        FApp = std::make_unique<TApplication>(nullptr);
        FApp->CreateForm(FMain);
        FMain->SetFormStyle(fsMDIForm);
        FMain->SetBounds(0, 0, 600, 400);
        FMain->Show();
    }
    void TearDown() override {
        FApp.reset();
        FormsTest::TearDown();
    }
    TLoggingChild* NewChild(const std::string& name, TRect bounds) {
        TLoggingChild* child = nullptr;
        FApp->CreateForm(child);
        child->SetName(name);
        child->FLog = &FLog;
        child->SetFormStyle(fsMDIChild);
        child->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
        child->Show();
        return child;
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (int i = 0; i < FMain->MDIChildCount(); ++i)
            names.push_back(FMain->MDIChildren(i)->Name());
        return names;
    }
    std::unique_ptr<TApplication> FApp;
    TForm* FMain{ nullptr };
    std::vector<std::string> FLog;
};

TEST_F(MDIForms, ClientWindowFillsWhatAlignedControlsLeaveAndHostsTheChildren) {
    auto* top = new TPanel(FMain);
    top->SetParent(FMain);
    top->SetHeight(30);
    top->SetAlign(alTop);
    const HWND client = FMain->ClientHandle();
    ASSERT_TRUE(client);
    RECT r{};
    GetWindowRect(client, &r);
    POINT origin{ r.left, r.top };
    ScreenToClient(FMain->Handle(), &origin);
    EXPECT_EQ(origin.y, 30);
    EXPECT_EQ(r.right - r.left, FMain->ClientWidth());
    EXPECT_EQ(r.bottom - r.top, FMain->ClientHeight() - 30);

    TLoggingChild* a = NewChild("A", TRect(10, 10, 210, 160));
    EXPECT_EQ(GetParent(a->Handle()), client) << "a child window, clipped by the client";
    EXPECT_TRUE(GetWindowLongPtr(a->Handle(), GWL_STYLE) & WS_CHILD);
    EXPECT_TRUE(GetWindowLongPtr(a->Handle(), GWL_EXSTYLE) & WS_EX_MDICHILD);

    // Remaking the main form's window brings the children's windows back inside the new client.
    FMain->SetBorderStyle(bsSingle);
    ASSERT_TRUE(a->HandleAllocated());
    EXPECT_EQ(GetParent(a->Handle()), FMain->ClientHandle());
    EXPECT_EQ(FMain->MDIChildCount(), 1);
}

TEST_F(MDIForms, ActivationRaisesTheChildAndTellsBothSides) {
    TLoggingChild* a = NewChild("A", TRect(0, 0, 200, 150));
    TLoggingChild* b = NewChild("B", TRect(20, 20, 220, 170));
    NewChild("C", TRect(40, 40, 240, 190));
    EXPECT_EQ(Names(), (std::vector<std::string>{ "C", "B", "A" })) << "topmost first";
    EXPECT_EQ(FMain->ActiveMDIChild()->Name(), "C");

    FLog.clear();
    SendMessage(FMain->ClientHandle(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(a->Handle()), 0);
    EXPECT_EQ(FLog, (std::vector<std::string>{ "C-", "A+" }));
    EXPECT_EQ(FMain->ActiveMDIChild(), a);
    EXPECT_EQ(Names(), (std::vector<std::string>{ "A", "C", "B" }));

    // A press inside a child activates the topmost child under it (B's corner that neither
    // A nor C covers).
    SendMessage(FMain->ClientHandle(), WM_PARENTNOTIFY, MAKEWPARAM(WM_LBUTTONDOWN, 0),
                MAKELPARAM(210, 30));
    EXPECT_EQ(FMain->ActiveMDIChild(), b);

    // Hiding the active child hands the activation on; the last one leaves none active.
    FLog.clear();
    b->Hide();
    EXPECT_NE(FMain->ActiveMDIChild(), b);
    EXPECT_EQ(FLog.front(), "B-");
    delete FMain->ActiveMDIChild();
    delete FMain->ActiveMDIChild();
    EXPECT_EQ(FMain->ActiveMDIChild(), nullptr);
    EXPECT_EQ(FMain->MDIChildCount(), 1) << "the hidden child stays in the list";
}

TEST_F(MDIForms, ArrangingAndTheWindowMenu) {
    TLoggingChild* a = NewChild("A", TRect(0, 0, 100, 100));
    TLoggingChild* b = NewChild("B", TRect(0, 0, 100, 100));
    FMain->Tile();
    const int h = FMain->ClientHeight();
    EXPECT_EQ(a->Width(), FMain->ClientWidth());
    EXPECT_EQ(a->Height() + b->Height(), h - h % 2) << "one column of two rows";
    EXPECT_NE(a->Top(), b->Top());
    FMain->Cascade();
    EXPECT_EQ(b->Left() - a->Left(), GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME))
        << "the active child ends in front, one step further in";
    FMain->Next();
    EXPECT_EQ(FMain->ActiveMDIChild(), a);

    auto* menu = new TMenuItem(FMain);
    FMain->SetWindowMenu(menu);
    EXPECT_EQ(FMain->WindowMenu(), menu);
    delete menu;
    EXPECT_EQ(FMain->WindowMenu(), nullptr);

    delete a;
    delete b;
    FMain->SetFormStyle(fsNormal);
    TForm* orphan = nullptr;
    FApp->CreateForm(orphan);
    orphan->SetFormStyle(fsMDIChild);
    EXPECT_THROW(orphan->HandleNeeded(), EInvalidOperation) << "no MDI form to live in";
}

} // namespace
} // namespace formstest
