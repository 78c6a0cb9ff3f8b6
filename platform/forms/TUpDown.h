#pragma once
#include "platform/forms/TAutoRepeat.h"
#include "platform/forms/TCustomControl.h"
#include <functional>

enum TUDAlignButton { udLeft, udRight };
enum TUDOrientation { udHorizontal, udVertical };
enum TUDBtnType { btNext, btPrev };
using TUDClickEvent = std::function<void(TObject* sender, TUDBtnType button)>;
using TUDChangingEvent = std::function<void(TObject* sender, bool& allowChange)>;

// Two arrow buttons that step Position by Increment between Min and Max (round again with
// Wrap). With an Associate the up-down sits against its edge, shows Position as its text and
// steps on its Up and Down keys; a number the user typed there is where the next step starts.
class TUpDown : public TCustomControl {
public:
    explicit TUpDown(TComponent* owner);
    ~TUpDown() override;

    std::string ClassName() const override { return "TUpDown"; }

    TWinControl* Associate() const { return FAssociate; }
    void SetAssociate(TWinControl* value);
    int Min() const { return FMin; }
    void SetMin(int value);
    int Max() const { return FMax; }
    void SetMax(int value);
    int Position() const { return FPosition; }
    void SetPosition(int value);
    int Increment() const { return FIncrement; }
    void SetIncrement(int value) { FIncrement = value; }
    TUDOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TUDOrientation value);
    TUDAlignButton AlignButton() const { return FAlignButton; }
    void SetAlignButton(TUDAlignButton value);
    bool Wrap() const { return FWrap; }
    void SetWrap(bool value) { FWrap = value; }
    bool ArrowKeys() const { return FArrowKeys; }
    void SetArrowKeys(bool value) { FArrowKeys = value; }
    // Groups of three digits separated by commas in the associate's text.
    bool Thousands() const { return FThousands; }
    void SetThousands(bool value);

    // Steps as a press on that button would.
    void Press(TUDBtnType button);

    void Notification(TComponent* component, TOperation operation) override;
    void WndProc(TMessage& message) override;

    // Hides the plain click: the up-down tells which button.
    TUDClickEvent OnClick;
    TUDChangingEvent OnChanging;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    TRect ButtonRect(TUDBtnType button) const;
    void UpdateAssociate();
    void PlaceAgainstAssociate();
    void Unhook();

    TWinControl* FAssociate{ nullptr };
    TWndMethod FAssociateProc;
    int FMin{ 0 };
    int FMax{ 100 };
    int FPosition{ 0 };
    int FIncrement{ 1 };
    TUDOrientation FOrientation{ udVertical };
    TUDAlignButton FAlignButton{ udRight };
    bool FWrap{ false };
    bool FArrowKeys{ true };
    bool FThousands{ true };
    int FPressed{ -1 };
    TAutoRepeat FRepeat{ *this };
};
