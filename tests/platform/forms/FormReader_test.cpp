#include "FormsTestSupport.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TCollection.h"
#include "platform/forms/TCustomControl.h"
#include "platform/forms/TFormReader.h"
#include <memory>

namespace formstest {
namespace {

class TTestColumn : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;
    std::string ClassName() const override { return "TTestColumn"; }
    std::string FCaption;
    int FWidth{ 0 };
    void SetCaption(const std::string& value) { FCaption = value; }
    void SetWidth(int value) { FWidth = value; }
};

// Records what the reader does to it.
class TTestPanel : public TCustomControl {
public:
    explicit TTestPanel(TComponent* owner)
        : TCustomControl(owner), FColumns([](TCollection* c) { return new TTestColumn(c); }) {
        FControlStyle.Include(csAcceptsControls);
    }
    std::string ClassName() const override { return "TTestPanel"; }
    TCollection& Columns() { return FColumns; }
    void SetUserImages(const std::vector<std::uint8_t>& bytes) {
        FUserImages = bytes;
        FLoadingWhenSet = ComponentState().Contains(csLoading);
    }
    void Loaded() override {
        ++FLoadedCalls;
        FPopupAtLoaded = PopupMenu();
        TCustomControl::Loaded();
    }
    TCollection FColumns;
    std::vector<std::uint8_t> FUserImages;
    bool FLoadingWhenSet{ false };
    int FLoadedCalls{ 0 };
    TComponent* FPopupAtLoaded{ nullptr };
};

class TTestMenu : public TComponent {
public:
    using TComponent::TComponent;
    std::string ClassName() const override { return "TTestMenu"; }
};

class TTestForm : public TForm {
public:
    using TForm::TForm;
    std::string ClassName() const override { return "TTestForm"; }
    void ButtonClick(TObject* sender) { FClickedBy = sender; }
    void FormClose(TObject*, TCloseAction& action) { action = caNone; }
    TObject* FClickedBy{ nullptr };
};

void RegisterTestClasses() {
    static bool done = false;
    if (done) return;
    done = true;
    RegisterStandardClasses();
    auto& r = TClassRegistry::Instance();
    using namespace properties;
    r.RegisterClass("TTestForm", "TForm");
    r.RegisterMethod("TTestForm", "ButtonClick", [](TComponent* root) {
        auto* f = static_cast<TTestForm*>(root);
        return std::any(TNotifyEvent([f](TObject* s) { f->ButtonClick(s); }));
    });
    r.RegisterMethod("TTestForm", "FormClose", [](TComponent* root) {
        auto* f = static_cast<TTestForm*>(root);
        return std::any(TCloseEvent([f](TObject* s, TCloseAction& a) { f->FormClose(s, a); }));
    });
    r.RegisterMethod("TTestForm", "PanelDragOver", [](TComponent* root) {
        auto* f = static_cast<TTestForm*>(root);
        return std::any(
            TDragOverEvent([f](TObject* s, TObject*, int, int, TDragState, bool& accept) {
                f->ButtonClick(s);
                accept = false;
            }));
    });
    r.RegisterClass("TTestPanel", "TCustomControl",
                    [](TComponent* owner) { return new TTestPanel(owner); });
    r.RegisterProperty("TTestPanel", "Columns", Collection(&TTestPanel::Columns, "TTestColumn"));
    r.RegisterProperty("TTestPanel", "UserImages", Binary(&TTestPanel::SetUserImages));
    r.RegisterClass("TTestColumn", "");
    r.RegisterProperty("TTestColumn", "Caption", String(&TTestColumn::SetCaption));
    r.RegisterProperty("TTestColumn", "Width", Integer(&TTestColumn::SetWidth));
    r.RegisterClass("TTestMenu", "TComponent",
                    [](TComponent* owner) { return new TTestMenu(owner); });
}

class FormReader : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        RegisterTestClasses();
        FApp = std::make_unique<TApplication>(nullptr);
    }
    void TearDown() override {
        FApp.reset();
        FormsTest::TearDown();
    }
    std::unique_ptr<TApplication> FApp;
};

constexpr const char* kMainForm = R"(object TestForm: TTestForm
  Left = 10
  Top = 20
  Width = 400
  Height = 300
  Caption = 'Main ' + #20013#25991 + '''s'
  Font.Style = [fsBold]
  ActiveControl = Inner
  OnClose = FormClose
  object Header: TTestPanel
    Align = alTop
    Height = 40
    Color = clNavy
    Columns = <
      item
        Caption = 'Name'
        Width = 120
      end
      item
        Caption = 'Size'
        Width = $50
      end>
    UserImages = {01 fe}
    object Inner: TTestPanel
      Left = 5
      Top = 5
      Width = 30
      Height = 20
      TabStop = True
      OnClick = ButtonClick
      PopupMenu = Menu
    end
  end
  object Body: TTestPanel
    Align = alClient
  end
  object Menu: TTestMenu
    Tag = -7
  end
end
)";

TEST_F(FormReader, BuildsNestedComponentsWithPropertiesEventsAndReferences) {
    TTestForm form(nullptr);
    ReadFormDescription(&form, kMainForm, "Main.form");
    EXPECT_EQ(form.Name(), "TestForm");
    EXPECT_EQ(form.Caption(), "Main \xE4\xB8\xAD\xE6\x96\x87's");
    EXPECT_TRUE(form.Font().Style().Contains(fsBold));
    EXPECT_EQ(form.BoundsRect(), TRect(10, 20, 410, 320));
    EXPECT_FALSE(form.ComponentState().Contains(csLoading));

    auto* header = DescribedComponent<TTestPanel>(&form, "Header");
    auto* inner = DescribedComponent<TTestPanel>(&form, "Inner");
    auto* body = DescribedComponent<TTestPanel>(&form, "Body");
    auto* menu = DescribedComponent<TTestMenu>(&form, "Menu");
    EXPECT_THROW(DescribedComponent<TTestPanel>(&form, "Menu"), EReadError);
    EXPECT_EQ(form.ComponentCount(), 4);
    EXPECT_EQ(inner->Owner(), &form);
    EXPECT_EQ(inner->Parent(), header);
    EXPECT_EQ(header->Parent(), &form);
    EXPECT_EQ(menu->Tag(), -7);

    // Aligned once loading ended: the header across the top, the body below it.
    EXPECT_EQ(header->BoundsRect(), TRect(0, 0, form.ClientWidth(), 40));
    EXPECT_EQ(body->BoundsRect(), TRect(0, 40, form.ClientWidth(), form.ClientHeight()));
    EXPECT_EQ(inner->BoundsRect(), TRect(5, 5, 35, 25));
    EXPECT_EQ(header->Color(), clNavy);
    EXPECT_EQ(inner->Color(), clNavy) << "parent colour flows to the child";

    ASSERT_EQ(header->Columns().Count(), 2);
    const auto* size = static_cast<TTestColumn*>(header->Columns().Items(1));
    EXPECT_EQ(size->FCaption, "Size");
    EXPECT_EQ(size->FWidth, 0x50);
    EXPECT_EQ(header->FUserImages, (std::vector<std::uint8_t>{ 0x01, 0xFE }));
    EXPECT_TRUE(header->FLoadingWhenSet);

    // The reference written before its target exists is set before Loaded.
    EXPECT_EQ(inner->PopupMenu(), menu);
    EXPECT_EQ(inner->FPopupAtLoaded, menu);
    EXPECT_EQ(inner->FLoadedCalls, 1);
    EXPECT_EQ(form.ActiveControl(), inner);
    EXPECT_TRUE(inner->TabStop());

    inner->Click();
    EXPECT_EQ(form.FClickedBy, inner);
    TCloseAction action = caHide;
    form.OnClose(&form, action);
    EXPECT_EQ(action, caNone);
}

TEST_F(FormReader, EveryControlTakesTheDragSettingsAndEvents) {
    TTestForm form(nullptr);
    ReadFormDescription(&form, R"(object TestForm: TTestForm
  object Panel: TTestPanel
    DragMode = dmAutomatic
    DragKind = dkDock
    DragCursor = -21
    OnDragOver = PanelDragOver
  end
end
)",
                        "Drag.form");
    auto* panel = DescribedComponent<TTestPanel>(&form, "Panel");
    EXPECT_EQ(panel->DragMode(), dmAutomatic);
    EXPECT_EQ(panel->DragKind(), dkDock);
    EXPECT_EQ(panel->DragCursor(), crHandPoint);
    bool accept = true;
    panel->DragOver(panel, 1, 1, dsDragEnter, accept);
    EXPECT_EQ(form.FClickedBy, panel);
    EXPECT_FALSE(accept);
}

TEST_F(FormReader, ReferencesReachComponentsOfOtherFormsByFormName) {
    TTestForm owner(nullptr);
    ReadFormDescription(&owner, "object Main: TTestForm\n  object Shared: TTestMenu\n  end\nend\n",
                        "main.form");
    TTestForm reader(nullptr);
    ReadFormDescription(&reader,
                        "object Second: TTestForm\n  object Own: TTestMenu\n  end\n"
                        "  object A: TTestPanel\n    PopupMenu = Main.Shared\n  end\n"
                        "  object B: TTestPanel\n    PopupMenu = Second.Own\n  end\nend\n",
                        "second.form");
    EXPECT_EQ(static_cast<TControl*>(reader.FindComponent("A"))->PopupMenu(),
              owner.FindComponent("Shared"));
    EXPECT_EQ(static_cast<TControl*>(reader.FindComponent("B"))->PopupMenu(),
              reader.FindComponent("Own"));
}

TEST_F(FormReader, ComponentNamesMayHoldLettersOfAnyScript) {
    TTestForm form(nullptr);
    ReadFormDescription(&form,
                        "object Main: TTestForm\n  object 滤镜设置: TTestMenu\n  end\n"
                        "  object A: TTestPanel\n    PopupMenu = 滤镜设置\n  end\nend\n",
                        "names.form");
    TComponent* named = form.FindComponent("滤镜设置");
    ASSERT_NE(named, nullptr);
    EXPECT_EQ(static_cast<TControl*>(form.FindComponent("A"))->PopupMenu(), named);
}

TEST_F(FormReader, MalformedDescriptionsAreRejectedWithFileLineAndProperty) {
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        { "object TestForm: TTestForm\n  object X: TNoSuch\n  end\nend\n",
          "bad.form(2): Class TNoSuch not found" },
        { "object TestForm: TTestForm\n  object P: TTestPanel\n    Foo = 1\n  end\nend\n",
          "bad.form(3): Error reading P.Foo: Property Foo does not exist" },
        { "object TestForm: TTestForm\n  Left = 'abc'\nend\n",
          "bad.form(2): Error reading TestForm.Left: Invalid property value" },
        { "object TestForm: TTestForm\n  Left = 99999999999\nend\n",
          "bad.form(2): Error reading TestForm.Left: Invalid property value" },
        { "object TestForm: TTestForm\n  object P: TTestPanel\n    Align = alDiagonal\n  "
          "end\nend\n",
          "bad.form(3): Error reading P.Align: Invalid property value" },
        { "object TestForm: TTestForm\n  object P: TTestPanel\n    Columns = <\n      item\n"
          "        Width = 'x'\n      end>\n  end\nend\n",
          "bad.form(5): Error reading P.Columns.Width: Invalid property value" },
        { "object TestForm: TTestForm\n  object P: TTestPanel\n  end\n  ActiveControl = "
          "Nobody\nend\n",
          "bad.form(4): Error reading TestForm.ActiveControl: Unresolved reference to Nobody" },
        { "object TestForm: TTestForm\n  object P: TTestPanel\n    PopupMenu = Elsewhere.Menu\n"
          "  end\nend\n",
          "bad.form(3): Error reading P.PopupMenu: Unresolved reference to Elsewhere.Menu" },
        { "object TestForm: TTestForm\n  object P: TTestPanel\n    OnClick = Nope\n  end\nend\n",
          "bad.form(3): Error reading P.OnClick: Method Nope not found" },
        { "object TestForm: TTestForm\n  OnClose = ButtonClick\nend\n",
          "bad.form(2): Error reading TestForm.OnClose: Method ButtonClick does not fit the "
          "event" },
        { "object TestForm: TTestForm\n  object P: TTestPanel\n  end\n  object p: TTestPanel\n  "
          "end\nend\n",
          "bad.form(4): Error reading p: A component named p already exists" },
        { "object TestForm: TTestForm\n  object P: TTestPanel\n    Left = 1\n",
          "bad.form(4): Unexpected end of file" },
        { "object TestForm: TTestForm\n  Caption = 'abc\nend\n",
          "bad.form(2): Unterminated string" },
        { "object TestForm: TTestForm\n  object P: TTestPanel\n    UserImages = {0A1}\n  "
          "end\nend\n",
          "bad.form(3): Odd number of hexadecimal digits" },
        { "object Other: TForm\nend\n", "bad.form(1): Class TForm does not describe a TTestForm" },
        { "object TestForm: TTestForm\n  object M: TTestMenu\n    object P: TTestPanel\n    end\n"
          "  end\nend\n",
          "bad.form(3): Error reading P: Control 'P' has no parent window" },
        { "", "bad.form(1): Unexpected end of file" },
    };
    for (const Case& c : cases) {
        TTestForm form(nullptr);
        try {
            ReadFormDescription(&form, c.text, "bad.form");
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const EReadError& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
        EXPECT_EQ(form.ComponentCount(), 0) << "left behind by: " << c.message;
        EXPECT_FALSE(form.ComponentState().Contains(csLoading));
    }
}

TEST_F(FormReader, DeepNestingIsRefusedNotFollowed) {
    std::string text = "object TestForm: TTestForm\n";
    for (int i = 0; i < 5000; ++i)
        text += "object P" + std::to_string(i) + ": TTestPanel\n";
    TTestForm form(nullptr);
    try {
        ReadFormDescription(&form, text, "deep.form");
        FAIL();
    } catch (const EReadError& e) {
        EXPECT_NE(e.Message().find("nested too deeply"), std::string::npos) << e.Message();
    }
    std::string values = "object TestForm: TTestForm\n  Tag = " + std::string(5000, '(');
    EXPECT_THROW(ReadFormDescription(&form, values, "deep.form"), EReadError);
}

TEST_F(FormReader, MissingFileIsReported) {
    TTestForm form(nullptr);
    try {
        ReadFormDescriptionFile(&form, "/nonexistent/Main.form");
        FAIL();
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message(), "Cannot open file \"/nonexistent/Main.form\"");
    }
}

} // namespace
} // namespace formstest
