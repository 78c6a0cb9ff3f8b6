#include "app/StandIns/TbsSkinComboBoxes.h"

#include "platform/gfx/TextDraw.h"
#include "platform/win/Win.h"

using namespace win;

TbsSkinComboBoxBase::TbsSkinComboBoxBase(TComponent* owner) : TCustomControl(owner) {
    SetBounds(0, 0, 120, 21);
    SetTabStop(true);
    SetColor(clWindow);
}

TbsSkinComboBoxBase::~TbsSkinComboBoxBase() = default;

void TbsSkinComboBoxBase::SetItemsText(const std::vector<std::string>& lines) {
    FItems.Clear();
    for (const std::string& line : lines)
        FItems.Add(line);
    Invalidate();
}

std::string TbsSkinComboBoxBase::Text() const {
    return FItemIndex >= 0 && FItemIndex < FItems.Count() ? FItems.Strings(FItemIndex) : "";
}

void TbsSkinComboBoxBase::SetItemIndex(int value) {
    if (value < -1 || value >= FItems.Count()) value = -1;
    const std::string before = Text();
    FItemIndex = value;
    Invalidate();
    if ((ChangeOnEverySet() || Text() != before) && OnChange) OnChange(this);
}

void TbsSkinComboBoxBase::DropDown() {
    FEntries = std::make_unique<TMenuItem>(nullptr);
    for (int i = 0; i < FItems.Count(); ++i) {
        auto* entry = new TMenuItem(nullptr);
        // A lone "-" would read as a separator.
        entry->SetCaption(FItems.Strings(i) == "-" ? "&-" : FItems.Strings(i));
        entry->SetChecked(i == FItemIndex);
        entry->OnClick = [this, i](TObject*) { SetItemIndex(i); };
        FEntries->Add(entry);
    }
    FDropDown = std::make_unique<TMenuDropDown>(FEntries.get(), nullptr);
    const TPoint corner = ClientToScreen(TPoint(0, Height()));
    FDropDown->ShowAt(corner.X, corner.Y);
}

TMenuDropDown* TbsSkinComboBoxBase::DropDownWindow() const {
    return FDropDown && FDropDown->IsOpen() ? FDropDown.get() : nullptr;
}

void TbsSkinComboBoxBase::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseDown(button, shift, x, y);
    if (button == mbLeft && Enabled() && FItems.Count() > 0) DropDown();
}

void TbsSkinComboBoxBase::Paint() {
    TRect r = ClientRect();
    Canvas().Brush().SetStyle(bsSolid);
    Canvas().Brush().SetColor(Enabled() ? clWindow : clBtnFace);
    Canvas().FillRect(r);
    Canvas().Brush().SetColor(clBtnShadow);
    Canvas().FrameRect(r);
    const TRect button(r.Right - 17, r.Top + 1, r.Right - 1, r.Bottom - 1);
    Canvas().Brush().SetColor(clBtnFace);
    Canvas().FillRect(button);
    Canvas().SetFont(Font());
    Canvas().Brush().SetStyle(bsClear);
    Canvas().Font().SetColor(Enabled() ? clWindowText : clGrayText);
    RECT arrow = button;
    DrawText(Canvas().Handle(), "\xE2\x96\xBE", &arrow, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    RECT text = TRect(r.Left + 4, r.Top, button.Left - 2, r.Bottom);
    DrawText(Canvas().Handle(), Text(), &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}
