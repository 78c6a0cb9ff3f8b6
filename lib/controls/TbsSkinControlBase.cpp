#include "lib/controls/TbsSkinControlBase.h"

#include "lib/skindata/TbsSkinData.h"
#include "platform/forms/ControlMessages.h"
#include "platform/forms/TImageList.h"
#include "platform/forms/TPageControl.h"
#include "platform/gfx/TBitmap.h"

template <class TBase>
TbsSkinControlBase<TBase>::TbsSkinControlBase(TComponent* owner) : TBase(owner) {}

template <class TBase>
TbsSkinControlBase<TBase>::~TbsSkinControlBase() = default;

template <class TBase>
template <class T>
void TbsSkinControlBase<TBase>::Link(T*& field, T* value) {
    if (field == value) return;
    if (field) this->RemoveFreeNotification(field);
    field = value;
    if (field) this->FreeNotification(field);
}

template <class TBase>
void TbsSkinControlBase<TBase>::SetSkinData(TbsSkinData* value) {
    // A skin object of another form may go first: without the notification the control would
    // keep painting from a freed object.
    Link(FSD, value);
    if (FSD && !FSD->Empty && !Designing()) ChangeSkinData();
}

template <class TBase>
void TbsSkinControlBase<TBase>::SetHintImageList(TCustomImageList* value) {
    Link(FHintImageList, value);
}

template <class TBase>
void TbsSkinControlBase<TBase>::GetSkinData() {
    FIndex = !FSD || FSD->Empty ? -1 : FSD->GetControlIndex(FSkinDataName);
}

template <class TBase>
void TbsSkinControlBase<TBase>::ChangeSkinData() {
    GetSkinData();
    this->Repaint();
}

template <class TBase>
TbsDataSkinControl* TbsSkinControlBase<TBase>::SkinRecord() const {
    if (!FSD || FIndex < 0 || std::size_t(FIndex) >= FSD->CtrlList.size()) return nullptr;
    return FSD->CtrlList[std::size_t(FIndex)].get();
}

template <class TBase>
void TbsSkinControlBase<TBase>::Notification(TComponent* component, TOperation operation) {
    TBase::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == FSD) FSD = nullptr;
    if (component == FHintImageList) FHintImageList = nullptr;
}

template <class TBase>
void TbsSkinControlBase<TBase>::WndProc(TMessage& message) {
    // The enter and leave events are for the running program, not for a designer.
    if ((message.Msg == CM_MOUSEENTER || message.Msg == CM_MOUSELEAVE) && Designing()) return;
    TBase::WndProc(message);
}

template <class TBase>
void TbsSkinControlBase<TBase>::Paint() {
    const int width = this->Width();
    const int height = this->Height();
    if (width <= 0 || height <= 0) return;
    GetSkinData();
    TBitmap B(width, height);
    if (FIndex == -1)
        CreateControlDefaultImage(B);
    else
        CreateControlSkinImage(B);
    this->Canvas().Draw(0, 0, &B);
}

template class TbsSkinControlBase<TCustomControl>;
template class TbsSkinControlBase<TGraphicControl>;
template class TbsSkinControlBase<TPageControl>;
