#pragma once
#include "platform/forms/TComponent.h"
#include "platform/gfx/TFont.h"
#include "platform/rtl/TStringList.h"

#include <string>

// The skin's string table: NAME=text lines that skinned windows look their interface texts up
// in. A new table holds the built-in English texts.
class TbsResourceStrData : public TComponent {
public:
    explicit TbsResourceStrData(TComponent* owner);

    std::string ClassName() const override { return "TbsResourceStrData"; }

    const TStrings& ResStrings() const { return FResStrs; }
    // Copies the lines.
    void SetResStrings(const TStrings& value) { FResStrs.Assign(value); }
    TFontCharset CharSet() const { return FCharSet; }
    void SetCharSet(TFontCharset value) { FCharSet = value; }

    // The text after the first "=" of the first line whose name matches without regard to
    // case; empty when no line has that name.
    std::string GetResStr(const std::string& resName) const;

private:
    TStringList FResStrs;
    TFontCharset FCharSet{ win::DEFAULT_CHARSET };
};
