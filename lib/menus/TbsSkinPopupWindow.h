#pragma once
#include "platform/forms/TCustomControl.h"

#include <memory>
#include <vector>

class TBitmap;
class TCustomImageList;
class TMenuItem;
class TTimer;
class TbsDataSkinMenuItem;
class TbsDataSkinPopupWindow;
class TbsSkinData;
class TbsSkinMenu;
class TbsSkinMenuItem;

// The window of one open level of a skin menu: a row per visible child of a menu item, sized
// from their texts and the skin, placed beside or below the rectangle it opens for inside the
// work area, tracking the pointer every 50 ms, scrolling when taller than the work area, and
// taking the keys of the innermost level. It never takes activation or focus from the form.
//
// A level is skinned when the engine's skin is set and not empty, its popup-window record
// names a window picture that exists, and the skin has a menu-item record; it then draws a
// 9-slice frame from the picture and may take its region from the record's mask. Otherwise
// the level and its rows have the plain look: system colours and a 1-pixel frame.
class TbsSkinPopupWindow : public TCustomControl {
public:
    // The engine passes itself and its skin's popup-window record (nil without a usable skin).
    TbsSkinPopupWindow(TComponent* owner, TbsSkinMenu* parentMenu, TbsDataSkinPopupWindow* data);
    ~TbsSkinPopupWindow() override;

    std::string ClassName() const override { return "TbsSkinPopupWindow"; }

    // Builds the rows from item's children from startIndex on and shows the level for the
    // screen rectangle r: beside it for a submenu (popupByItem), else below or, with popupUp,
    // above it.
    void Show(const TRect& r, TMenuItem* item, int startIndex, bool popupByItem, bool popupUp);
    // The same with item's children followed by item2's.
    void Show2(const TRect& r, TMenuItem* item, TMenuItem* item2, int startIndex, bool popupByItem,
               bool popupUp);
    // Hides the level without activation, z-order, move or size change and stops its timers.
    void Hide();
    // Paints the whole level into dc.
    void PaintMenu(win::HDC dc);
    // One key press (virtual key code); only while the level is shown.
    void PopupKeyDown(int charCode);
    // The parent row of this level is hovered again: the deeper levels close and the rows
    // whose submenus were open are released.
    void ResetLevel();

    // What the rows read of their level.
    TbsSkinMenu* ParentMenu() const { return FParentMenu; }
    TbsSkinData* SD() const { return FSD; }
    TbsDataSkinPopupWindow* PW() const { return FPW; }
    TbsDataSkinMenuItem* DSMI() const { return FDSMI; }
    TCustomImageList* ImgL() const { return FImgL; }
    int GlyphWidth() const { return FGlyphWidth; }
    TTimer& MorphTimer() { return *FMorphTimer; }
    TTimer& MouseTimer() { return *FMouseTimer; }
    // The background under transparent rows; nil unless the skin asks for them.
    TBitmap* PaintBuffer() const { return FPaintBuffer.get(); }

    const std::vector<std::unique_ptr<TbsSkinMenuItem>>& ItemList() const { return FItemList; }
    int ActiveItem() const { return FActiveItem; }
    int VisibleStartIndex() const { return FVisibleStartIndex; }
    int VisibleCount() const { return FVisibleCount; }
    bool Scroll() const { return FScroll; }
    int ScrollCode() const { return FScrollCode; }
    const TRect& NewItemsRect() const { return FNewItemsRect; }
    // The screen position the level was placed at.
    TPoint ShowPosition() const { return TPoint(FShowX, FShowY); }
    // The height of a row of item in this level.
    int RowHeight(const TMenuItem* item) const;

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    void ShowLevel(const TRect& r, bool popupByItem, bool popupUp);
    void FindMenuItemRecord();
    void PrepareCanvasFont();
    void AddRows(TMenuItem* item, int startIndex);
    void CreateItems(TMenuItem* item, int startIndex);
    void CreateItems2(TMenuItem* item, TMenuItem* item2, int startIndex);
    void SetMenuSize();
    int CalcMenuWidth();
    int CalcMenuHeight();
    void CalcGeometry();
    void SetMenuRegion();
    void LayoutItems();
    void CalcShowPosition(const TRect& r, bool popupByItem, bool popupUp);
    int CalcShowY(const TRect& r, bool popupByItem, bool popupUp, bool& side) const;
    int CalcShowX(const TRect& r, bool popupByItem, bool side) const;
    void HighlightFirstItem();
    void StartFade();
    void FadeStep();

    void CreateMenuBackground(TBitmap& bitmap, bool fillClient);
    void DrawItemBackground(TCanvas& canvas, const TRect& rect);
    void DrawScrollMarkers(TCanvas& canvas);
    TRect ScrollZone(int code) const;
    void RedrawMarkers();

    void MouseTimerTick();
    void TestActive(const TPoint& p);
    bool CanScroll(int code) const;
    void StartScroll();
    void StopScroll();
    void ScrollTick();
    void ScrollUp(bool wrap);
    void ScrollDown(bool wrap);
    int LastPageStartIndex() const;
    void Scrolled();
    void MorphTimerTick();

    int FindAccelItem(int charCode) const;
    bool Selectable(int index) const;
    bool LastVisible(int index) const;
    bool FirstVisible(int index) const;
    void SelectNextItem();
    void SelectPriorItem();
    void ChangeActive(int index, bool byKeys);
    void CloseInnermost();

    TbsDataSkinMenuItem* FDSMI{ nullptr };
    int FVisibleCount{ 0 };
    int FVisibleStartIndex{ 0 };
    bool FScroll{ false };
    bool FScroll2{ false };
    int FScrollCode{ 0 };
    TPoint FNewLTPoint;
    TPoint FNewRTPoint;
    TPoint FNewLBPoint;
    TPoint FNewRBPoint;
    TRect FNewItemsRect;
    int FShowX{ 0 };
    int FShowY{ 0 };
    int FOMX{ -1 };
    int FOMY{ -1 };
    TCustomImageList* FImgL{ nullptr };
    int FGlyphWidth{ 19 };
    TBitmap* FWindowPicture{ nullptr };
    TBitmap* FMaskPicture{ nullptr };
    int FOldActiveItem{ -1 };
    std::unique_ptr<TTimer> FMouseTimer;
    std::unique_ptr<TTimer> FMorphTimer;
    TbsSkinMenu* FParentMenu;
    TbsSkinData* FSD{ nullptr };
    TbsDataSkinPopupWindow* FPW{ nullptr };
    std::vector<std::unique_ptr<TbsSkinMenuItem>> FItemList;
    // False once the level is freed: a command run from its release may free it.
    std::shared_ptr<bool> FAlive{ std::make_shared<bool>(true) };
    int FActiveItem{ -1 };
    std::unique_ptr<TBitmap> FPaintBuffer;
    int FShowMargin{ 4 };
    int FFadeAlpha{ 0 };
};
