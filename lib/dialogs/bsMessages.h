#pragma once
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TSet.h"
#include "platform/gfx/TFont.h"

#include <functional>
#include <string>

class TbsSkinData;
class TbsSkinForm;
class TbsSkinCheckRadioBox;
class TbsSkinStdLabel;
class TCustomImageList;

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn {
    mbYes,
    mbNo,
    mbOK,
    mbCancel,
    mbAbort,
    mbRetry,
    mbIgnore,
    mbAll,
    mbNoToAll,
    mbYesToAll,
    mbHelp,
    mbClose
};
using TMsgDlgButtons = TSet<TMsgDlgBtn>;
constexpr int kMsgDlgButtonCount = 12;

// Lets the owner move a positioned box before it is shown.
using TbsMessageSetShowPosEvent = std::function<void(int& x, int& y, int width, int height)>;

// The caption of button i, and the title of a box of the given type: the string table of
// ctrlSkinData when it has one, else the built-in English texts.
std::string MessageButtonCaption(TMsgDlgBtn button, const TbsSkinData* ctrlSkinData);
std::string MessageDialogCaption(TMsgDlgType type, const TbsSkinData* ctrlSkinData);

// One box: a bare form with its own skinned frame, the message label, the icon, the optional
// show-again check box and the buttons.
class TbsMessageForm : public TForm {
public:
    // X below -10000 centres the box on the screen; otherwise it is placed at X, Y.
    TbsMessageForm(TComponent* owner, int x, int y);
    std::string ClassName() const override { return "TbsMessageForm"; }

    // Asks the application to show help for the form's help context; the box stays open.
    void HelpButtonClick(TObject* sender);

    TbsSkinForm* BSF{ nullptr };
    TbsSkinCheckRadioBox* DisplayCheckBox{ nullptr };
    TbsSkinStdLabel* Message{ nullptr };
    int HelpContext{ 0 };
    std::string HelpFile;
};

// Shows modal message boxes drawn by the skin engine; each call builds, shows and frees a
// fresh TbsMessageForm and returns the modal result of the button that closed it.
class TbsSkinMessage : public TComponent {
public:
    explicit TbsSkinMessage(TComponent* owner);
    std::string ClassName() const override { return "TbsSkinMessage"; }

    bool ShowAgainFlag() const { return FShowAgainFlag; }
    void SetShowAgainFlag(bool value) { FShowAgainFlag = value; }
    bool ShowAgainFlagValue() const { return FShowAgainFlagValue; }
    void SetShowAgainFlagValue(bool value) { FShowAgainFlagValue = value; }
    bool AlphaBlend() const { return FAlphaBlend; }
    void SetAlphaBlend(bool value) { FAlphaBlend = value; }
    bool AlphaBlendAnimation() const { return FAlphaBlendAnimation; }
    void SetAlphaBlendAnimation(bool value) { FAlphaBlendAnimation = value; }
    int AlphaBlendValue() const { return FAlphaBlendValue; }
    void SetAlphaBlendValue(int value) { FAlphaBlendValue = value; }
    TbsSkinData* SkinData() const { return FSkinData; }
    void SetSkinData(TbsSkinData* value);
    TbsSkinData* CtrlSkinData() const { return FCtrlSkinData; }
    void SetCtrlSkinData(TbsSkinData* value);
    const std::string& ButtonSkinDataName() const { return FButtonSkinDataName; }
    void SetButtonSkinDataName(const std::string& value) { FButtonSkinDataName = value; }
    const std::string& MessageLabelSkinDataName() const { return FMessageLabelSkinDataName; }
    void SetMessageLabelSkinDataName(const std::string& value) {
        FMessageLabelSkinDataName = value;
    }
    const TFont& DefaultFont() const { return FDefaultFont; }
    void SetDefaultFont(const TFont& value) { FDefaultFont.Assign(value); }
    const TFont& DefaultButtonFont() const { return FDefaultButtonFont; }
    void SetDefaultButtonFont(const TFont& value) { FDefaultButtonFont.Assign(value); }
    bool UseSkinFont() const { return FUseSkinFont; }
    void SetUseSkinFont(bool value) { FUseSkinFont = value; }

    TbsMessageSetShowPosEvent OnSetShowPos;

    int MessageDlg(const std::string& msg, TMsgDlgType type, TMsgDlgButtons buttons, int helpCtx);
    int MessageDlgHelp(const std::string& msg, TMsgDlgType type, TMsgDlgButtons buttons,
                       int helpCtx, const std::string& helpFileName);
    int MessageDlgPos(const std::string& msg, TMsgDlgType type, TMsgDlgButtons buttons, int helpCtx,
                      int x, int y);
    int MessageDlg2(const std::string& msg, const std::string& caption, TMsgDlgType type,
                    TMsgDlgButtons buttons, int helpCtx);
    int MessageDlgHelp2(const std::string& msg, const std::string& caption, TMsgDlgType type,
                        TMsgDlgButtons buttons, int helpCtx, const std::string& helpFileName);
    int CustomMessageDlg(const std::string& msg, const std::string& caption,
                         TCustomImageList* images, int imageIndex, TMsgDlgButtons buttons,
                         int helpCtx);
    int CustomMessageDlgHelp(const std::string& msg, const std::string& caption,
                             TCustomImageList* images, int imageIndex, TMsgDlgButtons buttons,
                             int helpCtx, const std::string& helpFileName);
    int CustomMessageDlgPos(const std::string& msg, const std::string& caption,
                            TCustomImageList* images, int imageIndex, TMsgDlgButtons buttons,
                            int helpCtx, int x, int y);
    // Texts are UTF-8 throughout; the wide calls differ only in never showing the check box.
    int WideMessageDlg(const std::string& msg, TMsgDlgType type, TMsgDlgButtons buttons,
                       int helpCtx);
    int WideMessageDlgPos(const std::string& msg, TMsgDlgType type, TMsgDlgButtons buttons,
                          int helpCtx, int x, int y);

    // Where the box's title and icon come from, and whether it may show the check box.
    struct TBoxContent {
        std::string Text;
        std::string Title;
        TMsgDlgType IconType{ mtCustom };
        TCustomImageList* Images{ nullptr };
        int ImageIndex{ -1 };
        bool FromImageList{ false };
        bool MayShowCheckBox{ true };
    };
    // Builds the box (owned by the application), not yet shown.
    TbsMessageForm* BuildMessageForm(const TBoxContent& content, TMsgDlgButtons buttons, int x,
                                     int y);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TBoxContent Typed(const std::string& msg, TMsgDlgType type) const;
    TBoxContent Captioned(const std::string& msg, const std::string& caption,
                          TMsgDlgType type) const;
    TBoxContent FromImages(const std::string& msg, const std::string& caption,
                           TCustomImageList* images, int imageIndex) const;
    int Run(const TBoxContent& content, TMsgDlgButtons buttons, int helpCtx,
            const std::string& helpFile, int x, int y, bool askShowPos);

    bool FShowAgainFlag{ false };
    bool FShowAgainFlagValue{ false };
    bool FAlphaBlend{ false };
    bool FAlphaBlendAnimation{ false };
    int FAlphaBlendValue{ 200 };
    TbsSkinData* FSkinData{ nullptr };
    TbsSkinData* FCtrlSkinData{ nullptr };
    std::string FButtonSkinDataName{ "button" };
    std::string FMessageLabelSkinDataName{ "stdlabel" };
    TFont FDefaultFont;
    TFont FDefaultButtonFont;
    bool FUseSkinFont{ true };
};
