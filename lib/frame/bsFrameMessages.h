#pragma once
// The skin engine's private messages that a skinned form's frame sends or answers, beside the
// skin object's and the controls' (bsSkinMessages.h). Numbers and answers are the engine's own;
// none is registered with the window system.
#include "lib/skindata/bsSkinMessages.h"

namespace win {

// To each MDI child of the main form: fit yourself to the client area again. Both parameters 0.
constexpr UINT WM_SKINMDIREFIT = 1230;
// An MDI child to the main form: it was maximized, or is no longer.
constexpr UINT WM_SKINMDIMAXIMIZED = 1231;
constexpr UINT WM_SKINMDIUNMAXIMIZED = 1232;
// The tray icon (posted) to the main form after showing it again.
constexpr UINT WM_SKINTRAYRESTORED = 1426;
// The tray icon's callback message: WParam the icon id, LParam the mouse message.
constexpr UINT WM_SKINTRAYCALLBACK = 2048;
// Asked by other code: does the window have the engine's frame? Answers SKIN_FRAME_SKINNED or
// SKIN_FRAME_STANDARD.
constexpr UINT WM_SKINQUERYFRAME = 45490;
// Around a show with effects of another part: the layered border keeps out of it meanwhile.
constexpr UINT WM_SKINSMARTSHOWBEGIN = 45491;
constexpr UINT WM_SKINSMARTSHOWEND = 45492;

constexpr LRESULT SKIN_FRAME_STANDARD = 12852;
constexpr LRESULT SKIN_FRAME_SKINNED = 12853;

} // namespace win

// The main form's Tag while the tray icon brings it back from the tray.
constexpr int TRAY_HIDDEN_TAG = -10000;
