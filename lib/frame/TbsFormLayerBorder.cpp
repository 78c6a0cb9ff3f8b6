#include "lib/frame/TbsFormLayerBorder.h"

#include "lib/frame/TbsSkinForm.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindraw/TbsBitmap.h"
#include "lib/skindraw/bsLayerBitmap.h"
#include "lib/skindraw/bsRectUtils.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TTimer.h"
#include "platform/win/Input.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowApi.h"
#include "platform/win/WindowStyles.h"

#include <algorithm>
#include <cmath>

using namespace win;

namespace {

TBitmap* PictureAt(TbsSkinData& skin, int index) {
    if (index < 0 || index >= int(skin.FActivePictures.size())) return nullptr;
    return skin.FActivePictures[std::size_t(index)].get();
}

// The picture with alpha from its mask; nullptr when either is missing or their sizes differ.
std::unique_ptr<TbsBitmap> AlphaPicture(TbsSkinData& skin, int pictureIndex, int maskIndex) {
    TBitmap* picture = PictureAt(skin, pictureIndex);
    TBitmap* mask = PictureAt(skin, maskIndex);
    if (!picture || !mask || picture->Empty() || mask->Width() != picture->Width() ||
        mask->Height() != picture->Height())
        return nullptr;
    auto bitmap = std::make_unique<TbsBitmap>();
    BuildLayerBitmap(*picture, *mask, *bitmap);
    bitmap->CheckingAlphaBlend();
    return bitmap;
}

// source's rectangle s into dest's rectangle d, stretched by nearest pixels, alpha and all.
void CopyPiece(const TbsBitmap& source, const TRect& s, TbsBitmap& dest, const TRect& d) {
    if (RectIsEmpty(s) || RectIsEmpty(d)) return;
    for (int y = std::max(0, d.Top); y < std::min(dest.Height(), d.Bottom); ++y) {
        const int sy = s.Top + (y - d.Top) * s.Height() / d.Height();
        if (sy < 0 || sy >= source.Height()) continue;
        for (int x = std::max(0, d.Left); x < std::min(dest.Width(), d.Right); ++x) {
            const int sx = s.Left + (x - d.Left) * s.Width() / d.Width();
            if (sx >= 0 && sx < source.Width()) dest.Row(y)[x] = source.Pixel(sx, sy);
        }
    }
}

// The slice s tiled down dest from the top, the last tile cut at the bottom.
void TileDown(const TbsBitmap& source, const TRect& s, TbsBitmap& dest) {
    if (RectIsEmpty(s)) return;
    for (int top = 0; top < dest.Height(); top += s.Height()) {
        const int h = std::min(s.Height(), dest.Height() - top);
        CopyPiece(source, TRect(s.Left, s.Top, s.Right, s.Top + h), dest,
                  TRect(0, top, dest.Width(), top + h));
    }
}

// Rounds halves to the even neighbour.
int RoundEven(double value) {
    return int(std::nearbyint(value));
}

bool Inside(const TRect& r, TPoint p) {
    return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom;
}

} // namespace

TbsFormLayerWindow::TbsFormLayerWindow(TbsFormLayerBorder& border, TbsFormLayerBorderType type)
    : TCustomControl(nullptr), BorderType(type), FLayerBorder(border) {}

void TbsFormLayerWindow::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    params.Style = WS_POPUP;
    params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_LAYERED;
    // Without a sizing band the pointer goes to whatever lies below.
    if (!FLayerBorder.HasBorderRect()) params.ExStyle |= WS_EX_TRANSPARENT;
    if (FLayerBorder.FForm && FLayerBorder.FForm->FormStyle() == fsStayOnTop)
        params.ExStyle |= WS_EX_TOPMOST;
    params.WndParent = nullptr;
}

void TbsFormLayerWindow::CreateWnd() {
    TCustomControl::CreateWnd();
    // A layer of the form's: the desktop composes it without shadow and keeps it beside the
    // form in the stack of windows, so that what covers the form covers its border.
    SetWindowPopupKind(FHandle, PopupKind::Layer);
    if (FLayerBorder.FForm && FLayerBorder.FForm->HandleAllocated())
        SetWindowStackAnchor(FHandle, FLayerBorder.FForm->Handle());
}

void TbsFormLayerWindow::WndProc(TMessage& message) {
    if (message.Msg == WM_MOUSEACTIVATE) {
        message.Result = MA_NOACTIVATE;
        POINT p{};
        GetCursorPos(&p);
        FHitMode = FLayerBorder.GetHitZone(BorderType, TPoint(p.x, p.y));
        if (FHitMode != bsflhNone && FLayerBorder.FForm && !FLayerBorder.FForm->Active())
            FLayerBorder.FForm->Show();
        return;
    }
    TCustomControl::WndProc(message);
}

void TbsFormLayerWindow::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseDown(button, shift, x, y);
    if (!FLayerBorder.CanResizeByBorder()) return;
    POINT p{};
    GetCursorPos(&p);
    FInProcessMessages = false;
    FHitMode = FLayerBorder.GetHitZone(BorderType, TPoint(p.x, p.y));
    FDown = FHitMode != bsflhNone;
    MousePos1 = MousePos2 = TPoint(p.x, p.y);
}

void TbsFormLayerWindow::MouseMove(TShiftState shift, int x, int y) {
    TCustomControl::MouseMove(shift, x, y);
    if (FInProcessMessages) {
        FInProcessMessages = false;
        return;
    }
    if (!FLayerBorder.CanResizeByBorder()) {
        SetCursor(crDefault);
        return;
    }
    POINT p{};
    GetCursorPos(&p);
    MousePos2 = TPoint(p.x, p.y);
    if (!FDown) {
        FLayerBorder.BSF->FBorderLayerChangeSize = false;
        FHitMode = FLayerBorder.GetHitZone(BorderType, MousePos2);
        static constexpr TCursor kCursors[] = { crDefault,  crSizeWE,   crSizeNS,
                                                crSizeWE,   crSizeNS,   crSizeNWSE,
                                                crSizeNESW, crSizeNESW, crSizeNWSE };
        SetCursor(kCursors[FHitMode]);
    } else {
        FLayerBorder.BSF->FBorderLayerChangeSize = true;
        if (FLayerBorder.ResizeStep(FHitMode, MousePos2.X - MousePos1.X,
                                    MousePos2.Y - MousePos1.Y)) {
            MousePos1 = MousePos2;
            FInProcessMessages = true;
            if (Application) Application->ProcessMessages();
        }
    }
    MousePos1 = MousePos2;
}

void TbsFormLayerWindow::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseUp(button, shift, x, y);
    FLayerBorder.BSF->FBorderLayerChangeSize = false;
    if (!FLayerBorder.CanResizeByBorder()) return;
    FDown = false;
    FInProcessMessages = false;
}

TbsFormLayerBorder::TbsFormLayerBorder(TbsSkinForm* owner) : BSF(owner) {}

TbsFormLayerBorder::~TbsFormLayerBorder() = default;

void TbsFormLayerBorder::InitFrame(TbsSkinData* skin, TCustomForm* form) {
    FForm = form;
    FSD = skin;
    FData = nullptr;
    FSourceBitmap.reset();
    FSourceInActiveBitMap.reset();
    FLeftSize = FTopSize = FRightSize = FBottomSize = 0;
    if (!skin || skin->Empty || skin->LayerFrame.PictureIndex == -1) return;
    TbsDataSkinLayerFrame& data = skin->LayerFrame;
    // A picture or mask that is not there gives no border rather than a broken one.
    FSourceBitmap = AlphaPicture(*skin, data.PictureIndex, data.MaskPictureIndex);
    if (!FSourceBitmap) return;
    if (data.InActivePictureIndex != -1)
        FSourceInActiveBitMap =
            AlphaPicture(*skin, data.InActivePictureIndex, data.InActiveMaskPictureIndex);
    if (FSourceInActiveBitMap && (FSourceInActiveBitMap->Width() != FSourceBitmap->Width() ||
                                  FSourceInActiveBitMap->Height() != FSourceBitmap->Height()))
        FSourceInActiveBitMap.reset();
    FData = &data;
    FCurrentAlphaBlendValue = data.AlphaBlendValue;
    FCurrentInActiveAlphaBlendValue = data.InActiveAlphaBlendValue;
    if (!RectIsEmpty(data.BorderRect)) {
        FLeftSize = data.ClRect.Left - data.BorderRect.Left;
        FTopSize = data.ClRect.Top - data.BorderRect.Top;
        FRightSize = data.BorderRect.Right - data.ClRect.Right;
        FBottomSize = data.BorderRect.Bottom - data.ClRect.Bottom;
    }
}

bool TbsFormLayerBorder::HasBorderRect() const {
    return FData && !RectIsEmpty(FData->BorderRect);
}

int TbsFormLayerBorder::TopHeight() const {
    return FData ? std::max(FData->LTPoint.Y, FData->RTPoint.Y) : 0;
}

int TbsFormLayerBorder::BottomHeight() const {
    return FData ? FSourceBitmap->Height() - std::min(FData->LBPoint.Y, FData->RBPoint.Y) : 0;
}

TRect TbsFormLayerBorder::OuterRect(const TRect& form) const {
    if (!FData) return TRect();
    const int x = form.Left - FData->ClRect.Left, y = form.Top - FData->ClRect.Top;
    return TRect(x, y, x + form.Width() + FSourceBitmap->Width() - FData->ClRect.Width(),
                 y + form.Height() + FSourceBitmap->Height() - FData->ClRect.Height());
}

int TbsFormLayerBorder::CurrentAlpha() const {
    return std::clamp(FActive ? FCurrentAlphaBlendValue : FCurrentInActiveAlphaBlendValue, 0, 255);
}

void TbsFormLayerBorder::BuildBorderImages(int aw, int ah) {
    const bool inactive = FForm && BSF && !BSF->GetFormActive();
    const TbsBitmap& s =
        inactive && FSourceInActiveBitMap ? *FSourceInActiveBitMap : *FSourceBitmap;
    const TbsDataSkinLayerFrame& d = *FData;
    const int sw = s.Width(), sh = s.Height(), th = TopHeight(), bh = BottomHeight();
    const int lw = d.ClRect.Left, rw = sw - d.ClRect.Right, sideH = ah - th - bh;
    auto make = [](int w, int h) {
        std::unique_ptr<TbsBitmap> image;
        if (w <= 0 || h <= 0) return image;
        image = std::make_unique<TbsBitmap>();
        image->SetSize(w, h);
        return image;
    };
    auto threePieces = [&](TbsBitmap& image, int top, int leftX, int rightX) {
        const int h = image.Height();
        CopyPiece(s, TRect(0, top, leftX, top + h), image, TRect(0, 0, leftX, h));
        CopyPiece(s, TRect(rightX, top, sw, top + h), image, TRect(aw - (sw - rightX), 0, aw, h));
        CopyPiece(s, TRect(leftX, top, rightX, top + h), image,
                  TRect(leftX, 0, aw - (sw - rightX), h));
    };
    FImages[bsflTop] = make(aw, th);
    if (FImages[bsflTop]) threePieces(*FImages[bsflTop], 0, d.LTPoint.X, d.RTPoint.X);
    FImages[bsflBottom] = make(aw, bh);
    if (FImages[bsflBottom]) threePieces(*FImages[bsflBottom], sh - bh, d.LBPoint.X, d.RBPoint.X);
    FImages[bsflLeft] = make(lw, sideH);
    if (FImages[bsflLeft]) TileDown(s, TRect(0, th, lw, sh - bh), *FImages[bsflLeft]);
    FImages[bsflRight] = make(rw, sideH);
    if (FImages[bsflRight]) TileDown(s, TRect(sw - rw, th, sw, sh - bh), *FImages[bsflRight]);
    for (auto& image : FImages)
        if (image) image->CheckingAlphaBlend();
}

TPoint TbsFormLayerBorder::PlaceOf(TbsFormLayerBorderType type, int x, int y) const {
    switch (type) {
    case bsflTop:
        return TPoint(x, y);
    case bsflBottom:
        return TPoint(x, y + FHeight - BottomHeight());
    case bsflLeft:
        return TPoint(x, y + TopHeight());
    case bsflRight:
        return TPoint(x + FWidth - (FSourceBitmap->Width() - FData->ClRect.Right), y + TopHeight());
    }
    return TPoint(x, y);
}

void TbsFormLayerBorder::UpdateWindows() {
    const auto alpha = std::uint8_t(CurrentAlpha());
    for (int i = 0; i < 4; ++i)
        if (FWindows[i] && FImages[i]) UpdateLayerWindow(*FImages[i], alpha, *FWindows[i]);
}

void TbsFormLayerBorder::PlaceWindows(int x, int y, bool show) {
    for (int i = 0; i < 4; ++i) {
        if (!FWindows[i]) continue;
        const TPoint p = PlaceOf(TbsFormLayerBorderType(i), x, y);
        SetWindowPos(FWindows[i]->Handle(), nullptr, p.X, p.Y, 0, 0,
                     SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOZORDER | (show ? SWP_SHOWWINDOW : 0u));
    }
}

void TbsFormLayerBorder::Show(int x, int y, int width, int height) {
    if (!FData) return;
    FWidth = width;
    FHeight = height;
    FVisible = true;
    BuildBorderImages(width, height);
    for (int i = 0; i < 4; ++i) {
        FWindows[i].reset();
        if (!FImages[i]) continue;
        FWindows[i] = std::make_unique<TbsFormLayerWindow>(*this, TbsFormLayerBorderType(i));
        FWindows[i]->SetVisible(false);
        const TPoint p = PlaceOf(TbsFormLayerBorderType(i), x, y);
        FWindows[i]->SetBounds(p.X, p.Y, FImages[i]->Width(), FImages[i]->Height());
    }
    UpdateWindows();
    PlaceWindows(x, y, true);
}

void TbsFormLayerBorder::Hide() {
    FVisible = false;
    if (FFadeTimer) FFadeTimer->SetEnabled(false);
    for (auto& window : FWindows)
        window.reset();
    for (auto& image : FImages)
        image.reset();
}

void TbsFormLayerBorder::SetBounds(int x, int y, int width, int height) {
    if (!FData || !FVisible) return;
    FWidth = width;
    FHeight = height;
    BuildBorderImages(width, height);
    for (int i = 0; i < 4; ++i) {
        if (!FWindows[i]) continue;
        if (FImages[i])
            FWindows[i]->SetBounds(FWindows[i]->Left(), FWindows[i]->Top(), FImages[i]->Width(),
                                   FImages[i]->Height());
    }
    UpdateWindows();
    PlaceWindows(x, y, true);
}

void TbsFormLayerBorder::ShowWithForm() {
    if (!FData || !FForm) return;
    const TRect r = OuterRect(FForm->BoundsRect());
    Show(r.Left, r.Top, r.Width(), r.Height());
}

void TbsFormLayerBorder::ShowWithFormAnimation() {
    if (!FData) return;
    FFadeTarget = FCurrentAlphaBlendValue;
    FCurrentAlphaBlendValue = 0;
    ShowWithForm();
    // The fade runs on a timer, not in a loop that would hold the program's messages.
    if (!FFadeTimer) {
        FFadeTimer = std::make_unique<TTimer>(nullptr);
        FFadeTimer->SetInterval(5);
        FFadeTimer->SetOnTimer([this](TObject*) { FadeStep(); });
    }
    FFadeTimer->SetEnabled(true);
}

void TbsFormLayerBorder::FadeStep() {
    const int step = std::max(1, FFadeTarget / 15);
    FCurrentAlphaBlendValue = std::min(FFadeTarget, FCurrentAlphaBlendValue + step);
    SetAlphaBlend();
    if (FCurrentAlphaBlendValue >= FFadeTarget) FFadeTimer->SetEnabled(false);
}

void TbsFormLayerBorder::SetBoundsWithForm() {
    if (FForm) SetBoundsWithForm3(FForm->Left(), FForm->Top(), FForm->Width(), FForm->Height());
}

void TbsFormLayerBorder::SetBoundsWithForm2(int width, int height) {
    if (FForm) SetBoundsWithForm3(FForm->Left(), FForm->Top(), width, height);
}

void TbsFormLayerBorder::SetBoundsWithForm3(int left, int top, int width, int height) {
    if (!FData || !FVisible) return;
    const TRect r = OuterRect(TRect(left, top, left + width, top + height));
    SetBounds(r.Left, r.Top, r.Width(), r.Height());
}

void TbsFormLayerBorder::MoveWithForm() {
    if (FForm) MoveWithForm2(FForm->Left(), FForm->Top());
}

void TbsFormLayerBorder::MoveWithForm2(int left, int top) {
    if (!FData || !FVisible || !FForm) return;
    const TRect r = OuterRect(TRect(left, top, left + FForm->Width(), top + FForm->Height()));
    PlaceWindows(r.Left, r.Top, false);
}

void TbsFormLayerBorder::SetAlphaBlend() {
    if (!FData || !FVisible || !FImages[bsflTop]) return;
    UpdateWindows();
}

void TbsFormLayerBorder::SetAlphaBlend2() {
    if (!FData || !FVisible) return;
    SetAlphaBlend();
    if (!FForm) return;
    const TRect r = OuterRect(FForm->BoundsRect());
    PlaceWindows(r.Left, r.Top, true);
}

void TbsFormLayerBorder::CheckFormAlpha(int formAlpha, bool update) {
    if (!FData) return;
    const double f = formAlpha / 255.0;
    FCurrentAlphaBlendValue = RoundEven(FData->AlphaBlendValue * f);
    FCurrentInActiveAlphaBlendValue = RoundEven(FData->InActiveAlphaBlendValue * f);
    if (update) SetAlphaBlend();
}

void TbsFormLayerBorder::SetActive(bool active, bool update) {
    FActive = active;
    if (FVisible && update) SetAlphaBlend2();
}

TbsFormLayerBorderHit TbsFormLayerBorder::GetHitZone(TbsFormLayerBorderType type, TPoint p) const {
    if (!FForm) return bsflhNone;
    const int l = FForm->Left(), t = FForm->Top(), w = FForm->Width(), h = FForm->Height();
    const int ls = FLeftSize, ts = FTopSize, rs = FRightSize, bs = FBottomSize;
    auto sides = [&]() {
        if (p.X >= l - ls && p.X < l) return bsflhLeft;
        if (p.X > l + w && p.X <= l + w + rs) return bsflhRight;
        return bsflhNone;
    };
    switch (type) {
    case bsflLeft:
        return p.X >= l - ls ? bsflhLeft : bsflhNone;
    case bsflRight:
        return p.X <= l + w + rs ? bsflhRight : bsflhNone;
    case bsflTop:
        if (Inside(TRect(l - ls, t - ts, l + 3, t + 3), p)) return bsflhTopLeft;
        if (Inside(TRect(l, t - ts, l + w, t), p)) return bsflhTop;
        if (Inside(TRect(l + w - 3, t - ts, l + w + rs, t + 3), p)) return bsflhTopRight;
        return p.Y > t ? sides() : bsflhNone;
    case bsflBottom:
        if (Inside(TRect(l - ls, t + h - 3, l + 3, t + h + bs), p)) return bsflhBottomLeft;
        if (Inside(TRect(l, t + h, l + w, t + h + bs), p)) return bsflhBottom;
        if (Inside(TRect(l + w - 3, t + h - 3, l + w + rs, t + h + bs), p)) return bsflhBottomRight;
        return p.Y < t + h ? sides() : bsflhNone;
    }
    return bsflhNone;
}

bool TbsFormLayerBorder::CanResizeByBorder() const {
    return FData && FData->HitTestEnable && BSF && BSF->IsFormSizeable() && !BSF->RollUpState() &&
           BSF->WindowState() == wsNormal;
}

bool TbsFormLayerBorder::ResizeStep(TbsFormLayerBorderHit hit, int dx, int dy) {
    if (!FForm || !BSF || hit == bsflhNone) return false;
    const int l = FForm->Left(), t = FForm->Top(), w = FForm->Width(), h = FForm->Height();
    const bool left = hit == bsflhLeft || hit == bsflhTopLeft || hit == bsflhBottomLeft;
    const bool right = hit == bsflhRight || hit == bsflhTopRight || hit == bsflhBottomRight;
    const bool top = hit == bsflhTop || hit == bsflhTopLeft || hit == bsflhTopRight;
    const bool bottom = hit == bsflhBottom || hit == bsflhBottomLeft || hit == bsflhBottomRight;
    int nw = w, nh = h, nl = l, nt = t;
    // An edge whose step the limits cut short would move its opposite edge: the step is
    // dropped whole.
    if (left) {
        nw = std::clamp(w - dx, BSF->GetMinWidth(),
                        std::max(BSF->GetMinWidth(), BSF->GetMaxWidth()));
        if (nw != w - dx) return false;
        nl = l + dx;
    } else if (right) {
        nw = std::clamp(w + dx, BSF->GetMinWidth(),
                        std::max(BSF->GetMinWidth(), BSF->GetMaxWidth()));
    }
    if (top) {
        nh = std::clamp(h - dy, BSF->GetMinHeight(),
                        std::max(BSF->GetMinHeight(), BSF->GetMaxHeight()));
        if (nh != h - dy) return false;
        nt = t + dy;
    } else if (bottom) {
        nh = std::clamp(h + dy, BSF->GetMinHeight(),
                        std::max(BSF->GetMinHeight(), BSF->GetMaxHeight()));
    }
    if (nw == w && nh == h) return false;
    FForm->SetBounds(nl, nt, nw, nh);
    return true;
}
