#pragma once
#include "lib/controls/TbsSkinControlBase.h"
#include "platform/win/WinDefs.h"

// The base of every windowed skinned control: a control bound to one element record of a
// skin, painted whole from an off-screen bitmap, never erased.
class TbsSkinControl : public TbsSkinControlBase<TCustomControl> {
public:
    explicit TbsSkinControl(TComponent* owner);
    ~TbsSkinControl() override;

    std::string ClassName() const override { return "TbsSkinControl"; }

    // A hook after a skin change; nothing in the system calls it.
    virtual void AfterChangeSkinData() {}

    void WndProc(TMessage& message) override;

    // True while the control handles WM_PAINT: a descendant that paints itself into the erase
    // DC on WM_ERASEBKGND does so only when it is false.
    bool FromWMPaint{ false };

protected:
    // The reaction to WM_PARENTBGCHANGED; nothing here.
    virtual void CheckParentBackground() {}

    // The window region last handed to the window (which owns it), null when none.
    win::HRGN FRgn{};
};
