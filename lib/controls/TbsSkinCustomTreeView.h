#pragma once
#include "lib/controls/TbsSkinViewBase.h"
#include "lib/skindata/bsSkinTabViewRecords.h"
#include "platform/forms/TTreeView.h"

// The tree view dressed by the record "treeview": font and colours from it, no native frame
// or bars, and the outside skin bars kept in step with the tree: the vertical one in rows
// while more rows are open than show, the horizontal one in pixels.
class TbsSkinCustomTreeView : public TbsSkinViewBase<TTreeView, TbsDataSkinTreeView> {
public:
    explicit TbsSkinCustomTreeView(TComponent* owner);

    std::string ClassName() const override { return "TbsSkinCustomTreeView"; }

    void UpDateScrollBars() override;
    void ChangeSkinData() override;
    void WndProc(TMessage& message) override;

protected:
    void Change(TTreeNode* node) override;
    void VScrollBarChange() override;
    void HScrollBarChange() override;
};
