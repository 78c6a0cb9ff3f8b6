#pragma once
#include "lib/controls/IbsSkinnedControl.h"
#include "lib/controls/TbsCBButtonX.h"
#include "lib/controls/TbsCustomEdit.h"
#include "platform/gfx/TFont.h"

#include <string>

class TBitmap;
class TCanvas;
class TCustomImageList;

// The skinned edit: the edit keeps its client area for the text, and a frame from the skin's
// "edit" record (or "buttonedit", with a push button at the right end) fills the non-client
// area around it. Image buttons from an image list may sit at both ends of the text area. It
// binds to its record itself (it is not a TbsSkinControl); without a record of the edit kind it
// shows its plain look in DefaultFont and DefaultColor.
//
// Painting: the background (and the images) are drawn when the client area is erased, and the
// text is painted into the same DC right after, so that the WM_PAINT that follows only
// validates: text drawn twice on a transparent background would thicken its edges.
class TbsSkinCustomEdit : public TbsCustomEdit, public IbsSkinnedControl {
public:
    explicit TbsSkinCustomEdit(TComponent* owner);
    ~TbsSkinCustomEdit() override;

    std::string ClassName() const override { return "TbsSkinCustomEdit"; }

    // A reference, cleared when the skin object goes. Assigning one that holds a skin binds the
    // edit to its record at once, unless designing.
    TbsSkinData* SkinData() const override { return FSD; }
    virtual void SetSkinData(TbsSkinData* value);
    const std::string& SkinDataName() const { return FSkinDataName; }
    void SetSkinDataName(const std::string& value) { FSkinDataName = value; }
    // Looks the record up again and takes its font, size and frame.
    void ChangeSkinData() override;

    TColor DefaultColor() const { return FDefaultColor; }
    void SetDefaultColor(TColor value);
    // The font without a record, and with a record whose font is not used. While no record is
    // bound, changes of it reach Font.
    TFont& DefaultFont() { return FDefaultFont; }
    void SetDefaultFont(const TFont& value);
    // With a record: its font, and its face's height as the edit's height. Off: DefaultFont,
    // and the height of a line of it plus the frame.
    bool UseSkinFont() const { return FUseSkinFont; }
    void SetUseSkinFont(bool value) { FUseSkinFont = value; }
    // The size without a record; 0 keeps the size.
    int DefaultWidth() const { return FDefaultWidth; }
    void SetDefaultWidth(int value);
    int DefaultHeight() const { return FDefaultHeight; }
    void SetDefaultHeight(int value);
    // A push button at the right end (OnButtonClick). Setting it remakes the window; a designer
    // also switches the record between "buttonedit" and "edit".
    bool ButtonMode() const { return FButtonMode; }
    void SetButtonMode(bool value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    // A reference, cleared when the list goes.
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* value);
    // The image buttons' images: normal, under the pointer and pressed; -1 for none. A side
    // without a normal image has no button.
    int LeftImageIndex() const { return FLeftImageIndex; }
    void SetLeftImageIndex(int value);
    int LeftImageHotIndex() const { return FLeftImageHotIndex; }
    void SetLeftImageHotIndex(int value) { FLeftImageHotIndex = value; }
    int LeftImageDownIndex() const { return FLeftImageDownIndex; }
    void SetLeftImageDownIndex(int value) { FLeftImageDownIndex = value; }
    int RightImageIndex() const { return FRightImageIndex; }
    void SetRightImageIndex(int value);
    int RightImageHotIndex() const { return FRightImageHotIndex; }
    void SetRightImageHotIndex(int value) { FRightImageHotIndex = value; }
    int RightImageDownIndex() const { return FRightImageDownIndex; }
    void SetRightImageDownIndex(int value) { FRightImageDownIndex = value; }

    // The edit's look with the text given, in the normal state, drawn onto C at X, Y (for
    // controls that show an edit without having one).
    void PaintSkinTo(TCanvas& C, int X, int Y, const std::string& AText);

    void SetBounds(int left, int top, int width, int height) override;
    void Invalidate() override;
    void WndProc(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;
    void Loaded() override;

    TNotifyEvent OnButtonClick;
    TNotifyEvent OnLeftButtonClick;
    TNotifyEvent OnRightButtonClick;

    // The image buttons, in client coordinates.
    TbsCBButtonX LeftButton;
    TbsCBButtonX RightButton;
    // The index of the bound record in the skin object's controls; -1 for none.
    int FIndex{ -1 };
    // Copies of the bound record: the fixed left and right parts of its face, its geometry,
    // fonts and button faces.
    int LOffset{ 0 };
    int ROffset{ 0 };
    TRect ClRect;
    TRect SkinRect;
    TRect ActiveSkinRect;
    std::string FontName;
    TFontStyles FontStyle;
    int FontHeight{ 0 };
    TColor FontColor{ clBlack };
    TColor DisabledFontColor{ clBlack };
    TColor ActiveFontColor{ clBlack };
    TRect ButtonRect;
    TRect ActiveButtonRect;
    TRect DownButtonRect;
    TRect UnEnabledButtonRect;
    bool StretchEffect{ false };

protected:
    void CreateParams(TCreateParams& params) override;

    // Binds FIndex and the copies to the record named SkinDataName when it is of the edit
    // kind; runs before every layout, frame and background pass.
    void GetSkinData();
    // FEditRect and FButtonRect at the present size.
    void CalcRects();
    // A line of Font plus the frame: the height the edit takes while UseSkinFont is off.
    int GetEditHeight();
    void AdjustHeight();
    // The font's colour for the edit's state: the record's active colour while focused or
    // under the pointer.
    void UpdateFontColor(bool active);
    // Repaints the frame.
    void UpdateFrame();

    // The image buttons' rectangles; with apply the text keeps clear of them.
    void CalcImageButtons(bool apply);
    void DrawImages(TCanvas& C);
    // The frame (and with withText the text) at the control's size: three slices of the face
    // when UseSkinFont is on or without a record, the face stretched otherwise.
    void DrawFrame(TCanvas& C, bool withText, const std::string& text);
    void DrawResizeFrame(TCanvas& C, bool withText, const std::string& text);
    void DrawEditButton(TCanvas& C, const TRect& R);
    void DrawFrameText(TCanvas& C, const std::string& text, int shift);
    void DrawEditBackground(TCanvas& C);
    // The record's font (UseSkinFont on) or DefaultFont, in the skin's character set: the font
    // of the frame text and of the disabled text, whose colours the callers choose.
    void SetTextFont(TFont& font) const;
    // The string table's character set when the skin has one, else DefaultFont's.
    TFontCharset TextCharset() const;

    TbsSkinData* FSD{ nullptr };
    std::string FSkinDataName{ "edit" };
    // The bound record's picture, owned by the skin object; nullptr when its index names none.
    TBitmap* Picture{ nullptr };
    // The text area (the client area) and the push button, in window coordinates.
    TRect FEditRect;
    TRect FButtonRect;
    bool FButtonDown{ false };
    bool FButtonActive{ false };
    bool FMouseIn{ false };
    // The text was painted with the background: the next WM_PAINT only validates.
    bool FStopDraw{ false };

private:
    void WMNCCalcSize(TMessage& message);
    void WMNCHitTest(TMessage& message);
    void WMNCLButtonDown(TMessage& message, bool doubleClick);
    void WMNCLButtonUp(TMessage& message);
    void WMNCMouseMove(TMessage& message);
    void WMNCPaint();
    void WMEraseBkgnd(TMessage& message);
    void WMPaint(TMessage& message);
    void PaintDisabledText(win::HDC dc);
    void WMSkinFramePaint(TMessage& message, bool excludeText);
    void CMMouseEnter();
    void CMMouseLeave();
    void FocusChanged(bool focused);
    // The frame into a DC of the whole window; nothing at zero size.
    void PaintFrameTo(win::HDC dc);
    bool Designing() const { return ComponentState().Contains(csDesigning); }
    // The button's side has a normal image in the list.
    bool HasImage(int index) const;
    void SetImageIndex(int& field, int value);

    TColor FDefaultColor{ clWindow };
    TFont FDefaultFont;
    bool FUseSkinFont{ true };
    int FDefaultWidth{ 0 };
    int FDefaultHeight{ 0 };
    bool FButtonMode{ false };
    TAlignment FAlignment{ taLeftJustify };
    TCustomImageList* FImages{ nullptr };
    int FLeftImageIndex{ -1 };
    int FLeftImageHotIndex{ -1 };
    int FLeftImageDownIndex{ -1 };
    int FRightImageIndex{ -1 };
    int FRightImageHotIndex{ -1 };
    int FRightImageDownIndex{ -1 };
};
