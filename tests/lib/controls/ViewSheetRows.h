#pragma once
#include "PanelSheetRows.h"
#include "ViewSheetBars.h"

#include "lib/controls/TbsSkinCustomListView.h"
#include "lib/controls/TbsSkinCustomTreeView.h"

// The list view in report view (header, grid lines, a selected row; a press selects another)
// and the tree view with an open branch.
inline std::vector<TSheetRow> ViewSheetRows() {
    const std::vector<TColor> viewColours = { clWindow,        clWindowText, clHighlight,
                                              clHighlightText, clBtnShadow,  clBtnText,
                                              clNavy,          clGray,       clSilver,
                                              clBlack,         clWhite,      clBtnHighlight };
    auto report = [](TbsSkinListView& view) {
        view.SetViewStyle(vsReport);
        view.SetGridLines(true);
        view.SetRowSelect(true);
        view.SetReadOnly(true);
        for (const char* caption : { "Name", "Size" }) {
            TListColumn* column = view.Columns().Add();
            column->SetCaption(caption);
            column->SetWidth(90);
        }
        for (int i = 0; i < 8; ++i) {
            TListItem* item = view.Items().Add();
            item->SetCaption("Job " + std::to_string(i));
            item->SubItems().Add(std::to_string(i * 10) + " MB");
        }
        view.Items().Item(0)->SetSelected(true);
    };
    TSheetRow list = ConfiguredRow<TbsSkinListView>("list view, report", "listview", { 220, 120 },
                                                    report, { ssPressed });
    list.HotSpot = TPoint(60, 80);
    list.PlainHot = false;
    list.PlainColours = viewColours;

    auto branches = [](TbsSkinCustomTreeView& tree) {
        TTreeNode* root = tree.Items().AddChild(nullptr, "Videos");
        for (const char* name : { "Holiday", "Concert", "Lecture" })
            tree.Items().AddChild(root, name);
        tree.Items().AddChild(nullptr, "Music");
        root->Expand(false);
    };
    TSheetRow tree = ConfiguredRow<TbsSkinCustomTreeView>("tree view", "treeview", { 160, 100 },
                                                          branches, { ssPressed });
    tree.HotSpot = TPoint(50, 25);
    tree.PlainHot = false;
    tree.PlainColours = viewColours;
    return { list, tree, ReportWithBarsSheetRow("list view, report with both bars") };
}
