#include "lib/controls/TbsSkinLinkLabel.h"

#include "lib/skindraw/bsTextEffects.h"
#include "platform/forms/ControlMessages.h"
#include "platform/gfx/TextFlags.h"
#include "platform/shell/ShellExecute.h"

using namespace win;

TbsSkinLinkLabel::TbsSkinLinkLabel(TComponent* owner) : TbsSkinLabelBase(owner) {
    SetTransparent(true);
    FDefaultFont.SetName("Arial");
    FDefaultFont.SetHeight(14);
    FDefaultFont.SetStyle({ fsUnderline });
    Font().Assign(FDefaultFont);
    SetCursor(crHandPoint);
}

void TbsSkinLinkLabel::SetUseUnderLine(bool value) {
    if (FUseUnderLine == value) return;
    FUseUnderLine = value;
    Repaint();
}

void TbsSkinLinkLabel::Click() {
    TbsSkinLabelBase::Click();
    // What the desktop does with the address is its own affair; nothing comes back to show.
    if (!FURL.empty()) win::ShellExecute(nullptr, "open", FURL, nullptr, nullptr, SW_SHOWNORMAL);
}

void TbsSkinLinkLabel::WndProc(TMessage& message) {
    const bool designing = ComponentState().Contains(csDesigning);
    if (!designing && (message.Msg == CM_MOUSEENTER || message.Msg == CM_MOUSELEAVE)) {
        FMouseIn = message.Msg == CM_MOUSEENTER;
        Repaint();
    }
    TbsSkinLabelBase::WndProc(message);
}

void TbsSkinLinkLabel::DoDrawText(TCanvas& canvas, TRect& rect, unsigned flags) {
    GetSkinData();
    const std::string text = LabelTextToDraw(Caption(), flags, ShowAccelChar());
    // The glow needs room above the text: all of it is drawn that much lower.
    TRect W = rect;
    if (FGlowEffect) {
        W.Top += FGlowSize;
        W.Bottom += FGlowSize;
    }
    TFont& font = canvas.Font();
    TColor glowColor = FDefaultActiveFontColor;
    if (FIndex == -1) {
        font.Assign(FUseSkinFont ? FDefaultFont : Font());
        ApplyCharset(font);
        if (FMouseIn) font.SetColor(FDefaultActiveFontColor);
    } else {
        if (FUseSkinFont) {
            font.SetName(FontName);
            font.SetStyle(FontStyle);
            font.SetHeight(FontHeight);
        } else {
            font.Assign(Font());
        }
        ApplyCharset(font);
        font.SetColor(FMouseIn && !FGlowEffect ? ActiveFontColor : FontColor);
        glowColor = ActiveFontColor;
    }
    TFontStyles style = font.Style();
    if (FUseUnderLine)
        style.Include(fsUnderline);
    else
        style.Exclude(fsUnderline);
    font.SetStyle(style);
    if (Enabled() && FMouseIn && FGlowEffect && !(flags & DT_CALCRECT)) {
        DrawGlowEffectText(canvas, W, text, flags, 0, glowColor, FGlowSize);
        return;
    }
    // The measure runs on the moved rectangle and leaves the caller's as it was.
    DrawLabelText(canvas, text, W, flags);
    if (flags & DT_CALCRECT) {
        rect.Right = W.Right;
        rect.Bottom = W.Bottom - (FGlowEffect ? FGlowSize : 0);
    }
}
