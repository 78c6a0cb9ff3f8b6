// The form-skin component's skin: applying it to the form, the skin-change messages, the frame
// objects made from the skin's records, the caption buttons' state and hints, and the size
// limits the skin gives the form.
#include "lib/frame/TbsSkinForm.h"

#include "lib/controls/bsSkinChangeWalk.h"
#include "lib/frame/bsFrameMessages.h"
#include "lib/menus/TbsSkinPopupMenu.h"
#include "lib/skindata/TbsResourceStrData.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindraw/TbsLayerManager.h"
#include "lib/skindraw/bsWorkArea.h"
#include "platform/forms/TTimer.h"
#include "platform/win/Messaging.h"
#include "platform/win/SizeLimits.h"
#include "platform/win/WindowApi.h"

using namespace win;

namespace {

struct THintText {
    TbsStdCommand Command;
    const char* Key;
    const char* Text;
};

// The caption buttons' standard hints: the skin's string table names them, these stand in
// when the skin has none.
constexpr THintText kHints[] = {
    { cmClose, "CLOSEBUTTON_HINT", "Close" },
    { cmMaximize, "MAXBUTTON_HINT", "Maximize" },
    { cmMinimize, "MINBUTTON_HINT", "Minimize" },
    { cmSysMenu, "MENUBUTTON_HINT", "System menu" },
    { cmRollUp, "ROLLUPBUTTON_HINT", "Roll Up" },
    { cmMinimizeToTray, "TRAYBUTTON_HINT", "Minimize to Tray" },
};

std::string SkinString(const TbsSkinData& skin, const char* key, const char* fallBack) {
    if (const TbsResourceStrData* strings = skin.ResourceStrData()) return strings->GetResStr(key);
    return fallBack;
}

// The command of a standard button, or of an animation that acts as a caption button.
const TbsStdCommand* CommandOf(TbsActiveSkinObject& object, bool animationsOnlyAsButtons) {
    if (auto* button = dynamic_cast<TbsSkinStdButtonObject*>(&object)) return &button->Command;
    if (auto* animation = dynamic_cast<TbsSkinAnimateObject*>(&object))
        if (!animationsOnlyAsButtons || animation->ButtonStyle) return &animation->Command;
    return nullptr;
}

} // namespace

void TbsSkinForm::SetSkinData(TbsSkinData* value) {
    Link(FSD, value);
    if (value && !IsMDIChild()) FSkinnableForm = value->SkinnableForm();
    if (!Designing()) ApplySkin();
    FSysTrayMenu->SetSkinData(value);
}

void TbsSkinForm::SetUseRibbon(bool value) {
    FUseRibbon = value;
    if (value && !Designing()) SetSkinnableForm(false);
}

void TbsSkinForm::SetSkinnableForm(bool value) {
    if (FUseRibbon) value = false;
    FFormActive = GetFormActive();
    if (Designing()) return;
    const bool mdiForm = IsMDIForm();
    bool wasMaximized = false;
    if (FWindowState == wsMaximized && FSkinnableForm) {
        if (!mdiForm) FForm->Hide();
        SetWindowState(wsNormal);
        wasMaximized = true;
    } else if (FForm->WindowState() == wsMaximized && !FSkinnableForm) {
        FForm->SetWindowState(wsNormal);
        if (!mdiForm) FForm->Hide();
        wasMaximized = true;
    }
    FSkinnableForm = value;
    ApplySkin();
    ChangeControlsSkinData(*FForm, nullptr);
    if (!mdiForm) {
        FForm->WindowProc = [this](TMessage& message) { FormWindowProc(message); };
        // The platform's frame is made with the window.
        if (!FSkinnableForm && FIsVistaOs && HandleReady()) FForm->RecreateWnd();
    }
    if (wasMaximized) {
        if (FSkinnableForm)
            SetWindowState(wsMaximized);
        else
            FForm->SetWindowState(wsMaximized);
        if (!mdiForm) FForm->Show();
    }
}

void TbsSkinForm::SkinChange(TMessage& message) {
    auto* skin = reinterpret_cast<TbsSkinData*>(message.WParam);
    switch (message.Msg) {
    case WM_SKINBEFORECHANGE:
        if (skin != FSD) return;
        FStopPainting = true;
        FSkinSupport = false;
        FMouseTimer->SetEnabled(false);
        FMorphTimer->SetEnabled(false);
        FAnimateTimer->SetEnabled(false);
        ClearObjects();
        BeforeChangeControlsSkinData(*FForm, skin);
        if (OnBeforeChangeSkinData) OnBeforeChangeSkinData(this);
        return;
    case WM_SKINCHANGE:
        FStopPainting = false;
        if (skin == FSD) ApplySkin();
        ChangeControlsSkinData(*FForm, skin);
        return;
    case WM_SKINAFTERCHANGE:
        if (skin == FSD && IsMDIForm()) RefitMDIChildren();
        if (OnAfterChangeSkinData) OnAfterChangeSkinData(this);
        return;
    default:
        return;
    }
}

void TbsSkinForm::ApplySkin() {
    if (FUseRibbon) FSkinnableForm = false;
    OldActiveObject = ActiveObject = MouseCaptureObject = -1;
    FSkinSupport = UsableSkin();
    if (FLayerManager->IsVisible()) FLayerManager->Hide();
    if (FMenuLayerManager->IsVisible()) FMenuLayerManager->Hide();
    if (FBorderLayer.FVisible) FBorderLayer.Hide();

    if (FSkinSupport && FSkinnableForm) {
        CreateSkinObjects();
        UpdateCaptionButtons();
    } else {
        ClearObjects();
        FFormWidth = FForm->Width();
        FFormHeight = FForm->Height();
        BuildRegion(true);
    }

    if (FSkinnableForm) {
        if (!FForm->BorderIcons().Empty()) FForm->SetBorderIcons({});
    } else {
        TBorderIcons icons;
        if (!FHideCaptionButtons) icons.Include(::biSystemMenu);
        if (FBorderIcons.Contains(biMaximize)) icons.Include(::biMaximize);
        if (FBorderIcons.Contains(biMinimize)) icons.Include(::biMinimize);
        FForm->SetBorderIcons(icons);
    }

    FInChangeSkinData = true;
    const int w = FForm->Width(), h = FForm->Height();
    if (w < GetMinWidth() && h < GetMinHeight())
        FForm->SetBounds(FForm->Left(), FForm->Top(), GetMinWidth(), GetMinHeight());
    else if (h < GetMinHeight())
        FForm->SetHeight(GetMinHeight());
    else if (w < GetMinWidth())
        FForm->SetWidth(GetMinWidth());
    else
        NudgeFormWidth();
    if ((FRollUpState || FWindowState == wsMinimized) && GetMinHeight() != FForm->Height())
        FForm->SetHeight(GetMinHeight());
    if (FWindowState == wsMinimized && GetMinWidth() != FForm->Width())
        FForm->SetWidth(GetMinWidth());

    FFormWidth = FForm->Width();
    FFormHeight = FForm->Height();
    if (FSkinSupport) UpdateRegion(true);
    if (HandleReady()) FForm->Repaint();
    UpdateCaptionActive(!(IsMDIChild() && FWindowState == wsMaximized));
    FMouseTimer->SetEnabled(true);
    if (OnChangeSkinData) OnChangeSkinData(this);
    FInChangeSkinData = false;

    if (!FRollUpState) ApplyClientSize();
    FBorderLayer.InitFrame(FSD, FForm);
    if (IsLayeredBorderUsed() && FForm->Visible()) {
        FBorderLayer.ShowWithForm();
        FForm->Show();
        FBorderLayer.SetBoundsWithForm();
    }
    // A window manager must hear the limits of the new frame.
    if (HandleReady()) UpdateNativeSizeLimits(FForm->Handle());
}

TRect TbsSkinForm::FrameInsets() const {
    if (IsMaximizedChild() || !IsFramed()) return TRect(0, 0, 0, 0);
    if (!FSkinSupport) return TRect(3, DefCaptionHeight() + 3, 3, 3);
    const TbsSkinData& skin = *FSD;
    return TRect(skin.ClRect.Left, skin.ClRect.Top, skin.FPicture.Width() - skin.ClRect.Right,
                 skin.FPicture.Height() - skin.ClRect.Bottom);
}

void TbsSkinForm::ApplyClientSize() {
    if (FClientWidth <= 0 && FClientHeight <= 0) return;
    // Before the window exists the form knows only the platform's frame: the skinned frame's
    // own thickness decides.
    if (FSkinnableForm && !HandleReady()) {
        const TRect insets = FrameInsets();
        const int w = FClientWidth > 0 ? FClientWidth + insets.Left + insets.Right : FForm->Width();
        const int h =
            FClientHeight > 0 ? FClientHeight + insets.Top + insets.Bottom : FForm->Height();
        FForm->SetBounds(FForm->Left(), FForm->Top(), w, h);
        return;
    }
    if (FClientWidth > 0) FForm->SetClientWidth(FClientWidth);
    if (FClientHeight > 0) FForm->SetClientHeight(FClientHeight);
}

void TbsSkinForm::NudgeFormWidth() {
    const int w = FForm->Width();
    FForm->SetWidth(GetMinWidth() > w - 1 ? w + 1 : w - 1);
    FForm->SetWidth(w);
}

void TbsSkinForm::ClearObjects() {
    ObjectList.clear();
    // Indexes into the list are gone with it.
    ActiveObject = OldActiveObject = MouseCaptureObject = -1;
}

void TbsSkinForm::CreateSkinObjects() {
    ClearObjects();
    if (!FSD) return;
    for (const auto& record : FSD->ObjectList) {
        TbsDataSkinObject* data = record.get();
        // Menu rows and the menu bar's buttons belong to the menus.
        if (dynamic_cast<TbsDataSkinMainMenuItem*>(data) ||
            dynamic_cast<TbsDataSkinMenuItem*>(data) ||
            dynamic_cast<TbsDataSkinMainMenuBarButton*>(data))
            continue;
        std::unique_ptr<TbsActiveSkinObject> object;
        if (auto* std = dynamic_cast<TbsDataSkinStdButton*>(data))
            object = std::make_unique<TbsSkinStdButtonObject>(this, std);
        else if (auto* button = dynamic_cast<TbsDataSkinButton*>(data))
            object = std::make_unique<TbsSkinButtonObject>(this, button);
        else if (auto* caption = dynamic_cast<TbsDataSkinCaption*>(data))
            object = std::make_unique<TbsSkinCaptionObject>(this, caption);
        else if (auto* animate = dynamic_cast<TbsDataSkinAnimate*>(data))
            object = std::make_unique<TbsSkinAnimateObject>(this, animate);
        else if (dynamic_cast<TbsDataUserObject*>(data))
            object = std::make_unique<TbsUserObject>(this, data);
        if (object) ObjectList.push_back(std::move(object));
    }
}

void TbsSkinForm::CreateDefaultButtons() {
    ClearObjects();
    struct TDefault {
        TbsStdCommand Command;
        const char* IDName;
    };
    constexpr TDefault kDefaults[] = {
        { cmClose, "closebutton" },     { cmMaximize, "maxbutton" },
        { cmMinimize, "minbutton" },    { cmRollUp, "rollupbutton" },
        { cmSysMenu, "sysmenubutton" }, { cmMinimizeToTray, "traybutton" },
    };
    for (const TDefault& d : kDefaults) {
        auto button = std::make_unique<TbsSkinStdButtonObject>(this, nullptr);
        button->Command = d.Command;
        button->IDName = d.IDName;
        button->SkinRectInAPicture = true;
        button->SkinRect = button->ActiveSkinRect = button->DownRect = TRect(0, 0, 1, 1);
        button->ObjectRect = button->SkinRect;
        ObjectList.push_back(std::move(button));
    }
    UpdateCaptionButtons();
}

void TbsSkinForm::UpdateCaptionButtons() {
    if (ObjectList.empty()) return;
    if (FHideCaptionButtons) {
        for (auto& object : ObjectList) {
            if (!CommandOf(*object, false)) continue;
            object->Enabled = false;
            object->Visible = !object->SkinRectInAPicture;
        }
        return;
    }
    for (auto& object : ObjectList) {
        const TbsStdCommand* command = CommandOf(*object, true);
        if (!command) continue;
        auto flowButton = [&](TbsBorderIcon icon) {
            const bool on = FBorderIcons.Contains(icon);
            object->Enabled = on;
            object->Visible = on || !object->SkinRectInAPicture;
        };
        switch (*command) {
        case cmMaximize:
            flowButton(biMaximize);
            break;
        case cmMinimize:
            flowButton(biMinimize);
            break;
        case cmRollUp:
            flowButton(biRollUp);
            break;
        case cmMinimizeToTray:
            flowButton(biMinimizeToTray);
            break;
        case cmSysMenu:
            object->Enabled = FBorderIcons.Contains(biSystemMenu) && !FDisableSystemMenu;
            object->Visible = object->Enabled || !object->SkinRectInAPicture;
            break;
        case cmDefault: {
            bool visible = false;
            if (OnActivateCustomObject) OnActivateCustomObject(object->IDName, visible);
            object->Visible = visible;
            break;
        }
        case cmClose:
            break;
        }
    }
    UpdateButtonHints();
}

void TbsSkinForm::UpdateButtonHints() {
    if (!FUseDefaultObjectHint || !FSD) return;
    const std::string restore = SkinString(*FSD, "RESTORE_HINT", "Restore");
    for (auto& object : ObjectList) {
        const TbsStdCommand* command = CommandOf(*object, false);
        if (!command) continue;
        for (const THintText& hint : kHints)
            if (hint.Command == *command) object->Hint = SkinString(*FSD, hint.Key, hint.Text);
        if (auto* button = dynamic_cast<TbsSkinStdButtonObject*>(object.get())) {
            button->FTempHint = button->Hint;
            button->RestoreHint = restore;
        } else if (auto* animation = dynamic_cast<TbsSkinAnimateObject*>(object.get())) {
            animation->FTempHint = animation->Hint;
            animation->RestoreHint = restore;
        }
    }
}

int TbsSkinForm::GetMinWidth() {
    if (!FSkinSupport) return FMinWidth > 0 ? FMinWidth : 120;
    const int picture = FSD->FPicture.Width();
    const bool minimized = FWindowState == wsMinimized;
    if (picture < FMinWidth && !minimized) return FMinWidth;
    if (FSD->FormMinWidth > 0)
        return FSD->FormMinWidth >= FMinWidth || minimized ? FSD->FormMinWidth : FMinWidth;
    return picture;
}

int TbsSkinForm::GetMinHeight() {
    const int frame =
        FSkinSupport ? FSD->FPicture.Height() - FSD->ClRect.Height() : DefCaptionHeight() + 6;
    if (frame >= FMinHeight || FRollUpState || FWindowState == wsMinimized) return frame;
    return FMinHeight;
}

int TbsSkinForm::GetMaxWidth() {
    if (FMaxWidth != 0) return FMaxWidth;
    TRect r(0, 0, 0, 0);
    GetMonitorWorkArea(FormHandle(), !FMaximizeOnFullScreen, r);
    return r.Width();
}

int TbsSkinForm::GetMaxHeight() {
    if (FMaxHeight != 0) return FMaxHeight;
    TRect r(0, 0, 0, 0);
    GetMonitorWorkArea(FormHandle(), !FMaximizeOnFullScreen, r);
    return r.Height();
}
