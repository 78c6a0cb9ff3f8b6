#pragma once
#include "lib/controls/TbsSkinComboBox.h"

#include <string>
#include <vector>

class TbsSkinFileListBox;

// The picker of the kind of files a file dialog shows: a filter text of descriptions and masks
// ("Videos|*.avi;*.mpg|All files|*.*") becomes one item per description, and Mask is the mask
// of the chosen one. A linked file list box gets the mask whenever the choice changes.
class TbsSkinFilterComboBox : public TbsSkinComboBox {
public:
    explicit TbsSkinFilterComboBox(TComponent* owner);
    ~TbsSkinFilterComboBox() override;

    std::string ClassName() const override { return "TbsSkinFilterComboBox"; }

    // The items are built as soon as the text is set, so an ItemIndex chosen before the window
    // exists stays chosen. A text that differs only in letter case is ignored.
    const std::string& Filter() const { return FFilter; }
    void SetFilter(const std::string& value);
    TbsSkinFileListBox* FileList() const { return FFileList; }
    void SetFileList(TbsSkinFileListBox* value);
    // The chosen item's mask. With nothing chosen the last item is chosen first (a change like
    // any other); "*.*" for an empty list.
    std::string Mask();
    // One mask per item, at the item's index.
    const std::vector<std::string>& MaskList() const { return FMaskList; }

protected:
    void Change() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void BuildFilterList();

    std::string FFilter;
    TbsSkinFileListBox* FFileList{ nullptr };
    std::vector<std::string> FMaskList;
};

// Whether path names an existing folder (links followed); false for "" and for files.
bool FolderExists(const std::string& path);
