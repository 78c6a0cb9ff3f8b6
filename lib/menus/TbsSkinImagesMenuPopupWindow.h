#pragma once
#include "platform/forms/TApplication.h"
#include "platform/forms/TCustomControl.h"

class TBitmap;
class TbsDataSkinButtonControl;
class TbsSkinImagesMenu;

// The open grid of an images menu. It never takes activation: it holds the mouse capture and
// hooks the program's message loop while shown, so that a click outside, Alt, or a message that
// moves or deactivates a window closes it, and every key goes to it.
//
// It is skinned when the menu's skin is set, not empty, and its popup-window record names a
// window picture; cells then take their faces from the "menuitembutton" record and headers
// from the "label" record. Otherwise it has the plain look.
class TbsSkinImagesMenuPopupWindow : public TCustomControl {
public:
    explicit TbsSkinImagesMenuPopupWindow(TbsSkinImagesMenu* menu);
    ~TbsSkinImagesMenuPopupWindow() override;
    std::string ClassName() const override { return "TbsSkinImagesMenuPopupWindow"; }

    // Sizes the grid and shows it below popupRect, or above it without room below.
    void Show(const TRect& popupRect);
    // Hides the grid and hands over to the menu, which frees this window after the current
    // message; processEvents fires the choice events.
    void Hide(bool processEvents);

    int MouseInItem() const { return FMouseInItem; }
    bool SkinSupport() const { return FSkinSupport; }
    int Alpha() const { return FAlpha; }

    // One key press while the grid is open (virtual key code).
    void ProcessKey(int key);
    // Paints the whole grid into canvas.
    void PaintTo(TCanvas& canvas);

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;

private:
    void CalcSize();
    void LayoutItems();
    int CellWidth() const;
    int CellHeight() const;
    int HeaderHeight() const;
    TbsDataSkinButtonControl* ButtonRecord() const;

    void DrawItems(TCanvas& canvas);
    void DrawItemFace(TCanvas& canvas, const TRect& r, bool pressed);
    void DrawButtonCaption(TCanvas& canvas, const std::string& caption, TRect r, bool pressed,
                           bool hot);
    void DrawHeader(TCanvas& canvas, const std::string& caption, const TRect& r);

    int ItemAtPoint(const TPoint& p) const;
    void TrackHover(const TPoint& p);
    void SetHover(int index);
    void MouseLeft();
    void HideHint();
    bool IsHeader(int index) const;
    void SelectPrior();
    void SelectNext();
    void SelectUp();
    void SelectDown();

    void HookApp();
    void UnhookApp();
    void AppMessage(win::MSG& msg, bool& handled);
    void FadeStep();

    TbsSkinImagesMenu* FImagesMenu;
    bool FSkinSupport{ false };
    TMessageFilters::TToken FAppHook{ 0 };
    TPoint FNewLTPoint, FNewRTPoint, FNewLBPoint, FNewRBPoint;
    TRect FNewItemsRect;
    TBitmap* FWindowPicture{ nullptr };
    TBitmap* FMaskPicture{ nullptr };
    int FMouseInItem{ -1 };
    int FOldMouseInItem{ -1 };
    bool FDown{ false };
    bool FItemDown{ false };
    bool FMouseInside{ false };
    bool FClosed{ false };
    int FAlpha{ 255 };
};
