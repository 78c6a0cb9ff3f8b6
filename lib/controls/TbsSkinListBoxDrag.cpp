// The inner list's drag settings and events, reached through the skinned list box.
#include "lib/controls/TbsListBox.h"
#include "lib/controls/TbsSkinListBox.h"

#include <utility>

TDragMode TbsSkinCustomListBox::ListBoxDragMode() const {
    return ListBox->DragMode();
}

void TbsSkinCustomListBox::SetListBoxDragMode(TDragMode value) {
    ListBox->SetDragMode(value);
}

TDragKind TbsSkinCustomListBox::ListBoxDragKind() const {
    return ListBox->DragKind();
}

void TbsSkinCustomListBox::SetListBoxDragKind(TDragKind value) {
    ListBox->SetDragKind(value);
}

TCursor TbsSkinCustomListBox::ListBoxDragCursor() const {
    return ListBox->DragCursor();
}

void TbsSkinCustomListBox::SetListBoxDragCursor(TCursor value) {
    ListBox->SetDragCursor(value);
}

const TDragDropEvent& TbsSkinCustomListBox::OnListBoxDragDrop() const {
    return ListBox->OnDragDrop;
}

void TbsSkinCustomListBox::SetOnListBoxDragDrop(TDragDropEvent value) {
    ListBox->OnDragDrop = std::move(value);
}

const TDragOverEvent& TbsSkinCustomListBox::OnListBoxDragOver() const {
    return ListBox->OnDragOver;
}

void TbsSkinCustomListBox::SetOnListBoxDragOver(TDragOverEvent value) {
    ListBox->OnDragOver = std::move(value);
}

const TStartDragEvent& TbsSkinCustomListBox::OnListBoxStartDrag() const {
    return ListBox->OnStartDrag;
}

void TbsSkinCustomListBox::SetOnListBoxStartDrag(TStartDragEvent value) {
    ListBox->OnStartDrag = std::move(value);
}

const TEndDragEvent& TbsSkinCustomListBox::OnListBoxEndDrag() const {
    return ListBox->OnEndDrag;
}

void TbsSkinCustomListBox::SetOnListBoxEndDrag(TEndDragEvent value) {
    ListBox->OnEndDrag = std::move(value);
}
