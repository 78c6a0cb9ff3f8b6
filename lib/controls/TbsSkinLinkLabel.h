#pragma once
#include "lib/controls/TbsSkinLabelBase.h"

// A label that opens its URL with the desktop's handler when clicked, underlined, in the
// "stdlabel" record's colours (its active colour under the pointer), optionally glowing under
// the pointer. An empty URL only fires OnClick.
class TbsSkinLinkLabel : public TbsSkinLabelBase<TLabel> {
public:
    explicit TbsSkinLinkLabel(TComponent* owner);

    std::string ClassName() const override { return "TbsSkinLinkLabel"; }

    bool GlowEffect() const { return FGlowEffect; }
    void SetGlowEffect(bool value) { FGlowEffect = value; }
    int GlowSize() const { return FGlowSize; }
    void SetGlowSize(int value) { FGlowSize = value; }
    bool UseUnderLine() const { return FUseUnderLine; }
    void SetUseUnderLine(bool value);
    TColor DefaultActiveFontColor() const { return FDefaultActiveFontColor; }
    void SetDefaultActiveFontColor(TColor value) { FDefaultActiveFontColor = value; }
    const std::string& URL() const { return FURL; }
    void SetURL(const std::string& value) { FURL = value; }

    // OnClick, then the URL opened.
    void Click() override;
    void WndProc(TMessage& message) override;

    bool MouseIn() const { return FMouseIn; }

protected:
    void DoDrawText(TCanvas& canvas, TRect& rect, unsigned flags) override;

private:
    bool FGlowEffect{ false };
    int FGlowSize{ 7 };
    bool FMouseIn{ false };
    TColor FDefaultActiveFontColor{ clBlue };
    std::string FURL;
    bool FUseUnderLine{ true };
};
