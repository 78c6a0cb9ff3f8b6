#include "platform/forms/TMessageForm.h"
#include "platform/forms/TCustomControl.h"
#include "platform/forms/TGraphicControl.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/TextDraw.h"
#include "platform/gfx/TextFlags.h"
#include "platform/win/Input.h"
#include <algorithm>

using namespace win;

namespace {

constexpr int kMargin = 12;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;

class TMessageText : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;

protected:
    void Paint() override {
        Canvas().Brush().SetStyle(bsClear);
        TRect r(0, 0, Width(), Height());
        RECT rr = r;
        DrawText(Canvas().Handle(), Caption(), &rr, DT_WORDBREAK | DT_NOPREFIX);
    }
};

// Ends the box with its modal result when clicked, or on Enter and Escape through the form.
class TMessageButton : public TCustomControl {
public:
    explicit TMessageButton(TComponent* owner) : TCustomControl(owner) { SetTabStop(true); }

    void WndProc(TMessage& m) override {
        if (m.Msg == CM_DIALOGKEY && (m.WParam == VK_RETURN || m.WParam == VK_ESCAPE)) {
            Click();
            m.Result = 1;
            return;
        }
        TCustomControl::WndProc(m);
    }
    void Click() override {
        if (auto* form = GetParentForm(this)) form->SetModalResult(mrOk);
        TCustomControl::Click();
    }

protected:
    void Paint() override {
        TRect r(0, 0, Width(), Height());
        Canvas().Brush().SetColor(clBtnFace);
        Canvas().Rectangle(r);
        RECT rr = r;
        Canvas().Brush().SetStyle(bsClear);
        DrawText(Canvas().Handle(), Caption(), &rr, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
};

} // namespace

TMessageForm::TMessageForm(TComponent* owner, const std::string& text, const std::string& caption)
    : TCustomForm(owner), FMessage(text) {
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetCaption(caption);
    auto* label = new TMessageText(this);
    label->SetName("Message");
    label->SetCaption(text);
    label->SetParent(this);
    // Wide enough for the text at the canvas's measure, within a sensible band.
    const int textWidth = std::clamp(int(text.size()) * 7, 200, 480);
    const int lines =
        1 + int(text.size()) * 7 / 480 + int(std::count(text.begin(), text.end(), '\n'));
    const int textHeight = 16 * lines;
    label->SetBounds(kMargin, kMargin, textWidth, textHeight);
    auto* ok = new TMessageButton(this);
    ok->SetName("OKButton");
    ok->SetCaption("OK");
    ok->SetParent(this);
    const int clientWidth = textWidth + 2 * kMargin;
    ok->SetBounds((clientWidth - kButtonWidth) / 2, kMargin * 2 + textHeight, kButtonWidth,
                  kButtonHeight);
    SetBounds(0, 0, clientWidth, textHeight + kButtonHeight + kMargin * 3);
    SetActiveControl(ok);
}
