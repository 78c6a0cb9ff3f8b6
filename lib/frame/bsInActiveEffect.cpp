#include "lib/frame/bsInActiveEffect.h"

#include "lib/skindraw/TbsEffectBmp.h"

void ApplyInActiveEffect(TbsEffectBmp& bmp, TbsInActiveEffect effect) {
    switch (effect) {
    case ieBrightness:
        bmp.ChangeBrightness(0.5);
        break;
    case ieDarkness:
        bmp.ChangeDarkness(0.3);
        break;
    case ieGrayScale:
        bmp.GrayScale();
        break;
    case ieNoise:
        bmp.AddMonoNoise(50);
        break;
    case ieSplitBlur:
        bmp.SplitBlur(1);
        break;
    case ieInvert:
        bmp.Invert();
        break;
    }
}
