#include "ViewSheetBars.h"
#include "SheetWithBars.h"
#include "TestSkins.h"

#include "lib/controls/TbsSkinCustomListView.h"
#include "lib/controls/TbsSkinScrollBar.h"
#include "lib/controls/bsActivePicture.h"
#include "platform/forms/CommCtrl.h"
#include "platform/forms/TCustomControl.h"
#include "platform/win/Win.h"
#include "tests/platform/forms/ControlsFixture.h"

#include <gtest/gtest.h>

namespace {

class TSheetReportWithBars : public TSheetWithBars {
public:
    TSheetReportWithBars(TComponent* owner, TbsSkinData* skin) : TSheetWithBars(owner) {
        FView = Place(new TbsSkinListView(owner));
        FView->SetViewStyle(vsReport);
        FView->SetGridLines(true);
        FView->SetRowSelect(true);
        FView->SetReadOnly(true);
        for (const char* caption : { "File", "Format", "Output" }) {
            TListColumn* column = FView->Columns().Add();
            column->SetCaption(caption);
            column->SetWidth(110);
        }
        for (int i = 0; i < 30; ++i) {
            TListItem* item = FView->Items().Add();
            item->SetCaption("video" + std::to_string(i) + ".mkv");
            item->SubItems().Add("MP4");
            item->SubItems().Add("converted");
        }
        FView->Items().Item(1)->SetSelected(true);
        PlaceBars(owner, skin, FView);
        FView->SetSkinData(skin);
        FView->SetVScrollBar(FVBar);
        FView->SetHScrollBar(FHBar);
    }

    TbsSkinListView& View() const { return *FView; }

private:
    TbsSkinListView* FView{ nullptr };
};

// The first header section, in the composite's coordinates.
TRect FirstSection(const TbsSkinListView& view) {
    win::RECT r{};
    win::SendMessage(view.SkinnedHeader(), win::HDM_GETITEMRECT, 0, win::LPARAM(&r));
    win::RECT header{};
    win::GetWindowRect(view.SkinnedHeader(), &header);
    const TPoint origin = view.ClientToScreen(TPoint(0, 0));
    const TPoint at(view.Left() + header.left - origin.X, view.Top() + header.top - origin.Y);
    return TRect(at.X + r.left, at.Y + r.top, at.X + r.right, at.Y + r.bottom);
}

void ExpectSectionsTakeTheButtonFace(TSheetState state, TControl& control, const gfx::Surface& cell,
                                     TbsSkinData* skin) {
    if (state != ssNormal) return;
    auto& composite = dynamic_cast<TSheetReportWithBars&>(control);
    const TbsSkinListView& view = composite.View();
    EXPECT_TRUE(composite.VBar().Visible() && composite.HBar().Visible());
    EXPECT_TRUE(composite.HBar().Both()) << "the horizontal bar leaves the corner free";
    ASSERT_TRUE(view.SkinnedHeader());
    const TRect s = FirstSection(view);
    ASSERT_FALSE(s.IsEmpty());
    const int index = skin ? skin->GetControlIndex(view.HeaderSkinDataName()) : -1;
    if (index < 0) {
        EXPECT_EQ(RgbAt(cell, s.Left, s.Top), RgbOf(clBtnShadow)) << "the plain frame";
        return;
    }
    const TbsDataSkinControl& r = *skin->CtrlList[std::size_t(index)];
    const TBitmap* picture = ActivePictureOf(*skin, r.PictureIndex);
    ASSERT_TRUE(picture);
    const TRect& f = r.SkinRect;
    EXPECT_EQ(RgbAt(cell, s.Left, s.Top), RgbAt(*picture, f.Left, f.Top));
    EXPECT_EQ(RgbAt(cell, s.Right - 1, s.Top), RgbAt(*picture, f.Right - 1, f.Top));
    EXPECT_EQ(RgbAt(cell, s.Left, s.Bottom - 1), RgbAt(*picture, f.Left, f.Bottom - 1));
    EXPECT_EQ(RgbAt(cell, s.Right - 1, s.Bottom - 1), RgbAt(*picture, f.Right - 1, f.Bottom - 1));
}

} // namespace

TSheetRow ReportWithBarsSheetRow(const std::string& label) {
    TSheetRow row{ label, "listview", TSize(260, 150),
                   [](TForm& form, TbsSkinData* skin, const std::string&) -> TControl* {
                       return new TSheetReportWithBars(&form, skin);
                   } };
    row.CornersFromFace = false;
    // Pressed on the first header section, which shows it pressed.
    row.HotSpot = TPoint(40, 6);
    row.DistinctStates = { ssPressed };
    row.PlainHot = false;
    row.PlainColours = { clWindow,    clWindowText, clHighlight, clHighlightText,
                         clBtnShadow, clBtnText,    clNavy,      clGray,
                         clSilver,    clBlack,      clWhite,     clBtnHighlight };
    row.CheckCell = ExpectSectionsTakeTheButtonFace;
    return row;
}
