#pragma once
// Two skinned list boxes side by side: rows are dragged from the first and dropped on the
// second, whose handlers take only rows of the first and move the dragged row across.
#include "lib/controls/TbsListBox.h"
#include "lib/controls/TbsSkinListBox.h"

#include <string>

struct ListBoxDragPair {
    ListBoxDragPair(TWinControl* form, int items) {
        From = Make(form, 10, items);
        To = Make(form, 200, 1);
        From->SetListBoxDragMode(dmAutomatic);
        To->SetOnListBoxDragOver([this](TObject*, TObject* source, int, int, TDragState,
                                        bool& accept) { accept = source == From->ListBox; });
        To->SetOnListBoxDragDrop([this](TObject* sender, TObject*, int, int) {
            DropSender = sender;
            const int row = From->ItemIndex();
            To->Items().Add(From->Items().Strings(row));
            From->Items().Delete(row);
        });
        From->SetOnListBoxEndDrag([this](TObject*, TObject* target, int, int) {
            EndTarget = target;
            ++Ends;
        });
    }
    static TbsSkinListBox* Make(TWinControl* form, int left, int items) {
        auto* list = new TbsSkinListBox(form);
        list->SetParent(form);
        list->SetBounds(left, 10, 150, 120);
        for (int i = 0; i < items; ++i)
            list->Items().Add("row " + std::to_string(left) + "." + std::to_string(i));
        return list;
    }
    // A point in the middle of a row, in the inner list's client coordinates.
    static TPoint RowCentre(TbsSkinListBox* list, int row) {
        const TRect r = list->ListBox->ItemRect(row);
        return TPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }

    TbsSkinListBox* From{ nullptr };
    TbsSkinListBox* To{ nullptr };
    TObject* DropSender{ nullptr };
    TObject* EndTarget{ nullptr };
    int Ends{ 0 };
};
