#pragma once
#include "lib/controls/TbsCBButtonX.h"
#include "lib/controls/TbsPopupListBox.h"
#include "lib/controls/TbsSkinCustomControl.h"
#include "lib/controls/bsDropListDrag.h"
#include "lib/controls/bsSkinItemDrawing.h"
#include "platform/forms/TEdit.h"
#include "platform/forms/TListBox.h"

#include <optional>

class TbsDataSkinButtonControl;
class TbsCustomEdit;
class TCustomImageList;

// The area of the closed control that shows the chosen item.
struct TbsCBItem {
    TRect R;
    TOwnerDrawState State;
};

enum TbsSkinCustomComboBoxStyle { bscbEditStyle, bscbFixedStyle };

// The skinned drop-down picker: a closed control showing the chosen item and a drop-down button,
// and a popup list that opens below it, or above it where the work area ends. Choosing an item
// sets Text, so OnChange is the control's one text-change event; OnClick and Change follow every
// choice made at run time.
class TbsSkinCustomComboBox : public TbsSkinCustomControl {
public:
    explicit TbsSkinCustomComboBox(TComponent* owner);
    ~TbsSkinCustomComboBox() override;

    std::string ClassName() const override { return "TbsSkinCustomComboBox"; }

    TStrings& Items();
    void SetItems(const TStrings& value);
    int ItemIndex();
    // The list's index, then the item's text (OnChange only when it differs), then, at run
    // time, OnClick and Change even when nothing changed; -1 keeps the text.
    void SetItemIndex(int value);
    int DropDownCount() const { return FDropDownCount; }
    // Values below 1 are ignored.
    void SetDropDownCount(int value);
    int ListBoxWidth() const { return FListBoxWidth; }
    void SetListBoxWidth(int value) { FListBoxWidth = value; }
    // The background of the plain look.
    TColor DefaultColor() const { return FDefaultColor; }
    void SetDefaultColor(TColor value);
    bool AutoComplete() const { return FAutoComplete; }
    void SetAutoComplete(bool value) { FAutoComplete = value; }
    // On: the control takes the skin's height and only the face's middle grows with the width;
    // off: the face is stretched to any size.
    bool UseSkinSize() const { return FUseSkinSize; }
    void SetUseSkinSize(bool value);
    // The whole control drawn as one button with the item's text and an arrow; turning it on
    // also turns UseSkinSize off.
    bool ToolButtonStyle() const { return FToolButtonStyle; }
    void SetToolButtonStyle(bool value);
    // The popup's images, image index and tab stops, which the closed control shows too.
    TCustomImageList* Images() const;
    void SetImages(TCustomImageList* value);
    int ImageIndex() const;
    void SetImageIndex(int value);
    TStrings& TabWidths();
    void SetTabWidths(const TStrings& value);

    // The control's present look with AText as the item's text, drawn on C at X, Y. The control's
    // own text stays as it is, so no text-change event fires.
    void PaintSkinTo(TCanvas& C, int X, int Y, const std::string& AText);

    // The popup's blending when it opens; with the animation it fades in from transparent.
    bool AlphaBlend() const { return FAlpha.Blend; }
    void SetAlphaBlend(bool value) { FAlpha.Blend = value; }
    bool AlphaBlendAnimation() const { return FAlpha.Animation; }
    void SetAlphaBlendAnimation(bool value) { FAlpha.Animation = value; }
    std::uint8_t AlphaBlendValue() const { return FAlpha.Value; }
    void SetAlphaBlendValue(std::uint8_t value) { FAlpha.Value = value; }

    // The popup list's own settings, passed through.
    std::string ListBoxCaption() const;
    void SetListBoxCaption(const std::string& value);
    bool ListBoxCaptionMode() const;
    void SetListBoxCaptionMode(bool value);
    TAlignment ListBoxCaptionAlignment() const;
    void SetListBoxCaptionAlignment(TAlignment value);
    TFont& ListBoxDefaultFont();
    void SetListBoxDefaultFont(const TFont& value);
    TFont& ListBoxDefaultCaptionFont();
    void SetListBoxDefaultCaptionFont(const TFont& value);
    int ListBoxDefaultItemHeight() const;
    void SetListBoxDefaultItemHeight(int value);
    bool ListBoxUseSkinFont() const;
    void SetListBoxUseSkinFont(bool value);
    bool ListBoxUseSkinItemHeight() const;
    void SetListBoxUseSkinItemHeight(bool value);
    bool Sorted() const;
    void SetSorted(bool value);
    // Draws the popup's rows instead of the built-in drawing.
    void SetOnListBoxDrawItem(TbsDrawSkinItemEvent value);

    // The fixed style shows the chosen item; the edit style an inner edit for free text that
    // is completed from the items.
    TbsSkinCustomComboBoxStyle Style() const { return FStyle; }
    void SetStyle(TbsSkinCustomComboBoxStyle value);
    TEditCharCase CharCase() const { return FCharCase; }
    void SetCharCase(TEditCharCase value);
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool value) { FHideSelection = value; }
    // The inner edit's selection; 0 and no effect without one.
    int SelStart() const;
    void SetSelStart(int value);
    int SelLength() const;
    void SetSelLength(int value);
    // The inner edit of the edit style; nullptr in the fixed style.
    TbsCustomEdit* Edit() const { return FEdit; }

    // The list is open and the pointer is not over the control.
    bool CanCancelDropDown() const { return IsPopupVisible() && !FMouseIn; }

    void GetSkinData() override;
    // Also hands the record's list name and the skin to the popup.
    void ChangeSkinData() override;
    void CalcSkinSize(int& AWidth, int& AHeight) override;

    bool IsPopupVisible() const;
    // Opens the list below the control, or above it when the work area ends below.
    virtual void DropDown();
    // Closes the list, choosing its highlighted item when accept is true, else going back to
    // the item chosen before it opened.
    void CloseUp(bool accept);

    void WndProc(TMessage& message) override;

    TNotifyEvent OnChange;
    TNotifyEvent OnClick;
    TNotifyEvent OnCloseUp;
    TNotifyEvent OnDropDown;
    // Draws the closed control's item instead of the built-in drawing.
    TbsDrawSkinItemEvent OnComboBoxDrawItem;

    // Copies of the "combobox" record; an empty FocusItemRect is the item rect.
    TRect ActiveSkinRect;
    TRect SItemRect;
    TRect ActiveItemRect;
    TRect FocusItemRect;
    int ItemLeftOffset{ 0 };
    int ItemRightOffset{ 0 };
    TRect ItemTextRect;
    std::string FontName;
    TFontStyles FontStyle;
    int FontHeight{ 0 };
    TColor FontColor{ clBlack };
    TColor FocusFontColor{ clBlack };
    TColor ActiveFontColor{ clBlack };
    TRect ButtonRect;
    TRect ActiveButtonRect;
    TRect DownButtonRect;
    TRect UnEnabledButtonRect;
    bool ItemStretchEffect{ false };
    bool FocusItemStretchEffect{ false };
    std::string ListBoxName;
    bool ShowFocus{ false };

    TbsPopupListBox* FListBox{ nullptr };
    TbsCBItem CBItem;
    TbsCBButtonX Button;
    int FOldItemIndex{ -1 };

protected:
    // Creates the inner edit, or keeps the one there is: a second edit would hook the first
    // one's window procedure as its own.
    virtual void ShowEditor();
    void HideEditor();
    // Sees the inner edit's messages first: keys drive the list, the wheel steps, key-ups
    // complete the text.
    virtual void EditWindowProcHook(TMessage& message);
    // The inner edit is a number edit.
    bool FNumEdit{ false };
    // Runs after an item was chosen.
    virtual void Change() {}
    void CreateControlDefaultImage(TBitmap& B) override;
    void CreateControlSkinImage(TBitmap& B) override;
    void KeyDown(unsigned short& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    void CalcRects();
    // The item painted: while the list is open, the one chosen before it opened.
    int ShownItemIndex();
    void DrawPlainButton(TCanvas& C);
    void DrawDefaultItem(TCanvas& C);
    // The skinned looks: the button from the record's own rectangles (UseSkinSize on) or from a
    // button record (off); the item with the record's item faces, sliced or stretched.
    void DrawSkinButton(TCanvas& C);
    void DrawResizeButton(TCanvas& C);
    void DrawSkinItem(TCanvas& C, bool stretched);
    void CreateControlToolDefaultImage(TBitmap& B);
    void CreateControlToolSkinImage(TBitmap& B);
    // The text colour of a disabled skinned item: the "edit" record's, else clGrayText.
    TColor GetDisabledFontColor() const;
    TFontCharset TextCharset() const;
    // The control is drawn hot: it has a hot face and the pointer is over it or it has the focus.
    bool IsHot();
    // The item's content (owner drawing, or image and text) on an item bitmap's canvas; nothing
    // for an index outside the items unless a painted-for-others text stands in.
    void DrawItemBody(TCanvas& IC, const TRect& textRect);
    TbsItemDecor ItemDecor();
    void EditChange();
    void EditUp(bool updateText);
    void EditDown(bool updateText);
    void FindLBItemFromEdit();
    void EditCancelMode(TControl* C);
    bool IsOwnPart(TControl* C) const;
    void SetEditFont();
    void PlaceEdit();
    // One item up or down, through the ItemIndex setter, or only in the list when
    // throughSetter is false.
    void ComboUp(bool throughSetter = true);
    void ComboDown(bool throughSetter = true);
    void ComboPageUp();
    void ComboPageDown();
    void FindLBItem(char32_t key);
    // The popup's inner list: a press there holds the list for the control, which then sees
    // the moves and the release; the other button messages are swallowed.
    void ListBoxWindowProcHook(TMessage& message);
    // The held press and its way into the list, as one gesture.
    TbsDropListDrag DropListDrag() { return { FLBDown, WasInLB }; }
    // The highlight follows the pointer over the open list.
    void PopupListMouseMove(int x, int y);
    // While the button is held after a press on the control or in the list: the row under the
    // pointer is highlighted, and above or below the list it steps every 25 ms.
    void ProcessListBox();
    void StartTimer(int mode);
    void StopTimer();
    void StepTick();

    static constexpr win::UINT_PTR kStepTimer = 1;

    TColor FDefaultColor{ clWindow };
    bool FUseSkinSize{ true };
    TbsSkinCustomComboBoxStyle FStyle{ bscbFixedStyle };
    TEditCharCase FCharCase{ ecNormal };
    bool FHideSelection{ true };
    TbsCustomEdit* FEdit{ nullptr };
    TWndMethod FEditWindowProc;
    // Set while the inner edit's text is carried into Text.
    bool FromEdit{ false };
    TbsPopupAlpha FAlpha;
    bool FToolButtonStyle{ false };
    bool FMouseIn{ false };
    // While PaintSkinTo draws: the text shown in place of the chosen item's.
    std::optional<std::string> FPaintText;
    int FDropDownCount{ 8 };
    int FListBoxWidth{ 0 };
    bool FDropDown{ false };
    bool FAutoComplete{ true };
    unsigned FLastTime{ 0 };
    std::string FFilter;
    TWndMethod FListBoxWindowProc;
    // The left button is held after a press on the control or in the list.
    bool FLBDown{ false };
    // ... and the pointer has been inside the list meanwhile.
    bool WasInLB{ false };
    // 0 no stepping, 1 stepping up, 2 stepping down.
    int TimerMode{ 0 };
};

// The published skinned combo box.
class TbsSkinComboBox : public TbsSkinCustomComboBox {
public:
    using TbsSkinCustomComboBox::TbsSkinCustomComboBox;
    std::string ClassName() const override { return "TbsSkinComboBox"; }
};
