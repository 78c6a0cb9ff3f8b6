#pragma once
#include "platform/forms/TComponent.h"
#include "platform/forms/THintManager.h"
#include "platform/gfx/TFont.h"
#include <memory>
#include <string>

class TCustomImageList;
class TbsSkinData;
class TbsSkinHintWindow;
class TTimer;

// Gives every hint of the program the skin's look: the application makes its hint window from
// TbsSkinHintWindow and asks this component first, which takes the title and image of a
// skinned control (IbsHintSource). It also shows hints of its own, at once or after the
// application's HintPause, in a window it owns. Only one component, the first active one on
// the main form, drives hint windows; freeing it gives the application back the hint window
// class and OnShowHint it had before.
class TbsSkinHint : public TComponent {
public:
    explicit TbsSkinHint(TComponent* owner);
    ~TbsSkinHint() override;

    std::string ClassName() const override { return "TbsSkinHint"; }

    const std::string& LineSeparator() const { return FLineSeparator; }
    void SetLineSeparator(const std::string& value) { FLineSeparator = value; }
    // A reference, cleared when the skin goes.
    TbsSkinData* SkinData() const { return FSkinData; }
    void SetSkinData(TbsSkinData* value);
    bool Active() const { return FActive; }
    // Turning one on turns off every other active one on the main form.
    void SetActive(bool value);
    bool AlphaBlend() const { return FAlphaBlend; }
    void SetAlphaBlend(bool value) { FAlphaBlend = value; }
    int AlphaBlendValue() const { return FAlphaBlendValue; }
    void SetAlphaBlendValue(int value) { FAlphaBlendValue = value; }
    bool AlphaBlendAnimation() const { return FAlphaBlendAnimation; }
    void SetAlphaBlendAnimation(bool value) { FAlphaBlendAnimation = value; }
    TFont& DefaultFont() { return FDefaultFont; }
    void SetDefaultFont(const TFont& value) { FDefaultFont.Assign(value); }
    bool UseSkinFont() const { return FUseSkinFont; }
    void SetUseSkinFont(bool value) { FUseSkinFont = value; }

    // Called for every control hint after the control's title and image were taken.
    TShowHintEvent OnShowHint;

    // Plain hint at p, at once; it stays until HideHint.
    void ActivateHint(const TPoint& p, const std::string& hint);
    // Plain hint below the pointer after HintPause, hidden after HintHidePause.
    void ActivateHint2(const std::string& hint);
    // Plain hint centred above (top) or below fromRect after HintPause.
    void ActivateHint3(const TRect& fromRect, const std::string& hint, bool top);
    // Title and image hint at p, at once.
    void ActivateHintEx(const TPoint& p, const std::string& hintTitle, const std::string& hint,
                        int imageIndex, TCustomImageList* imageList);
    // Title and image hint below the pointer after HintPause.
    void ActivateHintEx2(const std::string& hintTitle, const std::string& hint, int imageIndex,
                         TCustomImageList* imageList);
    bool IsVisible() const;
    void HideHint();
    // How far below the pointer a hint goes so that it clears the cursor.
    static int GetCursorHeightMargin();

    // The title and image of the current hint, read by the hint windows.
    const std::string& HintTitle() const { return FHintTitle; }
    int HintImageIndex() const { return FHintImageIndex; }
    TCustomImageList* HintImageList() const { return FHintImageList; }

    // The component's own hint window.
    TbsSkinHintWindow* HintWindow() const { return FHW; }

    void Notification(TComponent* component, TOperation operation) override;

private:
    enum class TTimerStep { Idle, Waiting, Shown };
    enum class TPending { Plain, FromRect, Extended };

    void AppShowHint(std::string& hintStr, bool& canShow, THintInfo& info);
    void InstallShowHintHandler();
    void SetCurrent(const std::string& title, int imageIndex, TCustomImageList* imageList);
    void StartDelayed(TPending pending);
    void HintTimerFired();
    void HintTimerShow();

    std::string FLineSeparator{ "@" };
    TbsSkinData* FSkinData{ nullptr };
    bool FActive{ true };
    bool FAlphaBlend{ false };
    int FAlphaBlendValue{ 0 };
    bool FAlphaBlendAnimation{ false };
    TFont FDefaultFont;
    bool FUseSkinFont{ true };

    std::string FHintTitle;
    int FHintImageIndex{ 0 };
    TCustomImageList* FHintImageList{ nullptr };

    TbsSkinHintWindow* FHW{ nullptr };
    std::unique_ptr<TTimer> FHintTimer;
    TTimerStep FTimerStep{ TTimerStep::Idle };
    TPending FPending{ TPending::Plain };
    std::string FHintText;
    std::string FPendingTitle;
    int FPendingImageIndex{ 0 };
    TCustomImageList* FPendingImageList{ nullptr };
    TRect FFromRect;
    bool FTop{ false };
    THintManager::TToken FClassToken{ 0 };
    THintManager::TToken FHandlerToken{ 0 };
};
