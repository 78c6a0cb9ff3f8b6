#pragma once
#include "platform/rtl/TStrings.h"

class TMemo;

// A memo's text line by line. Inserting selects the place and replaces the selection there, as
// typing would, so the caret ends after the new line and the view follows it.
class TMemoStrings : public TStrings {
public:
    explicit TMemoStrings(TMemo& memo) : FMemo(memo) {}

    void Insert(int index, const std::string& s) override;
    void Delete(int index) override;
    void Clear() override;

protected:
    std::string Get(int index) const override;
    int GetCount() const override;
    void Put(int index, const std::string& s) override;
    void SetUpdateState(bool updating) override;

private:
    TMemo& FMemo;
};
