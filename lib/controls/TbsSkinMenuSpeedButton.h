#pragma once
#include "lib/controls/TbsSkinSpeedButton.h"

class IbsImagesMenu;
class TbsDataSkinButtonControl;
class TbsSkinPopupMenu;

// Where the drop-down strip of a new-style menu speed button lies.
enum TbsTrackPosition { bstpRight, bstpBottom };

// A speed button with a drop-down part: a press opens its skinned popup menu and its images
// menu below it, on the whole button or, in track-button mode, only on a 15-pixel strip at its
// right (or bottom) edge, the rest of the button clicking as a speed button does. The button
// stays down while a menu it opened shows and comes up when the menu reports that it closed;
// such a press never clicks. It draws a drop-down marker, from the skin or as a small
// triangle, and can show the image and caption its images menu has selected.
class TbsSkinMenuSpeedButton : public TbsSkinSpeedButton {
public:
    explicit TbsSkinMenuSpeedButton(TComponent* owner);
    ~TbsSkinMenuSpeedButton() override;

    std::string ClassName() const override { return "TbsSkinMenuSpeedButton"; }

    // Faces from the skin's "resizetoolbutton" and track records; setting it on also names the
    // record "resizetoolbutton" (setting it off leaves the name).
    bool NewStyle() const { return FNewStyle; }
    void SetNewStyle(bool value);
    TbsTrackPosition TrackPosition() const { return FTrackPosition; }
    void SetTrackPosition(TbsTrackPosition value);
    // Only the drop-down part opens the menus.
    bool TrackButtonMode() const { return FTrackButtonMode; }
    void SetTrackButtonMode(bool value);
    // References, cleared when the menu goes.
    TbsSkinPopupMenu* SkinPopupMenu() const { return FSkinPopupMenu; }
    void SetSkinPopupMenu(TbsSkinPopupMenu* value);
    IbsImagesMenu* SkinImagesMenu() const { return FSkinImagesMenu; }
    // A new selection in the images menu repaints the button at once.
    void SetSkinImagesMenu(IbsImagesMenu* value);
    // Show the images menu's selected image, and its caption in place of Caption.
    bool UseImagesMenuImage() const { return FUseImagesMenuImage; }
    void SetUseImagesMenuImage(bool value) { FUseImagesMenuImage = value; }
    bool UseImagesMenuCaption() const { return FUseImagesMenuCaption; }
    void SetUseImagesMenuCaption(bool value) { FUseImagesMenuCaption = value; }
    // A menu this button opened shows.
    bool MenuTracked() const { return FMenuTracked; }

    // Whether a left press at x, y opens the menus: never without a menu, anywhere on the
    // button outside track-button mode, else on the drop-down part (edges included).
    bool HitsDropDown(int x, int y);

    // Fired just before each menu opens (twice when both are set), and once per menu closed.
    TNotifyEvent OnShowTrackMenu;
    TNotifyEvent OnHideTrackMenu;

    // The record's drop-down part, in face coordinates.
    TRect TrackButtonRect;
    // Draw the marker as an arrow of FArrowType (1 left, 2 right, 3 up, 4 down) instead.
    bool FDrawStandardArrow{ false };
    int FArrowType{ 0 };

    // Also takes the drop-down part of a menu button record.
    void GetSkinData() override;
    void Notification(TComponent* component, TOperation operation) override;
    void WndProc(TMessage& message) override;

protected:
    void Paint() override;
    void CreateControlDefaultImage(TBitmap& B) override;
    void DrawButtonFace(TBitmap& B, const TRect& R, bool ADown, bool AMouseIn) override;
    bool DrawOwnContent(TCanvas& canvas, const TRect& T, bool pressed) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    // The 15-pixel strip at the right, or at the bottom for the new style with bstpBottom.
    TRect Strip() const;
    // The drop-down part at the present size: the record's, moved with the face, for a record
    // whose faces carry their own marker; else the strip.
    TRect TrackRect() const;
    // The record names one of the faces that are split into a main part and a strip.
    bool SplitFace() const;
    void OpenMenus();
    void MenuClosed();
    void ImagesMenuClosed();
    void DetachImagesMenu();
    // The split faces: from the skin's new-style records, or from the button's own faces over a
    // main part and a strip (stretched, or grown by nine slices); and the marker.
    void DrawNewStyleFace(TBitmap& B, bool ADown, bool AMouseIn);
    void DrawSplitFace(TBitmap& B, bool ADown, bool AMouseIn, bool nineSlice);
    void DrawMarker(TCanvas& canvas, const TRect& r, bool pressed, bool hot, TColor fontColor);
    // The marker face of the record's picture for that state, centred in r.
    void DrawSkinMarker(TCanvas& canvas, const TRect& r, bool flat, bool pressed, bool hot);
    void PaintAtRest();
    // A button record of the skin under that name; nullptr for none or a record of another
    // kind.
    const TbsDataSkinButtonControl* ButtonRecord(const std::string& name) const;

    bool FTrackButtonMode{ false };
    bool FMenuTracked{ false };
    TbsSkinPopupMenu* FSkinPopupMenu{ nullptr };
    IbsImagesMenu* FSkinImagesMenu{ nullptr };
    // The images menu as a component, to hear when it goes.
    TComponent* FImagesMenuComponent{ nullptr };
    bool FUseImagesMenuImage{ false };
    bool FUseImagesMenuCaption{ false };
    bool FNewStyle{ false };
    TbsTrackPosition FTrackPosition{ bstpRight };
};
