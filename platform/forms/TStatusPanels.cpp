#include "platform/forms/TStatusPanels.h"

void TStatusPanel::Assign(const TPersistent* source) {
    if (const auto* panel = dynamic_cast<const TStatusPanel*>(source)) {
        FText = panel->FText;
        FWidth = panel->FWidth;
        FAlignment = panel->FAlignment;
        FBevel = panel->FBevel;
        FStyle = panel->FStyle;
        Changed(false);
        return;
    }
    TCollectionItem::Assign(source);
}

void TStatusPanel::SetText(const std::string& value) {
    if (FText == value) return;
    FText = value;
    Changed(false);
}

void TStatusPanel::SetWidth(int value) {
    if (FWidth == value) return;
    FWidth = value;
    Changed(true);
}

void TStatusPanel::SetAlignment(TAlignment value) {
    FAlignment = value;
    Changed(false);
}

void TStatusPanel::SetBevel(TStatusPanelBevel value) {
    FBevel = value;
    Changed(false);
}

void TStatusPanel::SetStyle(TStatusPanelStyle value) {
    FStyle = value;
    Changed(false);
}
