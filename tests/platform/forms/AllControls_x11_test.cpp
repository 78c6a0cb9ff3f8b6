#include "ShotMeasures.h"
#include "XFormTest.h"
#include "platform/forms/TBevel.h"
#include "platform/forms/TButton.h"
#include "platform/forms/TCheckBox.h"
#include "platform/forms/TComboBox.h"
#include "platform/forms/TEdit.h"
#include "platform/forms/TGroupBox.h"
#include "platform/forms/TImage.h"
#include "platform/forms/TLabel.h"
#include "platform/forms/TListBox.h"
#include "platform/forms/TListView.h"
#include "platform/forms/TMemo.h"
#include "platform/forms/TPageControl.h"
#include "platform/forms/TPanel.h"
#include "platform/forms/TProgressBar.h"
#include "platform/forms/TRadioButton.h"
#include "platform/forms/TScrollBar.h"
#include "platform/forms/TScrollBox.h"
#include "platform/forms/TShape.h"
#include "platform/forms/TSplitter.h"
#include "platform/forms/TStatusBar.h"
#include "platform/forms/TTabSheet.h"
#include "platform/forms/TTrackBar.h"
#include "platform/forms/TTreeView.h"
#include "platform/forms/TUpDown.h"
#include "platform/gfx/Surface.h"
#include "platform/gfx/TBitmap.h"
#include "platform/win/Messaging.h"
#include "platform/win/Win.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "tests/x11/EventLoop.h"
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace formstest {
namespace {

using namespace win;
using namespace x11test;

TRect Clipped(const gfx::Surface& s, const TRect& r) {
    return TRect(std::max(r.Left, 0), std::max(r.Top, 0), std::min(r.Right, s.Width()),
                 std::min(r.Bottom, s.Height()));
}

// Pixels of an area that differ between two pictures of the same window.
int Changed(const gfx::Surface& a, const gfx::Surface& b, const TRect& area) {
    const TRect r = Clipped(a, area);
    int changed = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            changed += b.Contains(x, y) && a.At(x, y) != b.At(x, y);
    return changed;
}

// A control whose text the test takes away again, to see that the text was what it drew.
struct TCaptioned {
    TControl* Control;
    std::function<void()> Clear;
};

using AllControlsX11 = XFormTest;

TEST_F(AllControlsX11, AWindowOfEveryStandardControlDrawsThemAndTheirTexts) {
    FForm->SetCaption("所有控件 All controls");
    FForm->SetBounds(10, 10, 770, 560);
    const auto add = [&](auto* control, TWinControl* parent, int l, int t, int w, int h) {
        control->SetParent(parent);
        control->SetBounds(l, t, w, h);
        return control;
    };
    std::vector<TControl*> all;
    std::vector<TCaptioned> captioned;
    const auto captionedBy = [&](TControl* c) {
        all.push_back(c);
        captioned.push_back({ c, [c] { c->SetCaption(""); } });
    };

    auto* button = add(new TButton(FForm), FForm, 8, 8, 90, 25);
    button->SetCaption("&Open 打开");
    captionedBy(button);
    auto* check = add(new TCheckBox(FForm), FForm, 106, 10, 110, 20);
    check->SetCaption("Check 选中");
    check->SetChecked(true);
    captionedBy(check);
    auto* radio = add(new TRadioButton(FForm), FForm, 222, 10, 110, 20);
    radio->SetCaption("Radio 单选");
    radio->SetChecked(true);
    captionedBy(radio);
    auto* label = add(new TLabel(FForm), FForm, 340, 12, 90, 16);
    label->SetCaption("Label 标签");
    captionedBy(label);
    auto* edit = add(new TEdit(FForm), FForm, 436, 8, 120, 21);
    edit->SetText("Edit 编辑");
    captionedBy(edit);
    auto* combo = add(new TComboBox(FForm), FForm, 566, 8, 180, 22);
    combo->SetStyle(csDropDownList);
    combo->Items().SetCommaText("\"Combo 组合\",other");
    combo->SetItemIndex(0);
    all.push_back(combo);
    captioned.push_back({ combo, [combo] { combo->SetItemIndex(-1); } });

    auto* panel = add(new TPanel(FForm), FForm, 8, 44, 150, 70);
    panel->SetCaption("Panel 面板");
    captionedBy(panel);
    auto* group = add(new TGroupBox(FForm), FForm, 166, 44, 160, 70);
    group->SetCaption("Group 分组");
    captionedBy(group);
    auto* inGroup = add(new TRadioButton(FForm), group, 10, 24, 120, 20);
    inGroup->SetCaption("Inside 里面");
    captionedBy(inGroup);
    auto* bevel = add(new TBevel(FForm), FForm, 334, 44, 60, 70);
    bevel->SetShape(bsFrame);
    all.push_back(bevel);
    auto* memo = add(new TMemo(FForm), FForm, 402, 44, 160, 90);
    memo->SetScrollBars(ssVertical);
    for (int i = 0; i < 10; ++i)
        memo->Lines().Add("Memo 备忘 " + std::to_string(i));
    all.push_back(memo);
    captioned.push_back({ memo, [memo] { memo->Lines().Clear(); } });
    auto* list = add(new TListBox(FForm), FForm, 570, 44, 176, 90);
    list->Items().SetCommaText("\"List 列表\",\"file name.avi\",three,four,five,six,seven");
    list->SetItemIndex(1);
    all.push_back(list);
    captioned.push_back({ list, [list] { list->Items().Clear(); } });

    auto* view = add(new TListView(FForm), FForm, 8, 144, 300, 120);
    view->SetViewStyle(vsReport);
    view->Columns().Add()->SetCaption("Name 名称");
    view->Columns().Items(0)->SetWidth(160);
    view->Columns().Add()->SetCaption("Size");
    view->Columns().Items(1)->SetWidth(100);
    for (const char* name : { "视频.avi", "movie one.mpg", "clip.mp4" }) {
        TListItem* item = view->Items().Add();
        item->SetCaption(name);
        item->SubItems().Add("12 MB");
    }
    all.push_back(view);
    captioned.push_back({ view, [view] { view->Items().Clear(); } });
    auto* tree = add(new TTreeView(FForm), FForm, 316, 144, 180, 120);
    TTreeNode* root = tree->Items().Add(nullptr, "Root 根");
    tree->Items().AddChild(root, "Child 子");
    tree->Items().AddChild(root, "Second 第二");
    root->Expand(false);
    all.push_back(tree);
    captioned.push_back({ tree, [tree] { tree->Items().Clear(); } });
    auto* pages = add(new TPageControl(FForm), FForm, 504, 144, 242, 120);
    std::vector<TTabSheet*> sheets;
    for (const char* caption : { "First 第一", "Second" }) {
        auto* sheet = new TTabSheet(FForm);
        sheet->SetPageControl(pages);
        sheet->SetCaption(caption);
        sheets.push_back(sheet);
    }
    pages->SetActivePageIndex(0);
    auto* onPage = add(new TButton(FForm), sheets[0], 10, 10, 100, 25);
    onPage->SetCaption("On page 页");
    captionedBy(onPage);
    all.push_back(pages);
    captioned.push_back({ pages, [sheets] {
                             for (TTabSheet* s : sheets)
                                 s->SetCaption("");
                         } });

    auto* progress = add(new TProgressBar(FForm), FForm, 8, 276, 150, 18);
    progress->SetPosition(60);
    auto* track = add(new TTrackBar(FForm), FForm, 166, 276, 150, 40);
    track->SetPosition(4);
    auto* bar = add(new TScrollBar(FForm), FForm, 324, 276, 150, 17);
    bar->SetPageSize(20);
    auto* updown = add(new TUpDown(FForm), FForm, 482, 276, 17, 24);
    auto* image = add(new TImage(FForm), FForm, 508, 276, 48, 48);
    image->Picture().Bitmap().SetSize(16, 16);
    image->Picture().Bitmap().Canvas().Brush().SetColor(clRed);
    image->Picture().Bitmap().Canvas().FillRect(TRect(0, 0, 16, 16));
    image->Picture().Bitmap().Canvas().Brush().SetColor(clBlue);
    image->Picture().Bitmap().Canvas().FillRect(TRect(4, 4, 12, 12));
    image->SetStretch(true);
    auto* shape = add(new TShape(FForm), FForm, 564, 276, 48, 48);
    shape->SetShape(stRoundRect);
    shape->Brush().SetColor(clLime);
    auto* box = add(new TScrollBox(FForm), FForm, 620, 276, 126, 90);
    auto* inBox = add(new TPanel(FForm), box, 8, 8, 60, 200);
    auto* split = add(new TPanel(FForm), FForm, 8, 330, 300, 90);
    auto* left = add(new TPanel(FForm), split, 0, 0, 100, 90);
    left->SetAlign(alLeft);
    auto* splitter = add(new TSplitter(FForm), split, 100, 0, 5, 90);
    splitter->SetBeveled(true);
    for (TControl* c : std::initializer_list<TControl*>{ progress, track, bar, updown, image, shape,
                                                         box, inBox, split, left, splitter })
        all.push_back(c);

    // Two labels of Chinese alone: glyphs missing from the font would make both the
    // same row of empty boxes.
    auto* video = add(new TLabel(FForm), FForm, 320, 340, 60, 20);
    video->SetCaption("视频转换");
    auto* chinese = add(new TLabel(FForm), FForm, 320, 370, 60, 20);
    chinese->SetCaption("中文字体");
    captionedBy(video);
    captionedBy(chinese);

    auto* status = add(new TStatusBar(FForm), FForm, 0, 0, 10, 19);
    status->Panels().Add()->SetText("Ready 就绪");
    status->Panels().Items(0)->SetWidth(140);
    status->Panels().Add()->SetText("视频 12%");
    all.push_back(status);
    captioned.push_back({ status, [status] {
                             for (int i = 0; i < status->Panels().Count(); ++i)
                                 status->Panels().Items(i)->SetText("");
                         } });
    FForm->Show();

    ASSERT_NE(FDisplay->XWindowOf(FForm->Handle()), 0u);
    gfx::Surface shot;
    ASSERT_TRUE(RunUntil([&] {
        shot = Capture();
        return !shot.Empty() && Colours(shot, InWindow(status)) > 2 &&
               Colours(shot, InWindow(chinese)) > 1;
    })) << "the window shows";
    HeadlessBackend::SavePng(shot, "all_controls_x11.png");

    for (TControl* c : all)
        EXPECT_GT(Colours(shot, InWindow(c)), 1) << c->ClassName() << " drew nothing";

    const std::vector<bool> a = Ink(shot, InWindow(video));
    const std::vector<bool> b = Ink(shot, InWindow(chinese));
    EXPECT_GT(std::count(a.begin(), a.end(), true), 20) << "the Chinese label has ink";
    EXPECT_NE(a, b) << "distinct glyphs, not boxes";

    // Every text drawn: taking it away changes the control's pixels. The areas are taken
    // first, since a label fitted to its text shrinks with it.
    std::vector<TRect> areas;
    for (const TCaptioned& c : captioned)
        areas.push_back(InWindow(c.Control));
    for (const TCaptioned& c : captioned)
        c.Clear();
    gfx::Surface bare;
    constexpr int kTextPixels = 20;
    const auto textGone = [&](size_t i) { return Changed(shot, bare, areas[i]) >= kTextPixels; };
    RunUntil([&] {
        bare = Capture();
        for (size_t i = 0; i < areas.size(); ++i)
            if (bare.Empty() || !textGone(i)) return false;
        return true;
    });
    for (size_t i = 0; i < areas.size(); ++i)
        EXPECT_TRUE(textGone(i)) << captioned[i].Control->ClassName() << " drew no text";
}

} // namespace
} // namespace formstest
