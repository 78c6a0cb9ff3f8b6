#pragma once
#include "platform/forms/TPersistent.h"
#include <functional>

// Smallest and largest size a control may take; 0 means no limit.
class TSizeConstraints : public TPersistent {
public:
    std::string ClassName() const override { return "TSizeConstraints"; }

    int MinWidth() const { return FMinWidth; }
    int MinHeight() const { return FMinHeight; }
    int MaxWidth() const { return FMaxWidth; }
    int MaxHeight() const { return FMaxHeight; }
    void SetMinWidth(int value);
    void SetMinHeight(int value);
    void SetMaxWidth(int value);
    void SetMaxHeight(int value);

    // Brings a size into the limits.
    void Constrain(int& width, int& height) const;
    void Assign(const TPersistent* source) override;

    std::function<void()> OnChange;

private:
    void Changed();

    int FMinWidth{ 0 };
    int FMinHeight{ 0 };
    int FMaxWidth{ 0 };
    int FMaxHeight{ 0 };
};
