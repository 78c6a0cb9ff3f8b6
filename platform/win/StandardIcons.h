#pragma once
#include "platform/gfx/IconObject.h"
#include "platform/win/WinDefs.h"

// The system's own icons, as message boxes show them beside their text.
namespace win {

constexpr UINT_PTR IDI_HAND = 32513;
constexpr UINT_PTR IDI_QUESTION = 32514;
constexpr UINT_PTR IDI_EXCLAMATION = 32515;
constexpr UINT_PTR IDI_ASTERISK = 32516;
constexpr UINT_PTR IDI_ERROR = IDI_HAND;
constexpr UINT_PTR IDI_WARNING = IDI_EXCLAMATION;
constexpr UINT_PTR IDI_INFORMATION = IDI_ASTERISK;

// The 32 x 32 picture of a system icon, with alpha: a red disc with a cross, a blue disc with a
// question mark, a yellow triangle with an exclamation mark, a blue disc with an "i". Empty for
// any other id.
gfx::Surface StandardIconPicture(UINT_PTR id);

// The shared icon of a system id (made once and kept for the life of the program, so the caller
// never destroys it; CopyImage gives an icon of one's own). Null for any other id or an instance.
HICON LoadIcon(HINSTANCE instance, UINT_PTR id);

} // namespace win
