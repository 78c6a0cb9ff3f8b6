#include "lib/menus/bsMenuLevelWindow.h"

#include "lib/skindata/TbsSkinData.h"
#include "lib/skindraw/bsSystemVersion.h"
#include "platform/forms/TWinControl.h"
#include "platform/gfx/TBitmap.h"
#include "platform/win/Win.h"

using namespace win;

void SetMenuLevelWindowParams(TCreateParams& params) {
    params.Style = WS_POPUP;
    params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TOPMOST;
    params.WndParent = nullptr;
    params.WindowClass.style |= CS_SAVEBITS;
    if (IsXPOrLater()) params.WindowClass.style |= CS_DROPSHADOW;
}

TBitmap* SkinPictureAt(TbsSkinData& sd, int index) {
    if (index < 0 || index >= int(sd.FActivePictures.size())) return nullptr;
    TBitmap* picture = sd.FActivePictures[std::size_t(index)].get();
    return picture && !picture->Empty() ? picture : nullptr;
}
