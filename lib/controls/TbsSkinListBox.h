#pragma once
#include "lib/controls/TbsSkinCustomControl.h"

class TbsListBox;
class TbsSkinScrollBar;

// The skinned list box: a frame from the record "listbox" (or a plain one) around an inner
// owner-drawn list, whose native scroll bars are replaced by a skinned bar that comes and goes
// with the content and follows the inner list's scroll state.
class TbsSkinCustomListBox : public TbsSkinCustomControl {
public:
    explicit TbsSkinCustomListBox(TComponent* owner);
    ~TbsSkinCustomListBox() override;

    std::string ClassName() const override { return "TbsSkinCustomListBox"; }

    TStrings& Items();
    void SetItems(const TStrings& value);
    int ItemIndex();
    void SetItemIndex(int value);
    int TopIndex();
    void SetTopIndex(int value);
    void Clear();

    // 0: the height is free; else the control is as high as this many rows need.
    int RowCount() const { return FRowCount; }
    void SetRowCount(int value);
    int DefaultItemHeight() const { return FDefaultItemHeight; }
    void SetDefaultItemHeight(int value);
    bool UseSkinItemHeight() const { return FUseSkinItemHeight; }
    void SetUseSkinItemHeight(bool value) { FUseSkinItemHeight = value; }
    bool CaptionMode() const { return FCaptionMode; }
    void SetCaptionMode(bool value);
    int DefaultCaptionHeight() const { return FDefaultCaptionHeight; }
    void SetDefaultCaptionHeight(int value);

    // The control's height for that many rows.
    int CalcHeight(int AItemsCount);
    // Shows, ranges or removes the skinned bar from the inner list's scroll state.
    void UpDateScrollBar();

    // Sees every message of the inner list first; leaving handled false suppresses it.
    virtual void ListBoxWProc(TMessage& message, bool& handled);

    void GetSkinData() override;
    void ChangeSkinData() override;
    // Lays the inner list and the bar out at once, also before the window exists.
    void SetBounds(int left, int top, int width, int height) override;
    void WndProc(TMessage& message) override;

    TbsListBox* ListBox{ nullptr };
    // The skinned bar; nullptr while the rows fit.
    TbsSkinScrollBar* ScrollBar{ nullptr };
    TRect ListRect;
    std::string VScrollBarName;
    TRect SItemRect;

private:
    void CalcRects();
    void ShowScrollBar();
    void HideScrollBar();
    void SBChange();

    int FRowCount{ 0 };
    int FDefaultItemHeight{ 20 };
    bool FUseSkinItemHeight{ true };
    bool FCaptionMode{ false };
    int FDefaultCaptionHeight{ 20 };
    bool FInUpdate{ false };
};

// The published skinned list box.
class TbsSkinListBox : public TbsSkinCustomListBox {
public:
    using TbsSkinCustomListBox::TbsSkinCustomListBox;
    std::string ClassName() const override { return "TbsSkinListBox"; }
};
