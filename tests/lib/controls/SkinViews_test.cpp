// The skinned list and tree views: font and colours from their records, no native bars, and
// the outside skin bars kept in step with the view's scroll state and scrolling it.
#include "PointerTest.h"
#include "TestSkins.h"
#include "lib/controls/TbsSkinCustomListView.h"
#include "lib/controls/TbsSkinCustomTreeView.h"
#include "lib/controls/bsSkinChangeWalk.h"
#include "lib/skindata/bsSkinControlRecords.h"
#include "lib/skindata/bsSkinMessages.h"
#include "lib/skindata/bsSkinTabViewRecords.h"
#include "platform/forms/CommCtrl.h"
#include "platform/gfx/TBitmap.h"
#include "platform/win/ScrollInfo.h"
#include "platform/win/Win.h"

#include <algorithm>
#include <memory>
#include <string>

using namespace win;

namespace {

class SkinViews : public PointerTest {
protected:
    void SetUp() override {
        PointerTest::SetUp();
        FForm->SetBounds(40, 30, 520, 400);
        FV = Add<TbsSkinScrollBar>(320, 10, 16, 200);
        FV->SetKind(sbVertical);
        FH = Add<TbsSkinScrollBar>(10, 212, 300, 16);
    }
    // A report view 300 x 200 with columns wider than it, both bars assigned.
    TbsSkinListView* AddReport() {
        auto* view = Add<TbsSkinListView>(10, 10, 300, 200);
        view->SetViewStyle(vsReport);
        for (int width : { 250, 250 }) {
            TListColumn* column = view->Columns().Add();
            column->SetCaption("Column");
            column->SetWidth(width);
        }
        view->SetVScrollBar(FV);
        view->SetHScrollBar(FH);
        Pump();
        return view;
    }
    static void AddRows(TListView* view, int count) {
        for (int i = 0; i < count; ++i)
            view->Items().Add()->SetCaption("Row " + std::to_string(i));
    }

    TbsSkinScrollBar* FV{ nullptr };
    TbsSkinScrollBar* FH{ nullptr };
};

TEST_F(SkinViews, ReportViewShowsTheVerticalBarOnlyWhenRowsOverflow) {
    TbsSkinListView* view = AddReport();
    EXPECT_FALSE(FV->Visible()) << "an empty view has nothing to scroll down";
    EXPECT_TRUE(FH->Visible()) << "the columns are wider than the view";
    EXPECT_FALSE(FH->Both());
    AddRows(view, 40);
    Pump();
    const int perPage = int(view->Perform(LVM_GETCOUNTPERPAGE, 0, 0));
    ASSERT_GT(perPage, 0);
    ASSERT_LT(perPage, 40);
    EXPECT_TRUE(FV->Visible());
    EXPECT_EQ(FV->PageSize(), perPage);
    EXPECT_EQ(FV->LargeChange(), perPage);
    EXPECT_EQ(FV->SmallChange(), 1);
    EXPECT_TRUE(FH->Both()) << "the horizontal bar takes its corner record";
    EXPECT_EQ(FH->PageSize(), view->Width());
    EXPECT_EQ(view->Width(), view->ClientWidth()) << "no native frame or bars";
}

TEST_F(SkinViews, TheVerticalBarScrollsTheReportByRows) {
    TbsSkinListView* view = AddReport();
    AddRows(view, 40);
    Pump();
    const int rowHeight = view->ItemRect(0, drBounds).Height();
    const int top = view->ItemRect(0, drBounds).Top;
    FV->SetPosition(3);
    EXPECT_EQ(view->TopItem()->Index(), 3);
    EXPECT_EQ(view->ItemRect(0, drBounds).Top, top - 3 * rowHeight);
    Pump();
    EXPECT_EQ(FV->Position(), 3) << "the bar stays where it was dragged";
    EXPECT_EQ(GetScrollPos(view->Handle(), SB_VERT), 3);
}

TEST_F(SkinViews, KeysScrollingTheViewMoveTheBar) {
    TbsSkinListView* view = AddReport();
    AddRows(view, 40);
    view->SetFocus();
    view->Items().Item(0)->SetSelected(true);
    Pump();
    Key(VK_END);
    Pump();
    EXPECT_GT(GetScrollPos(view->Handle(), SB_VERT), 0);
    EXPECT_EQ(FV->Position(), GetScrollPos(view->Handle(), SB_VERT));
}

TEST_F(SkinViews, AViewFivePixelsHighNeverTouchesItsBars) {
    auto* view = Add<TbsSkinListView>(10, 10, 300, 5);
    view->SetViewStyle(vsReport);
    view->Columns().Add()->SetWidth(900);
    FV->SetRange(0, 10, 4, 2);
    view->SetVScrollBar(FV);
    view->SetHScrollBar(FH);
    AddRows(view, 40);
    Pump();
    EXPECT_FALSE(FV->Visible()) << "hidden when assigned, as any bar";
    EXPECT_FALSE(FH->Visible());
    EXPECT_EQ(FV->Max(), 10);
    EXPECT_EQ(FV->Position(), 4);
}

TEST_F(SkinViews, ListStyleMovesByWholeColumns) {
    auto* view = Add<TbsSkinListView>(10, 10, 300, 100);
    view->SetViewStyle(vsList);
    view->SetVScrollBar(FV);
    view->SetHScrollBar(FH);
    AddRows(view, 60);
    Pump();
    EXPECT_FALSE(FV->Visible()) << "a list scrolls sideways only";
    ASSERT_TRUE(FH->Visible());
    const int column = view->ItemRect(0, drBounds).Width();
    EXPECT_EQ(FH->PageSize(), 300 / column);
    const int left = view->ItemRect(0, drBounds).Left;
    FH->SetPosition(2);
    EXPECT_EQ(view->ItemRect(0, drBounds).Left, left - 2 * column);
}

TEST_F(SkinViews, TreeViewShowsAndRangesItsBarWhenNodesOpen) {
    auto* tree = Add<TbsSkinCustomTreeView>(10, 10, 300, 200);
    tree->SetVScrollBar(FV);
    TTreeNode* root = tree->Items().AddChild(nullptr, "Root");
    for (int i = 0; i < 40; ++i)
        tree->Items().AddChild(root, "Node " + std::to_string(i));
    Pump();
    EXPECT_FALSE(FV->Visible()) << "all rows show while the root is closed";
    root->Expand(false);
    Pump();
    ASSERT_TRUE(FV->Visible());
    int min = 0, max = 0;
    GetScrollRange(tree->Handle(), SB_VERT, &min, &max);
    EXPECT_EQ(FV->Max(), max);
    EXPECT_EQ(FV->PageSize(), int(tree->Perform(TVM_GETVISIBLECOUNT, 0, 0)));
    FV->SetPosition(5);
    EXPECT_EQ(tree->TopItem()->AbsoluteIndex(), 5);
}

// A record of the view's kind dresses it; without one the defaults show; a record of another
// kind leaves what was there.
TEST_F(SkinViews, FontAndColourComeFromTheViewsRecord) {
    auto skin = MakeTestSkin();
    auto list = std::make_unique<TbsDataSkinListView>("listview");
    list->FontName = "Courier New";
    list->FontHeight = 17;
    list->FontColor = TColor(0x112233);
    list->BGColor = TColor(0x445566);
    skin->CtrlList.push_back(std::move(list));
    skin->CtrlList.push_back(std::make_unique<TbsDataSkinTabControl>("tab"));
    skin->Empty = false;
    auto* view = Add<TbsSkinListView>(10, 10, 300, 200);
    view->DefaultFont().SetName("DejaVu Sans");
    view->SetDefaultColor(TColor(0x778899));
    EXPECT_EQ(view->Color(), TColor(0x778899)) << "unskinned: the default colour at once";

    view->SetSkinData(skin.get());
    EXPECT_EQ(view->Font().Name(), "Courier New");
    EXPECT_EQ(view->Font().Height(), 17);
    EXPECT_EQ(view->Font().Color(), TColor(0x112233));
    EXPECT_EQ(view->Color(), TColor(0x445566));
    view->SetSkinDataName("tab");
    view->ChangeSkinData();
    EXPECT_EQ(view->Font().Name(), "Courier New") << "another kind of record changes nothing";
    view->SetSkinDataName("nothing");
    view->ChangeSkinData();
    EXPECT_EQ(view->Font().Name(), "DejaVu Sans");
    EXPECT_EQ(view->Color(), TColor(0x778899));

    auto* tree = Add<TbsSkinCustomTreeView>(10, 10, 300, 200);
    tree->SetSkinData(skin.get());
    EXPECT_EQ(tree->Color(), clWindow) << "no tree view record: the default colour";

    // The form's skin change reaches the views.
    view->SetSkinDataName("listview");
    auto& record = static_cast<TbsDataSkinListView&>(*skin->CtrlList[0]);
    record.BGColor = TColor(0x0000AA);
    ChangeControlsSkinData(*FForm, skin.get());
    EXPECT_EQ(view->Color(), TColor(0x0000AA));
    view->SetSkinData(nullptr);
    tree->SetSkinData(nullptr);
}

// The header as the view paints it.
gfx::Surface HeaderPixels(TbsSkinListView& view) {
    RECT r{};
    GetClientRect(view.SkinnedHeader(), &r);
    TBitmap target(std::max(int(r.right), 1), std::max(int(r.bottom), 1));
    view.Perform(WM_SKINHEADERPAINT, WPARAM(target.Canvas().Handle()), 0);
    return target.ToSurface();
}

TRect Section(TbsSkinListView& view, int index) {
    RECT r{};
    SendMessage(view.SkinnedHeader(), HDM_GETITEMRECT, WPARAM(index), LPARAM(&r));
    return TRect(r);
}

TEST_F(SkinViews, HeaderPaintsItsSectionsAndTheSpaceRightOfThem) {
    auto* view = Add<TbsSkinListView>(10, 10, 300, 200);
    view->SetViewStyle(vsReport);
    view->Columns().Add()->SetWidth(100);
    view->Columns().Add()->SetWidth(80);
    Pump();
    ASSERT_TRUE(view->SkinnedHeader()) << "taken over when the view made it";
    const auto pixels = HeaderPixels(*view);
    const TRect second = Section(*view, 1);
    EXPECT_EQ(RgbAt(pixels, second.Left, second.Top), RgbOf(clBtnShadow));
    EXPECT_EQ(RgbAt(pixels, second.Left + 20, second.Top + 3), PlainFace());
    EXPECT_EQ(RgbAt(pixels, second.Right, second.Top), RgbOf(clBtnShadow))
        << "the space right of the sections is framed";
    EXPECT_EQ(RgbAt(pixels, second.Right + 20, second.Top + 3), PlainFace());

    std::vector<std::pair<int, TSize>> drawn;
    view->OnDrawHeaderSection = [&](TCanvas& canvas, TListColumn* column, bool, const TRect& r) {
        drawn.emplace_back(column->Index(), TSize(r.Width(), r.Height()));
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(clRed);
        canvas.FillRect(r);
    };
    const auto owned = HeaderPixels(*view);
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[1].first, 1);
    EXPECT_EQ(drawn[1].second, TSize(second.Width(), second.Height()));
    EXPECT_EQ(RgbAt(owned, second.Left + 20, second.Top + 3), 0xFF0000u);
}

TEST_F(SkinViews, HeaderReachesPastTheViewsEdgeByAFixedMargin) {
    auto* view = Add<TbsSkinListView>(10, 10, 300, 200);
    view->SetViewStyle(vsReport);
    view->Columns().Add()->SetWidth(100);
    Pump();
    ASSERT_TRUE(view->SkinnedHeader());
    const auto headerWidth = [&] {
        RECT r{};
        GetWindowRect(view->SkinnedHeader(), &r);
        return int(r.right - r.left);
    };
    EXPECT_EQ(headerWidth(), view->ClientWidth() + 25);
    view->SetBounds(10, 10, 240, 200);
    Pump();
    EXPECT_EQ(headerWidth(), view->ClientWidth() + 25);
}

TEST_F(SkinViews, HeaderShowsAPressedSectionAndFollowsADividerDrag) {
    auto* view = Add<TbsSkinListView>(10, 10, 300, 200);
    view->SetViewStyle(vsReport);
    view->Columns().Add()->SetWidth(100);
    view->Columns().Add()->SetWidth(80);
    Pump();
    const TRect first = Section(*view, 0);
    MoveTo(view, first.Left + 40, first.Top + first.Height() / 2);
    Press();
    EXPECT_EQ(view->ActiveSection(), 0);
    EXPECT_EQ(RgbAt(HeaderPixels(*view), first.Left, first.Top), RgbOf(clNavy));
    Release();
    EXPECT_EQ(view->ActiveSection(), -1);
    EXPECT_EQ(RgbAt(HeaderPixels(*view), first.Left, first.Top), RgbOf(clBtnShadow));

    MoveTo(view, first.Right - 1, first.Top + first.Height() / 2);
    Press();
    EXPECT_TRUE(view->DividerDragging());
    MoveTo(view, first.Right + 29, first.Top + first.Height() / 2);
    EXPECT_EQ(view->Column(0)->Width(), 130);
    Release();
    EXPECT_FALSE(view->DividerDragging());
}

TEST_F(SkinViews, HeaderTakesOnlyAButtonRecordsLook) {
    auto skin = MakeTestSkin();
    auto picture = std::make_unique<TBitmap>(30, 20);
    picture->Canvas().Brush().SetColor(TColor(0x00C000));
    picture->Canvas().FillRect(TRect(0, 0, 30, 20));
    const int index = AddPicture(*skin, std::move(picture));
    AddFaceRecord<TbsDataSkinButtonControl>(*skin, "resizetoolbutton", index,
                                            NineSliceFace(TRect(0, 0, 30, 20), 3));
    AddFaceRecord<TbsDataSkinTabControl>(*skin, "tab", index,
                                         NineSliceFace(TRect(0, 0, 30, 20), 3));
    auto* view = Add<TbsSkinListView>(10, 10, 300, 200);
    view->SetViewStyle(vsReport);
    view->Columns().Add()->SetWidth(100);
    view->SetSkinData(skin.get());
    Pump();
    struct Case {
        const char* record;
        std::uint32_t corner;
    };
    const Case cases[] = { { "resizetoolbutton", 0x00C000 },
                           { "tab", RgbOf(clBtnShadow) },
                           { "missing", RgbOf(clBtnShadow) } };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.record);
        view->SetHeaderSkinDataName(c.record);
        EXPECT_EQ(RgbAt(HeaderPixels(*view), 0, 0), c.corner);
    }
    view->SetSkinData(nullptr);
}

} // namespace
