#pragma once
#include "platform/forms/ControlTypes.h"
#include "platform/win/Win.h"

// The stock cursor (IDC_...) that shows a control cursor; the arrow for crDefault and any
// cursor without a shape of its own.
win::UINT_PTR CursorId(TCursor cursor);
