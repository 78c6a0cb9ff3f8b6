#pragma once
#include "platform/forms/TCollection.h"
#include "platform/forms/TComponent.h"
#include "platform/gfx/TRect.h"

#include <string>

// A small button at the caption's left end: an image of the component's quick image list with
// a hover and a press face. Changing what it shows repaints the frame (through the collection).
class TbsQuickButtonItem : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;
    std::string ClassName() const override { return "TbsQuickButtonItem"; }
    // Copies image, hint, enabled and visible from another quick button (not the handler).
    void Assign(const TPersistent* source) override;

    int ImageIndex() const { return FImageIndex; }
    virtual void SetImageIndex(int value);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& value) { FHint = value; }
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool value);
    bool Visible() const { return FVisible; }
    virtual void SetVisible(bool value);

    TNotifyEvent OnClick;
    // Where the last frame paint put it (window coordinates).
    TRect ItemRect;
    bool Active{ false };
    bool Down{ false };

private:
    int FImageIndex{ -1 };
    std::string FHint;
    bool FEnabled{ true };
    bool FVisible{ true };
};
