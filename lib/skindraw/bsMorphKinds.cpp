#include "lib/skindraw/bsMorphKinds.h"

#include "lib/skindraw/TbsEffectBmp.h"

void MorphByKind(TbsEffectBmp& from, const TbsEffectBmp& to, TbsMorphKind kind, double kf) {
    switch (kind) {
    case mkGradient:
        from.MorphGrad(to, kf);
        break;
    case mkLeftGradient:
        from.MorphLeftGrad(to, kf);
        break;
    case mkRightGradient:
        from.MorphRightGrad(to, kf);
        break;
    case mkLeftSlide:
        from.MorphLeftSlide(to, kf);
        break;
    case mkRightSlide:
        from.MorphRightSlide(to, kf);
        break;
    case mkPush:
        from.MorphPush(to, kf);
        break;
    default:
        from.Morph(to, kf);
        break;
    }
}
