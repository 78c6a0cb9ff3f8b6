#pragma once
#include "lib/controls/TbsSkinViewBase.h"
#include "lib/skindata/bsSkinTabViewRecords.h"
#include "platform/forms/TListView.h"

// The list view dressed by the record "listview": font and colours from it, no native frame
// or bars, and the outside skin bars kept in step with the view per view style. A report
// view's vertical bar counts rows, its horizontal one pixels; a list view's horizontal bar
// counts columns; icon views count pixels both ways.
class TbsSkinCustomListView : public TbsSkinViewBase<TListView, TbsDataSkinListView> {
public:
    explicit TbsSkinCustomListView(TComponent* owner);

    std::string ClassName() const override { return "TbsSkinCustomListView"; }

    // Nothing before the window exists, while the view scrolls for a bar, or while the view is
    // 5 pixels or less either way.
    void UpDateScrollBars() override;

    void WndProc(TMessage& message) override;

protected:
    void Change(TListItem* item, TItemChange change) override;
    void VScrollBarChange() override;
    void HScrollBarChange() override;

private:
    void UpDateReportScrollBars();
    void UpDateListScrollBars();
    void UpDateIconScrollBars();
    int ItemHeight() const;
    int ItemWidth() const;
    struct TRange {
        int Min{ 0 }, Max{ 0 }, Pos{ 0 };
    };
    TRange Range(int bar);

    int FOldVScrollBarPos{ 0 };
    int FOldHScrollBarPos{ 0 };
    // Set while the view scrolls on a bar's behalf: no synchronisation back.
    bool FromSB{ false };
};

// The list view as form descriptions place it.
class TbsSkinListView : public TbsSkinCustomListView {
public:
    using TbsSkinCustomListView::TbsSkinCustomListView;
    std::string ClassName() const override { return "TbsSkinListView"; }
};
