#pragma once
#include "platform/forms/TComponent.h"
#include "platform/gfx/TFont.h"

#include <string>

class TbsSkinData;
class TbsSkinForm;
class TCustomForm;

// What every skinned dialog component holds without a window of its own: the skin of the
// dialog's frame, the skin of its controls (whose string table gives the captions), the frame's
// alpha settings, the controls' font and the caption. Each Execute hands these to a fresh form.
class TbsDialogComponent : public TComponent {
public:
    TbsSkinData* SkinData() const { return FSkinData; }
    void SetSkinData(TbsSkinData* value);
    TbsSkinData* CtrlSkinData() const { return FCtrlSkinData; }
    void SetCtrlSkinData(TbsSkinData* value);
    bool AlphaBlend() const { return FAlphaBlend; }
    void SetAlphaBlend(bool value) { FAlphaBlend = value; }
    int AlphaBlendValue() const { return FAlphaBlendValue; }
    void SetAlphaBlendValue(int value) { FAlphaBlendValue = value; }
    bool AlphaBlendAnimation() const { return FAlphaBlendAnimation; }
    void SetAlphaBlendAnimation(bool value) { FAlphaBlendAnimation = value; }
    const TFont& DefaultFont() const { return FDefaultFont; }
    TFont& DefaultFont() { return FDefaultFont; }
    void SetDefaultFont(const TFont& value) { FDefaultFont.Assign(value); }
    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& value) { FTitle = value; }

protected:
    TbsDialogComponent(TComponent* owner, std::string title, int alphaBlendValue);

    void Notification(TComponent* component, TOperation operation) override;
    // Captions the form and gives its frame the skins and alpha settings: no border icons, the
    // controls' skin for the frame's menus.
    void PrepareFrame(TCustomForm& form, TbsSkinForm& frame) const;
    // Gives the form the client size asked for, raised to what the skinned frame needs. The
    // window is made first, since the frame's share is known only then.
    void SetClientSize(TCustomForm& form, TbsSkinForm& frame, int width, int height) const;

    // Ends an Execute however it leaves: calls onClose when given and set, then frees the
    // form and forgets it.
    template <typename TDlgForm>
    struct TExecuteEnd {
        TbsDialogComponent& Dialog;
        TDlgForm*& Form;
        const TNotifyEvent* OnClose{ nullptr };
        ~TExecuteEnd() {
            if (OnClose && *OnClose) (*OnClose)(&Dialog);
            delete Form;
            Form = nullptr;
        }
    };

private:
    TbsSkinData* FSkinData{ nullptr };
    TbsSkinData* FCtrlSkinData{ nullptr };
    bool FAlphaBlend{ false };
    int FAlphaBlendValue;
    bool FAlphaBlendAnimation{ false };
    TFont FDefaultFont;
    std::string FTitle;
};
