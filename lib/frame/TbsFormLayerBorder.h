#pragma once

class TbsSkinData;
class TCustomForm;

// The layered border of a skinned form: the skin's LAYERFRAME picture in windows of their own
// around the form, following it. The form-skin component drives it through these operations;
// while the border has no windows they change nothing and it never counts as visible.
class TbsFormLayerBorder {
public:
    // Takes the skin's layered frame for the form (none when the skin has no picture for it).
    void InitFrame(TbsSkinData*, TCustomForm*) {}
    void ShowWithForm() {}
    void ShowWithFormAnimation() {}
    void Hide() {}
    void SetActive(bool active, bool /*update*/) { FActive = active; }
    void CheckFormAlpha(int /*alpha*/, bool /*update*/) {}
    // Around the form's present bounds, around the given bounds, or moved with the form.
    void SetBoundsWithForm() {}
    void SetBoundsWithForm3(int /*left*/, int /*top*/, int /*width*/, int /*height*/) {}
    void MoveWithForm2(int /*left*/, int /*top*/) {}

    // The border's sizing band is not empty: it takes part in snapping.
    bool HasBorderRect() const { return false; }
    int LeftSize() const { return 0; }
    int TopSize() const { return 0; }
    int RightSize() const { return 0; }
    int BottomSize() const { return 0; }

    bool FVisible{ false };
    bool FActive{ false };
};
