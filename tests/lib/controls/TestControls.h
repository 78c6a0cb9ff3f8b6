#pragma once
#include "lib/controls/IbsSkinnedControl.h"
#include "lib/controls/IbsToolBarParent.h"
#include "lib/controls/TbsGraphicSkinCustomControl.h"
#include "lib/controls/TbsSkinCustomControl.h"

#include <string>
#include <vector>

// The resizable bases with their face geometry in view, and counts of what they were asked.
template <class TBase>
class TFaceProbe : public TBase {
public:
    using TBase::BottomStretch;
    using TBase::ClRect;
    using TBase::NewClRect;
    using TBase::NewLBPoint;
    using TBase::NewRBPoint;
    using TBase::NewRTPoint;
    using TBase::Picture;
    using TBase::ResizeMode;
    using TBase::SkinRect;
    using TBase::TBase;

    int FFontChanges{ 0 };
    int FPaints{ 0 };

protected:
    void DefaultFontChanged() override { ++FFontChanges; }
    void Paint() override {
        ++FPaints;
        TBase::Paint();
    }
};

class TWindowedFace : public TFaceProbe<TbsSkinCustomControl> {
public:
    explicit TWindowedFace(TComponent* owner) : TFaceProbe(owner) {
        FControlStyle.Include(csAcceptsControls);
    }
    using TbsSkinCustomControl::MaskPicture;
    win::HRGN Region() const { return FRgn; }
    bool FFromWMPaintInPaint{ false };
    int FParentBackgroundChanges{ 0 };

protected:
    void Paint() override {
        FFromWMPaintInPaint = FromWMPaint;
        TFaceProbe::Paint();
    }
    void CheckParentBackground() override { ++FParentBackgroundChanges; }
};

using TWindowlessFace = TFaceProbe<TbsGraphicSkinCustomControl>;

// A parent that answers the tool bar query with what the test sets.
class TTestToolBar : public TCustomControl, public IbsToolBarParent {
public:
    explicit TTestToolBar(TComponent* owner) : TCustomControl(owner) {
        FControlStyle.Include(csAcceptsControls);
    }
    bool AdjustControls() const override { return FAdjust; }
    TRect GetSkinClientRect() override { return FClient; }

    bool FAdjust{ true };
    TRect FClient{ 0, 2, 200, 27 };
};

// The skin change calls a control received, in order, shared by the controls of one test.
using TCallLog = std::vector<std::string>;

// A skinned base that writes each skin change call into a log, under its name.
template <class TBase>
class TLogged : public TBase {
public:
    TLogged(TComponent* owner, TCallLog& log, const std::string& name) : TBase(owner), FLog(log) {
        this->SetName(name);
        this->FControlStyle.Include(csAcceptsControls);
    }
    void BeforeChangeSkinData() override {
        FLog.push_back("before " + this->Name());
        TBase::BeforeChangeSkinData();
    }
    void ChangeSkinData() override {
        FLog.push_back("change " + this->Name());
        TBase::ChangeSkinData();
    }

private:
    TCallLog& FLog;
};

// A control skinned outside the bases (as the views and labels are), answering the change walk
// through the interface alone.
class TLoggedView : public TCustomControl, public IbsSkinnedControl {
public:
    TLoggedView(TComponent* owner, TCallLog& log, const std::string& name);
    TbsSkinData* SkinData() const override { return FSkin; }
    void ChangeSkinData() override { FLog.push_back("change " + Name()); }

    TbsSkinData* FSkin{ nullptr };

private:
    TCallLog& FLog;
};

// A push-button-like test control of either base that shows the state the pointer, the keys
// and its enabling put it in: the faces of a button record (normal, hot, pressed, disabled,
// focused), or without a record the plain look's three frames, greyed when disabled and with
// a focus rectangle when focused.
template <class TBase>
class TStateButton : public TBase {
public:
    explicit TStateButton(TComponent* owner);

    bool FHot{ false };
    bool FPressed{ false };

protected:
    void CreateControlSkinImage(TBitmap& B) override;
    void CreateControlDefaultImage(TBitmap& B) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void WndProc(TMessage& message) override;

private:
    bool HasFocus() const;
};

using TWindowedStateButton = TStateButton<TbsSkinCustomControl>;
using TWindowlessStateButton = TStateButton<TbsGraphicSkinCustomControl>;
extern template class TStateButton<TbsSkinCustomControl>;
extern template class TStateButton<TbsGraphicSkinCustomControl>;
