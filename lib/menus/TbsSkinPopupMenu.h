#pragma once
#include "platform/forms/TMenuItem.h"
#include "platform/gfx/TRect.h"

#include <memory>

class TbsSkinData;
class TbsSkinMenuHost;
class TControl;
class TCustomForm;

// The popup menu that forms and skinned controls place: a platform popup menu whose showing
// never shows a platform menu but finds the form's form-skin component, puts it into skin-menu
// mode and lets its menu engine show the items. Without a form-skin component nothing shows.
class TbsSkinPopupMenu : public TPopupMenu {
public:
    explicit TbsSkinPopupMenu(TComponent* owner);
    ~TbsSkinPopupMenu() override;

    std::string ClassName() const override { return "TbsSkinPopupMenu"; }

    // At the screen point.
    void Popup(int x, int y) override;
    // Below (or, with popupUp, above) the screen rectangle r.
    void PopupFromRect(const TRect& r, bool popupUp);
    // As PopupFromRect, for the control ctrl, which hears when the menu closes.
    void PopupFromRect2(TControl* ctrl, const TRect& r, bool popupUp);
    // As Popup, for the control ctrl; nothing without a skin.
    void Popup2(TControl* ctrl, int x, int y);
    // Shows the menu at the screen point for the control ctrl and waits until it closes; the
    // item chosen, or nil when the menu closed without a choice or could not show. The chosen
    // item's handler does not run: the caller decides what the choice does.
    TMenuItem* TrackPopup(TControl* ctrl, int x, int y);

    // The skin of the menu; unset, it takes the form-skin component's (its menus' skin first)
    // the first time it shows, and keeps it.
    TbsSkinData* SkinData() const { return FSD; }
    void SetSkinData(TbsSkinData* value);
    // The form whose form-skin component shows the menu (the tray menu's form).
    TCustomForm* ComponentForm() const { return FComponentForm; }
    void SetComponentForm(TCustomForm* value);
    // A form-skin component to use directly.
    TComponent* SkinComponent() const { return FSkinComponent; }
    void SetSkinComponent(TComponent* value);

    // Fires once, with the menu engine as sender, when the menu shown closes.
    TNotifyEvent OnMenuClose;

    void Notification(TComponent* component, TOperation operation) override;

private:
    // The form-skin component that shows the menu, nil when none is found.
    TbsSkinMenuHost* FindHost() const;
    // Runs OnPopup and puts the host that is to show the menu into skin-menu mode; nil (and
    // nothing shown) when there is none, or no skin where one is needed.
    TbsSkinMenuHost* OpenHost(bool needsSkin);
    void Show(TControl* ctrl, const TRect& r, bool popupUp, bool needsSkin);

    TbsSkinData* FSD{ nullptr };
    TCustomForm* FComponentForm{ nullptr };
    TComponent* FSkinComponent{ nullptr };
    // Cleared when the menu goes: a handler run while the menu is tracked may free it.
    std::shared_ptr<bool> FAlive{ std::make_shared<bool>(true) };
};
