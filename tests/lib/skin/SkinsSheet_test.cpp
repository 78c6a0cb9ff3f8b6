// The skin sheet: every record of both program skins drawn at its design size and at a larger
// one, with the engine's own image builders, into one picture in the build folder for review.
#include "DrawingPictures.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindata/bsSkinListRecords.h"
#include "lib/skindata/bsSkinObjectRecords.h"
#include "lib/skindata/bsSkinPanelRecords.h"
#include "lib/skindata/bsSkinTabViewRecords.h"
#include "lib/skindraw/bsImageBuilders.h"
#include "platform/gfx/TBitmap.h"
#include "platform/gfx/TCanvas.h"
#include "platform/win/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const std::string kSkinsDir = VC_SKINS_DIR;
const int kSheetWidth = 960;
const int kLabelWidth = 150;
const int kGap = 8;

struct TSheetItem {
    std::string Label;
    std::vector<gfx::Surface> Faces;
};

gfx::Surface Cut(const TBitmap& picture, const TRect& r) {
    const gfx::Surface all = picture.ToSurface();
    gfx::Surface face(r.Right - r.Left, r.Bottom - r.Top);
    for (int y = 0; y < face.Height(); ++y)
        for (int x = 0; x < face.Width(); ++x)
            face.Set(x, y, all.At(r.Left + x, r.Top + y));
    return face;
}

// The face built at width x height as the control would build it for its resize mode.
gfx::Surface Build(const TbsDataSkinCustomControl& c, TBitmap& picture, int width, int height) {
    const int w = c.SkinRect.Right - c.SkinRect.Left;
    const int h = c.SkinRect.Bottom - c.SkinRect.Top;
    TBitmap out;
    if (c.RBPoint.X != 0 && c.RBPoint.Y != 0) {
        const int dw = width - w;
        const int dh = height - h;
        BuildNineSliceImage(
            c.LTPoint, c.RTPoint, c.LBPoint, c.RBPoint, c.ClRect, c.LTPoint,
            TPoint(c.RTPoint.X + dw, c.RTPoint.Y), TPoint(c.LBPoint.X, c.LBPoint.Y + dh),
            TPoint(c.RBPoint.X + dw, c.RBPoint.Y + dh),
            TRect(c.ClRect.Left, c.ClRect.Top, c.ClRect.Right + dw, c.ClRect.Bottom + dh), out,
            picture, c.SkinRect, width, height, true, c.LeftStretch, c.TopStretch, c.RightStretch,
            c.BottomStretch, c.StretchEffect, c.StretchType);
    } else if (c.RTPoint.X != 0 || c.RTPoint.Y != 0) {
        BuildHorzThreeSliceImage(c.LTPoint.X, w - c.RTPoint.X, out, picture, c.SkinRect, width,
                                 height, false);
    } else if (c.LBPoint.X != 0 || c.LBPoint.Y != 0) {
        BuildVertThreeSliceImage(c.LTPoint.Y, h - c.LBPoint.Y, out, picture, c.SkinRect, width,
                                 height, false);
    } else {
        return Cut(picture, c.SkinRect);
    }
    return out.ToSurface();
}

// A face grown by the builders keeps the corners of the face drawn at its design size.
void ExpectSameCorners(const std::string& label, const gfx::Surface& design,
                       const gfx::Surface& grown) {
    ASSERT_FALSE(design.Empty()) << label;
    ASSERT_FALSE(grown.Empty()) << label;
    const auto rgb = [](gfx::Pixel p) { return p & 0xFFFFFF; };
    EXPECT_EQ(rgb(design.At(0, 0)), rgb(grown.At(0, 0))) << label;
    EXPECT_EQ(rgb(design.At(design.Width() - 1, design.Height() - 1)),
              rgb(grown.At(grown.Width() - 1, grown.Height() - 1)))
        << label;
}

// The grown frame as a window shows it: the caption buttons in their row from the right of
// the caption rectangle, the system-menu button at its left and a caption with Chinese text.
void DressFrame(TbsSkinData& skin, TBitmap& frame, int dw) {
    const TRect area(skin.CaptionRect.Left, skin.CaptionRect.Top, skin.CaptionRect.Right + dw,
                     skin.CaptionRect.Bottom);
    int right = area.Right;
    int left = area.Left;
    const auto face = [&](const char* name) -> std::pair<TbsDataSkinObject*, TBitmap*> {
        const int i = skin.GetIndex(name);
        if (i < 0) return { nullptr, nullptr };
        auto* o = skin.ObjectList[std::size_t(i)].get();
        if (!o->SkinRectInAPicture || o->ActivePictureIndex < 0) return { nullptr, nullptr };
        return { o, skin.FActivePictures[std::size_t(o->ActivePictureIndex)].get() };
    };
    for (const char* name : { "closebutton", "maxbutton", "minbutton" }) {
        const auto [o, picture] = face(name);
        if (!o) continue;
        const int w = o->SkinRect.Right - o->SkinRect.Left;
        const int h = o->SkinRect.Bottom - o->SkinRect.Top;
        frame.Canvas().CopyRect(TRect(right - w, area.Top, right, area.Top + h), picture->Canvas(),
                                o->SkinRect);
        right -= w + skin.ButtonsOffset;
    }
    if (const auto [o, picture] = face("sysmenubutton"); o) {
        const int w = o->SkinRect.Right - o->SkinRect.Left;
        const int h = o->SkinRect.Bottom - o->SkinRect.Top;
        const int top = area.Top + (area.Bottom - area.Top) / 2 - h / 2;
        frame.Canvas().CopyRect(TRect(left, top, left + w, top + h), picture->Canvas(),
                                o->SkinRect);
        left += w + 6;
    }
    const int i = skin.GetIndex("caption");
    if (i < 0) return;
    const auto* caption =
        dynamic_cast<const TbsDataSkinCaption*>(skin.ObjectList[std::size_t(i)].get());
    if (!caption) return;
    TCanvas& canvas = frame.Canvas();
    canvas.Brush().SetStyle(bsClear);
    canvas.Font().SetName(caption->FontName);
    canvas.Font().SetHeight(caption->FontHeight);
    canvas.Font().SetStyle(caption->FontStyle);
    canvas.Font().SetColor(caption->ActiveFontColor);
    canvas.TextOut(left, area.Top + 3, "苇川视频转换器 - Video Converter");
}

std::vector<TSheetItem> Items(TbsSkinData& skin, const std::string& skinName) {
    std::vector<TSheetItem> items;
    if (!skin.FPicture.Empty()) {
        TBitmap frame;
        const int dw = 240;
        const int dh = 120;
        const TRect& cl = skin.ClRect;
        BuildNineSliceImage(
            skin.LTPoint, skin.RTPoint, skin.LBPoint, skin.RBPoint, cl, skin.LTPoint,
            TPoint(skin.RTPoint.X + dw, skin.RTPoint.Y),
            TPoint(skin.LBPoint.X, skin.LBPoint.Y + dh),
            TPoint(skin.RBPoint.X + dw, skin.RBPoint.Y + dh),
            TRect(cl.Left, cl.Top, cl.Right + dw, cl.Bottom + dh), frame, skin.FPicture,
            TRect(0, 0, skin.FPicture.Width(), skin.FPicture.Height()), skin.FPicture.Width() + dw,
            skin.FPicture.Height() + dh, true, skin.LeftStretch, skin.TopStretch, skin.RightStretch,
            skin.BottomStretch, skin.StretchEffect, skin.StretchType);
        DressFrame(skin, frame, dw);
        items.push_back({ skinName + " frame", { skin.FPicture.ToSurface(), frame.ToSurface() } });
    }
    for (const auto& record : skin.ObjectList) {
        TSheetItem item{ skinName + " " + record->IDName, {} };
        const TBitmap* active =
            record->ActivePictureIndex >= 0
                ? skin.FActivePictures[std::size_t(record->ActivePictureIndex)].get()
                : nullptr;
        const TBitmap& home = record->SkinRectInAPicture && active ? *active : skin.FPicture;
        if (!home.Empty()) item.Faces.push_back(Cut(home, record->SkinRect));
        if (active && record->ActiveSkinRect.Right > record->ActiveSkinRect.Left)
            item.Faces.push_back(Cut(*active, record->ActiveSkinRect));
        items.push_back(std::move(item));
    }
    for (const auto& record : skin.CtrlList) {
        auto* c = dynamic_cast<const TbsDataSkinCustomControl*>(record.get());
        const TRect& r = record->SkinRect;
        if (record->PictureIndex < 0 || r.Right <= r.Left || r.Bottom <= r.Top) {
            items.push_back({ skinName + " " + record->IDName + " (no face)", {} });
            continue;
        }
        TBitmap& picture = *skin.FActivePictures[std::size_t(record->PictureIndex)];
        const int w = r.Right - r.Left;
        const int h = r.Bottom - r.Top;
        TSheetItem item{ skinName + " " + record->IDName, {} };
        if (c) {
            item.Faces.push_back(Build(*c, picture, w, h));
            item.Faces.push_back(Build(*c, picture, w * 3, h * 2));
            ExpectSameCorners(item.Label, item.Faces[0], item.Faces[1]);
        } else {
            item.Faces.push_back(Cut(picture, r));
        }
        std::vector<TRect> states;
        if (auto* b = dynamic_cast<const TbsDataSkinButtonControl*>(record.get()))
            states = { b->ActiveSkinRect, b->DownSkinRect, b->DisabledSkinRect };
        if (auto* k = dynamic_cast<const TbsDataSkinCheckRadioControl*>(record.get()))
            states = { k->CheckImageRect,          k->UnCheckImageRect,
                       k->ActiveCheckImageRect,    k->ActiveUnCheckImageRect,
                       k->UnEnabledCheckImageRect, k->UnEnabledUnCheckImageRect,
                       k->GrayedCheckImageRect,    k->ActiveGrayedCheckImageRect };
        if (auto* t = dynamic_cast<const TbsDataSkinTabControl*>(record.get()))
            states = { t->TabRect, t->ActiveTabRect, t->FocusTabRect, t->MouseInTabRect };
        if (auto* l = dynamic_cast<const TbsDataSkinSlider*>(record.get()))
            states = { l->HThumbRect, l->VRulerRect };
        if (auto* b = dynamic_cast<const TbsDataSkinScrollBarControl*>(record.get()))
            states = { b->ThumbRect, b->ActiveThumbRect, b->DownThumbRect };
        if (auto* b = dynamic_cast<const TbsDataSkinComboBox*>(record.get()))
            states = { b->ActiveSkinRect, b->ActiveButtonRect, b->DownButtonRect,
                       b->UnEnabledButtonRect };
        if (auto* b = dynamic_cast<const TbsDataSkinListBox*>(record.get()))
            states = { b->SItemRect, b->ActiveItemRect, b->FocusItemRect };
        for (const TRect& state : states)
            if (state.Right > state.Left && state.Bottom > state.Top)
                item.Faces.push_back(Cut(picture, state));
        items.push_back(std::move(item));
    }
    return items;
}

} // namespace

TEST(SkinsSheet, DrawsEveryRecordAtTwoSizes) {
    std::vector<TSheetItem> items;
    for (const char* name : { "main", "tool" }) {
        TbsSkinData skin(nullptr);
        skin.FormsToNotify = [] { return TbsSkinMessageForms{}; };
        skin.LoadFromFile(kSkinsDir + "/" + name + "/skin.ini");
        ASSERT_FALSE(skin.Empty) << name;
        auto more = Items(skin, name);
        items.insert(items.end(), std::make_move_iterator(more.begin()),
                     std::make_move_iterator(more.end()));
    }
    int height = kGap;
    int width = kSheetWidth;
    for (const auto& item : items) {
        int rowHeight = 16;
        int rowWidth = kLabelWidth;
        for (const auto& face : item.Faces) {
            rowHeight = std::max(rowHeight, face.Height());
            rowWidth += face.Width() + kGap;
        }
        height += rowHeight + kGap;
        width = std::max(width, rowWidth);
    }

    TBitmap sheet;
    sheet.SetPixelFormat(pf24bit);
    sheet.SetSize(width, height);
    sheet.Canvas().Brush().SetColor(0xFFFFFF);
    sheet.Canvas().FillRect(TRect(0, 0, width, height));
    int y = kGap;
    for (const auto& item : items) {
        int rowHeight = 16;
        sheet.Canvas().TextOut(kGap, y, item.Label);
        int x = kLabelWidth;
        for (const auto& face : item.Faces) {
            sheet.Canvas().Draw(x, y, BitmapOfSurface(face).get());
            x += face.Width() + kGap;
            rowHeight = std::max(rowHeight, face.Height());
        }
        y += rowHeight + kGap;
    }
    const std::string fileName = std::string(VC_SHEET_DIR) + "/skin-sheet.png";
    EXPECT_TRUE(win::HeadlessBackend::SavePng(sheet.ToSurface(), fileName)) << fileName;
}
