#include "lib/controls/bsButtonRecordFace.h"

#include "lib/controls/bsActivePicture.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindraw/bsImageBuilders.h"

TNineSlice NineSliceOf(const TbsDataSkinCustomControl& r) {
    return { r.LTPoint,      r.RTPoint,       r.LBPoint,       r.RBPoint,
             r.ClRect,       r.SkinRect,      r.LeftStretch,   r.TopStretch,
             r.RightStretch, r.BottomStretch, r.StretchEffect, r.StretchType };
}

void DrawNineSlice(TCanvas& canvas, const TNineSlice& g, TBitmap& picture, const TRect& face,
                   const TRect& target) {
    if (target.IsEmpty() || face.IsEmpty()) return;
    const int dx = target.Width() - g.Face.Width();
    const int dy = target.Height() - g.Face.Height();
    TBitmap part(target.Width(), target.Height());
    BuildNineSliceImage(
        g.LT, g.RT, g.LB, g.RB, g.Client, g.LT, TPoint(g.RT.X + dx, g.RT.Y),
        TPoint(g.LB.X, g.LB.Y + dy), TPoint(g.RB.X + dx, g.RB.Y + dy),
        TRect(g.Client.Left, g.Client.Top, g.Client.Right + dx, g.Client.Bottom + dy), part,
        picture, face, target.Width(), target.Height(), true, g.LeftStretch, g.TopStretch,
        g.RightStretch, g.BottomStretch, g.StretchEffect, g.StretchType);
    canvas.Draw(target.Left, target.Top, &part);
}

const TbsDataSkinButtonControl* FindButtonRecord(const TbsSkinData* skin, const std::string& name) {
    if (!skin || skin->Empty) return nullptr;
    const int index = skin->GetControlIndex(name);
    if (index < 0 || std::size_t(index) >= skin->CtrlList.size()) return nullptr;
    return dynamic_cast<const TbsDataSkinButtonControl*>(skin->CtrlList[std::size_t(index)].get());
}

void DrawButtonRecordFace(TCanvas& canvas, const TbsSkinData& skin,
                          const TbsDataSkinButtonControl& r, bool down, bool mouseIn,
                          const TRect& target) {
    TBitmap* picture = ActivePictureOf(skin, r.PictureIndex);
    if (!picture) return;
    const TRect hot = r.ActiveSkinRect.IsEmpty() ? r.SkinRect : r.ActiveSkinRect;
    const TRect pressed = r.DownSkinRect.IsEmpty() ? hot : r.DownSkinRect;
    const TRect face = down && mouseIn ? pressed : mouseIn ? hot : r.SkinRect;
    DrawNineSlice(canvas, NineSliceOf(r), *picture, face, target);
}
