#pragma once
#include "platform/forms/TCollection.h"
#include "platform/forms/TCustomControl.h"

class TbsSkinListColumn : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;
    std::string ClassName() const override { return "TbsSkinListColumn"; }

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& value) { FCaption = value; }
    int Width() const { return FWidth; }
    void SetWidth(int value) { FWidth = value; }
    int MaxWidth() const { return FMaxWidth; }
    void SetMaxWidth(int value) { FMaxWidth = value; }

private:
    std::string FCaption;
    int FWidth{ 50 };
    int FMaxWidth{ 0 };
};

// The job list's place and columns: a report view with a header and grid lines. It holds no
// rows yet.
class TbsSkinListView : public TCustomControl {
public:
    explicit TbsSkinListView(TComponent* owner);
    std::string ClassName() const override { return "TbsSkinListView"; }

    TCollection& Columns() { return FColumns; }
    TbsSkinListColumn* Column(int index) const;

protected:
    void Paint() override;

private:
    TCollection FColumns;
};

// A horizontal slider: a track with a thumb at Value between MinValue and MaxValue. A click or
// drag on the track moves the thumb and raises OnChange.
class TbsSkinSlider : public TCustomControl {
public:
    explicit TbsSkinSlider(TComponent* owner);
    std::string ClassName() const override { return "TbsSkinSlider"; }

    int MinValue() const { return FMinValue; }
    void SetMinValue(int value);
    int MaxValue() const { return FMaxValue; }
    void SetMaxValue(int value);
    int Value() const { return FValue; }
    void SetValue(int value);

    TNotifyEvent OnChange;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;

private:
    int ValueAt(int x) const;

    int FMinValue{ 0 };
    int FMaxValue{ 100 };
    int FValue{ 0 };
};
