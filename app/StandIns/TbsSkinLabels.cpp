#include "app/StandIns/TbsSkinLabels.h"

#include "platform/shell/ShellExecute.h"

TbsSkinLinkLabel::TbsSkinLinkLabel(TComponent* owner) : TLabel(owner) {
    Font().SetColor(clBlue);
    Font().SetStyle(TFontStyles{ fsUnderline });
}

void TbsSkinLinkLabel::Click() {
    TLabel::Click();
    if (!FURL.empty()) ShellOpen(FURL);
}
