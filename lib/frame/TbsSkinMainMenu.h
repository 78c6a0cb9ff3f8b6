#pragma once
#include "platform/forms/TMenuItem.h"

class TbsSkinData;

// A main menu that names the skin its menus are drawn with when a frame button opens it.
class TbsSkinMainMenu : public TMainMenu {
public:
    using TMainMenu::TMainMenu;

    std::string ClassName() const override { return "TbsSkinMainMenu"; }

    // A reference, cleared when the skin object goes.
    TbsSkinData* SkinData() const { return FSD; }
    void SetSkinData(TbsSkinData* value);

    void Notification(TComponent* component, TOperation operation) override;

private:
    TbsSkinData* FSD{ nullptr };
};
