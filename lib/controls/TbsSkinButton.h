#pragma once
#include "lib/controls/TbsButtonCore.h"
#include "platform/forms/TCustomForm.h"

#include <memory>

class TbsLayerManager;

// The skinned push button, the control the program's windows use most. It draws its normal,
// hot, pressed, disabled and focused faces from a button record ("button" unless named
// otherwise), cross-fades between the normal and the hot face, plays a frame strip on hover
// and focus and shows a glow picture around itself in a layered window where the display
// composes them. It clicks on release over it, on Space and Enter and on its accelerator, is
// the form's default (Enter) or cancel (Esc) button, hands its ModalResult to the form,
// repeats while held (RepeatMode) and, with a GroupIndex, stays down like a radio button.
// Without a record it draws a plain look of its own.
class TbsSkinButton : public TbsButtonCore<TbsSkinCustomControl> {
public:
    explicit TbsSkinButton(TComponent* owner);
    ~TbsSkinButton() override;

    std::string ClassName() const override { return "TbsSkinButton"; }

    // The form's ModalResult (when the button takes the focus), then OnClick or the action.
    void ButtonClick() override;
    // Clicks reach OnClick only through ButtonClick; this runs only an unset handler of the
    // class library's, and only while no action is linked.
    void Click() override;

    // The glow layer, shown only where layered windows are composed, the skin (or
    // AlwaysShowLayeredFrame) asks for button glows and the record names a glow picture and
    // its mask; hidden whenever it shows.
    void ShowLayer();
    void HideLayer();
    TbsLayerManager& LayerManager() { return *FLayerManager; }

    bool AlwaysShowLayeredFrame() const { return FAlwaysShowGlowFrame; }
    void SetAlwaysShowLayeredFrame(bool value) { FAlwaysShowGlowFrame = value; }
    // The button takes the keyboard focus; TabStop follows.
    bool CanFocused() const { return FCanFocused; }
    void SetCanFocused(bool value);
    // A button of a group takes no focus.
    void SetGroupIndex(int value) override;
    bool Default() const { return FDefault; }
    // Every button of the form then works out again which of them Enter clicks.
    void SetDefault(bool value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool value) { FCancel = value; }
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult value) { FModalResult = value; }
    // Whether Enter clicks this button now: the focused one, or the default one while the focus
    // is on a control that is not a skinned button.
    bool Active() const { return FActive; }

    // The button's own click event, apart from the class library's.
    TNotifyEvent OnClick;

    void GetSkinData() override;
    void ChangeSkinData() override;
    void BeforeChangeSkinData() override;
    void WndProc(TMessage& message) override;

protected:
    void Paint() override;
    void CreateControlDefaultImage(TBitmap& B) override;
    void CreateWnd() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(unsigned short& key, TShiftState shift) override;
    void DrawFocusFrame(TCanvas& canvas, const TRect& T) override;
    void DrawContent(TCanvas& canvas, const TRect& T, bool ADown, bool AMouseIn,
                     bool glyphPressed) override;
    bool ButtonFocused() const override;

private:
    // The pressed look: down and hot, or down and focused while the mouse is not held, or down
    // in a group.
    bool ShowsPressed() const;
    void MouseEnter();
    void MouseLeave();
    void FocusChanged(TWinControl* focused);
    bool DialogKey(win::WPARAM key);
    bool DialogChar(win::WPARAM key);
    void SetFocusFirst(TMessage& message, bool& dropped);
    void GotFocus();
    void LostFocus();
    void PostToSelf(win::UINT msg);
    // The glow picture and its mask at the button's size; false when the record or the resize
    // mode gives none.
    bool GlowPictures(TBitmap*& image, TBitmap*& mask, TBitmap& wideImage, TBitmap& wideMask);
    bool GlowAllowed() const;

    bool FAlwaysShowGlowFrame{ false };
    std::unique_ptr<TbsLayerManager> FLayerManager;
    bool FActive{ false };
    bool FDefault{ false };
    bool FCancel{ false };
    TModalResult FModalResult{ mrNone };
    // A press is moving the focus to the button.
    bool FClicksDisabled{ false };
    bool FCanFocused{ true };
};
