#include "lib/skindata/bsSkinRecordKinds.h"

#include "lib/skindata/bsSkinListRecords.h"
#include "lib/skindata/bsSkinPanelRecords.h"
#include "lib/skindata/bsSkinTabViewRecords.h"

namespace {

template <class TBase>
struct TKind {
    const char* Word;
    std::unique_ptr<TBase> (*Create)(std::string idName);
    bool (*Is)(const TBase& record);
};

template <class TBase, class T>
constexpr TKind<TBase> Kind(const char* word) {
    return { word,
             [](std::string idName) -> std::unique_ptr<TBase> {
                 return std::make_unique<T>(std::move(idName));
             },
             [](const TBase& record) { return dynamic_cast<const T*>(&record) != nullptr; } };
}

// Each derived class comes before its base, which the writer's class tests rely on.
const TKind<TbsDataSkinObject> kObjectKinds[] = {
    Kind<TbsDataSkinObject, TbsDataSkinMenuItem>("menuitem"),
    Kind<TbsDataSkinObject, TbsDataSkinMainMenuBarItem>("mainmenubaritem"),
    Kind<TbsDataSkinObject, TbsDataSkinMainMenuBarButton>("mainmenubarbutton"),
    Kind<TbsDataSkinObject, TbsDataSkinStdButton>("stdbutton"),
    Kind<TbsDataSkinObject, TbsDataSkinButton>("button"),
    Kind<TbsDataSkinObject, TbsDataSkinCaption>("caption"),
    Kind<TbsDataSkinObject, TbsDataSkinAnimate>("animate"),
    Kind<TbsDataSkinObject, TbsDataUserObject>("userobject"),
};

const TKind<TbsDataSkinControl> kControlKinds[] = {
    Kind<TbsDataSkinControl, TbsDataSkinPanelControl>("panel"),
    Kind<TbsDataSkinControl, TbsDataSkinExPanelControl>("expanel"),
    Kind<TbsDataSkinControl, TbsDataSkinMenuButtonControl>("menubutton"),
    Kind<TbsDataSkinControl, TbsDataSkinButtonControl>("button"),
    Kind<TbsDataSkinControl, TbsDataSkinCheckRadioControl>("checkradio"),
    Kind<TbsDataSkinControl, TbsDataSkinGaugeControl>("gauge"),
    Kind<TbsDataSkinControl, TbsDataSkinSplitterControl>("splitter"),
    Kind<TbsDataSkinControl, TbsDataSkinTrackBarControl>("trackbar"),
    Kind<TbsDataSkinControl, TbsDataSkinLabelControl>("label"),
    Kind<TbsDataSkinControl, TbsDataSkinStdLabelControl>("stdlabel"),
    Kind<TbsDataSkinControl, TbsDataSkinUpDownControl>("updown"),
    Kind<TbsDataSkinControl, TbsDataSkinGridControl>("grid"),
    Kind<TbsDataSkinControl, TbsDataSkinTabControl>("tab"),
    Kind<TbsDataSkinControl, TbsDataSkinMainMenuBar>("mainmenubar"),
    Kind<TbsDataSkinControl, TbsDataSkinControlBar>("controlbar"),
    Kind<TbsDataSkinControl, TbsDataSkinMemoControl>("memo"),
    Kind<TbsDataSkinControl, TbsDataSkinEditControl>("edit"),
    Kind<TbsDataSkinControl, TbsDataSkinCheckListBox>("checklistbox"),
    Kind<TbsDataSkinControl, TbsDataSkinListBox>("listbox"),
    Kind<TbsDataSkinControl, TbsDataSkinComboBox>("combobox"),
    Kind<TbsDataSkinControl, TbsDataSkinScrollBarControl>("scrollbar"),
    Kind<TbsDataSkinControl, TbsDataSkinSpinEditControl>("spinedit"),
    Kind<TbsDataSkinControl, TbsDataSkinScrollBoxControl>("scrollbox"),
    Kind<TbsDataSkinControl, TbsDataSkinTreeView>("treeview"),
    Kind<TbsDataSkinControl, TbsDataSkinBevel>("bevel"),
    Kind<TbsDataSkinControl, TbsDataSkinSlider>("slider"),
    Kind<TbsDataSkinControl, TbsDataSkinListView>("listview"),
    Kind<TbsDataSkinControl, TbsDataSkinRichEdit>("richedit"),
};

template <class TBase, size_t N>
std::unique_ptr<TBase> Create(const TKind<TBase> (&kinds)[N], std::string_view kind,
                              std::string idName) {
    for (const auto& k : kinds)
        if (kind == k.Word) return k.Create(std::move(idName));
    return nullptr;
}

template <class TBase, size_t N>
std::string WordOf(const TKind<TBase> (&kinds)[N], const TBase& record) {
    for (const auto& k : kinds)
        if (k.Is(record)) return k.Word;
    return "";
}

} // namespace

std::unique_ptr<TbsDataSkinObject> CreateSkinObjectRecord(std::string_view kind,
                                                          std::string idName) {
    return Create(kObjectKinds, kind, std::move(idName));
}

std::unique_ptr<TbsDataSkinControl> CreateSkinControlRecord(std::string_view kind,
                                                            std::string idName) {
    return Create(kControlKinds, kind, std::move(idName));
}

std::string SkinObjectKindWord(const TbsDataSkinObject& record) {
    return WordOf(kObjectKinds, record);
}

std::string SkinControlKindWord(const TbsDataSkinControl& record) {
    return WordOf(kControlKinds, record);
}
