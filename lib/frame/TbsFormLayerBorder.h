#pragma once
#include "platform/forms/TCustomControl.h"
#include "platform/gfx/TRect.h"

#include <array>
#include <memory>

class TbsBitmap;
class TbsDataSkinLayerFrame;
class TbsFormLayerBorder;
class TbsSkinData;
class TbsSkinForm;
class TCustomForm;
class TTimer;

enum TbsFormLayerBorderType { bsflLeft, bsflTop, bsflRight, bsflBottom };
enum TbsFormLayerBorderHit {
    bsflhNone,
    bsflhLeft,
    bsflhTop,
    bsflhRight,
    bsflhBottom,
    bsflhTopLeft,
    bsflhTopRight,
    bsflhBottomLeft,
    bsflhBottomRight
};

// One side of the layered border: a borderless top-level window showing its side image with
// per-pixel alpha. It never takes activation; without a sizing band the pointer passes
// through it, with one a drag on it sizes the form.
class TbsFormLayerWindow : public TCustomControl {
public:
    TbsFormLayerWindow(TbsFormLayerBorder& border, TbsFormLayerBorderType type);
    std::string ClassName() const override { return "TbsFormLayerWindow"; }
    void WndProc(TMessage& message) override;

    const TbsFormLayerBorderType BorderType;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    TbsFormLayerBorder& FLayerBorder;
    bool FDown{ false };
    bool FInProcessMessages{ false };
    TPoint MousePos1, MousePos2;
    TbsFormLayerBorderHit FHitMode{ bsflhNone };
};

// The layered border of a skinned form: the skin's LAYERFRAME picture (alpha from its mask) in
// four windows around the form, following it, at one opacity while the form is active and
// another while not, both scaled by the form's own opacity. While the skin gives no usable
// frame (FData unset) every operation but Hide and SetActive does nothing.
class TbsFormLayerBorder {
public:
    explicit TbsFormLayerBorder(TbsSkinForm* owner);
    ~TbsFormLayerBorder();
    TbsFormLayerBorder(const TbsFormLayerBorder&) = delete;
    TbsFormLayerBorder& operator=(const TbsFormLayerBorder&) = delete;

    // Takes the skin's layered frame for the form: none when the skin is empty or its picture
    // or mask is not a usable picture.
    void InitFrame(TbsSkinData* skin, TCustomForm* form);
    // Around the outer rectangle x, y, width x height.
    void Show(int x, int y, int width, int height);
    void Hide();
    void SetBounds(int x, int y, int width, int height);
    void ShowWithForm();
    // ShowWithForm, then the opacity rises to its value by a fifteenth every 5 ms.
    void ShowWithFormAnimation();
    void SetBoundsWithForm();
    void SetBoundsWithForm2(int width, int height);
    void SetBoundsWithForm3(int left, int top, int width, int height);
    void MoveWithForm();
    void MoveWithForm2(int left, int top);
    void SetAlphaBlend();
    void SetAlphaBlend2();
    void CheckFormAlpha(int formAlpha, bool update);
    void SetActive(bool active, bool update);

    bool Loaded() const { return FData != nullptr; }
    // The outer rectangle for the form bounds given.
    TRect OuterRect(const TRect& formBounds) const;
    int TopHeight() const;
    int BottomHeight() const;
    TbsBitmap* Image(TbsFormLayerBorderType type) const { return FImages[type].get(); }
    TbsFormLayerWindow* Window(TbsFormLayerBorderType type) const { return FWindows[type].get(); }
    // The opacity the windows show now (by the form's activation).
    int CurrentAlpha() const;
    // Which sizing zone of the side window the screen point p is in.
    TbsFormLayerBorderHit GetHitZone(TbsFormLayerBorderType type, TPoint p) const;
    // The form can be sized through the border: the skin asks for it, the form is sizeable,
    // normal and not rolled up.
    bool CanResizeByBorder() const;
    // One step of a sizing drag by the pointer's move dx, dy in the zone; true when applied.
    bool ResizeStep(TbsFormLayerBorderHit hit, int dx, int dy);

    // The border's sizing band is not empty: it takes part in snapping.
    bool HasBorderRect() const;
    int LeftSize() const { return FLeftSize; }
    int TopSize() const { return FTopSize; }
    int RightSize() const { return FRightSize; }
    int BottomSize() const { return FBottomSize; }

    TbsSkinForm* BSF{ nullptr };
    TCustomForm* FForm{ nullptr };
    bool FVisible{ false };
    bool FActive{ true };
    int FCurrentAlphaBlendValue{ -1 };
    int FCurrentInActiveAlphaBlendValue{ 255 };

private:
    void BuildBorderImages(int width, int height);
    // The places of the four windows for the outer rectangle at x, y.
    TPoint PlaceOf(TbsFormLayerBorderType type, int x, int y) const;
    void UpdateWindows();
    void PlaceWindows(int x, int y, bool show);
    void FadeStep();

    TbsSkinData* FSD{ nullptr };
    TbsDataSkinLayerFrame* FData{ nullptr };
    std::unique_ptr<TbsBitmap> FSourceBitmap;
    std::unique_ptr<TbsBitmap> FSourceInActiveBitMap;
    std::array<std::unique_ptr<TbsBitmap>, 4> FImages;
    std::array<std::unique_ptr<TbsFormLayerWindow>, 4> FWindows;
    int FWidth{ 0 }, FHeight{ 0 };
    int FLeftSize{ 0 }, FTopSize{ 0 }, FRightSize{ 0 }, FBottomSize{ 0 };
    int FFadeTarget{ 0 };
    std::unique_ptr<TTimer> FFadeTimer;
};
