#pragma once
#include "lib/controls/IbsSkinnedControl.h"
#include "platform/forms/TSplitter.h"

#include <string>

class TBitmap;

// The class library's splitter drawn as a three-slice strip with a centred gripper from a
// "vsplitter" or "hsplitter" record; its thickness follows the record, or DefaultSize without
// one or while transparent. Transparent, it draws nothing.
class TbsSkinSplitter : public TSplitter, public IbsSkinnedControl {
public:
    explicit TbsSkinSplitter(TComponent* owner);
    ~TbsSkinSplitter() override;

    std::string ClassName() const override { return "TbsSkinSplitter"; }

    // A reference, cleared when the skin object goes.
    TbsSkinData* SkinData() const override { return FSD; }
    void SetSkinData(TbsSkinData* value);
    const std::string& SkinDataName() const { return FSkinDataName; }
    void SetSkinDataName(const std::string& value) { FSkinDataName = value; }
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    int DefaultSize() const { return FDefaultSize; }
    void SetDefaultSize(int value) { FDefaultSize = value; }

    void GetSkinData();
    // The record again, the thickness from it, then a repaint.
    void ChangeSkinData() override;
    void Notification(TComponent* component, TOperation operation) override;

protected:
    void Paint() override;

private:
    bool FTransparent{ false };
    int FDefaultSize{ 10 };
    int FIndex{ -1 };
    TbsSkinData* FSD{ nullptr };
    std::string FSkinDataName{ "vsplitter" };
    TPoint LTPt;
    TPoint RTPt;
    TPoint LBPt;
    TRect SkinRect;
    TBitmap* FSkinPicture{ nullptr };
    bool StretchEffect{ false };
    TRect GripperRect;
    bool GripperTransparent{ false };
    TColor GripperTransparentColor{ clFuchsia };
};
