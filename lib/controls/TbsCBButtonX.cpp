#include "lib/controls/TbsCBButtonX.h"

int HotButtonAt(const TbsCBButtonX* buttons, int count, const TPoint& point, int captured) {
    int hot = -1;
    for (int i = 0; i < count; ++i)
        if (buttons[i].R.Contains(point)) {
            hot = i;
            break;
        }
    return captured != -1 && hot != captured ? -1 : hot;
}
