#include "lib/controls/TbsSkinLabelBase.h"

#include "lib/skindata/TbsResourceStrData.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindata/bsSkinPanelRecords.h"
#include "platform/gfx/TextDraw.h"

template <class TBase>
TbsSkinLabelBase<TBase>::TbsSkinLabelBase(TComponent* owner) : TBase(owner) {}

template <class TBase>
TbsSkinLabelBase<TBase>::~TbsSkinLabelBase() = default;

template <class TBase>
void TbsSkinLabelBase<TBase>::SetSkinData(TbsSkinData* value) {
    if (FSD != value) {
        if (FSD) this->RemoveFreeNotification(FSD);
        FSD = value;
        if (FSD) this->FreeNotification(FSD);
    }
    if (FSD) ChangeSkinData();
}

template <class TBase>
void TbsSkinLabelBase<TBase>::Notification(TComponent* component, TOperation operation) {
    TBase::Notification(component, operation);
    if (operation == opRemove && component == FSD) {
        FSD = nullptr;
        FIndex = -1;
    }
}

template <class TBase>
void TbsSkinLabelBase<TBase>::GetSkinData() {
    FIndex = !FSD || FSD->Empty ? -1 : FSD->GetControlIndex(FSkinDataName);
    if (FIndex < 0) return;
    const auto* record =
        dynamic_cast<const TbsDataSkinStdLabelControl*>(FSD->CtrlList[std::size_t(FIndex)].get());
    if (!record) return;
    FontName = record->FontName;
    FontColor = record->FontColor;
    FontStyle = record->FontStyle;
    FontHeight = record->FontHeight;
    ActiveFontColor = record->ActiveFontColor;
}

template <class TBase>
void TbsSkinLabelBase<TBase>::ChangeSkinData() {
    GetSkinData();
    this->Repaint();
}

template <class TBase>
void TbsSkinLabelBase<TBase>::ApplyCharset(TFont& font) {
    if (FSD && FSD->ResourceStrData())
        font.SetCharset(FSD->ResourceStrData()->CharSet());
    else
        font.SetCharset(FDefaultFont.Charset());
}

template <class TBase>
void TbsSkinLabelBase<TBase>::ChooseFont(TCanvas& canvas) {
    TFont& font = canvas.Font();
    if (FIndex == -1) {
        font.Assign(FUseSkinFont ? FDefaultFont : this->Font());
    } else {
        if (FUseSkinFont) {
            font.SetName(FontName);
            font.SetStyle(FontStyle);
            font.SetHeight(FontHeight);
        } else {
            font.Assign(this->Font());
        }
        font.SetColor(FUseSkinColor ? FontColor : this->Font().Color());
    }
    ApplyCharset(font);
}

template <class TBase>
void TbsSkinLabelBase<TBase>::DrawLabelText(TCanvas& canvas, const std::string& text, TRect& rect,
                                            unsigned flags) {
    win::RECT r = rect;
    canvas.Brush().SetStyle(bsClear);
    if ((flags & win::DT_CALCRECT) || this->Enabled()) {
        win::DrawText(canvas.Handle(), text, &r, flags);
        rect = r;
        return;
    }
    const bool skinned = FIndex != -1 && FSD;
    win::RECT moved{ r.left + 1, r.top + 1, r.right + 1, r.bottom + 1 };
    canvas.Font().SetColor(skinned ? FSD->FSkinColors.FcBtnHighLight : clBtnHighlight);
    win::DrawText(canvas.Handle(), text, &moved, flags);
    canvas.Font().SetColor(skinned ? FSD->FSkinColors.FcBtnShadow : clBtnShadow);
    win::DrawText(canvas.Handle(), text, &r, flags);
}

std::string LabelTextToDraw(const std::string& caption, unsigned& flags, bool showAccelChar) {
    std::string text = caption;
    if (flags & win::DT_CALCRECT) {
        if (text.empty())
            text = " ";
        else if (showAccelChar && text == "&")
            text = "& ";
    }
    if (!showAccelChar) flags |= win::DT_NOPREFIX;
    return text;
}

template class TbsSkinLabelBase<TLabel>;
template class TbsSkinLabelBase<TGraphicControl>;
