#include "FrameFixture.h"

#include "lib/controls/TbsSkinControl.h"
#include "lib/skindata/TbsResourceStrData.h"
#include "platform/forms/TTimer.h"
#include "platform/gfx/IconObject.h"
#include "platform/win/Messaging.h"
#include "platform/win/WindowApi.h"

#include <algorithm>

namespace frametest {
namespace {

using namespace win;

using FormSkin = FrameTest;

TEST_F(FormSkin, TakesOverTheWindowProcedureWithTheCreationMessagesAndGivesItBack) {
    TForm* form = NewForm(TRect(100, 100, 400, 300));
    form->HandleNeeded();
    std::vector<UINT> seen;
    const TWndMethod formProc = form->WindowProc;
    form->WindowProc = [&, formProc](TMessage& m) {
        seen.push_back(m.Msg);
        formProc(m);
    };
    const TWndMethod spy = form->WindowProc;
    auto* component = new TbsSkinForm(form);
    EXPECT_NE(std::find(seen.begin(), seen.end(), WM_NCCREATE), seen.end())
        << "the window was made again, so the component saw it created";
    EXPECT_TRUE(form->BorderIcons().Empty()) << "the component draws the caption buttons";
    ASSERT_TRUE(form->OnShortCut);
    bool handled = false;
    int offered = 0;
    component->OnShortCut = [&](TMessage&, bool& h) {
        ++offered;
        h = true;
    };
    TMessage key{ WM_KEYDOWN, 'S', 0, 0 };
    form->OnShortCut(key, handled);
    EXPECT_EQ(offered, 1);
    EXPECT_TRUE(handled);

    delete component;
    seen.clear();
    form->Perform(WM_USER, 0, 0);
    EXPECT_EQ(seen, std::vector<UINT>{ WM_USER }) << "the old procedure is back";
    EXPECT_FALSE(form->OnShortCut);
    delete form; // while the spy's log lives
}

TEST_F(FormSkin, OwnerMustBeAForm) {
    TComponent owner(nullptr);
    EXPECT_THROW(TbsSkinForm{ &owner }, Exception);
}

TEST_F(FormSkin, MinimumSizeFollowsSkinFormMinWidthAndState) {
    FSkin = MakeFrameSkin();
    struct Case {
        bool skin;
        int minWidth, minHeight, formMinWidth;
        bool rolledUp;
        int expectedWidth, expectedHeight;
    };
    const int frame = TFrameSkin::kFrameHeight;
    const Case cases[] = {
        { false, 0, 0, 0, false, 120, 19 + 6 },   // no skin: 120 and the caption + 6
        { false, 300, 0, 0, false, 300, 19 + 6 }, // MinWidth wins without a skin
        { true, 0, 0, 0, false, 120, frame },     // the frame picture's width
        { true, 200, 100, 0, false, 200, 100 },   // larger limits win
        { true, 100, 0, 150, false, 150, frame }, // FormMinWidth above MinWidth
        { true, 200, 0, 150, false, 200, frame }, // MinWidth above FormMinWidth
        { true, 0, 100, 0, true, 120, frame },    // rolled up: the frame, whatever MinHeight
    };
    for (const Case& c : cases) {
        FSkin->FormMinWidth = c.formMinWidth;
        TForm* form = NewForm(TRect(0, 0, 400, 300));
        form->SetBorderStyle(bsSizeable);
        TbsSkinForm* skinForm = SkinForm(form, c.skin ? FSkin.get() : nullptr);
        skinForm->SetMinWidth(c.minWidth);
        skinForm->SetMinHeight(c.minHeight);
        skinForm->SetBorderIcons({ TbsSkinForm::biRollUp });
        if (c.rolledUp) skinForm->SetRollUpState(true);
        EXPECT_EQ(skinForm->GetMinWidth(), c.expectedWidth) << c.minWidth << "/" << c.formMinWidth;
        EXPECT_EQ(skinForm->GetMinHeight(), c.expectedHeight) << c.minHeight;
        delete form;
    }
}

TEST_F(FormSkin, ApplyingASkinBringsTheFormToItsMinimumAndKeepsTheClientSizeAsked) {
    FSkin = MakeFrameSkin();
    TForm* small = NewForm(TRect(10, 10, 60, 30));
    SkinForm(small, FSkin.get());
    EXPECT_EQ(small->Width(), TFrameSkin::kWidth);
    EXPECT_EQ(small->Height(), TFrameSkin::kFrameHeight);

    // The about box's client size holds whatever the frame's thickness.
    for (auto* skin : { FSkin.get(), static_cast<TbsSkinData*>(nullptr) }) {
        TForm* about = NewForm(TRect(10, 10, 300, 200));
        auto* component = new TbsSkinForm(about);
        component->SetClientWidth(406);
        component->SetClientHeight(281);
        component->SetSkinData(skin);
        about->Show();
        EXPECT_EQ(about->ClientWidth(), 406);
        EXPECT_EQ(about->ClientHeight(), 281);
        delete about;
    }
    auto program = LoadProgramSkin("main");
    TForm* about = NewForm(TRect(10, 10, 300, 200));
    auto* component = new TbsSkinForm(about);
    component->SetClientWidth(406);
    component->SetClientHeight(281);
    component->SetSkinData(program.get());
    about->Show();
    EXPECT_EQ(about->ClientRect(), TRect(0, 0, 406, 281));
    RECT client;
    GetClientRect(about->Handle(), &client);
    EXPECT_EQ(client.right - client.left, 406);
}

TEST_F(FormSkin, SizeLimitsReachTheWindowManagerAsMinMaxInfo) {
    FSkin = MakeFrameSkin();
    FDisplay->SetWorkArea(0, RECT{ 0, 0, 1280, 984 });
    struct Case {
        int maxWidth, maxHeight;
        bool fullScreen;
        POINT expected;
    };
    const Case cases[] = {
        { 0, 0, false, POINT{ 1280, 984 } },  // the monitor's work area
        { 0, 0, true, POINT{ 1280, 1024 } },  // the whole monitor
        { 700, 0, false, POINT{ 700, 984 } }, // a limit of the form's own wins
        { 0, 500, true, POINT{ 1280, 500 } },
    };
    for (const Case& c : cases) {
        TForm* form = NewForm(TRect(100, 100, 400, 300), bsSizeable);
        TbsSkinForm* skinForm = SkinForm(form, FSkin.get());
        skinForm->SetMaxWidth(c.maxWidth);
        skinForm->SetMaxHeight(c.maxHeight);
        skinForm->SetMaximizeOnFullScreen(c.fullScreen);
        skinForm->SetMinWidth(200);
        MINMAXINFO info{};
        Send(form, WM_GETMINMAXINFO, 0, LPARAM(&info));
        EXPECT_EQ(info.ptMaxTrackSize.x, c.expected.x)
            << c.maxWidth << (c.fullScreen ? " full" : "");
        EXPECT_EQ(info.ptMaxTrackSize.y, c.expected.y)
            << c.maxHeight << (c.fullScreen ? " full" : "");
        EXPECT_EQ(info.ptMinTrackSize.x, 200);
        EXPECT_EQ(info.ptMinTrackSize.y, TFrameSkin::kFrameHeight);
        delete form;
    }
}

// An icon of one square picture in one colour.
std::unique_ptr<TIcon> SquareIcon(int size, gfx::Pixel colour) {
    auto icon = std::make_unique<TIcon>();
    icon->SetHandle(CreateIconFromImages({ gfx::Surface(size, size, colour) }));
    return icon;
}

TEST_F(FormSkin, FormIconIsMadeSmallOnceFromTheFormsIconElseTheProgramsOne) {
    const gfx::Pixel red = gfx::MakePixel(255, 0, 0, 255), blue = gfx::MakePixel(0, 0, 255, 255);
    TForm* plain = NewForm(TRect(0, 0, 300, 200));
    TbsSkinForm* noIcon = SkinForm(plain, nullptr);
    TBitmap target(40, 40);
    target.Canvas().Brush().SetColor(clWhite);
    target.Canvas().FillRect(TRect(0, 0, 40, 40));
    noIcon->DrawFormIcon(target.Canvas(), 2, 2);
    EXPECT_EQ(RgbAt(target, 5, 5), 0xFFFFFFu) << "no icon anywhere: nothing is drawn";

    FApp->Icon().Assign(*SquareIcon(32, red));
    TForm* form = NewForm(TRect(0, 0, 300, 200));
    TbsSkinForm* skinForm = SkinForm(form, nullptr);
    skinForm->DrawFormIcon(target.Canvas(), 4, 6);
    // The program's icon at the small icon size.
    EXPECT_EQ(GetSmallIconSize(), TSize(16, 16));
    EXPECT_EQ(RgbAt(target, 4, 6), 0xFF0000u);
    EXPECT_EQ(RgbAt(target, 19, 21), 0xFF0000u);
    EXPECT_EQ(RgbAt(target, 20, 21), 0xFFFFFFu);
    EXPECT_EQ(RgbAt(target, 19, 22), 0xFFFFFFu);
    // Made once: a later icon of the form is not taken up.
    form->SetIcon(*SquareIcon(16, blue));
    skinForm->DrawFormIcon(target.Canvas(), 4, 6);
    EXPECT_EQ(RgbAt(target, 10, 10), 0xFF0000u);

    // The form's own icon comes before the program's.
    TForm* withIcon = NewForm(TRect(0, 0, 300, 200));
    withIcon->SetIcon(*SquareIcon(48, blue));
    SkinForm(withIcon, nullptr)->DrawFormIcon(target.Canvas(), 4, 6);
    EXPECT_EQ(RgbAt(target, 10, 10), 0x0000FFu);
    EXPECT_EQ(RgbAt(target, 20, 10), 0xFFFFFFu);
}

// The caption buttons of the frame as they stand after UpdateCaptionButtons.
struct TButtonState {
    bool Enabled;
    bool Visible;
    bool operator==(const TButtonState&) const = default;
};

TEST_F(FormSkin, CaptionButtonsFollowTheBorderIcons) {
    FSkin = MakeFrameSkin();
    AddStdButton(*FSkin, "max", cmMaximize, TRect(0, 0, 16, 14));
    AddStdButton(*FSkin, "min", cmMinimize, TRect(16, 0, 32, 14));
    AddStdButton(*FSkin, "roll", cmRollUp, TRect(32, 0, 48, 14));
    AddStdButton(*FSkin, "sys", cmSysMenu, TRect(48, 0, 64, 14));
    AddStdButton(*FSkin, "drawn", cmMinimize, TRect(60, 6, 76, 20), false);
    AddStdButton(*FSkin, "close", cmClose, TRect(0, 0, 16, 14));
    AddStdButton(*FSkin, "custom", cmDefault, TRect(0, 0, 16, 14));
    TForm* form = NewForm(TRect(0, 0, 300, 200));
    TbsSkinForm* skinForm = SkinForm(form, FSkin.get());
    auto state = [&](const char* name) {
        const auto& o = skinForm->ObjectList.at(std::size_t(skinForm->GetIndex(name)));
        return TButtonState{ o->Enabled, o->Visible };
    };
    using Icons = TbsSkinForm::TbsBorderIcons;
    struct Case {
        Icons icons;
        bool hide, disableSysMenu;
        TButtonState max, min, sys, drawn, close;
    };
    const TButtonState on{ true, true }, off{ false, false }, inFrame{ false, true };
    const Case cases[] = {
        { { TbsSkinForm::biSystemMenu, TbsSkinForm::biMinimize, TbsSkinForm::biMaximize },
          false,
          false,
          on,
          on,
          on,
          on,
          on },
        // The main window: minimize only. A button drawn in the frame picture stays, disabled.
        { { TbsSkinForm::biMinimize }, false, false, off, on, off, on, on },
        { {}, false, false, off, off, off, inFrame, on },
        { { TbsSkinForm::biSystemMenu }, false, true, off, off, off, inFrame, on },
        // Hidden caption buttons: disabled, and gone when they have their own pictures; the
        // close button too.
        { { TbsSkinForm::biMinimize }, true, false, off, off, off, inFrame, off },
    };
    for (const Case& c : cases) {
        skinForm->SetHideCaptionButtons(c.hide);
        skinForm->SetDisableSystemMenu(c.disableSysMenu);
        skinForm->SetBorderIcons(c.icons);
        EXPECT_EQ(state("max"), c.max) << ::testing::PrintToString(c.icons);
        EXPECT_EQ(state("min"), c.min) << ::testing::PrintToString(c.icons);
        EXPECT_EQ(state("sys"), c.sys) << ::testing::PrintToString(c.icons);
        EXPECT_EQ(state("drawn"), c.drawn) << ::testing::PrintToString(c.icons);
        EXPECT_EQ(state("close"), c.close) << ::testing::PrintToString(c.icons);
    }
    // A custom button shows only when the program says so.
    skinForm->SetHideCaptionButtons(false);
    skinForm->SetBorderIcons({});
    EXPECT_FALSE(state("custom").Visible);
    skinForm->OnActivateCustomObject = [](const std::string& name, bool& visible) {
        visible = name == "custom";
    };
    skinForm->UpdateCaptionButtons();
    EXPECT_TRUE(state("custom").Visible);
}

TEST_F(FormSkin, ButtonHintsComeFromTheStringTableWithEnglishWithoutOne) {
    FSkin = MakeFrameSkin();
    AddStdButton(*FSkin, "close", cmClose, TRect(0, 0, 16, 14));
    AddStdButton(*FSkin, "max", cmMaximize, TRect(0, 0, 16, 14));
    AddStdButton(*FSkin, "tray", cmMinimizeToTray, TRect(0, 0, 16, 14));
    TForm* form = NewForm(TRect(0, 0, 300, 200));
    TbsSkinForm* skinForm = SkinForm(form, FSkin.get());
    auto button = [&](const char* name) {
        return dynamic_cast<TbsSkinStdButtonObject*>(
            skinForm->ObjectList.at(std::size_t(skinForm->GetIndex(name))).get());
    };
    EXPECT_EQ(button("close")->Hint, "Close");
    EXPECT_EQ(button("max")->Hint, "Maximize");
    EXPECT_EQ(button("tray")->Hint, "Minimize to Tray");
    EXPECT_EQ(button("max")->RestoreHint, "Restore");

    // A table of the skin's own: its texts, and nothing for a key it lacks.
    TbsResourceStrData strings(nullptr);
    TStringList lines;
    lines.Add("MAXBUTTON_HINT=Vergrößern");
    lines.Add("RESTORE_HINT=Wiederherstellen");
    strings.SetResStrings(lines);
    FSkin->FormsToNotify = [&] {
        TbsSkinMessageForms forms;
        forms.ScreenForms.push_back(
            TbsSkinMessageForm{ form, "TForm", [form](UINT m, WPARAM w, LPARAM l) {
                                   SendMessage(form->Handle(), m, w, l);
                               } });
        return forms;
    };
    form->HandleNeeded();
    FSkin->SetResourceStrData(&strings); // WM_SKINSTRINGSCHANGED
    EXPECT_EQ(button("max")->Hint, "Vergrößern");
    EXPECT_EQ(button("max")->FTempHint, "Vergrößern");
    EXPECT_EQ(button("max")->RestoreHint, "Wiederherstellen");
    EXPECT_EQ(button("close")->Hint, "") << "the table has no such key: no English fall-back";
    FSkin->SetResourceStrData(nullptr);
}

TEST_F(FormSkin, ObjectsAreMadeFromTheSkinsRecordsAndClearingForgetsTheirIndexes) {
    FSkin = MakeFrameSkin();
    AddStdButton(*FSkin, "close", cmClose, TRect(0, 0, 16, 14));
    AddUserObject(*FSkin, "logo", TRect(30, 4, 40, 14));
    FSkin->ObjectList.push_back(std::make_unique<TbsDataSkinMenuItem>("menuitem"));
    TForm* form = NewForm(TRect(0, 0, 300, 200));
    TbsSkinForm* skinForm = SkinForm(form, FSkin.get());
    ASSERT_EQ(skinForm->ObjectList.size(), 3u) << "menu rows are the menus'";
    EXPECT_TRUE(dynamic_cast<TbsSkinCaptionObject*>(skinForm->ObjectList[0].get()));
    EXPECT_TRUE(dynamic_cast<TbsSkinStdButtonObject*>(skinForm->ObjectList[1].get()));
    EXPECT_TRUE(dynamic_cast<TbsUserObject*>(skinForm->ObjectList[2].get()));
    EXPECT_EQ(skinForm->GetIndex("logo"), 2);
    EXPECT_EQ(skinForm->GetIndex("Logo"), -1) << "names compare with case";
    skinForm->SetEnabled("nothing", false); // an unknown name does nothing

    skinForm->ActiveObject = 2;
    skinForm->OldActiveObject = 1;
    skinForm->MouseCaptureObject = 2;
    skinForm->ClearObjects();
    EXPECT_EQ(skinForm->ActiveObject, -1);
    EXPECT_EQ(skinForm->OldActiveObject, -1);
    EXPECT_EQ(skinForm->MouseCaptureObject, -1);
    // Routing with stale indexes reaches nothing.
    skinForm->ActiveObject = 5;
    skinForm->MouseCaptureObject = 7;
    skinForm->ObjectMouseMove(1, 1);
    skinForm->ObjectMouseUp(mbLeft, 1, 1);
    skinForm->ObjectMouseDown(mbLeft, 1, 1);
    skinForm->ObjectDblClick();
    EXPECT_EQ(skinForm->MouseCaptureObject, -1);
}

TEST_F(FormSkin, FrameModesSwitchAtRunTime) {
    FSkin = MakeFrameSkin();
    TForm* form = NewForm(TRect(100, 100, 400, 300), bsSizeable);
    TbsSkinForm* skinForm = SkinForm(form, FSkin.get());
    form->Show();
    auto client = [&] {
        RECT r;
        GetClientRect(form->Handle(), &r);
        return TRect(r);
    };
    const TRect skinned(0, 0, 300 - 8, 200 - 28);
    EXPECT_EQ(client(), skinned);

    // The platform's frame and its own caption buttons.
    skinForm->SetSkinnableForm(false);
    EXPECT_NE(client(), skinned);
    EXPECT_TRUE(form->BorderIcons().Contains(::biSystemMenu));
    EXPECT_EQ(Send(form, WM_SKINQUERYFRAME), SKIN_FRAME_STANDARD);
    skinForm->SetSkinnableForm(true);
    EXPECT_EQ(client(), skinned);
    EXPECT_TRUE(form->BorderIcons().Empty());
    EXPECT_EQ(Send(form, WM_SKINQUERYFRAME), SKIN_FRAME_SKINNED);

    // An emulated-maximized form stays maximized across the switch, by the platform then.
    skinForm->SetBorderIcons({ TbsSkinForm::biMaximize });
    skinForm->SetWindowState(wsMaximized);
    skinForm->SetSkinnableForm(false);
    EXPECT_TRUE(IsZoomed(form->Handle()));
    EXPECT_TRUE(form->Visible());

    // The ribbon keeps the platform's frame.
    form->SetWindowState(wsNormal);
    skinForm->SetUseRibbon(true);
    skinForm->SetSkinnableForm(true);
    EXPECT_FALSE(skinForm->SkinnableForm());
}

TEST_F(FormSkin, FindSkinFormAndRemovedReferences) {
    FSkin = MakeFrameSkin();
    TForm* form = NewForm(TRect(0, 0, 300, 200));
    EXPECT_EQ(FindSkinForm(form), nullptr);
    EXPECT_EQ(FindSkinForm(nullptr), nullptr);
    TbsSkinForm* skinForm = SkinForm(form, FSkin.get());
    EXPECT_EQ(FindSkinForm(form), skinForm);
    EXPECT_EQ(FindSkinFormComponent(form), skinForm) << "it is the form's menu host";
    auto* other = new TTimer(nullptr);
    skinForm->SetStatusBar(other);
    delete other;
    EXPECT_EQ(skinForm->StatusBar(), nullptr);
    FSkin.reset();
    EXPECT_EQ(skinForm->SkinData(), nullptr);
}

// A skinned control that counts its skin changes.
class TCountingControl : public TbsSkinControl {
public:
    using TbsSkinControl::TbsSkinControl;
    void ChangeSkinData() override {
        ++FChanges;
        TbsSkinControl::ChangeSkinData();
    }
    void BeforeChangeSkinData() override {
        ++FBefores;
        TbsSkinControl::BeforeChangeSkinData();
    }
    int FChanges{ 0 };
    int FBefores{ 0 };
};

// A counting control on the form, bound to skin (nullptr: none).
TCountingControl* AddCountingControl(TForm* form, TbsSkinData* skin) {
    auto* control = new TCountingControl(form);
    control->SetParent(form);
    control->SetSkinData(skin);
    return control;
}

TEST_F(FormSkin, SkinChangeOfAnotherSkinLeavesTheFrameAndReskinsItsControls) {
    FSkin = MakeFrameSkin();
    auto tool = MakeTestSkin();
    TForm* form = NewForm(TRect(0, 0, 300, 200));
    TbsSkinForm* skinForm = SkinForm(form, FSkin.get());
    auto* onTool = AddCountingControl(form, tool.get());
    auto* onFrame = AddCountingControl(form, FSkin.get());
    form->Show();
    onTool->FChanges = onFrame->FChanges = 0;
    int befores = 0, afters = 0;
    skinForm->OnBeforeChangeSkinData = [&](TObject*) { ++befores; };
    skinForm->OnAfterChangeSkinData = [&](TObject*) { ++afters; };
    const TbsActiveSkinObject* caption = skinForm->ObjectList.front().get();

    const auto toolSkin = WPARAM(tool.get());
    for (UINT m : { WM_SKINBEFORECHANGE, WM_SKINCHANGE, WM_SKINAFTERCHANGE })
        Send(form, m, toolSkin, SkinMessageLParam);
    EXPECT_EQ(skinForm->ObjectList.front().get(), caption) << "the frame is as it was";
    EXPECT_EQ(onTool->FChanges, 1);
    EXPECT_EQ(onTool->FBefores, 0) << "the before step is for the frame's own skin";
    EXPECT_EQ(onFrame->FChanges, 0);
    EXPECT_EQ(befores, 0);
    EXPECT_EQ(afters, 1) << "every change ends with the event";

    // The frame's own skin: the frame is rebuilt and its controls re-skinned.
    const auto frameSkin = WPARAM(FSkin.get());
    Send(form, WM_SKINBEFORECHANGE, frameSkin, SkinMessageLParam);
    EXPECT_TRUE(skinForm->ObjectList.empty());
    EXPECT_FALSE(skinForm->FSkinSupport);
    EXPECT_FALSE(skinForm->MouseTimer().Enabled());
    EXPECT_EQ(onFrame->FBefores, 1);
    Send(form, WM_SKINCHANGE, frameSkin, SkinMessageLParam);
    EXPECT_EQ(skinForm->ObjectList.size(), 1u);
    EXPECT_TRUE(skinForm->FSkinSupport);
    EXPECT_EQ(onFrame->FChanges, 1);
    Send(form, WM_SKINAFTERCHANGE, frameSkin, SkinMessageLParam);
    EXPECT_EQ(befores, 1);
    EXPECT_EQ(afters, 2);
}

TEST_F(FormSkin, BorderStyleAndFormStyleSettersReskinEveryControl) {
    FSkin = MakeFrameSkin();
    auto tool = MakeTestSkin();
    TForm* form = NewForm(TRect(0, 0, 300, 200));
    TbsSkinForm* skinForm = SkinForm(form, FSkin.get());
    auto* onTool = AddCountingControl(form, tool.get());
    auto* unskinned = AddCountingControl(form, nullptr);
    onTool->FChanges = unskinned->FChanges = 0;

    skinForm->SetFormBorderStyle(bsSizeable);
    EXPECT_EQ(form->BorderStyle(), bsSizeable);
    EXPECT_EQ(onTool->FChanges, 1);
    EXPECT_EQ(unskinned->FChanges, 1);
    skinForm->SetFormStyle(fsStayOnTop);
    EXPECT_EQ(form->FormStyle(), fsStayOnTop);
    EXPECT_EQ(onTool->FChanges, 2);
    for (TFormStyle refused : { fsMDIChild, fsMDIForm }) {
        skinForm->SetFormStyle(refused);
        EXPECT_EQ(form->FormStyle(), fsStayOnTop);
    }
    EXPECT_EQ(onTool->FChanges, 2) << "a refused style changes nothing";
}

TEST_F(FormSkin, FramePaintRequestsAnswerAsAgreed) {
    FSkin = MakeFrameSkin();
    TForm* form = NewForm(TRect(0, 0, 300, 200));
    form->HandleNeeded();
    std::vector<UINT> passedOn;
    const TWndMethod formProc = form->WindowProc;
    form->WindowProc = [&, formProc](TMessage& m) {
        passedOn.push_back(m.Msg);
        formProc(m);
    };
    SkinForm(form, FSkin.get());
    TBitmap target(300, 200);
    const HDC dc = target.Canvas().Handle();
    struct Case {
        UINT msg;
        WPARAM dc;
        LPARAM key;
        LRESULT answer;
        bool passed;
    };
    const Case cases[] = {
        { WM_SKINFRAMEPAINT, 0, 0, 0, false },
        { WM_SKINFRAMEPAINT, WPARAM(dc), 0, SKIN_FRAME_PAINTED, false },
        { WM_SKINFRAMEPAINTEX, 0, SKIN_PAINT_KEY, SKIN_PAINT_KEY, false },
        { WM_SKINFRAMEPAINTEX, WPARAM(dc), 1, 0, true },
        { WM_SKINFRAMEPAINTEX, WPARAM(dc), SKIN_PAINT_KEY, SKIN_PAINT_KEY, false },
        { WM_SKINQUERYFRAME, 0, 0, SKIN_FRAME_SKINNED, false },
    };
    for (const Case& c : cases) {
        passedOn.clear();
        EXPECT_EQ(Send(form, c.msg, c.dc, c.key), c.answer) << c.msg << " " << c.key;
        EXPECT_EQ(!passedOn.empty(), c.passed) << c.msg << " " << c.key;
    }
    // The frame went into the DC: the picture's corners, the inactive one as the form is.
    EXPECT_EQ(RgbAt(target, 10, 10), FramePixel(10, 10, false));
    EXPECT_EQ(RgbAt(target, 299, 199), FramePixel(119, 79, false));
    delete form; // while the spy's log lives
}

TEST_F(FormSkin, TrayRestoreAnswersOnlyTheTrayTag) {
    FSkin = MakeFrameSkin();
    TForm* form = NewForm(TRect(0, 0, 300, 200));
    SkinForm(form, FSkin.get());
    form->HandleNeeded();
    form->SetTag(5);
    Send(form, WM_SKINTRAYRESTORED);
    EXPECT_EQ(form->Tag(), 5);
    form->SetTag(TRAY_HIDDEN_TAG);
    Send(form, WM_SKINTRAYRESTORED);
    EXPECT_EQ(form->Tag(), 0);
}

} // namespace
} // namespace frametest
