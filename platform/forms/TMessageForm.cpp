#include "platform/forms/TMessageForm.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TButton.h"
#include "platform/forms/TGraphicControl.h"
#include "platform/forms/TTextMeasure.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/TextDraw.h"
#include "platform/gfx/TextFlags.h"
#include "platform/win/StandardIcons.h"
#include <algorithm>
#include <vector>

using namespace win;

namespace {

constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 8;
constexpr int kMaxTextWidth = 480;
constexpr int kMinTextWidth = 160;

class TMessageText : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;

protected:
    void Paint() override {
        Canvas().Brush().SetStyle(bsClear);
        RECT rr = TRect(0, 0, Width(), Height());
        DrawText(Canvas().Handle(), Caption(), &rr, DT_WORDBREAK | DT_NOPREFIX);
    }
};

// The picture beside the text: the system icon of the message's kind.
class TMessageIcon : public TGraphicControl {
public:
    TMessageIcon(TComponent* owner, unsigned icon) : TGraphicControl(owner), FIcon(icon) {}

protected:
    void Paint() override {
        DrawIconEx(Canvas().Handle(), 0, 0, LoadIcon(nullptr, SystemIconId(FIcon)), Width(),
                   Height(), 0, nullptr, DI_NORMAL);
    }

private:
    static UINT_PTR SystemIconId(unsigned icon) {
        switch (icon) {
        case MB_ICONHAND:
            return IDI_HAND;
        case MB_ICONQUESTION:
            return IDI_QUESTION;
        case MB_ICONEXCLAMATION:
            return IDI_EXCLAMATION;
        default:
            return IDI_ASTERISK;
        }
    }

    unsigned FIcon;
};

struct TButtonSpec {
    const char* name;
    const char* caption;
    TModalResult result;
};

const TButtonSpec kOk{ "OKButton", "OK", mrOk };
const TButtonSpec kCancel{ "CancelButton", "Cancel", mrCancel };
const TButtonSpec kAbort{ "AbortButton", "&Abort", mrAbort };
const TButtonSpec kRetry{ "RetryButton", "&Retry", mrRetry };
const TButtonSpec kIgnore{ "IgnoreButton", "&Ignore", mrIgnore };
const TButtonSpec kYes{ "YesButton", "&Yes", mrYes };
const TButtonSpec kNo{ "NoButton", "&No", mrNo };

std::vector<TButtonSpec> ButtonSet(unsigned type) {
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return { kOk, kCancel };
    case MB_ABORTRETRYIGNORE:
        return { kAbort, kRetry, kIgnore };
    case MB_YESNOCANCEL:
        return { kYes, kNo, kCancel };
    case MB_YESNO:
        return { kYes, kNo };
    case MB_RETRYCANCEL:
        return { kRetry, kCancel };
    default:
        return { kOk };
    }
}

// The text's width and height when wrapped at the widest line the box allows.
TSize MeasureText(const TFont& font, const std::string& text) {
    TTextMeasure measure(font);
    int width = 0;
    int lines = 0;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const int w = measure.Width(std::string_view(text).substr(start, end - start));
        width = std::max(width, std::min(w, kMaxTextWidth));
        // A line longer than the box wraps; one row more for the word that no longer fits.
        lines += w > kMaxTextWidth ? w / kMaxTextWidth + 1 : 1;
        start = end + 1;
    }
    return TSize{ std::max(width, kMinTextWidth), lines * measure.Height() };
}

} // namespace

TMessageForm::TMessageForm(TComponent* owner, const std::string& text, const std::string& caption,
                           unsigned type)
    : TCustomForm(owner), FMessage(text) {
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetCaption(caption);
    const unsigned icon = type & MB_ICONMASK;
    const bool hasIcon = icon == MB_ICONHAND || icon == MB_ICONQUESTION ||
                         icon == MB_ICONEXCLAMATION || icon == MB_ICONASTERISK;
    int textLeft = kMargin;
    if (hasIcon) {
        auto* image = new TMessageIcon(this, icon);
        image->SetName("Icon");
        image->SetParent(this);
        image->SetBounds(kMargin, kMargin, kIconSize, kIconSize);
        textLeft += kIconSize + kMargin;
    }
    const TSize size = MeasureText(Font(), text);
    auto* label = new TMessageText(this);
    label->SetName("Message");
    label->SetCaption(text);
    label->SetParent(this);
    label->SetBounds(textLeft, kMargin, size.cx, size.cy);
    const int bodyHeight = std::max(size.cy, hasIcon ? kIconSize : 0);
    const int count = int(ButtonSet(type).size());
    const int rowWidth = count * kButtonWidth + (count - 1) * kButtonGap;
    const int clientWidth = std::max(textLeft + size.cx + kMargin, rowWidth + 2 * kMargin);
    SetClientWidth(clientWidth);
    SetClientHeight(bodyHeight + kButtonHeight + kMargin * 3);
    AddButtons(type, kMargin * 2 + bodyHeight);
}

void TMessageForm::AddButtons(unsigned type, int top) {
    const std::vector<TButtonSpec> set = ButtonSet(type);
    const int count = int(set.size());
    const int rowWidth = count * kButtonWidth + (count - 1) * kButtonGap;
    const int defaultIndex =
        int((type & MB_DEFMASK) >> 8) < count ? int((type & MB_DEFMASK) >> 8) : 0;
    int left = (ClientWidth() - rowWidth) / 2;
    for (int i = 0; i < count; ++i) {
        auto* button = new TButton(this);
        button->SetName(set[i].name);
        button->SetCaption(set[i].caption);
        button->SetModalResult(set[i].result);
        button->SetParent(this);
        button->SetBounds(left, top, kButtonWidth, kButtonHeight);
        left += kButtonWidth + kButtonGap;
        if (set[i].result == mrCancel || count == 1) FCancelButton = button;
        if (i == defaultIndex) {
            button->SetDefault(true);
            SetActiveControl(button);
        }
    }
    if (FCancelButton) FCancelButton->SetCancel(true);
}

bool TMessageForm::CloseQuery() {
    // Closing the window of a running box sets Cancel; a box without that button answers with
    // the one Escape would click, or stays until the user picks an answer.
    // A program that ends takes the box down with it.
    const bool ending = Application && Application->Terminated();
    if (FormState().Contains(fsModal) && ModalResult() == mrCancel && !ending) {
        if (!FCancelButton) return false;
        SetModalResult(FCancelButton->ModalResult());
    }
    return TCustomForm::CloseQuery();
}
