#pragma once
#include "lib/controls/IbsSkinnedControl.h"
#include "lib/controls/TbsSkinScrollBar.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindata/bsSkinMessages.h"
#include "platform/gfx/TFont.h"
#include "platform/win/Win.h"

#include <string>

// What the skinned list and tree views share (TBase is the platform view, TRecord the record
// kind that dresses it): the skin object and record, the font and colour without one, no
// native frame or bars, and two outside skin scroll bars kept in step with the view's own
// scroll state by the view class's UpDateScrollBars.
template <class TBase, class TRecord>
class TbsSkinViewBase : public TBase, public IbsSkinnedControl {
public:
    TbsSkinViewBase(TComponent* owner, const std::string& skinDataName)
        : TBase(owner), FSkinDataName(skinDataName) {
        FDefaultFont.SetName("Arial");
        FDefaultFont.SetHeight(14);
    }
    ~TbsSkinViewBase() override {
        // The bars outlive the view: they must stop calling it.
        for (TbsSkinScrollBar* bar : { FVScrollBar, FHScrollBar })
            if (bar) {
                bar->OnChange = nullptr;
                bar->RemoveFreeNotification(this);
            }
        if (FSD) FSD->RemoveFreeNotification(this);
    }

    TbsSkinData* SkinData() const override { return FSD; }
    void SetSkinData(TbsSkinData* value) {
        if (FSD) FSD->RemoveFreeNotification(this);
        FSD = value;
        if (FSD) FSD->FreeNotification(this);
        if (FSD && !FSD->Empty && !this->ComponentState().Contains(csDesigning)) ChangeSkinData();
    }
    const std::string& SkinDataName() const { return FSkinDataName; }
    void SetSkinDataName(const std::string& value) { FSkinDataName = value; }
    TFont& DefaultFont() { return FDefaultFont; }
    void SetDefaultFont(const TFont& value) {
        FDefaultFont.Assign(value);
        if (FIndex == -1) this->Font().Assign(value);
    }
    TColor DefaultColor() const { return FDefaultColor; }
    void SetDefaultColor(TColor value) {
        FDefaultColor = value;
        if (FIndex == -1) this->SetColor(value);
    }
    bool UseSkinFont() const { return FUseSkinFont; }
    void SetUseSkinFont(bool value) { FUseSkinFont = value; }

    // The outside bars, not owned: an assigned bar is enabled, hidden until there is something
    // to scroll, and scrolls the view (its own OnChange is replaced).
    TbsSkinScrollBar* VScrollBar() const { return FVScrollBar; }
    void SetVScrollBar(TbsSkinScrollBar* value) { SetBar(FVScrollBar, value, true); }
    TbsSkinScrollBar* HScrollBar() const { return FHScrollBar; }
    void SetHScrollBar(TbsSkinScrollBar* value) { SetBar(FHScrollBar, value, false); }

    // Font and colours from the record (or the defaults without one), then the bars.
    void ChangeSkinData() override {
        FIndex = FSD && !FSD->Empty ? FSD->GetControlIndex(FSkinDataName) : -1;
        if (FIndex == -1) {
            this->SetColor(FDefaultColor);
            this->Font().Assign(FDefaultFont);
        } else if (auto* record =
                       dynamic_cast<const TRecord*>(FSD->CtrlList[std::size_t(FIndex)].get())) {
            if (FUseSkinFont) {
                this->Font().SetName(record->FontName);
                this->Font().SetStyle(record->FontStyle);
                this->Font().SetHeight(record->FontHeight);
            } else {
                this->Font().Assign(FDefaultFont);
            }
            this->Font().SetColor(record->FontColor);
            this->SetColor(record->BGColor);
        }
        UpDateScrollBars();
        // The parent places the bars again.
        for (TbsSkinScrollBar* bar : { FVScrollBar, FHScrollBar })
            if (bar) bar->SetAlign(bar->Align());
        this->Invalidate();
    }

    // Brings the outside bars in step with the view's scroll state.
    virtual void UpDateScrollBars() = 0;

    void Notification(TComponent* component, TOperation operation) override {
        TBase::Notification(component, operation);
        if (operation != opRemove) return;
        if (component == FSD) FSD = nullptr;
        if (component == FVScrollBar) FVScrollBar = nullptr;
        if (component == FHScrollBar) FHScrollBar = nullptr;
    }

    // The record's index in the skin, -1 none.
    int FIndex{ -1 };

protected:
    void CreateParams(TCreateParams& params) override {
        TBase::CreateParams(params);
        params.Style &= ~(win::WS_HSCROLL | win::WS_VSCROLL);
    }

    // No non-client area: no frame and no native bars, while the view keeps its scroll state.
    // Answers true when the message is done.
    bool HandleViewMessage(TMessage& message) {
        switch (message.Msg) {
        case win::WM_NCCALCSIZE:
        case win::WM_NCPAINT:
            message.Result = 0;
            return true;
        case win::WM_SKINFRAMEPAINT:
            message.Result = win::SKIN_FRAME_PAINTED;
            return true;
        default:
            return false;
        }
    }
    void AfterViewMessage(const TMessage& message) {
        if (message.Msg != CM_VISIBLECHANGED) return;
        for (TbsSkinScrollBar* bar : { FVScrollBar, FHScrollBar })
            if (bar) bar->SetVisible(this->Visible());
    }

    // Shows or hides a bar, guarded against the size and paint messages that causes; true
    // when its visibility changed.
    bool ShowBar(TbsSkinScrollBar* bar, bool show) {
        if (!bar || bar->Visible() == show) return false;
        FInCheckScrollBars = true;
        bar->SetVisible(show);
        FInCheckScrollBars = false;
        return true;
    }
    // What every bar synchronisation ends with: the horizontal bar takes its corner record
    // while the vertical one shows, and an aligned view has its parent place it again when a
    // bar came or went.
    void FinishBars(bool visibilityChanged) {
        if (FVScrollBar && FHScrollBar) FHScrollBar->SetBoth(FVScrollBar->Visible());
        if (!visibilityChanged || this->Align() == alNone || !this->Parent()) return;
        FInCheckScrollBars = true;
        this->Parent()->Realign();
        FInCheckScrollBars = false;
    }
    bool Sized() const {
        return this->HandleAllocated() && this->Width() > 5 && this->Height() > 5;
    }

    virtual void VScrollBarChange() = 0;
    virtual void HScrollBarChange() = 0;

    TbsSkinData* FSD{ nullptr };
    std::string FSkinDataName;
    TFont FDefaultFont;
    TColor FDefaultColor{ clWindow };
    bool FUseSkinFont{ true };
    TbsSkinScrollBar* FVScrollBar{ nullptr };
    TbsSkinScrollBar* FHScrollBar{ nullptr };
    bool FInCheckScrollBars{ false };

private:
    void SetBar(TbsSkinScrollBar*& field, TbsSkinScrollBar* value, bool vertical) {
        if (field) {
            field->OnChange = nullptr;
            field->RemoveFreeNotification(this);
        }
        field = value;
        if (value) {
            value->FreeNotification(this);
            value->SetEnabled(true);
            value->SetVisible(false);
            if (vertical)
                value->OnChange = [this](TObject*) { VScrollBarChange(); };
            else
                value->OnChange = [this](TObject*) { HScrollBarChange(); };
        }
        UpDateScrollBars();
    }
};
