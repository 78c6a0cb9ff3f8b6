// Dragging a control within the program: the control's side of the drag session.
#include "platform/forms/DragSession.h"
#include "platform/forms/TControl.h"

void TControl::BeginDrag(bool immediate, int threshold) {
    dragsession::Begin(*this, immediate, threshold);
}

void TControl::EndDrag(bool drop) {
    dragsession::End(*this, drop);
}

bool TControl::Dragging() const {
    return dragsession::Source() == this;
}

void TControl::DragOver(TObject* source, int x, int y, TDragState state, bool& accept) {
    // A control that says nothing about drags takes none; one with a handler takes them unless
    // the handler refuses.
    accept = static_cast<bool>(OnDragOver);
    if (OnDragOver) OnDragOver(this, source, x, y, state, accept);
}

void TControl::DragDrop(TObject* source, int x, int y) {
    if (OnDragDrop) OnDragDrop(this, source, x, y);
}

void TControl::DoStartDrag(TDragObject*& dragObject) {
    if (OnStartDrag) OnStartDrag(this, dragObject);
}

void TControl::DoEndDrag(TObject* target, int x, int y) {
    if (OnEndDrag) OnEndDrag(this, target, x, y);
}
