#pragma once
// The class library's drag properties and events, as controls carry them and form
// descriptions set them.
#include "platform/forms/ControlTypes.h"
#include "platform/forms/TObject.h"

#include <functional>

// What a drag carries when the source hands one from OnStartDrag; the events then see it as
// their source instead of the control. Whoever made it frees it once the drag has ended.
class TDragObject : public TObject {
public:
    std::string ClassName() const override { return "TDragObject"; }
};

// Whether a press on the control starts a drag by itself or only when the program asks.
enum TDragMode { dmManual, dmAutomatic };
// Whether a drag moves the control's content or docks the control.
enum TDragKind { dkDrag, dkDock };
// Where the dragged thing is in relation to a control it passes over.
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };

constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;

// How far, in pixels along either axis, the pointer must move with the button down before a
// drag that did not start at once becomes a drag rather than a click.
constexpr int kDragThreshold = 5;

// Source was dropped on sender at x, y (sender's client coordinates).
using TDragDropEvent = std::function<void(TObject* sender, TObject* source, int x, int y)>;
// Source passes over sender; accept tells whether sender would take it.
using TDragOverEvent = std::function<void(TObject* sender, TObject* source, int x, int y,
                                          TDragState state, bool& accept)>;
// A drag of sender begins; the handler may supply the object dragged.
using TStartDragEvent = std::function<void(TObject* sender, TDragObject*& dragObject)>;
// The drag of sender ended over target (nullptr: dropped nowhere) at x, y.
using TEndDragEvent = std::function<void(TObject* sender, TObject* target, int x, int y)>;
