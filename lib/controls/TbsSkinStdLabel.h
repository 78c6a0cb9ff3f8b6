#pragma once
#include "lib/controls/TbsSkinLabelBase.h"

enum TbsEllipsType { bsetNone, bsetEndEllips, bsetPathEllips };

// The class library's label in the skin's "stdlabel" font and colour, shortened with an ellipsis
// when asked, embossed when disabled. Auto size follows the skinned font.
class TbsSkinStdLabel : public TbsSkinLabelBase<TLabel> {
public:
    explicit TbsSkinStdLabel(TComponent* owner);

    std::string ClassName() const override { return "TbsSkinStdLabel"; }

    TbsEllipsType EllipsType() const { return FEllipsType; }
    void SetEllipsType(TbsEllipsType value);

    // The record again, the size refitted with AutoSize, then a repaint.
    void ChangeSkinData() override;
    // The label with the text given on another canvas at x, y.
    void PaintSkinTo(TCanvas& canvas, int x, int y, const std::string& text);

protected:
    void DoDrawText(TCanvas& canvas, TRect& rect, unsigned flags) override;

private:
    void DrawSkinText(TCanvas& canvas, const std::string& text, TRect& rect, unsigned flags);

    TbsEllipsType FEllipsType{ bsetNone };
};
