#pragma once
#include "lib/controls/TbsSkinCustomControl.h"
#include "lib/controls/TbsSkinOfficeItems.h"

#include <functional>
#include <memory>

class TbsSkinScrollBar;
class TCustomImageList;

// Draws the content of row Index into TextRct of Cnvs in place of the built-in drawing.
using TbsDrawSkinOfficeItemEvent = std::function<void(TCanvas& Cnvs, int Index, TRect TextRct)>;

// A self-drawn list of office rows: header rows and item rows with a bold title line, a
// caption and an image. It scrolls by pixels with a skinned bar of its own that exists only
// while the rows do not fit; keys, the wheel and the mouse never make a header row or a
// disabled row current.
class TbsSkinOfficeListBox : public TbsSkinCustomControl {
public:
    explicit TbsSkinOfficeListBox(TComponent* owner);
    ~TbsSkinOfficeListBox() override;

    std::string ClassName() const override { return "TbsSkinOfficeListBox"; }

    TbsSkinOfficeItems& Items() { return *FItems; }
    // Copies the rows.
    void SetItems(const TbsSkinOfficeItems& value);
    // Not owned; cleared when the image list goes.
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* value);
    bool ShowItemTitles() const { return FShowItemTitles; }
    void SetShowItemTitles(bool value);
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int value);
    int HeaderHeight() const { return FHeaderHeight; }
    void SetHeaderHeight(int value);
    bool ShowLines() const { return FShowLines; }
    void SetShowLines(bool value);
    // The row under a moving pointer becomes current without events.
    bool MouseMoveChangeIndex() const { return FMouseMoveChangeIndex; }
    void SetMouseMoveChangeIndex(bool value) { FMouseMoveChangeIndex = value; }
    int ItemIndex() const { return FItemIndex; }
    // Marks the row current, scrolls it into view and fires its OnClick, then OnItemClick, on
    // every assignment, also of the current index. A negative index only repaints; one at or
    // past the count marks no row, scrolls nothing and fires nothing.
    void SetItemIndex(int value);

    // The control height that shows that many rows (every row counted as an item row).
    int CalcHeight(int AItemCount);
    // The first enabled row whose rectangle holds the point, header rows included; -1 none.
    int ItemAtPos(int X, int Y) const;
    // Lays the rows out in the items area at the present scroll offset.
    void CalcItemRects();
    void Scroll(int AScrollOffset);
    // Brings the row into the items area; a header just above the first item stays in view.
    void ScrollToItem(int Index);
    void GetScrollInfo(int& AMin, int& AMax, int& APage, int& APosition);
    // Creates, ranges or frees the bar as the rows need it.
    void UpdateScrollInfo();
    void ShowScrollbar();
    void HideScrollBar();
    void AdjustScrollBar();
    void DrawItem(int Index, TCanvas& Cnvs);
    // Steps over header and disabled rows through the ItemIndex setter; nothing when no
    // selectable row lies that way.
    void FindUp();
    void FindDown();
    // A page step stops at the first selectable row past a header row it crosses.
    void FindPageUp();
    void FindPageDown();
    // The rows' look follows a repaint.
    void RepaintRows() { Invalidate(); }

    void ChangeSkinData() override;
    void Notification(TComponent* component, TOperation operation) override;
    void WndProc(TMessage& message) override;

    // The items area: the client part for rows, without the bar.
    TRect ItemsRect() const { return FItemsRect; }
    int ScrollOffset() const { return FScrollOffset; }

    TbsDrawSkinOfficeItemEvent OnDrawItem;
    TNotifyEvent OnItemClick;

    // The vertical bar while the rows do not fit; nullptr else. Owned.
    TbsSkinScrollBar* ScrollBar{ nullptr };

protected:
    // The base's paint into a buffer kept between paints: a long list repaints on every step,
    // and a fresh bitmap of the list's size each time costs more than drawing its rows.
    void Paint() override;
    void CreateWnd() override;
    void CreateControlDefaultImage(TBitmap& B) override;
    void CreateControlSkinImage(TBitmap& B) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(unsigned short& key, TShiftState shift) override;
    // Makes the row current without events, as the mouse does.
    void SetItemActive(int Index);

private:
    bool ValidIndex(int index) const { return index >= 0 && index < FItems->Count(); }
    bool Selectable(int index) const;
    // The rows first to last of a page step, walked in either direction.
    void PageStep(int first, int last);
    TRect FrameClientRect() const;
    void DrawRows(TCanvas& C);
    void DefaultDrawItem(int Index, TCanvas& Cnvs);
    void SkinDrawItem(int Index, TCanvas& Cnvs);
    void SkinDrawHeaderItem(int Index, TCanvas& Cnvs);
    // The title line and the caption with its image, as both looks draw an item row.
    void DrawItemContent(TCanvas& Cnvs, const TbsSkinOfficeItem& item, TRect content,
                         unsigned captionFlags);
    void SBChange();
    void WheelScroll(int delta);
    void Resized();

    TbsSkinOfficeItems* FItems{ nullptr };
    TCustomImageList* FImages{ nullptr };
    bool FShowItemTitles{ true };
    int FItemHeight{ 30 };
    int FHeaderHeight{ 20 };
    bool FShowLines{ false };
    bool FMouseMoveChangeIndex{ false };
    TColor FDisabledFontColor{ TColor(0x808080) };
    bool FClicksDisabled{ false };
    bool FMouseDown{ false };
    int FMouseActive{ -1 };
    int FMax{ 0 };
    int FRealMax{ 0 };
    TRect FItemsRect;
    int FScrollOffset{ 0 };
    int FOldHeight{ -1 };
    int FItemIndex{ -1 };
    std::unique_ptr<TBitmap> FPaintBuffer;
};
