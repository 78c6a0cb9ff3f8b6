#pragma once
#include "ControlSheet.h"

#include "lib/controls/TbsSkinBevel.h"
#include "lib/controls/TbsSkinCheckRadioBox.h"
#include "lib/controls/TbsSkinLinkLabel.h"
#include "lib/controls/TbsSkinSplitter.h"
#include "lib/controls/TbsSkinStatusBar.h"
#include "lib/controls/TbsSkinStdLabel.h"
#include "lib/controls/TbsSkinTextLabel.h"
#include "lib/controls/TbsSkinToolBar.h"

#include <functional>

// A panel that rolls up once the sheet has placed it, so that its cell shows it rolled up.
class TSheetRolledPanel : public TbsSkinPanel {
public:
    explicit TSheetRolledPanel(TComponent* owner) : TbsSkinPanel(owner) {
        SetCaption("Rolled up");
        SetCaptionMode(true);
        SetRollUpMode(true);
    }
    void SetBounds(int left, int top, int width, int height) override {
        TbsSkinPanel::SetBounds(left, top, width, height);
        if (Parent() && !FRolled && !FInChangingRollUp) {
            FRolled = true;
            SetRollUpState(true);
        }
    }

private:
    bool FRolled{ false };
};

// A row of class T set up by configure after it is named and bound.
template <class T>
TSheetRow ConfiguredRow(const std::string& label, const std::string& record, TSize size,
                        std::function<void(T&)> configure, std::vector<TSheetState> changed = {},
                        bool corners = false) {
    TSheetRow row{ label, record, size,
                   [configure](TForm& form, TbsSkinData* skin,
                               const std::string& name) -> TControl* {
                       auto* control = new T(&form);
                       control->SetSkinDataName(name);
                       control->SetSkinData(skin);
                       if (configure) configure(*control);
                       return control;
                   } };
    row.CornersFromFace = corners;
    row.DistinctStates = std::move(changed);
    return row;
}

// A tool bar holding `count` speed buttons 40 pixels wide, on the bar's skin object.
inline std::function<void(TbsSkinToolBar&)> ToolBarWithButtons(int count) {
    return [count](TbsSkinToolBar& bar) {
        bar.SetCanScroll(true);
        for (int i = 0; i < count; ++i) {
            auto* button = new TbsSkinSpeedButton(bar.Owner());
            button->SetParent(&bar);
            button->SetCaption("Tool");
            button->SetBounds(i * 40, 2, 40, 24);
        }
        bar.SetSkinData(bar.SkinData());
    };
}

// The panels, bars, check and radio boxes, labels, bevel and splitter on the sheet.
inline std::vector<TSheetRow> PanelSheetRows() {
    auto captioned = [](TbsSkinPanel& p) {
        p.SetCaption("Caption");
        p.SetCaptionMode(true);
    };
    auto checked = [](TbsSkinPanel& p) {
        p.SetCaption("Checked");
        p.SetCaptionMode(true);
        p.SetCheckedMode(true);
        p.SetChecked(true);
    };
    auto box = [](const char* caption, bool radio, TCheckBoxState state, bool flat) {
        return [=](TbsSkinCheckRadioBox& b) {
            b.SetCaption(caption);
            b.SetRadio(radio);
            b.SetFlat(flat);
            b.SetState(state);
        };
    };
    const std::vector<TSheetState> boxStates{ ssHot, ssPressed, ssDisabled };
    std::vector<TSheetRow> rows = {
        ConfiguredRow<TbsSkinPanel>("panel, panel", "panel", { 120, 60 }, nullptr, {}, true),
        ConfiguredRow<TbsSkinPanel>("panel with caption, panel", "panel", { 120, 60 }, captioned),
        ConfiguredRow<TbsSkinPanel>("panel checked, panel", "panel", { 120, 60 }, checked),
        ConfiguredRow<TSheetRolledPanel>("panel rolled up, panel", "panel", { 120, 60 }, nullptr),
        ConfiguredRow<TbsSkinGroupBox>("group box, groupbox", "groupbox", { 120, 60 },
                                       [](TbsSkinGroupBox& g) { g.SetCaption("Group"); }),
        ConfiguredRow<TbsSkinPanel>("panel, toolpanel", "toolpanel", { 120, 30 }, nullptr),
        ConfiguredRow<TbsSkinPanel>("panel, resizetoolpanel", "resizetoolpanel", { 120, 30 },
                                    nullptr),
        ConfiguredRow<TbsSkinToolBar>("tool bar, resizetoolpanel", "resizetoolpanel", { 150, 30 },
                                      ToolBarWithButtons(3)),
        ConfiguredRow<TbsSkinToolBar>("tool bar scrolling, resizetoolpanel", "resizetoolpanel",
                                      { 150, 30 }, ToolBarWithButtons(6)),
        ConfiguredRow<TbsSkinStatusBar>("status bar with grip, statusbar", "statusbar", { 120, 21 },
                                        [](TbsSkinStatusBar& s) {
                                            s.SetAlign(alNone);
                                            s.SetSizeGrip(true);
                                        }),
        ConfiguredRow<TbsSkinCheckRadioBox>("check box, checkbox", "checkbox", { 110, 25 },
                                            box("Check", false, cbUnchecked, true), boxStates),
        ConfiguredRow<TbsSkinCheckRadioBox>("check box checked, checkbox", "checkbox", { 110, 25 },
                                            box("Check", false, cbChecked, true), { ssDisabled }),
        ConfiguredRow<TbsSkinCheckRadioBox>("check box grayed, checkbox", "checkbox", { 110, 25 },
                                            box("Check", false, cbGrayed, true), { ssDisabled }),
        ConfiguredRow<TbsSkinCheckRadioBox>("radio box, radiobox", "radiobox", { 110, 25 },
                                            box("Radio", true, cbUnchecked, true), boxStates),
        ConfiguredRow<TbsSkinCheckRadioBox>("radio box checked, radiobox", "radiobox", { 110, 25 },
                                            box("Radio", true, cbChecked, true), { ssDisabled }),
        ConfiguredRow<TbsSkinCheckRadioBox>("framed check box checked, checkbox", "checkbox",
                                            { 110, 20 }, box("Check", false, cbChecked, false),
                                            { ssDisabled }),
        ConfiguredRow<TbsSkinStdLabel>("std label, stdlabel", "stdlabel", { 80, 20 },
                                       [](TbsSkinStdLabel& l) {
                                           l.SetAutoSize(false);
                                           l.SetCaption("Std label");
                                       },
                                       { ssDisabled }),
        ConfiguredRow<TbsSkinTextLabel>("text label, stdlabel", "stdlabel", { 80, 34 },
                                        [](TbsSkinTextLabel& l) {
                                            l.SetAutoSize(false);
                                            l.Lines().Add("Text");
                                            l.Lines().Add("label");
                                        },
                                        { ssDisabled }),
        ConfiguredRow<TbsSkinLinkLabel>("link label, stdlabel", "stdlabel", { 80, 20 },
                                        [](TbsSkinLinkLabel& l) {
                                            l.SetAutoSize(false);
                                            l.SetCaption("Link label");
                                        },
                                        { ssHot, ssDisabled }),
        ConfiguredRow<TbsSkinBevel>("bevel divider, bevel", "bevel", { 10, 30 },
                                    [](TbsSkinBevel& b) {
                                        b.SetShape(bsLeftLine);
                                        b.SetDividerMode(true);
                                    }),
        ConfiguredRow<TbsSkinBevel>("bevel box, bevel", "bevel", { 60, 30 }, nullptr),
        // Aligned to a side it would take the form's whole height; unaligned it shows the plain
        // bar.
        ConfiguredRow<TbsSkinSplitter>("splitter, vsplitter", "vsplitter", { 10, 60 },
                                       [](TbsSkinSplitter& s) { s.SetAlign(alNone); }),
    };
    for (TSheetRow& row : rows)
        if (row.Label.starts_with("panel rolled up")) row.KeepsSize = false;
    return rows;
}
