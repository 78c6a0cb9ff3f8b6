#pragma once
#include "lib/controls/TbsSkinComboBox.h"
#include "lib/controls/TbsSkinOfficeListBox.h"
#include "lib/controls/bsDropListDrag.h"

class TbsPopupOfficeListBox;
class TbsDataSkinButtonControl;

// The office picker: a closed control showing the chosen row's title, image and caption, and
// an office list that drops down below it, or above it where the work area ends. Every
// assignment of ItemIndex at run time fires OnClick and then OnChange, also when the index
// does not change; keys fire them even when the selection cannot move. The list never takes
// activation or the focus.
class TbsSkinCustomOfficeComboBox : public TbsSkinCustomControl {
public:
    explicit TbsSkinCustomOfficeComboBox(TComponent* owner);
    ~TbsSkinCustomOfficeComboBox() override;

    std::string ClassName() const override { return "TbsSkinCustomOfficeComboBox"; }

    TbsSkinOfficeItems& Items();
    void SetItems(const TbsSkinOfficeItems& value);
    int ItemIndex() const;
    // The list's index, then the shown index; then, outside loading and design, OnClick and
    // Change, whatever the index (also unchanged, -1 or past the rows).
    void SetItemIndex(int value);
    TCustomImageList* Images() const;
    void SetImages(TCustomImageList* value);

    bool ToolButtonStyle() const { return FToolButtonStyle; }
    // On also switches UseSkinSize off.
    void SetToolButtonStyle(bool value);
    bool UseSkinSize() const { return FUseSkinSize; }
    void SetUseSkinSize(bool value);
    bool AlphaBlend() const { return FAlphaBlend; }
    void SetAlphaBlend(bool value) { FAlphaBlend = value; }
    bool AlphaBlendAnimation() const { return FAlphaBlendAnimation; }
    void SetAlphaBlendAnimation(bool value) { FAlphaBlendAnimation = value; }
    std::uint8_t AlphaBlendValue() const { return FAlphaBlendValue; }
    void SetAlphaBlendValue(std::uint8_t value) { FAlphaBlendValue = value; }
    int ListBoxWidth() const { return FListBoxWidth; }
    // 0: as wide as the control.
    void SetListBoxWidth(int value) { FListBoxWidth = value; }
    int ListBoxHeight() const { return FListBoxHeight; }
    // Above 0: the list's height; else DropDownCount decides.
    void SetListBoxHeight(int value) { FListBoxHeight = value; }
    int DropDownCount() const { return FDropDownCount; }
    // Negative values are ignored.
    void SetDropDownCount(int value);
    // The popup's own settings, kept by the popup.
    TFont& ListBoxDefaultFont();
    void SetListBoxDefaultFont(const TFont& value);
    bool ListBoxUseSkinFont() const;
    void SetListBoxUseSkinFont(bool value);
    bool ListBoxShowItemTitles() const;
    void SetListBoxShowItemTitles(bool value);
    const std::string& ListBoxSkinDataName() const;
    void SetListBoxSkinDataName(const std::string& value);
    bool ListBoxShowLines() const;
    void SetListBoxShowLines(bool value);
    int ListBoxItemHeight() const;
    void SetListBoxItemHeight(int value);
    int ListBoxHeaderHeight() const;
    void SetListBoxHeaderHeight(int value);
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool value) { FHideSelection = value; }
    bool ShowItemTitle() const { return FShowItemTitle; }
    void SetShowItemTitle(bool value);
    bool ShowItemImage() const { return FShowItemImage; }
    void SetShowItemImage(bool value);
    bool ShowItemText() const { return FShowItemText; }
    void SetShowItemText(bool value);
    // The background of the plain look.
    TColor DefaultColor() const { return FDefaultColor; }
    void SetDefaultColor(TColor value);

    bool IsPopupVisible() const;
    // True while the list is open and the pointer is off the control.
    bool CanCancelDropDown() const { return IsPopupVisible() && !FMouseIn; }
    // Opens the list; nothing without rows.
    virtual void DropDown();
    // Closes the list, accepting its highlighted row (OnClick, Change, OnCloseUp) when Value
    // is true, else going back to the row held when it opened.
    void CloseUp(bool Value);
    // The control's present look with AText as the item text, drawn onto C at X, Y.
    void PaintSkinTo(TCanvas& C, int X, int Y, const std::string& AText);

    void GetSkinData() override;
    void ChangeSkinData() override;
    void CalcSkinSize(int& AWidth, int& AHeight) override;
    void UpdateSkinRegion() override;
    void Notification(TComponent* component, TOperation operation) override;
    void WndProc(TMessage& message) override;

    TbsDrawSkinOfficeItemEvent OnDrawItem;
    TNotifyEvent OnChange;
    TNotifyEvent OnClick;
    TNotifyEvent OnCloseUp;
    TNotifyEvent OnDropDown;

    TbsPopupOfficeListBox* FListBox{ nullptr };
    TbsCBItem CBItem;
    TbsCBButtonX Button;
    // The row restored when the list closes without acceptance; the one shown while open.
    int FOldItemIndex{ -1 };
    // The left button is held after a press on the control or in the list.
    bool FLBDown{ false };
    // ... and the pointer has been in the list during that press.
    bool WasInLB{ false };
    // 0 no stepping, 1 stepping up, 2 stepping down.
    int TimerMode{ 0 };

    // Copies of the "combobox" record.
    TRect ActiveSkinRect;
    TColor ActiveFontColor{ 0 };
    std::string FontName;
    TFontStyles FontStyle;
    int FontHeight{ 0 };
    TRect SItemRect;
    TRect FocusItemRect;
    TRect ActiveItemRect;
    int ItemLeftOffset{ 0 };
    int ItemRightOffset{ 0 };
    TRect ItemTextRect;
    TColor FontColor{ 0 };
    TColor FocusFontColor{ 0 };
    TRect ButtonRect;
    TRect ActiveButtonRect;
    TRect DownButtonRect;
    TRect UnEnabledButtonRect;
    std::string ListBoxName;
    bool ItemStretchEffect{ false };
    bool FocusItemStretchEffect{ false };
    bool ShowFocus{ false };

protected:
    virtual void Change();
    void DefaultFontChanged() override;
    void CreateControlDefaultImage(TBitmap& B) override;
    void CreateControlSkinImage(TBitmap& B) override;
    void KeyDown(unsigned short& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    void CalcRects();
    // FOldItemIndex while the list is open, else the list's index.
    int ShownIndex() const;
    bool Hot() const { return FMouseIn || Focused(); }
    // The popup's next selectable row that way, then, with fire, the ItemIndex setter.
    void ComboUp(bool fire);
    void ComboDown(bool fire);
    void ComboPageUp(bool fire);
    void ComboPageDown(bool fire);
    void ListBoxWindowProcHook(TMessage& message);
    // The held press and its way into the list, as one gesture.
    TbsDropListDrag DropListDrag() { return { FLBDown, WasInLB }; }
    void ProcessListBox();
    void StartTimer();
    void StopTimer();
    // The screen point the popup opens at, by the work area of the control's monitor.
    TPoint DropDownOrigin() const;

    // Looks.
    void DrawShownItem(TCanvas& C, TRect content, const std::string* text, bool titleLine,
                       int titleGap);
    void CreateControlToolSkinImage(TBitmap& B, const std::string* text);
    void CreateControlToolDefaultImage(TBitmap& B, const std::string* text);
    void DrawToolMarker(TCanvas& C, const TbsDataSkinButtonControl& record, const TRect& area);
    void DrawSkinBackground(TBitmap& B);
    void DrawButton(TCanvas& C);
    void DrawResizeButton(TCanvas& C);
    void DrawSkinItem(TBitmap& B);
    void DrawResizeSkinItem(TBitmap& B);
    void CreateDefaultFace(TBitmap& B);
    void DrawDefaultItem(TCanvas& C);
    TColor DisabledItemFontColor() const;

    static constexpr win::UINT_PTR kStepTimer = 1;

    bool FShowItemTitle{ true };
    bool FShowItemImage{ true };
    bool FShowItemText{ true };
    int FDropDownCount{ 7 };
    bool FDropDown{ false };
    bool FToolButtonStyle{ false };
    TColor FDefaultColor{ clWindow };
    bool FUseSkinSize{ false };
    int FListBoxWidth{ 0 };
    int FListBoxHeight{ 0 };
    bool FHideSelection{ true };
    bool FAlphaBlend{ false };
    bool FAlphaBlendAnimation{ false };
    std::uint8_t FAlphaBlendValue{ 0 };
    bool FMouseIn{ false };
    // The popup's record name, kept while the control has no record and the popup is plain.
    std::string FListBoxSkinDataName{ "listbox" };
    TWndMethod FListBoxWindowProc;
};

// The published office picker.
class TbsSkinOfficeComboBox : public TbsSkinCustomOfficeComboBox {
public:
    using TbsSkinCustomOfficeComboBox::TbsSkinCustomOfficeComboBox;
    std::string ClassName() const override { return "TbsSkinOfficeComboBox"; }
};
