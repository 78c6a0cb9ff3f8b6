#pragma once
#include "lib/controls/IbsToolBarImages.h"
#include "lib/controls/IbsToolBarParent.h"
#include "lib/controls/TbsSkinPanel.h"

class TbsDataSkinButtonControl;

// A panel holding tool buttons in a row: it centres its children vertically, hands its skin,
// flatness, captions and image lists to its speed buttons, and when the row does not fit (with
// CanScroll) shows two 12-pixel scroll buttons in its frame that move the row sideways, on a
// press or, with HotScroll, under the pointer.
class TbsSkinToolBar : public TbsSkinPanel, public IbsToolBarParent, public IbsToolBarImages {
public:
    // The hit codes of the left and right scroll buttons.
    static constexpr int kHitScrollLeft = 119;
    static constexpr int kHitScrollRight = 120;
    static constexpr int kScrollButtonWidth = 12;

    explicit TbsSkinToolBar(TComponent* owner);
    ~TbsSkinToolBar() override;

    std::string ClassName() const override { return "TbsSkinToolBar"; }

    bool AdjustControls() const override { return FAdjustControls; }
    void SetAdjustControls(bool value) { FAdjustControls = value; }
    TRect GetSkinClientRect() override { return TbsSkinPanel::GetSkinClientRect(); }
    bool CanScroll() const { return FCanScroll; }
    void SetCanScroll(bool value);
    bool HotScroll() const { return FHotScroll; }
    void SetHotScroll(bool value) { FHotScroll = value; }
    // Pixels per step; 0 scrolls by the client width. Negative values are ignored.
    int ScrollOffset() const { return FScrollOffset; }
    void SetScrollOffset(int value);
    // Milliseconds per step while a button is held or hot; values below 1 are ignored.
    int ScrollTimerInterval() const { return FScrollTimerInterval; }
    void SetScrollTimerInterval(int value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    bool ShowCaptions() const { return FShowCaptions; }
    void SetShowCaptions(bool value);
    bool AutoShowHideCaptions() const { return FAutoShowHideCaptions; }
    void SetAutoShowHideCaptions(bool value) { FAutoShowHideCaptions = value; }
    int WidthWithCaptions() const { return FWidthWithCaptions; }
    void SetWidthWithCaptions(int value) { FWidthWithCaptions = value; }
    int WidthWithoutCaptions() const { return FWidthWithoutCaptions; }
    void SetWidthWithoutCaptions(int value) { FWidthWithoutCaptions = value; }
    // References, cleared when the list goes.
    TCustomImageList* Images() const override { return FImages; }
    void SetImages(TCustomImageList* value);
    TCustomImageList* HotImages() const override { return FHotImages; }
    void SetHotImages(TCustomImageList* value);
    TCustomImageList* DisabledImages() const override { return FDisabledImages; }
    void SetDisabledImages(TCustomImageList* value);
    // Also hands the skin object to the speed buttons and bevels on the bar.
    void SetSkinData(TbsSkinData* value) override;

    // The scroll state: SMax is the row's extent - 1, SPage the client width while scrolling,
    // SPosition how far the row is moved left.
    int SMax() const { return FSMax; }
    int SPage() const { return FSPage; }
    int SPosition() const { return FSPosition; }
    bool ScrollButtonsShown() const { return FButtons[0].Shown; }
    bool ScrollTimerRunning() const { return FTimerMode != 0; }

    void GetSkinData() override;
    void SetBounds(int left, int top, int width, int height) override;
    void Notification(TComponent* component, TOperation operation) override;
    void WndProc(TMessage& message) override;

protected:
    void AdjustClientRect(TRect& rect) const override;
    void CreateControlSkinImage(TBitmap& B) override;

private:
    struct TScrollButton {
        TRect Rect;
        bool MouseIn{ false };
        bool Down{ false };
        bool Shown{ false };
    };

    void CentreChildren();
    void UpdateRange();
    void ShowScrollButtons(bool show);
    void MoveChildren(int d);
    void Step(bool right);
    void StartTimer(int mode);
    void StopTimer();
    void PaintScrollButtons();
    void PaintScrollButton(win::HDC dc, const TScrollButton& button, bool left);
    void RepaintFrame();
    void WMNCHitTest(TMessage& message);
    void WMNCCalcSize(TMessage& message);
    // The scroll button a frame hit code names, nullptr for other codes.
    TScrollButton* ButtonOf(win::WPARAM hit);
    template <class T>
    void LinkList(T*& field, T* value);

    bool FAdjustControls{ true };
    bool FCanScroll{ false };
    bool FHotScroll{ false };
    int FTimerMode{ 0 };
    int FSMax{ 0 };
    int FSPosition{ 0 };
    int FSPage{ 0 };
    int FSOldPosition{ 0 };
    int FHSizeOffset{ 0 };
    int FScrollOffset{ 0 };
    int FScrollTimerInterval{ 50 };
    TScrollButton FButtons[2];
    TbsDataSkinButtonControl* ButtonData{ nullptr };
    TCustomImageList* FImages{ nullptr };
    TCustomImageList* FDisabledImages{ nullptr };
    TCustomImageList* FHotImages{ nullptr };
    bool FFlat{ false };
    bool FAutoShowHideCaptions{ false };
    bool FShowCaptions{ false };
    int FWidthWithCaptions{ 0 };
    int FWidthWithoutCaptions{ 0 };
    bool FUpdatingRange{ false };
};
