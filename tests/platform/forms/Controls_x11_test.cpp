#include "ShotMeasures.h"
#include "XFormTest.h"
#include "platform/forms/TComboBox.h"
#include "platform/forms/TEdit.h"
#include "platform/forms/TImage.h"
#include "platform/forms/TListBox.h"
#include "platform/forms/TMemo.h"
#include "platform/forms/TPanel.h"
#include "platform/forms/TProgressBar.h"
#include "platform/forms/TScrollBar.h"
#include "platform/forms/TScrollBox.h"
#include "platform/forms/TShape.h"
#include "platform/forms/TSplitter.h"
#include "platform/forms/TStatusBar.h"
#include "platform/forms/TTrackBar.h"
#include "platform/forms/TUpDown.h"
#include "platform/gfx/Surface.h"
#include "platform/gfx/TBitmap.h"
#include "platform/win/Messaging.h"
#include "platform/win/Win.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "tests/x11/EventLoop.h"
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace formstest {
namespace {

using namespace win;
using namespace x11test;

using ControlsX11 = XFormTest;

TEST_F(ControlsX11, AWindowOfEveryControlDrawsThemAll) {
    FForm->SetBounds(20, 20, 640, 440);
    const auto add = [&](auto* control, int l, int t, int w, int h) {
        control->SetParent(FForm);
        control->SetBounds(l, t, w, h);
        return control;
    };
    auto* list = add(new TListBox(FForm), 8, 8, 150, 120);
    list->Items().SetCommaText("中文,视频,\"file name.avi\",four,five,six,seven,eight,nine,ten");
    auto* combo = add(new TComboBox(FForm), 170, 8, 150, 22);
    combo->SetStyle(csDropDownList);
    combo->Items().SetCommaText("low,high");
    combo->SetItemIndex(1);
    auto* memo = add(new TMemo(FForm), 170, 40, 150, 88);
    memo->SetScrollBars(ssVertical);
    for (int i = 0; i < 12; ++i)
        memo->Lines().Add("log line " + std::to_string(i));
    auto* progress = add(new TProgressBar(FForm), 330, 8, 150, 18);
    progress->SetPosition(60);
    auto* track = add(new TTrackBar(FForm), 330, 32, 150, 45);
    track->SetPosition(4);
    auto* bar = add(new TScrollBar(FForm), 330, 84, 150, 17);
    bar->SetPageSize(20);
    auto* edit = add(new TEdit(FForm), 490, 8, 80, 21);
    auto* updown = add(new TUpDown(FForm), 0, 0, 17, 21);
    updown->SetAssociate(edit);
    auto* image = add(new TImage(FForm), 490, 40, 64, 64);
    image->Picture().Bitmap().SetSize(32, 32);
    image->Picture().Bitmap().Canvas().Brush().SetColor(clRed);
    image->Picture().Bitmap().Canvas().FillRect(TRect(0, 0, 32, 32));
    image->Picture().Bitmap().Canvas().Brush().SetColor(clBlue);
    image->Picture().Bitmap().Canvas().FillRect(TRect(8, 8, 24, 24));
    image->SetStretch(true);
    auto* shape = add(new TShape(FForm), 570, 40, 50, 50);
    shape->SetShape(stCircle);
    shape->Brush().SetColor(clYellow);
    auto* box = add(new TScrollBox(FForm), 8, 140, 200, 100);
    auto* inner = new TPanel(FForm);
    inner->SetParent(box);
    inner->SetBounds(10, 10, 60, 200);
    // A splitter between two panels of a container of their own.
    auto* split = add(new TPanel(FForm), 330, 140, 290, 120);
    auto* left = new TPanel(FForm);
    left->SetParent(split);
    left->SetBounds(0, 0, 100, 100);
    left->SetAlign(alLeft);
    auto* splitter = new TSplitter(FForm);
    splitter->SetParent(split);
    splitter->SetBounds(100, 0, 5, 100);
    splitter->SetBeveled(true);
    auto* status = add(new TStatusBar(FForm), 0, 0, 10, 19);
    status->Panels().Add()->SetText("Ready");
    status->Panels().Items(0)->SetWidth(120);
    status->Panels().Add()->SetText("视频 12%");
    FForm->Show();

    ASSERT_NE(FDisplay->XWindowOf(FForm->Handle()), 0u);
    gfx::Surface shot;
    ASSERT_TRUE(RunUntil([&] {
        shot = Capture();
        return !shot.Empty() && Colours(shot, InWindow(status)) > 2;
    })) << "the window shows";
    HeadlessBackend::SavePng(shot, "controls_x11.png");

    for (TControl* c :
         std::initializer_list<TControl*>{ list, combo, memo, progress, track, bar, edit, updown,
                                           image, shape, box, inner, left, splitter, status })
        EXPECT_GT(Colours(shot, InWindow(c)), 1) << c->ClassName() << " drew nothing";

    // Two different Chinese lines must not come out as the same empty boxes.
    const TRect first = list->ItemRect(0);
    const TRect second = list->ItemRect(1);
    const TRect listArea = InWindow(list);
    const int inset = 2;
    const auto text = [&](const TRect& row) {
        return TRect(listArea.Left + inset + 2, listArea.Top + inset + row.Top,
                     listArea.Left + inset + 40, listArea.Top + inset + row.Bottom);
    };
    const std::vector<bool> a = Ink(shot, text(first));
    const std::vector<bool> b = Ink(shot, text(second));
    EXPECT_GT(std::count(a.begin(), a.end(), true), 10) << "the first line has ink";
    EXPECT_NE(a, b) << "distinct glyphs, not boxes";
    const TRect ready = InWindow(status);
    EXPECT_GT(
        Colours(shot, TRect(ready.Left + 4, ready.Top + 4, ready.Left + 60, ready.Bottom - 2)), 2)
        << "the status text is drawn";
}

} // namespace
} // namespace formstest
