#pragma once
#include "PanelSheetRows.h"

#include "lib/controls/TbsSkinPageControl.h"
#include "lib/controls/TbsSkinTabSheet.h"
#include "lib/controls/TbsSkinUpDown.h"

// Three pages in tabs 60 pixels long, the first one selected, the pointer's states on the
// third tab (hot, then pressed and so selected).
inline std::function<void(TbsSkinPageControl&)> PagesWithTabs(TTabPosition position,
                                                              bool closeButtons) {
    return [position, closeButtons](TbsSkinPageControl& pages) {
        pages.SetTabWidth(60);
        pages.SetTabPosition(position);
        pages.SetShowCloseButtons(closeButtons);
        for (const char* caption : { "First", "Second", "Third" }) {
            auto* sheet = new TbsSkinTabSheet(pages.Owner());
            sheet->SetCaption(caption);
            sheet->SetPageControl(&pages);
        }
        pages.SetActivePageIndex(0);
        pages.SetSkinData(pages.SkinData());
    };
}

// The page control with top and with left tabs, with and without close buttons, and a row
// that overflows.
inline std::vector<TSheetRow> PageControlSheetRows() {
    struct Layout {
        const char* label;
        TTabPosition position;
        bool closeButtons;
        TSize size;
        TPoint third; // a point of the third tab
    };
    const Layout layouts[] = {
        { "page control, top tabs", tpTop, false, { 220, 90 }, { 150, 10 } },
        { "page control, top tabs, close buttons", tpTop, true, { 220, 90 }, { 140, 10 } },
        { "page control, left tabs", tpLeft, false, { 160, 200 }, { 10, 150 } },
        // Three tabs of 60 in 150 pixels: the row overflows and shows the skin up-down; the
        // pointer's states on the second tab.
        { "page control, top tabs, overflow", tpTop, false, { 150, 90 }, { 90, 10 } },
    };
    std::vector<TSheetRow> rows;
    for (const Layout& l : layouts) {
        TSheetRow row = ConfiguredRow<TbsSkinPageControl>(l.label, "tab", l.size,
                                                          PagesWithTabs(l.position, l.closeButtons),
                                                          { ssHot, ssPressed });
        row.HotSpot = l.third;
        row.PlainColours = { clNavy,  TColor(0xD2BDB6), TColor(0xB59385), clBtnShadow,
                             clBlack, clWhite,          clBtnText };
        if (l.position == tpTop && l.size.cx < 3 * 60)
            row.CheckCell = [](TSheetState state, TControl& control, const gfx::Surface&,
                               TbsSkinData*) {
                if (state != ssNormal) return;
                const auto& pages = dynamic_cast<TbsSkinPageControl&>(control);
                ASSERT_TRUE(pages.Scroller());
                EXPECT_TRUE(pages.Scroller()->Visible()) << "the up-down scrolls the row";
            };
        rows.push_back(std::move(row));
    }
    return rows;
}
