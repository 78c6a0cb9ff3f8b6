#include "app/StandIns/TStandInButtons.h"

#include "app/StandIns/TStandInMenus.h"
#include "platform/forms/ControlMessages.h"
#include "platform/gfx/TextDraw.h"
#include "platform/win/Win.h"

#include <algorithm>

using namespace win;

void TStandInButton::SetGlyph(const TGraphic* value) {
    if (value)
        FGlyph.Assign(*value);
    else
        FGlyph.SetSize(0, 0);
    Invalidate();
}

void TStandInButton::Paint() {
    if (FGlyph.Width() == 0) {
        TButton::Paint();
        return;
    }
    TRect r = ClientRect();
    FCanvas.Brush().SetStyle(bsSolid);
    FCanvas.Brush().SetColor(FColor);
    FCanvas.FillRect(r);
    RECT edge = r;
    if (Pressed()) {
        FCanvas.Brush().SetColor(clBtnShadow);
        FCanvas.FrameRect(r);
    } else {
        DrawEdge(FCanvas.Handle(), &edge, EDGE_RAISED, BF_RECT);
    }
    const int shift = Pressed() ? 1 : 0;
    FCanvas.Draw((r.Width() - FGlyph.Width()) / 2 + shift, 3 + shift, &FGlyph);
    DrawCaption(TRect(r.Left + 2 + shift, 3 + FGlyph.Height() + shift, r.Right - 2 + shift,
                      r.Bottom - 1 + shift),
                DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void TStandInMenuSpeedButton::SetSkinPopupMenu(TPopupMenu* value) {
    if (FSkinPopupMenu == value) return;
    if (FSkinPopupMenu) FSkinPopupMenu->RemoveFreeNotification(this);
    FSkinPopupMenu = value;
    if (FSkinPopupMenu) FSkinPopupMenu->FreeNotification(this);
}

void TStandInMenuSpeedButton::Click() {
    if (!FSkinPopupMenu) return;
    const TPoint below = ClientToScreen(TPoint(0, Height()));
    FSkinPopupMenu->SetPopupComponent(this);
    FSkinPopupMenu->Popup(below.X, below.Y);
}

TMenuDropDown* TStandInMenuSpeedButton::OpenDropDown() const {
    auto* menu = dynamic_cast<TStandInPopupMenu*>(FSkinPopupMenu);
    return menu ? menu->DropDown() : nullptr;
}

void TStandInMenuSpeedButton::WndProc(TMessage& message) {
    if (message.Msg == WM_GETDLGCODE && OpenDropDown()) {
        message.Result = DLGC_WANTARROWS | DLGC_WANTALLKEYS;
        return;
    }
    TButton::WndProc(message);
}

void TStandInMenuSpeedButton::KeyDown(unsigned short& key, TShiftState shift) {
    if (TMenuDropDown* drop = OpenDropDown()) {
        drop->HandleKey(key);
        key = 0;
        return;
    }
    TButton::KeyDown(key, shift);
}

void TStandInMenuSpeedButton::Notification(TComponent* component, TOperation operation) {
    TButton::Notification(component, operation);
    if (operation == opRemove && component == FSkinPopupMenu) FSkinPopupMenu = nullptr;
}

void TStandInCheckRadioBox::SetRadio(bool value) {
    FRadio = value;
    Invalidate();
}

void TStandInCheckRadioBox::SetChecked(bool value) {
    if (value == Checked()) {
        TControl::Click();
        return;
    }
    if (value && FRadio) {
        if (TWinControl* parent = Parent())
            for (int i = 0; i < parent->ControlCount(); ++i) {
                auto* other = dynamic_cast<TStandInCheckRadioBox*>(parent->Controls(i));
                if (other && other != this && other->FRadio && other->FGroupIndex == FGroupIndex &&
                    other->Checked())
                    other->TCheckBox::SetChecked(false);
            }
    }
    TCheckBox::SetChecked(value);
}

void TStandInCheckRadioBox::Click() {
    SetChecked(FRadio ? true : !Checked());
}

void TStandInCheckRadioBox::Paint() {
    const TRect client = ClientRect();
    FCanvas.Brush().SetStyle(bsSolid);
    FCanvas.Brush().SetColor(FColor);
    FCanvas.FillRect(client);
    const TRect text = DrawCheckMark(FCanvas, client, Alignment() == taLeftJustify, FRadio, State(),
                                     Pressed(), Enabled());
    DrawCaption(text, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
}
