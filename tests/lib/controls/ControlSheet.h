#pragma once
#include "tests/platform/forms/ControlsFixture.h"

#include "lib/skindata/TbsSkinData.h"
#include "platform/gfx/Surface.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

enum TSheetState { ssNormal, ssHot, ssPressed, ssDisabled, ssFocused };

// One row of the control sheet: a skinned control class shown with one record, drawn with each
// skin and without one, in each state.
struct TSheetRow {
    std::string Label;
    // The record the control names (its SkinDataName).
    std::string Record;
    // Larger than the record's face, so that the sheet shows the face grown.
    TSize Size;
    // Makes the control, owned by the form, named to the record and bound to skin (nullptr: no
    // skin object, the plain look). The sheet places it.
    std::function<TControl*(TForm& form, TbsSkinData* skin, const std::string& record)> Make;
    // Whether the control's face in the normal state keeps the corners of the record's face
    // (false for a control that draws over its corners).
    bool CornersFromFace{ true };
    // The states whose look must differ from the normal one (a control without a hot look
    // leaves that state out).
    std::vector<TSheetState> DistinctStates{ ssHot, ssPressed, ssDisabled };
    // Whether the plain look (no record) shows that the pointer is over the control.
    bool PlainHot{ true };
    // Where the pointer stands for the hot and pressed states, in the control's bounds; the
    // centre when unset.
    std::optional<TPoint> HotSpot{};
    // Colours the plain look draws of its own besides clBtnFace (a field's window colour).
    std::vector<TColor> PlainColours{};
    // Whether the control keeps the size the sheet gives it (false for a panel rolled up).
    bool KeepsSize{ true };
    // Pixel checks of the row's own on each cell, with the control still in its state (skin:
    // nullptr for the plain look).
    std::function<void(TSheetState state, TControl& control, const gfx::Surface& cell,
                       TbsSkinData* skin)>
        CheckCell{};
};

// A row for a control of class T that derives from one of the skinned bases.
template <class T>
TSheetRow SheetRow(const std::string& label, const std::string& record, TSize size) {
    return { label, record, size,
             [](TForm& form, TbsSkinData* skin, const std::string& name) -> TControl* {
                 auto* control = new T(&form);
                 control->SetSkinDataName(name);
                 control->SetSkinData(skin);
                 return control;
             } };
}

const char* SheetStateName(TSheetState state);
inline constexpr TSheetState kSheetStates[] = { ssNormal, ssHot, ssPressed, ssDisabled, ssFocused };

// What the sheet drew in one cell.
struct TSheetCell {
    std::string Skin; // "main", "tool" or "none"
    TSheetState State;
    gfx::Surface Pixels;
};

// A shown form on which each cell's control is put, brought into its state through injected
// pointer and keys, and photographed from the screen.
class ControlSheetTest : public formstest::ControlsTest {
protected:
    void SetUp() override;

    // The row's control with the skin given (nullptr: none), one cell per state.
    std::vector<TSheetCell> DrawRow(const TSheetRow& row, TbsSkinData* skin,
                                    const std::string& skinName);
    // Writes the cells, one line per row with its label, into a PNG file; false when it cannot.
    static bool WriteSheet(const std::string& fileName, const std::vector<std::string>& labels,
                           const std::vector<std::vector<TSheetCell>>& rows);

private:
    gfx::Surface DrawCell(const TSheetRow& row, TbsSkinData* skin, TSheetState state);
    // To a point of the control's bounds (its frame included).
    void MovePointer(TControl* control, int x, int y);

    TWinControl* FAnchor{ nullptr };
};
