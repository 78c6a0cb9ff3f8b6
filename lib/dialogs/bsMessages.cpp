#include "lib/dialogs/bsMessages.h"

#include "lib/controls/TbsSkinButton.h"
#include "lib/controls/TbsSkinCheckRadioBox.h"
#include "lib/controls/TbsSkinStdLabel.h"
#include "lib/frame/TbsSkinForm.h"
#include "lib/skindata/TbsResourceStrData.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindata/bsSkinControlRecords.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TImage.h"
#include "platform/forms/TImageList.h"
#include "platform/forms/TTextMeasure.h"
#include "platform/win/StandardIcons.h"

#include <algorithm>
#include <array>

namespace {

struct TButtonFacts {
    const char* Name;
    const char* Key;
    const char* Caption;
    TModalResult Result;
};

constexpr std::array<TButtonFacts, kMsgDlgButtonCount> kButtons{ {
    { "Yes", "MSG_BTN_YES", "&Yes", mrYes },
    { "No", "MSG_BTN_NO", "&No", mrNo },
    { "OK", "MSG_BTN_OK", "OK", mrOk },
    { "Cancel", "MSG_BTN_CANCEL", "Cancel", mrCancel },
    { "Abort", "MSG_BTN_ABORT", "&Abort", mrAbort },
    { "Retry", "MSG_BTN_RETRY", "&Retry", mrRetry },
    { "Ignore", "MSG_BTN_IGNORE", "&Ignore", mrIgnore },
    { "All", "MSG_BTN_ALL", "&All", mrAll },
    { "NoToAll", "MSG_BTN_NOTOALL", "N&oToAll", mrNoToAll },
    { "YesToAll", "MSG_BTN_YESTOALL", "&YesToAll", mrYesToAll },
    { "Help", "MSG_BTN_HELP", "&Help", mrNone },
    { "Close", "MSG_BTN_CLOSE", "Close", 11 },
} };

struct TTypeFacts {
    const char* Key;
    const char* Caption;
};

constexpr std::array<TTypeFacts, 4> kTypes{ {
    { "MSG_CAP_WARNING", "Warning" },
    { "MSG_CAP_ERROR", "Error" },
    { "MSG_CAP_INFORMATION", "Information" },
    { "MSG_CAP_CONFIRM", "Confirm" },
} };

constexpr const char* kShowFlagKey = "MSG_CAP_SHOWFLAG";
constexpr const char* kShowFlagCaption = "Do not display this message again";

constexpr int kButtonWidth = 70;
constexpr int kButtonGap = 10;
constexpr int kPlainButtonHeight = 25;
constexpr int kCentred = -10001;

TbsResourceStrData* StringTable(const TbsSkinData* skin) {
    return skin ? skin->ResourceStrData() : nullptr;
}

// The height of the skin's button record, 25 without one.
int ButtonHeight(const TbsSkinData* skin, const std::string& name) {
    if (!skin || skin->Empty) return kPlainButtonHeight;
    const int index = skin->GetControlIndex(name);
    if (index < 0) return kPlainButtonHeight;
    const auto* record = dynamic_cast<const TbsDataSkinButtonControl*>(skin->CtrlList[index].get());
    return record ? record->SkinRect.Height() : kPlainButtonHeight;
}

TFont ArialFont() {
    TFont font;
    font.SetName("Arial");
    font.SetHeight(14);
    return font;
}

// The system icon shown for a box of the type; 0 for none.
win::UINT_PTR SystemIconId(TMsgDlgType type) {
    switch (type) {
    case mtWarning:
        return win::IDI_EXCLAMATION;
    case mtError:
        return win::IDI_HAND;
    case mtInformation:
        return win::IDI_ASTERISK;
    case mtConfirmation:
        return win::IDI_QUESTION;
    default:
        return 0;
    }
}

// The 32 x 32 icon area; a type without an icon leaves it empty.
void AddSystemIcon(TbsMessageForm& form, TMsgDlgType type, int top) {
    auto* image = new TImage(&form);
    image->SetName("Image");
    image->SetParent(&form);
    image->SetBounds(5, top, 32, 32);
    if (const win::HICON icon = win::LoadIcon(nullptr, SystemIconId(type)))
        image->Picture().Icon().SetHandle(
            static_cast<win::HICON>(win::CopyImage(icon, win::IMAGE_ICON, 0, 0, 0)));
}

// The list's picture at its own size, with the list's transparent pixels clear; nothing at all
// for an index the list does not hold.
void AddListImage(TbsMessageForm& form, TCustomImageList* images, int index, int top) {
    if (!images || index < 0 || index >= images->Count()) return;
    // Nothing the list draws is this colour once its transparent pixels are keyed to it.
    constexpr TColor kClear = clFuchsia;
    auto* image = new TImage(&form);
    image->SetName("Image");
    image->SetParent(&form);
    TBitmap& bitmap = image->Picture().Bitmap();
    bitmap.SetSize(images->Width(), images->Height());
    bitmap.Canvas().Brush().SetColor(kClear);
    bitmap.Canvas().FillRect(TRect(0, 0, images->Width(), images->Height()));
    images->Draw(bitmap.Canvas(), 0, 0, index);
    bitmap.SetTransparentColor(kClear);
    image->SetTransparent(true);
    image->SetBounds(5, top, images->Width(), images->Height());
}

} // namespace

std::string MessageButtonCaption(TMsgDlgBtn button, const TbsSkinData* ctrlSkinData) {
    const TButtonFacts& facts = kButtons[button];
    if (const TbsResourceStrData* table = StringTable(ctrlSkinData))
        return table->GetResStr(facts.Key);
    return facts.Caption;
}

std::string MessageDialogCaption(TMsgDlgType type, const TbsSkinData* ctrlSkinData) {
    if (type == mtCustom) return {};
    const TTypeFacts& facts = kTypes[type];
    if (const TbsResourceStrData* table = StringTable(ctrlSkinData))
        return table->GetResStr(facts.Key);
    return facts.Caption;
}

TbsMessageForm::TbsMessageForm(TComponent* owner, int x, int y) : TForm(owner) {
    SetBorderStyle(bsDialog);
    SetKeyPreview(true);
    if (x < -10000) {
        SetPosition(poScreenCenter);
    } else {
        SetLeft(x);
        SetTop(y);
    }
    BSF = new TbsSkinForm(this);
    BSF->SetBorderIcons({});
}

void TbsMessageForm::HelpButtonClick(TObject*) {
    if (Application) Application->HelpContext(HelpContext);
}

TbsSkinMessage::TbsSkinMessage(TComponent* owner)
    : TComponent(owner), FDefaultFont(ArialFont()), FDefaultButtonFont(ArialFont()) {}

void TbsSkinMessage::SetSkinData(TbsSkinData* value) {
    FSkinData = value;
    if (value) value->FreeNotification(this);
}

void TbsSkinMessage::SetCtrlSkinData(TbsSkinData* value) {
    FCtrlSkinData = value;
    if (value) value->FreeNotification(this);
}

void TbsSkinMessage::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == FSkinData) FSkinData = nullptr;
    if (component == FCtrlSkinData) FCtrlSkinData = nullptr;
}

TbsMessageForm* TbsSkinMessage::BuildMessageForm(const TBoxContent& content, TMsgDlgButtons buttons,
                                                 int x, int y) {
    auto* form = new TbsMessageForm(Application, x, y);
    form->BSF->SetSkinData(FSkinData);
    form->BSF->SetMenusSkinData(FCtrlSkinData);
    form->BSF->SetAlphaBlend(FAlphaBlend);
    form->BSF->SetAlphaBlendAnimation(FAlphaBlendAnimation);
    form->BSF->SetAlphaBlendValue(FAlphaBlendValue);

    const int buttonHeight = ButtonHeight(FCtrlSkinData, FButtonSkinDataName);
    int count = 0;
    for (int i = 0; i < kMsgDlgButtonCount; ++i)
        if (buttons.Contains(TMsgDlgBtn(i))) ++count;
    const int rowWidth = count ? count * kButtonWidth + (count - 1) * kButtonGap : 0;

    form->SetCaption(content.Title);

    auto* label = new TbsSkinStdLabel(form);
    label->SetName("Message");
    label->Font().Assign(FDefaultFont);
    label->SetDefaultFont(FDefaultFont);
    label->SetUseSkinFont(FUseSkinFont);
    label->SetSkinDataName(FMessageLabelSkinDataName);
    label->SetSkinData(FCtrlSkinData);
    label->SetAutoSize(true);
    label->SetParent(form);
    label->SetCaption(content.Text);
    label->SetLeft(50);
    label->SetTop(15);
    form->Message = label;
    const int labelRight = label->Left() + label->Width();
    const int iconTop = label->Top() + label->Height() / 2 - 16;

    if (content.FromImageList)
        AddListImage(*form, content.Images, content.ImageIndex, iconTop);
    else
        AddSystemIcon(*form, content.IconType, std::max(10, iconTop));

    form->SetClientHeight(buttonHeight + label->Height() + 50);
    form->SetClientWidth(rowWidth < labelRight ? labelRight + 40 : rowWidth + 40);

    if (FShowAgainFlag && content.MayShowCheckBox) {
        form->SetClientHeight(form->ClientHeight() + 40);
        auto* box = new TbsSkinCheckRadioBox(form);
        box->SetName("checkbox");
        box->SetDefaultHeight(30);
        box->SetChecked(!FShowAgainFlagValue);
        box->SetDefaultFont(FDefaultFont);
        box->SetUseSkinFont(FUseSkinFont);
        box->SetSkinData(FCtrlSkinData);
        std::string caption = kShowFlagCaption;
        if (const TbsResourceStrData* table = StringTable(FCtrlSkinData)) {
            const std::string text = table->GetResStr(kShowFlagKey);
            if (!text.empty()) caption = text;
        }
        box->SetCaption(caption);
        TFont measureFont;
        measureFont.Assign(FDefaultFont);
        if (FUseSkinFont && FCtrlSkinData && box->FIndex >= 0) {
            if (const auto* record = dynamic_cast<const TbsDataSkinCheckRadioControl*>(
                    FCtrlSkinData->CtrlList[box->FIndex].get())) {
                measureFont.SetName(record->FontName);
                measureFont.SetHeight(record->FontHeight);
            }
        }
        const int textWidth = TTextMeasure(measureFont).Width(caption);
        if (form->ClientWidth() < textWidth + 60) form->SetClientWidth(textWidth + 60);
        box->SetParent(form);
        box->SetBounds(5, form->ClientHeight() - buttonHeight - 50, textWidth + 55, 30);
        form->DisplayCheckBox = box;
    }

    const int maxWidth = form->BSF->GetMaxWidth();
    const int minWidth = form->BSF->GetMinWidth();
    if (maxWidth < form->Width()) {
        form->SetWidth(maxWidth);
        // Cut without wrapping, the end of the text would be lost: the label wraps to the
        // width left, and what sits below it moves down by the lines it gained.
        const int oneLine = label->Height();
        label->SetWordWrap(true);
        label->SetWidth(std::max(1, form->ClientWidth() - label->Left() - 40));
        const int grown = label->Height() - oneLine;
        form->SetClientHeight(form->ClientHeight() + grown);
        if (form->DisplayCheckBox)
            form->DisplayCheckBox->SetTop(form->DisplayCheckBox->Top() + grown);
    } else if (form->Width() < minWidth)
        form->SetWidth(minWidth);

    const auto first = [&](std::initializer_list<TMsgDlgBtn> order) {
        for (TMsgDlgBtn b : order)
            if (buttons.Contains(b)) return int(b);
        return -1;
    };
    const int defaultButton = first({ mbOK, mbYes, mbRetry });
    const int cancelButton = first({ mbCancel, mbNo, mbOK });

    int x0 = (form->ClientWidth() - rowWidth) / 2;
    const int top = form->ClientHeight() - buttonHeight - 10;
    for (int i = 0; i < kMsgDlgButtonCount; ++i) {
        if (!buttons.Contains(TMsgDlgBtn(i))) continue;
        auto* button = new TbsSkinButton(form);
        button->SetName(kButtons[i].Name);
        button->SetModalResult(kButtons[i].Result);
        button->SetCanFocused(true);
        button->SetCaption(MessageButtonCaption(TMsgDlgBtn(i), FCtrlSkinData));
        button->SetDefault(i == defaultButton);
        button->SetCancel(i == cancelButton);
        button->SetDefaultHeight(buttonHeight);
        button->SetDefaultFont(FDefaultButtonFont);
        button->SetUseSkinFont(FUseSkinFont);
        button->SetSkinDataName(FButtonSkinDataName);
        button->SetSkinData(FCtrlSkinData);
        button->SetParent(form);
        button->SetBounds(x0, top, kButtonWidth, buttonHeight);
        if (i == mbHelp)
            button->OnClick = [form](TObject* sender) { form->HelpButtonClick(sender); };
        x0 += kButtonWidth + kButtonGap;
    }
    return form;
}

TbsSkinMessage::TBoxContent TbsSkinMessage::Typed(const std::string& msg, TMsgDlgType type) const {
    TBoxContent content;
    content.Text = msg;
    content.Title = type == mtCustom ? (Application ? Application->Title() : std::string())
                                     : MessageDialogCaption(type, FCtrlSkinData);
    content.IconType = type;
    return content;
}

TbsSkinMessage::TBoxContent TbsSkinMessage::Captioned(const std::string& msg,
                                                      const std::string& caption,
                                                      TMsgDlgType type) const {
    TBoxContent content;
    content.Text = msg;
    content.Title = caption;
    content.IconType = type;
    return content;
}

TbsSkinMessage::TBoxContent TbsSkinMessage::FromImages(const std::string& msg,
                                                       const std::string& caption,
                                                       TCustomImageList* images,
                                                       int imageIndex) const {
    TBoxContent content;
    content.Text = msg;
    content.Title = caption;
    content.Images = images;
    content.ImageIndex = imageIndex;
    content.FromImageList = true;
    return content;
}

int TbsSkinMessage::Run(const TBoxContent& content, TMsgDlgButtons buttons, int helpCtx,
                        const std::string& helpFile, int x, int y, bool askShowPos) {
    TbsMessageForm* form = BuildMessageForm(content, buttons, x, y);
    form->HelpContext = helpCtx;
    form->HelpFile = helpFile;
    int result = mrNone;
    try {
        if (askShowPos && OnSetShowPos) {
            int ax = form->Left();
            int ay = form->Top();
            OnSetShowPos(ax, ay, form->Width(), form->Height());
            form->SetLeft(ax);
            form->SetTop(ay);
        }
        result = form->ShowModal();
    } catch (...) {
        if (form->DisplayCheckBox) FShowAgainFlagValue = !form->DisplayCheckBox->Checked();
        delete form;
        throw;
    }
    if (form->DisplayCheckBox) FShowAgainFlagValue = !form->DisplayCheckBox->Checked();
    delete form;
    return result;
}

int TbsSkinMessage::MessageDlg(const std::string& msg, TMsgDlgType type, TMsgDlgButtons buttons,
                               int helpCtx) {
    return Run(Typed(msg, type), buttons, helpCtx, {}, kCentred, kCentred, false);
}

int TbsSkinMessage::MessageDlgHelp(const std::string& msg, TMsgDlgType type, TMsgDlgButtons buttons,
                                   int helpCtx, const std::string& helpFileName) {
    return Run(Typed(msg, type), buttons, helpCtx, helpFileName, kCentred, kCentred, false);
}

int TbsSkinMessage::MessageDlgPos(const std::string& msg, TMsgDlgType type, TMsgDlgButtons buttons,
                                  int helpCtx, int x, int y) {
    return Run(Typed(msg, type), buttons, helpCtx, {}, x, y, true);
}

int TbsSkinMessage::MessageDlg2(const std::string& msg, const std::string& caption,
                                TMsgDlgType type, TMsgDlgButtons buttons, int helpCtx) {
    return Run(Captioned(msg, caption, type), buttons, helpCtx, {}, kCentred, kCentred, false);
}

int TbsSkinMessage::MessageDlgHelp2(const std::string& msg, const std::string& caption,
                                    TMsgDlgType type, TMsgDlgButtons buttons, int helpCtx,
                                    const std::string& helpFileName) {
    return Run(Captioned(msg, caption, type), buttons, helpCtx, helpFileName, kCentred, kCentred,
               false);
}

int TbsSkinMessage::CustomMessageDlg(const std::string& msg, const std::string& caption,
                                     TCustomImageList* images, int imageIndex,
                                     TMsgDlgButtons buttons, int helpCtx) {
    return Run(FromImages(msg, caption, images, imageIndex), buttons, helpCtx, {}, kCentred,
               kCentred, false);
}

int TbsSkinMessage::CustomMessageDlgHelp(const std::string& msg, const std::string& caption,
                                         TCustomImageList* images, int imageIndex,
                                         TMsgDlgButtons buttons, int helpCtx,
                                         const std::string& helpFileName) {
    return Run(FromImages(msg, caption, images, imageIndex), buttons, helpCtx, helpFileName,
               kCentred, kCentred, false);
}

int TbsSkinMessage::CustomMessageDlgPos(const std::string& msg, const std::string& caption,
                                        TCustomImageList* images, int imageIndex,
                                        TMsgDlgButtons buttons, int helpCtx, int x, int y) {
    return Run(FromImages(msg, caption, images, imageIndex), buttons, helpCtx, {}, x, y, true);
}

int TbsSkinMessage::WideMessageDlg(const std::string& msg, TMsgDlgType type, TMsgDlgButtons buttons,
                                   int helpCtx) {
    TBoxContent content = Typed(msg, type);
    content.MayShowCheckBox = false;
    return Run(content, buttons, helpCtx, {}, kCentred, kCentred, false);
}

int TbsSkinMessage::WideMessageDlgPos(const std::string& msg, TMsgDlgType type,
                                      TMsgDlgButtons buttons, int helpCtx, int x, int y) {
    TBoxContent content = Typed(msg, type);
    content.MayShowCheckBox = false;
    return Run(content, buttons, helpCtx, {}, x, y, false);
}
