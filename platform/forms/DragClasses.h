#pragma once
#include "platform/forms/DragTypes.h"
#include "platform/forms/TClassRegistry.h"

// The names form descriptions give the drag settings.
const properties::TNames<TDragMode>& DragModeNames();
const properties::TNames<TDragKind>& DragKindNames();

// Every control's drag settings and events: DragMode, DragKind, DragCursor, OnDragDrop,
// OnDragOver, OnStartDrag and OnEndDrag.
void RegisterControlDragProperties(TClassRegistry& registry);
