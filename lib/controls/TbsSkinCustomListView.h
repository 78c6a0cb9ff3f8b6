#pragma once
#include "lib/controls/TbsSkinViewBase.h"
#include "lib/skindata/bsSkinTabViewRecords.h"
#include "platform/forms/TListView.h"

#include <functional>

// Draws a header section's content in place of the view: r is the whole section picture.
using TbsDrawHeaderSectionEvent =
    std::function<void(TCanvas& cnvs, TListColumn* column, bool pressed, const TRect& r)>;

// The list view dressed by the record "listview": font and colours from it, no native frame
// or bars, and the outside skin bars kept in step with the view per view style. A report
// view's vertical bar counts rows, its horizontal one pixels; a list view's horizontal bar
// counts columns; icon views count pixels both ways.
class TbsSkinCustomListView : public TbsSkinViewBase<TListView, TbsDataSkinListView> {
public:
    explicit TbsSkinCustomListView(TComponent* owner);
    ~TbsSkinCustomListView() override;

    std::string ClassName() const override { return "TbsSkinCustomListView"; }

    // Nothing before the window exists, while the view scrolls for a bar, or while the view is
    // 5 pixels or less either way.
    void UpDateScrollBars() override;
    // Also shows the new look in the header.
    void ChangeSkinData() override;

    void WndProc(TMessage& message) override;

    // The button record the header's sections are drawn from; the plain look without one.
    const std::string& HeaderSkinDataName() const { return FHeaderSkinDataName; }
    void SetHeaderSkinDataName(const std::string& value) { FHeaderSkinDataName = value; }
    TbsDrawHeaderSectionEvent OnDrawHeaderSection;
    // The header window the view draws, nullptr before one was created.
    win::HWND SkinnedHeader() const { return FHeaderHandle; }
    // The section pressed (-1 none), and whether a divider is being dragged.
    int ActiveSection() const { return FHeaderDown ? FActiveSection : -1; }
    bool DividerDragging() const { return FDevDown; }

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

    // The header: taken over when created, painted section by section.
    void SubclassHeader(win::HWND header);
    void ReleaseHeader();
    win::LRESULT HeaderWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam,
                               win::LPARAM lParam);
    void PaintHeader(win::HDC dc);
    void PaintHeaderSection(TCanvas& canvas, TListColumn* column, const TRect& r, bool pressed);
    void PaintHeaderSpace(TCanvas& canvas, const TRect& r);
    void DrawSectionContent(TCanvas& canvas, TListColumn* column, const TRect& r);

    std::string FHeaderSkinDataName{ "resizetoolbutton" };
    win::HWND FHeaderHandle{};
    int FActiveSection{ -1 };
    bool FHeaderDown{ false };
    bool FDevDown{ false };

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
