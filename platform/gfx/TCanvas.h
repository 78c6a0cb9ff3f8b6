#pragma once
#include "platform/gfx/TBrush.h"
#include "platform/gfx/TFont.h"
#include "platform/gfx/TPen.h"
#include "platform/gfx/TRect.h"
#include <functional>
#include <mutex>
#include <span>
#include <string_view>

class TBitmap;
class TGraphic;

using TCopyMode = win::DWORD;

// Drawing on a DC with a pen, a brush and a font that the canvas selects into it as each call
// needs them. A canvas either draws on a DC it is given (SetHandle) or, in a subclass, makes
// its own when first asked (CreateHandle). Lock/Unlock serialise threads drawing on one canvas.
class TCanvas {
public:
    TCanvas();
    virtual ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    // The DC with the pen, brush and font selected and their colours and modes set.
    win::HDC Handle();
    // Takes a DC the canvas does not own; nullptr lets go of the present one.
    void SetHandle(win::HDC dc);
    bool HandleAllocated() const { return FHandle != nullptr; }

    TPen& Pen() { return FPen; }
    TBrush& Brush() { return FBrush; }
    TFont& Font() { return FFont; }
    void SetPen(const TPen& value) { FPen.Assign(value); }
    void SetBrush(const TBrush& value) { FBrush.Assign(value); }
    void SetFont(const TFont& value) { FFont.Assign(value); }
    TCopyMode CopyMode() const { return FCopyMode; }
    void SetCopyMode(TCopyMode value) { FCopyMode = value; }

    TPoint PenPos();
    void SetPenPos(TPoint value) { MoveTo(value.X, value.Y); }
    TColor Pixels(int x, int y);
    void SetPixels(int x, int y, TColor color);
    // The clip box in logical coordinates.
    TRect ClipRect();

    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Polyline(std::span<const TPoint> points);
    void Polygon(std::span<const TPoint> points);
    void Rectangle(int x1, int y1, int x2, int y2);
    void Rectangle(const TRect& rect) { Rectangle(rect.Left, rect.Top, rect.Right, rect.Bottom); }
    void RoundRect(int x1, int y1, int x2, int y2, int x3, int y3);
    void Ellipse(int x1, int y1, int x2, int y2);
    void Ellipse(const TRect& rect) { Ellipse(rect.Left, rect.Top, rect.Right, rect.Bottom); }
    void FillRect(const TRect& rect);
    void FrameRect(const TRect& rect);
    void DrawFocusRect(const TRect& rect);

    void TextOut(int x, int y, std::string_view text);
    // Text at x, y clipped to rect; the rectangle is filled with the brush unless it is clear.
    void TextRect(const TRect& rect, int x, int y, std::string_view text);
    TSize TextExtent(std::string_view text);
    int TextWidth(std::string_view text) { return TextExtent(text).cx; }
    int TextHeight(std::string_view text) { return TextExtent(text).cy; }

    // Draws a graphic at its own size, honouring its transparency; StretchDraw fills rect.
    void Draw(int x, int y, TGraphic* graphic);
    void StretchDraw(const TRect& rect, TGraphic* graphic);
    // Copies source's rectangle onto dest of this canvas with CopyMode, stretching as needed.
    void CopyRect(const TRect& dest, TCanvas& canvas, const TRect& source);
    // Copies the bitmap's rectangle, painting its pixels of `color` in this canvas's brush.
    void BrushCopy(const TRect& dest, TBitmap& bitmap, const TRect& source, TColor color);

    void Lock();
    bool TryLock();
    void Unlock();
    int LockCount() const { return FLockCount; }

    // Deselects the pen, brush and font so the next call selects them afresh.
    void Refresh();

    std::function<void(TCanvas* sender)> OnChange;
    std::function<void(TCanvas* sender)> OnChanging;

protected:
    // Makes the DC when a subclass owns one; the base class has none to make.
    virtual void CreateHandle() {}
    // Frees the pen, brush and font from the DC before the DC goes away or changes.
    void DeselectHandles();
    void Changing();
    void Changed();

private:
    enum StateBit { csHandle = 1, csPen = 2, csBrush = 4, csFont = 8 };
    void RequireState(int state);
    win::HDC RequireDc(int state);

    win::HDC FHandle{ nullptr };
    int FState{ 0 };
    TPen FPen;
    TBrush FBrush;
    TFont FFont;
    TCopyMode FCopyMode{ win::SRCCOPY };
    std::recursive_mutex FLock;
    int FLockCount{ 0 };
};
