#include "lib/controls/TbsSkinControl.h"

#include "lib/skindata/bsSkinMessages.h"
#include "platform/win/Messages.h"

namespace {

// Sets a flag for a scope and clears it at the end, whatever happens in between.
class TFlagScope {
public:
    explicit TFlagScope(bool& flag) : FFlag(flag) { FFlag = true; }
    ~TFlagScope() { FFlag = false; }
    TFlagScope(const TFlagScope&) = delete;
    TFlagScope& operator=(const TFlagScope&) = delete;

private:
    bool& FFlag;
};

} // namespace

TbsSkinControl::TbsSkinControl(TComponent* owner) : TbsSkinControlBase(owner) {}

TbsSkinControl::~TbsSkinControl() = default;

void TbsSkinControl::WndProc(TMessage& message) {
    switch (message.Msg) {
    case win::WM_PAINT: {
        const TFlagScope painting(FromWMPaint);
        TbsSkinControlBase::WndProc(message);
        return;
    }
    case win::WM_ERASEBKGND:
        // Paint covers every pixel; erasing first would only flicker.
        return;
    case win::WM_PARENTBGCHANGED:
        CheckParentBackground();
        return;
    default:
        TbsSkinControlBase::WndProc(message);
    }
}
