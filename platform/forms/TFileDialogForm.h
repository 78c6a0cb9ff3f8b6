#pragma once
#include "platform/forms/FileFilter.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TSet.h"
#include "platform/rtl/FileSearch.h"
#include <string>
#include <vector>

class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TListBox;

// The options of the open and save dialogs. Those the dialogs act on: ofOverwritePrompt,
// ofAllowMultiSelect, ofPathMustExist and ofFileMustExist; the others are accepted as set.
enum TOpenOption {
    ofReadOnly,
    ofOverwritePrompt,
    ofHideReadOnly,
    ofNoChangeDir,
    ofShowHelp,
    ofNoValidate,
    ofAllowMultiSelect,
    ofExtensionDifferent,
    ofPathMustExist,
    ofFileMustExist,
    ofCreatePrompt,
    ofShareAware,
    ofNoReadOnlyReturn,
    ofNoTestFileCreate,
    ofNetworkButton,
    ofNoLongNames,
    ofOldStyleDialog,
    ofNoDereferenceLinks,
    ofEnableIncludeNotify,
    ofEnableSizing,
    ofDontAddToRecent,
    ofForceShowHidden
};
using TOpenOptions = TSet<TOpenOption>;

// The window of the open and save dialogs: the folder's folders and matching files, a name
// edit that takes names, paths and masks, the filter's entries, and Open (or Save) and
// Cancel. A folder opens on a double click, on Enter or when its path is typed; Backspace in
// the list and the Up button go to the folder above.
class TFileDialogForm : public TCustomForm {
public:
    TFileDialogForm(TComponent* owner, bool saveMode);

    std::string ClassName() const override { return "TFileDialogForm"; }

    void SetOptions(TOpenOptions value);
    void SetDefaultExt(const std::string& value) { FDefaultExt = value; }
    // Fills the type list from filter and selects entry index (from 1; out of range: the first).
    void SetFilter(const std::string& filter, int index);
    // The type entry selected, from 1.
    int FilterIndex();
    // Lists a folder; one that does not exist is left alone.
    void SetFolder(const std::string& folder);
    // The folder listed, ending in '/'.
    const std::string& Folder() const { return FFolder; }
    void SetFileName(const std::string& name);
    // The full names chosen, once the dialog closed with OK.
    const std::vector<std::string>& Files() const { return FFiles; }

private:
    void Build();
    void Refill();
    void ListSelectionChanged();
    void ListDoubleClicked();
    void ListKeyDown(unsigned short& key);
    void GoUp();
    void Accept();
    // The names the edit holds: several quoted names in a multi-selection, else one.
    std::vector<std::string> TypedNames() const;
    // Completes, checks and, in a save, confirms one full name; "" when refused.
    std::string CheckedName(const std::string& name);
    // Whether the dialog keeps name as the user chose it (asking first when it exists).
    bool ConfirmOverwrite(const std::string& name);
    int FocusedEntry();

    bool FSaveMode;
    TOpenOptions FOptions;
    std::string FDefaultExt;
    std::string FFolder;
    std::vector<TFileFilterEntry> FFilter;
    // Masks typed into the name edit, in place of the filter's until another entry is chosen.
    std::vector<std::string> FTypedMasks;
    std::vector<TSearchRec> FEntries;
    std::vector<std::string> FFiles;

    TLabel* FFolderText{ nullptr };
    TButton* FUpButton{ nullptr };
    TListBox* FFileList{ nullptr };
    TEdit* FFileNameEdit{ nullptr };
    TComboBox* FFilterCombo{ nullptr };
    TButton* FOkButton{ nullptr };
    TButton* FCancelButton{ nullptr };
};
