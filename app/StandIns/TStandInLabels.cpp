#include "app/StandIns/TStandInLabels.h"

#include "platform/shell/ShellExecute.h"

TStandInLinkLabel::TStandInLinkLabel(TComponent* owner) : TLabel(owner) {
    Font().SetColor(clBlue);
    Font().SetStyle(TFontStyles{ fsUnderline });
}

void TStandInLinkLabel::Click() {
    TLabel::Click();
    if (!FURL.empty()) ShellOpen(FURL);
}
