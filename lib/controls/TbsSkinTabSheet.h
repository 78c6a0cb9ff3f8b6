#pragma once
#include "platform/forms/TTabSheet.h"
#include "platform/gfx/TBitmap.h"

// A page of the skinned page control that paints its own background: its wallpaper, else the
// tab record's background picture, else the client part of the record's frame picture, tiled
// or stretched as the record says; clBtnFace without a record.
class TbsSkinTabSheet : public TTabSheet {
public:
    explicit TbsSkinTabSheet(TComponent* owner);
    ~TbsSkinTabSheet() override;

    std::string ClassName() const override { return "TbsSkinTabSheet"; }

    TBitmap& WallPaper() { return FWallPaper; }
    // Copied; shown at the next erase.
    void SetWallPaper(const TBitmap& value) { FWallPaper.Assign(value); }

    // The background at the sheet's origin on dc; also what a transparent child shows.
    void PaintBG(win::HDC dc);

    void WndProc(TMessage& message) override;

    // The close button of the sheet's tab, in the tab picture's coordinates, as drawn last.
    TRect ButtonRect;
    bool ButtonMouseIn{ false };
    bool ButtonMouseDown{ false };

private:
    // Tells the windowed children that the background behind them changed.
    void NotifyChildrenBackground();

    TBitmap FWallPaper;
};
