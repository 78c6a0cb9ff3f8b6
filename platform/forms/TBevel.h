#pragma once
#include "platform/forms/TGraphicControl.h"

enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum TBevelStyle { bsLowered, bsRaised };

// A windowless 3D box, frame or line that groups and separates other controls.
class TBevel : public TGraphicControl {
public:
    explicit TBevel(TComponent* owner);
    ~TBevel() override;

    std::string ClassName() const override { return "TBevel"; }

    TBevelShape Shape() const { return FShape; }
    void SetShape(TBevelShape value);
    TBevelStyle Style() const { return FStyle; }
    void SetStyle(TBevelStyle value);

protected:
    void Paint() override;

private:
    TBevelShape FShape{ bsBox };
    TBevelStyle FStyle{ bsLowered };
};
