#include "lib/skindata/bsSkinData.h"

#include "SkinIniText.h"
#include "SkinRecordSections.h"

#include "platform/rtl/TStringList.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> SectionNames(const TCustomIniFile& ini) {
    TStringList names;
    ini.ReadSections(names);
    std::vector<std::string> result;
    for (int i = 0; i < names.Count(); ++i)
        result.push_back(names[i]);
    return result;
}

} // namespace

// One description holding a section for every object and control kind and the fixed sections:
// each record reads only its own section, and writing them all into one ini rebuilds the
// description section by section.
TEST(SkinRecordKinds, AWholeDescriptionRoundTripsSectionBySection) {
    std::string text;
    for (const auto& kind : ObjectKindKeys())
        text += SectionText(std::string("obj_") + kind.Word, DistinctLines(kind));
    for (const auto& kind : ControlKindKeys())
        if (std::string(kind.Word) != "updown")
            text += SectionText(std::string("ctl_") + kind.Word, DistinctLines(kind));
    for (const auto& section : FixedSectionKeys())
        text += SectionText(section.Word, DistinctLines(section));
    const auto ini = MakeIni(text);

    std::vector<std::unique_ptr<TbsDataSkinObject>> objects;
    for (const auto& kind : ObjectKindKeys()) {
        objects.push_back(CreateSkinObjectRecord(kind.Word, std::string("obj_") + kind.Word));
        objects.back()->LoadFromFile(*ini);
    }
    std::vector<std::unique_ptr<TbsDataSkinControl>> controls;
    for (const auto& kind : ControlKindKeys()) {
        if (std::string(kind.Word) == "updown") continue;
        controls.push_back(CreateSkinControlRecord(kind.Word, std::string("ctl_") + kind.Word));
        controls.back()->LoadFromFile(*ini);
    }
    TbsDataSkinPopupWindow popup;
    TbsDataSkinLayerFrame layer;
    TbsDataSkinHintWindow hint;
    TbsSkinColors colors;
    popup.LoadFromFile(*ini);
    layer.LoadFromFile(*ini);
    hint.LoadFromFile(*ini);
    colors.LoadFromFile(*ini);

    auto out = MakeIni("");
    for (const auto& record : objects)
        record->SaveToFile(*out);
    for (const auto& record : controls)
        record->SaveToFile(*out);
    popup.SaveToFile(*out);
    layer.SaveToFile(*out);
    hint.SaveToFile(*out);
    colors.SaveToFile(*out);

    EXPECT_EQ(SectionNames(*out), SectionNames(*ini));
    for (const auto& section : SectionNames(*ini))
        EXPECT_EQ(SectionLines(*out, section), SectionLines(*ini, section)) << section;
}
