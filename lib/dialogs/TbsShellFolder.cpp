#include "lib/dialogs/TbsShellFolder.h"

#include "lib/dialogs/bsShellFindData.h"
#include "lib/dialogs/bsShellFolderQueries.h"
#include "lib/dialogs/bsShellPidl.h"
#include "platform/rtl/FilePath.h"
#include "platform/rtl/Format.h"
#include "platform/shell/ShellExecute.h"
#include "platform/shell/ShellNamespace.h"
#include "platform/shell/ShellPaths.h"

TbsShellFolder::TbsShellFolder(TDesktopTag, std::shared_ptr<IShellFolder> desktopFolder)
    : FFullPIDL(GetDesktopPidl()), FIShellFolder(std::move(desktopFolder)) {}

TbsShellFolder::TbsShellFolder(TbsShellFolder* parent, TItemIdList id,
                               std::shared_ptr<IShellFolder> shellFolder)
    : FPIDL(std::move(id)), FParent(parent ? parent : &DesktopFolderItem()),
      FIShellFolder(std::move(shellFolder)) {
    for (const TbsShellFolder* p = parent ? parent->FParent : nullptr; p; p = p->FParent)
        ++FLevel;
}

TbsShellFolder::~TbsShellFolder() = default;

const TItemIdList& TbsShellFolder::FullPIDL() const {
    if (!FFullPIDL) FFullPIDL = FParent ? PidlJoin(FParent->FullPIDL(), FPIDL) : PidlClone(FPIDL);
    return *FFullPIDL;
}

const std::shared_ptr<IShellFolder>& TbsShellFolder::ParentShellFolder() const {
    if (FParent) return FParent->FIShellFolder;
    // The desktop item itself, the only one without a parent.
    return DesktopFolderItem().FIShellFolder;
}

const TShellItemId* TbsShellFolder::EntryId() const {
    if (FPIDL.empty()) return nullptr;
    const TShellItemId& last = FPIDL.back();
    return last.Kind == ikFolder || last.Kind == ikFile ? &last : nullptr;
}

TbsShellFolderCapabilities TbsShellFolder::Capabilities() const {
    return QueryCapabilities(ParentShellFolder(), FPIDL);
}

TbsShellFolderProperties TbsShellFolder::Properties() const {
    return QueryProperties(ParentShellFolder(), FPIDL);
}

bool TbsShellFolder::SubFolders() const {
    return ItemHasSubFolders(ParentShellFolder(), FPIDL);
}

bool TbsShellFolder::InFileSystem() const {
    // Every entry of a file-system folder is in the file system.
    if (EntryId()) return true;
    return ItemIsInFileSystem(ParentShellFolder(), FPIDL);
}

bool TbsShellFolder::IsFolder() const {
    if (const TShellItemId* entry = EntryId()) return entry->IsFolder();
    return ItemIsFolder(ParentShellFolder(), FPIDL);
}

std::string TbsShellFolder::PathName() const {
    return ItemDisplayName(DesktopShellFolder(), FullPIDL(), win::SHGDN_FORPARSING);
}

std::string TbsShellFolder::FullObjectName() const {
    return ShellNamespace()->PathOfIdList(FullPIDL());
}

std::string TbsShellFolder::DisplayName() const {
    if (const std::optional<std::string_view> name = ShownEntryName()) return std::string(*name);
    return ItemDisplayName(ParentShellFolder(), FPIDL, win::SHGDN_INFOLDER);
}

std::optional<std::string_view> TbsShellFolder::ShownEntryName() const {
    const TShellItemId* entry = EntryId();
    if (!entry || !ShowsAsStored(entry->Name)) return std::nullopt;
    return std::string_view(entry->Name);
}

bool TbsShellFolder::Rename(const std::string& newName) {
    if (!Capabilities().Contains(fcCanRename)) return false;
    const std::shared_ptr<IShellFolder> parent = ParentShellFolder();
    const std::optional<TItemIdList> renamed =
        parent ? parent->SetNameOf(FPIDL, newName) : std::nullopt;
    if (!renamed) throw Exception(Format("Rename to %s failed", newName));
    FPIDL = *renamed;
    FFullPIDL.reset();
    return true;
}

int TbsShellFolder::ImageIndex(bool largeIcon) const {
    return SystemIconIndex(FullPIDL(), largeIcon, false);
}

int TbsShellFolder::ExecuteDefault() const {
    const std::string path = FullObjectName();
    if (path.empty()) return 0;
    return ShellOpenIn(path, ExtractFileDir(path)) ? 1 : 0;
}

void TbsShellFolder::LoadColumnDetails(TbsShellFolder* rootFolder, win::HWND viewHandle,
                                       int columnCount) {
    if (int(FDetails.size()) >= columnCount) return;
    FDetails.clear();
    FViewHandle = viewHandle;
    // The namespace offers no column sets of its own: every detail comes from the entry. Of
    // the root's properties only the one that costs no look at the disk is asked for, since
    // this runs for every item of the list.
    if (!rootFolder || !rootFolder->InFileSystem()) return;
    const TShellFindData data = ReadFindData();
    for (int k = 1; k <= columnCount; ++k)
        FDetails.push_back(FindDataColumnText(data, k));
}

std::string TbsShellFolder::DetailText(int k) const {
    if (FDetails.empty())
        throw Exception(Format("%s: Missing call to LoadColumnDetails", DisplayName()));
    if (k < 1 || k > int(FDetails.size()))
        throw EListError(Format("List index out of bounds (%d)", k - 1));
    return FDetails[std::size_t(k - 1)];
}

TShellFindData TbsShellFolder::ReadFindData() const {
    int error = 0;
    std::optional<TShellFindData> data = ReadShellFindData(PathName(), &error);
    if (!data)
        throw EInvalidPath(Format("Unable to retrieve folder details for \"%s\". Error code $%x",
                                  DisplayName(), error));
    return *data;
}

TbsShellFolder& DesktopFolderItem() {
    static TbsShellFolder* item = nullptr;
    static std::shared_ptr<TShellNamespace> itemSpace;
    const std::shared_ptr<TShellNamespace> space = ShellNamespace();
    if (!item) {
        // Lives as long as the process: items anywhere may name it as their parent.
        static TbsShellFolder desktop(TbsShellFolder::TDesktopTag{}, space->DesktopFolder());
        item = &desktop;
        itemSpace = space;
    } else if (itemSpace != space) {
        // Another namespace was put in place (tests do): the desktop item follows it.
        item->FIShellFolder = space->DesktopFolder();
        itemSpace = space;
    }
    return *item;
}
