#pragma once
#include "platform/forms/TGraphicControl.h"

// A bar between a control aligned to a side of its parent and the rest: dragging it resizes
// that control, never below MinSize and never squeezing the rest below MinSize. OnCanResize may
// change or refuse a new size; OnMoved fires when the drag ends.
class TSplitter : public TGraphicControl {
public:
    explicit TSplitter(TComponent* owner);
    ~TSplitter() override;

    std::string ClassName() const override { return "TSplitter"; }

    int MinSize() const { return FMinSize; }
    void SetMinSize(int value) { FMinSize = std::max(1, value); }
    bool Beveled() const { return FBeveled; }
    void SetBeveled(bool value);
    // The control the splitter resizes: the one aligned like it, right before it.
    TControl* ResizeControl() const;

    std::function<void(TObject* sender, int& newSize, bool& accept)> OnCanResize;
    TNotifyEvent OnMoved;

    void WndProc(TMessage& message) override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    bool Horizontal() const { return Align() == alLeft || Align() == alRight; }
    // How large the control may grow: what the other side-aligned controls leave, less MinSize.
    int MaxSize() const;
    int SizeOf(const TControl* control) const;
    // Named apart from TControl::Resize, which a Resize of its own would hide.
    void SetControlSize(int size);

    int FMinSize{ 30 };
    bool FBeveled{ false };
    TControl* FControl{ nullptr };
    int FStartSize{ 0 };
    TPoint FStart;
};
