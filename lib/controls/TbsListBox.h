#pragma once
#include "platform/forms/TListBox.h"

class TbsSkinCustomListBox;

// The list inside a skinned list box: an owner-drawn list without frame or non-client area, so
// that its own scroll bars take no room and are never drawn while its scroll range and position
// stay readable for the owner's skinned bars. It reports its input to the owner and tells it
// whenever its content or scroll state may have changed.
class TbsListBox : public TListBox {
public:
    explicit TbsListBox(TComponent* owner);

    std::string ClassName() const override { return "TbsListBox"; }

    void WndProc(TMessage& message) override;

    // The skinned list box that owns this list; nullptr when used alone.
    TbsSkinCustomListBox* SkinListBox{ nullptr };
    // How far the rows are scrolled to the left, in pixels.
    int FHorizontalExtentValue{ 0 };

    // A wider list needs less of the rows scrolled away.
    void SetBounds(int left, int top, int width, int height) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    // With an owner, the input goes to it first.
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(unsigned short& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void Click() override;
    void DblClick() override;
    // With an owner: every visible row drawn with the owner's look, then the background below.
    void Paint() override;
};
