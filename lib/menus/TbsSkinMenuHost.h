#pragma once

class TbsSkinData;
class TbsSkinMenu;
class TComponent;

// What a popup menu needs of the form-skin component of the form that shows it: the menu
// engine, the skins it offers and its skin-menu mode. The form-skin component implements it;
// tests pass a fake. A component of a form that implements it is that form's menu host.
class TbsSkinMenuHost {
public:
    // The engine through which every skinned menu of the form is shown.
    virtual TbsSkinMenu& SkinMenu() = 0;
    // The skin of the form's frame, and the one its menus prefer (nil: the frame's).
    virtual TbsSkinData* SkinData() const = 0;
    virtual TbsSkinData* MenusSkinData() const = 0;
    // Enter and leave skin-menu mode: while in it the host sends the form's keys to the open
    // menu and closes the menu on the messages IsMenuCloseMessage lists.
    virtual void SkinMenuOpen() = 0;
    virtual void SkinMenuClose() = 0;

protected:
    ~TbsSkinMenuHost() = default;
};

// The first component owned by owner that is a menu host, or nil.
TbsSkinMenuHost* FindSkinFormComponent(TComponent* owner);
