#include "ControlsFixture.h"
#include "platform/forms/StdCtrlsClasses.h"
#include "platform/forms/TComboBox.h"
#include "platform/forms/TEdit.h"
#include "platform/forms/TFormReader.h"
#include "platform/forms/TImage.h"
#include "platform/forms/TListBox.h"
#include "platform/forms/TMemo.h"
#include "platform/forms/TPanel.h"
#include "platform/forms/TScrollBox.h"
#include "platform/forms/TShape.h"
#include "platform/forms/TSplitter.h"
#include "platform/forms/TStatusBar.h"
#include "platform/forms/TUpDown.h"
#include "platform/gfx/TBitmap.h"
#include "platform/rtl/TMemoryStream.h"
#include "platform/rtl/TextUtils.h"
#include "platform/win/ScrollInfo.h"
#include "platform/win/Win.h"
#include <cstdint>
#include <string>

namespace formstest {
namespace {

using namespace win;

using ExtCtrls = ControlsTest;

TEST_F(ExtCtrls, ShapesOfEqualSidesSitInTheMiddle) {
    auto* shape = Add<TShape>(10, 10, 80, 40);
    shape->Pen().SetWidth(2);
    struct Case {
        TShapeType type;
        TRect figure;
    };
    for (const Case c :
         { Case{ stRectangle, TRect(1, 1, 80, 40) }, Case{ stCircle, TRect(21, 1, 60, 40) },
           Case{ stRoundSquare, TRect(21, 1, 60, 40) } }) {
        shape->SetShape(c.type);
        EXPECT_EQ(shape->FigureRect(), c.figure) << c.type;
    }
}

TEST_F(ExtCtrls, SplitterResizesItsNeighbourWithinTheLimits) {
    FForm->SetClientWidth(400);
    auto* left = Add<TPanel>(0, 0, 100, 50);
    left->SetAlign(alLeft);
    auto* splitter = Add<TSplitter>(100, 0, 4, 50);
    auto* rest = Add<TPanel>(0, 0, 10, 10);
    rest->SetAlign(alClient);
    int moved = 0;
    splitter->OnMoved = [&](TObject*) { ++moved; };
    EXPECT_EQ(splitter->ResizeControl(), left);

    const auto drag = [&](int dx) {
        const TPoint from = splitter->ClientToScreen(TPoint(1, 10));
        FDisplay->MoveMouse(from.X, from.Y);
        FDisplay->PressButton();
        Pump();
        FDisplay->MoveMouse(from.X + dx, from.Y);
        Pump();
        FDisplay->ReleaseButton();
        Pump();
    };
    drag(50);
    EXPECT_EQ(left->Width(), 150);
    EXPECT_EQ(splitter->Left(), 150) << "the splitter follows its neighbour";
    EXPECT_EQ(rest->Left(), 154);
    drag(1000);
    EXPECT_EQ(left->Width(), 400 - 4 - 30) << "the rest keeps its minimum";
    drag(-1000);
    EXPECT_EQ(left->Width(), 30);
    EXPECT_EQ(moved, 3);
}

TEST_F(ExtCtrls, ScrollBoxScrollsItsChildrenIntoView) {
    auto* box = Add<TScrollBox>(10, 10, 200, 150);
    auto* far = new TPanel(FForm);
    far->SetParent(box);
    far->SetBounds(10, 300, 50, 50);
    Pump();
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(box->Handle(), SB_VERT, &info));
    EXPECT_EQ(info.nMax, 349);
    EXPECT_EQ(int(info.nPage), box->ClientHeight());
    EXPECT_TRUE(GetWindowLongPtr(box->Handle(), GWL_STYLE) & WS_VSCROLL);
    EXPECT_FALSE(GetWindowLongPtr(box->Handle(), GWL_STYLE) & WS_HSCROLL);

    SendMessage(box->Handle(), WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
    EXPECT_EQ(far->Top(), 300 - 8);
    SendMessage(box->Handle(), WM_VSCROLL, MAKEWPARAM(SB_BOTTOM, 0), 0);
    EXPECT_EQ(far->Top() + far->Height(), box->ClientHeight()) << "scrolled to the very end";
    EXPECT_EQ(GetScrollPos(box->Handle(), SB_VERT), 350 - box->ClientHeight());
    box->SetScrollPos(TPoint(0, 0));
    EXPECT_EQ(far->Top(), 300);
    box->ScrollInView(far);
    EXPECT_EQ(far->Top() + far->Height(), box->ClientHeight());

    auto* edit = new TEdit(FForm);
    edit->SetParent(box);
    edit->SetBounds(10, 10 - box->ScrollPos().Y, 80, 21);
    edit->SetFocus();
    Pump();
    EXPECT_EQ(edit->Top(), 0) << "a control taking the focus comes into view";
}

constexpr const char* kDescription = R"(object ControlsForm: TForm
  Width = 400
  Height = 300
  object Quality: TComboBox
    Left = 8
    Top = 8
    Style = csDropDownList
    ItemIndex = 1
    Items.Strings = (
      'low'
      'high')
  end
  object Files: TListBox
    Left = 8
    Top = 40
    Sorted = True
    Items.Strings = (
      'b.avi'
      'a.mkv')
  end
  object Log: TMemo
    Left = 8
    Top = 150
    ScrollBars = ssVertical
    Lines.Strings = (
      'first'
      'second')
  end
  object Count: TEdit
    Left = 200
    Top = 8
  end
  object CountUpDown: TUpDown
    Associate = Count
    Max = 16
    Position = 4
  end
  object Status: TStatusBar
    Panels = <
      item
        Text = 'Ready'
        Width = 120
      end
      item
        Alignment = taRightJustify
      end>
  end
end
)";

TEST_F(ExtCtrls, FormDescriptionsMakeTheControls) {
    RegisterStdCtrlsClasses();
    TForm form(nullptr);
    ReadFormDescription(&form, kDescription, "Controls.form");
    auto* quality = DescribedComponent<TComboBox>(&form, "Quality");
    ASSERT_NE(quality, nullptr);
    EXPECT_EQ(quality->Text(), "high") << "the line is picked once the lines are there";
    auto* files = DescribedComponent<TListBox>(&form, "Files");
    ASSERT_NE(files, nullptr);
    EXPECT_EQ(files->Items().CommaText(), "a.mkv,b.avi");
    auto* log = DescribedComponent<TMemo>(&form, "Log");
    ASSERT_NE(log, nullptr);
    EXPECT_EQ(log->Lines().Count(), 2);
    EXPECT_EQ(log->ScrollBars(), ssVertical);
    auto* count = DescribedComponent<TEdit>(&form, "Count");
    ASSERT_NE(count, nullptr);
    EXPECT_EQ(count->Text(), "4");
    auto* status = DescribedComponent<TStatusBar>(&form, "Status");
    ASSERT_NE(status, nullptr);
    ASSERT_EQ(status->Panels().Count(), 2);
    EXPECT_EQ(status->Panels().Items(0)->Text(), "Ready");
    EXPECT_EQ(status->Align(), alBottom);
    EXPECT_EQ(status->PanelRect(1).Left, 120);
    EXPECT_EQ(status->PanelRect(1).Right, status->ClientWidth() - 2)
        << "the last panel takes the rest";
}

TEST_F(ExtCtrls, ImagesReadPicturesAsDescriptionsStoreThem) {
    RegisterStdCtrlsClasses();
    TBitmap bitmap(3, 2);
    TMemoryStream file;
    bitmap.SaveToStream(file);
    const std::string name = "TBitmap";
    std::string hex = IntToHex(int64_t(name.size()), 2);
    for (char ch : name)
        hex += IntToHex(static_cast<unsigned char>(ch), 2);
    // A bitmap's bytes follow their length.
    const auto size = std::uint32_t(file.Size());
    for (int i = 0; i < 4; ++i)
        hex += IntToHex((size >> (8 * i)) & 0xFF, 2);
    for (std::int64_t i = 0; i < file.Size(); ++i)
        hex += IntToHex(file.Memory()[i], 2);
    const std::string description =
        "object F: TForm\n  object Logo: TImage\n    Picture.Data = {" + hex + "}\n  end\nend\n";
    TForm form(nullptr);
    ReadFormDescription(&form, description, "Logo.form");
    auto* logo = DescribedComponent<TImage>(&form, "Logo");
    ASSERT_NE(logo, nullptr);
    EXPECT_EQ(logo->Picture().Width(), 3);
    EXPECT_EQ(logo->Picture().Height(), 2);
}

} // namespace
} // namespace formstest
