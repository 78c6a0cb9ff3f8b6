#include "lib/dialogs/TbsSkinFilterComboBox.h"

#include "lib/dialogs/TbsSkinFileListBox.h"
#include "platform/rtl/TextUtils.h"

#include <sys/stat.h>

namespace {

const char* const kDefaultFilter = "All files (*.*)|*.*";

} // namespace

TbsSkinFilterComboBox::TbsSkinFilterComboBox(TComponent* owner) : TbsSkinComboBox(owner) {
    FFilter = kDefaultFilter;
    BuildFilterList();
}

TbsSkinFilterComboBox::~TbsSkinFilterComboBox() {
    SetFileList(nullptr);
}

void TbsSkinFilterComboBox::SetFilter(const std::string& value) {
    if (SameText(value, FFilter)) return;
    FFilter = value;
    BuildFilterList();
    Change();
}

void TbsSkinFilterComboBox::BuildFilterList() {
    Items().Clear();
    FMaskList.clear();
    std::string rest = FFilter;
    for (std::size_t bar = rest.find('|'); bar != std::string::npos; bar = rest.find('|')) {
        const std::string description = rest.substr(0, bar);
        rest.erase(0, bar + 1);
        std::string mask;
        if (const std::size_t next = rest.find('|'); next != std::string::npos) {
            mask = rest.substr(0, next);
            rest.erase(0, next + 1);
        } else {
            mask = rest;
            rest.clear();
        }
        Items().Add(description);
        FMaskList.push_back(mask);
    }
    SetItemIndex(0);
}

void TbsSkinFilterComboBox::SetFileList(TbsSkinFileListBox* value) {
    if (value == FFileList) return;
    if (FFileList) {
        FFileList->SetFilterComboLink(nullptr);
        FFileList->RemoveFreeNotification(this);
    }
    FFileList = value;
    if (FFileList) {
        FFileList->FreeNotification(this);
        FFileList->SetFilterComboLink(this);
    }
}

std::string TbsSkinFilterComboBox::Mask() {
    if (ItemIndex() == -1 && Items().Count() > 0) SetItemIndex(Items().Count() - 1);
    const int index = ItemIndex();
    if (index < 0 || index >= int(FMaskList.size())) return "*.*";
    return FMaskList[std::size_t(index)];
}

void TbsSkinFilterComboBox::Change() {
    if (FFileList) FFileList->SetMask(Mask());
    TbsSkinComboBox::Change();
}

void TbsSkinFilterComboBox::Notification(TComponent* component, TOperation operation) {
    TbsSkinComboBox::Notification(component, operation);
    if (operation == opRemove && component == FFileList) FFileList = nullptr;
}

bool FolderExists(const std::string& path) {
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}
