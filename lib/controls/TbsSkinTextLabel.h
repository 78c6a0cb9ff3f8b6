#pragma once
#include "lib/controls/TbsSkinLabelBase.h"
#include "platform/rtl/TStringList.h"

// A multi-line label whose text is a string list, in the skin's "stdlabel" font and colour,
// aligned and laid out in its rectangle; auto-sized, it fits itself to its lines, measured
// without a window.
class TbsSkinTextLabel : public TbsSkinLabelBase<TGraphicControl> {
public:
    explicit TbsSkinTextLabel(TComponent* owner);
    ~TbsSkinTextLabel() override;

    std::string ClassName() const override { return "TbsSkinTextLabel"; }

    TStrings& Lines() { return FLines; }
    void SetLines(const TStrings& value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    bool AutoSize() const { return FAutoSize; }
    virtual void SetAutoSize(bool value);

    // The whole text: every line followed by a line break.
    virtual std::string GetLabelText() const { return FLines.Text(); }
    // Fits the bounds to the lines when AutoSize is on (not while the form is read).
    void AdjustBounds();
    // The record again, the size refitted, then a repaint.
    void ChangeSkinData() override;
    void Loaded() override;
    void WndProc(TMessage& message) override;

protected:
    void Paint() override;

private:
    unsigned TextFlags() const;
    // The text's height in the rectangle with the flags: the lines without the empty one the
    // last line break adds.
    int TextHeight(TCanvas& canvas, TRect rect, unsigned flags);

    TStringList FLines;
    TAlignment FAlignment{ taLeftJustify };
    bool FAutoSize{ true };
    TTextLayout FLayout{ tlTop };
    bool FWordWrap{ false };
};
