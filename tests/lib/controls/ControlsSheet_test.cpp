// The control sheet: every skinned control class with its records, drawn with the program's
// main skin, its tool skin and without a skin (the plain look), in the states normal, hot,
// pressed, disabled and focused, each reached through injected pointer and keys. The sheet is
// written to controls-sheet.png in the build folder for review; pixel checks run beside it.
#include "ButtonSheetRows.h"
#include "ControlSheet.h"
#include "EditTestSupport.h"
#include "PageSheetRows.h"
#include "PanelSheetRows.h"
#include "ScrollSheetRows.h"
#include "TestControls.h"
#include "TestSkins.h"
#include "ViewSheetRows.h"
#include "lib/controls/bsActivePicture.h"

#include <set>

namespace {

// Each skinned control adds its rows here.
std::vector<TSheetRow> SheetRows() {
    std::vector<TSheetRow> rows = {
        SheetRow<TWindowedStateButton>("windowed base, button", "button", { 90, 26 }),
        SheetRow<TWindowlessStateButton>("windowless base, button", "button", { 90, 26 }),
        SheetRow<TWindowedStateButton>("windowed base, toolbutton", "toolbutton", { 60, 30 }),
        SheetRow<TWindowlessStateButton>("windowless base, toolbutton", "toolbutton", { 60, 30 }),
        ScrollBarSheetRow("scroll bar", sbHorizontal, false),
        ScrollBarSheetRow("scroll bar, vertical", sbVertical, false),
        ScrollBarSheetRow("scroll bar, corner record", sbHorizontal, true),
        UpDownSheetRow("up-down", udHorizontal),
        UpDownSheetRow("up-down, vertical", udVertical),
        SliderSheetRow("slider", soHorizontal),
        SliderSheetRow("slider, vertical", soVertical),
        ScrollBoxSheetRow("scroll box with both bars"),
        EditSheetRow("skinned edit", elText),
        EditSheetRow("skinned edit, read-only", elReadOnly),
        EditSheetRow("skinned edit, button", elButton),
        EditSheetRow("skinned edit, image buttons", elImages),
        ButtonSheetRow<TbsSkinButton>("push button, button", "button", { 90, 26 }),
        ButtonSheetRow<TbsSkinButton>("push button, resizebutton", "resizebutton", { 90, 26 }),
        ButtonSheetRow<TbsSkinButton>("push button, toolbutton", "toolbutton", { 60, 30 }),
        ButtonSheetRow<TbsSkinButton>("push button, resizetoolbutton", "resizetoolbutton",
                                      { 60, 30 }),
        ButtonSheetRow<TbsSkinSpeedButton>("speed button, toolbutton", "toolbutton", { 60, 30 }),
        ButtonSheetRow<TbsSkinSpeedButton>("speed button, resizetoolbutton", "resizetoolbutton",
                                           { 60, 30 }),
        ButtonSheetRow<TbsSkinMenuSpeedButton>("menu speed button, toolbutton", "toolbutton",
                                               { 70, 30 }),
        ButtonSheetRow<TbsSkinMenuSpeedButton>("menu speed button, resizetoolbutton",
                                               "resizetoolbutton", { 70, 30 }),
    };
    const auto panels = PanelSheetRows();
    rows.insert(rows.end(), panels.begin(), panels.end());
    const auto pageControls = PageControlSheetRows();
    rows.insert(rows.end(), pageControls.begin(), pageControls.end());
    const auto views = ViewSheetRows();
    rows.insert(rows.end(), views.begin(), views.end());
    return rows;
}

struct TSkinColumn {
    std::string Name;
    TbsSkinData* Skin;
};

// The colours of the record's face in its picture.
std::set<std::uint32_t> FaceColours(const TbsSkinData& skin, const std::string& record) {
    std::set<std::uint32_t> colours;
    const int index = skin.GetControlIndex(record);
    if (index < 0) return colours;
    const TbsDataSkinControl& r = *skin.CtrlList[std::size_t(index)];
    const TBitmap* picture = ActivePictureOf(skin, r.PictureIndex);
    if (!picture) return colours;
    const gfx::Surface pixels = picture->ToSurface();
    for (int y = r.SkinRect.Top; y < r.SkinRect.Bottom; ++y)
        for (int x = r.SkinRect.Left; x < r.SkinRect.Right; ++x)
            colours.insert(RgbAt(pixels, x, y));
    return colours;
}

void ExpectCornersOfTheFace(const TbsSkinData& skin, const std::string& record,
                            const gfx::Surface& cell) {
    const int index = skin.GetControlIndex(record);
    ASSERT_GE(index, 0);
    const TbsDataSkinControl& r = *skin.CtrlList[std::size_t(index)];
    const TBitmap* picture = ActivePictureOf(skin, r.PictureIndex);
    ASSERT_TRUE(picture);
    const TRect& f = r.SkinRect;
    const int w = cell.Width() - 1;
    const int h = cell.Height() - 1;
    EXPECT_EQ(RgbAt(cell, 0, 0), RgbAt(*picture, f.Left, f.Top));
    EXPECT_EQ(RgbAt(cell, w, 0), RgbAt(*picture, f.Right - 1, f.Top));
    EXPECT_EQ(RgbAt(cell, 0, h), RgbAt(*picture, f.Left, f.Bottom - 1));
    EXPECT_EQ(RgbAt(cell, w, h), RgbAt(*picture, f.Right - 1, f.Bottom - 1));
}

using ControlsSheet = ControlSheetTest;

TEST_F(ControlsSheet, DrawsEveryRowWithBothSkinsAndWithoutInEveryState) {
    const auto mainSkin = LoadProgramSkin("main");
    const auto toolSkin = LoadProgramSkin("tool");
    const TSkinColumn skins[] = { { "main", mainSkin.get() },
                                  { "tool", toolSkin.get() },
                                  { "none", nullptr } };
    std::vector<std::string> labels;
    std::vector<std::vector<TSheetCell>> sheet;
    for (const TSheetRow& row : SheetRows()) {
        std::vector<TSheetCell> line;
        for (const TSkinColumn& column : skins) {
            SCOPED_TRACE(row.Label + ", " + column.Name);
            const std::vector<TSheetCell> cells = DrawRow(row, column.Skin, column.Name);
            const gfx::Surface& normal = cells[ssNormal].Pixels;
            if (row.KeepsSize) {
                ASSERT_EQ(TSize(normal.Width(), normal.Height()), row.Size);
            }
            // A skin without the record shows the plain look.
            const bool plain = !column.Skin || column.Skin->GetControlIndex(row.Record) < 0;
            if (!plain && row.CornersFromFace)
                ExpectCornersOfTheFace(*column.Skin, row.Record, normal);
            for (TSheetState state : row.DistinctStates) {
                if (state == ssHot && plain && !row.PlainHot) continue;
                EXPECT_FALSE(SamePixels(cells[state].Pixels, normal)) << SheetStateName(state);
            }
            line.insert(line.end(), cells.begin(), cells.end());
        }
        // The plain look takes nothing from a skin: no colour of the main skin's face shows in
        // it but those the plain look draws itself.
        const auto faceColours = FaceColours(*mainSkin, row.Record);
        const gfx::Surface& plainNormal = line[2 * std::size(kSheetStates)].Pixels;
        std::set<std::uint32_t> plainColours;
        for (int y = 0; y < plainNormal.Height(); ++y)
            for (int x = 0; x < plainNormal.Width(); ++x)
                plainColours.insert(RgbAt(plainNormal, x, y));
        std::set<std::uint32_t> ownColours{ PlainFace() };
        for (const TColor colour : row.PlainColours)
            ownColours.insert(RgbOf(colour));
        for (const std::uint32_t colour : plainColours)
            EXPECT_TRUE(!faceColours.count(colour) || ownColours.count(colour))
                << row.Label << std::hex << " shows skin colour " << colour;
        labels.push_back(row.Label);
        sheet.push_back(std::move(line));
    }
    const std::string fileName = std::string(VC_SHEET_DIR) + "/controls-sheet.png";
    EXPECT_TRUE(WriteSheet(fileName, labels, sheet)) << fileName;
}

} // namespace
