#pragma once
#include "platform/forms/TCustomControl.h"
#include "platform/forms/TMenuItem.h"
#include <functional>
#include <memory>

// The sub-items of a menu item in a window of its own above everything else. It holds the
// pointer while open: a click on an item closes every open drop-down and runs the item, a click
// anywhere outside closes them. Keys reach it through HandleKey from the control that opened it.
class TMenuDropDown : public TCustomControl {
public:
    static constexpr int kItemHeight = 22;
    static constexpr int kLineHeight = 7;

    // onClosed runs once every drop-down of the chain has closed, before a chosen item runs.
    TMenuDropDown(TMenuItem* items, std::function<void()> onClosed,
                  TMenuDropDown* parentDrop = nullptr);
    ~TMenuDropDown() override;
    std::string ClassName() const override { return "TMenuDropDown"; }

    TMenuItem* Items() const { return FItems; }
    // Shows the drop-down with its top-left corner at the screen point.
    void ShowAt(int x, int y);
    // Closes this drop-down and the ones it opened; then the ones that opened it.
    void CloseAll();
    bool IsOpen() const { return FOpen; }
    int Selected() const { return FSelected; }
    // The open drop-down deepest in the chain.
    TMenuDropDown* Deepest();
    // Up, Down, Left, Right, Enter, Escape; true when the key was used.
    bool HandleKey(unsigned short key);
    // Runs the item as a click on it would.
    void Choose(int index);

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    int ItemAt(int y) const;
    int ItemTop(int index) const;
    bool Selectable(int index) const;
    void Select(int index);
    void MoveSelection(int step);
    void OpenChild(int index);
    void CloseChain();
    // Forwards a mouse message that fell outside this drop-down to the one under the point.
    TMenuDropDown* DropDownAt(const TPoint& screen);

    TMenuItem* FItems;
    std::function<void()> FOnClosed;
    TMenuDropDown* FParentDrop;
    std::unique_ptr<TMenuDropDown> FChild;
    int FSelected{ -1 };
    bool FOpen{ false };
    bool FClosing{ false };
};
