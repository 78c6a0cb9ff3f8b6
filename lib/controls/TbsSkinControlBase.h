#pragma once
#include "lib/controls/IbsSkinnedControl.h"
#include "lib/menus/IbsHintSource.h"
#include "platform/forms/TCustomControl.h"
#include "platform/forms/TGraphicControl.h"

#include <string>

class TBitmap;
class TCustomImageList;
class TbsDataSkinControl;

// What the windowed and the windowless skinned controls share (TBase is TCustomControl or
// TGraphicControl): the skin object and the name of the control's record in it, the record
// found again by name at every paint, so that none is held across a skin change, the paint in
// three steps (find the record, build the look in an off-screen bitmap of the control's size,
// copy it out), the hint title and image the skinned hint shows and the skin change
// operations the form's skin component calls.
template <class TBase>
class TbsSkinControlBase : public TBase, public IbsSkinnedControl, public IbsHintSource {
public:
    explicit TbsSkinControlBase(TComponent* owner);
    ~TbsSkinControlBase() override;

    // A reference, cleared when the skin object goes. Assigning one that holds a skin binds the
    // control to its record at once (ChangeSkinData), unless designing.
    TbsSkinData* SkinData() const override { return FSD; }
    virtual void SetSkinData(TbsSkinData* value);
    const std::string& SkinDataName() const { return FSkinDataName; }
    // Stores the name only: the next paint shows the new record; the size follows it with the
    // next ChangeSkinData or SetBounds.
    virtual void SetSkinDataName(const std::string& value) { FSkinDataName = value; }

    const std::string& HintTitle() const override { return FHintTitle; }
    void SetHintTitle(const std::string& value) { FHintTitle = value; }
    int HintImageIndex() const override { return FHintImageIndex; }
    void SetHintImageIndex(int value) { FHintImageIndex = value; }
    // A reference, cleared when the image list goes.
    TCustomImageList* HintImageList() const override { return FHintImageList; }
    void SetHintImageList(TCustomImageList* value);

    // FIndex := the record's index in the skin object's control list: -1 without a skin
    // object, while the skin object is empty, or when it has no record of that name.
    virtual void GetSkinData();
    // GetSkinData, then Repaint.
    void ChangeSkinData() override;
    // Lets go of the record before the skin object frees it.
    virtual void BeforeChangeSkinData() { FIndex = -1; }

    void Notification(TComponent* component, TOperation operation) override;
    void WndProc(TMessage& message) override;

    // The record's index in the skin object's control list, -1 when the control has none.
    int FIndex{ -1 };

protected:
    // Nothing at zero size; otherwise the record is looked up, the look built in a fresh
    // bitmap of the control's size and copied to the canvas at 0, 0.
    void Paint() override;
    // The plain look, drawn without a record.
    virtual void CreateControlDefaultImage(TBitmap&) {}
    // The skinned look, drawn with the record at FIndex.
    virtual void CreateControlSkinImage(TBitmap&) {}
    // The record at FIndex; nullptr when there is none.
    TbsDataSkinControl* SkinRecord() const;
    bool Designing() const { return this->ComponentState().Contains(csDesigning); }

    TbsSkinData* FSD{ nullptr };
    std::string FSkinDataName;
    std::string FHintTitle;
    int FHintImageIndex{ 0 };
    TCustomImageList* FHintImageList{ nullptr };

private:
    // Links value in place of field, asking to hear when it goes.
    template <class T>
    void Link(T*& field, T* value);
};

extern template class TbsSkinControlBase<TCustomControl>;
extern template class TbsSkinControlBase<TGraphicControl>;
