// Inside a tool bar that adjusts its controls, a skinned control centres itself vertically in
// the bar's skin client area, windowed or not, with a record or without.
#include "SkinnedFormTest.h"
#include "TestControls.h"

namespace {

class ToolBarCentring : public SkinnedFormTest {
protected:
    void SetUp() override {
        SkinnedFormTest::SetUp();
        // A fixed face 30 x 20.
        AddFaceRecord(*FSkin, "fixed", 0, { { 0, 0, 30, 20 }, {}, {}, {}, {}, { 2, 2, 28, 18 } });
        FBar = Add<TTestToolBar>(0, 0, 300, 30);
    }
    template <class T>
    T* OnBar(const std::string& record) {
        auto* control = new T(FForm);
        control->SetSkinDataName(record);
        control->SetSkinData(FSkin.get());
        control->SetParent(FBar);
        return control;
    }

    TTestToolBar* FBar{ nullptr };
};

TEST_F(ToolBarCentring, ControlIsCentredInTheBarsClientAreaWhileTheBarAdjustsControls) {
    struct Case {
        const char* Name;
        bool Adjust;
        const char* Record;
        int AskedHeight;
        int Top;
    };
    // The client area runs from y = 2 to 27: 2 + 25 div 2 - 20 div 2 = 4.
    const Case cases[] = {
        { "plain, 20 high", true, "missing", 20, 4 },
        { "fixed face, asked 40 but 20 high", true, "fixed", 40, 4 },
        { "plain, 9 high: halves truncate", true, "missing", 9, 10 },
        { "bar that leaves its controls alone", false, "missing", 20, 17 },
    };
    for (const Case& c : cases) {
        FBar->FAdjust = c.Adjust;
        TControl* controls[] = { OnBar<TWindowedFace>(c.Record), OnBar<TWindowlessFace>(c.Record) };
        for (TControl* control : controls) {
            control->SetBounds(5, 17, 30, c.AskedHeight);
            EXPECT_EQ(control->Top(), c.Top) << c.Name << ", " << control->ClassName();
            EXPECT_EQ(control->Left(), 5);
            delete control;
        }
    }
}

} // namespace
