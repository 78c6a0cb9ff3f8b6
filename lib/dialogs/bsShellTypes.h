#pragma once
#include "platform/forms/TSet.h"
#include "platform/rtl/Exception.h"

#include <cstdint>
#include <functional>
#include <string>

class TObject;
class TbsShellFolder;

// A path the shell controls cannot show.
class EInvalidPath : public Exception {
public:
    using Exception::Exception;
};

// What may be done with an item.
enum TbsShellFolderCapability {
    fcCanCopy,
    fcCanDelete,
    fcCanLink,
    fcCanMove,
    fcCanRename,
    fcDropTarget,
    fcHasPropSheet,
};
using TbsShellFolderCapabilities = TSet<TbsShellFolderCapability>;

// What an item is and how it shows.
enum TbsShellFolderProperty {
    fpCut,
    fpIsLink,
    fpReadOnly,
    fpShared,
    fpFileSystem,
    fpFileSystemAncestor,
    fpRemovable,
    fpValidate,
};
using TbsShellFolderProperties = TSet<TbsShellFolderProperty>;

// What a folder's listing holds.
enum TShellObjectType { otFolders, otNonFolders, otHidden };
using TShellObjectTypes = TSet<TShellObjectType>;

// The enumeration flags of a set of object types: its three bits times 32.
std::uint32_t EnumFlagsOf(TShellObjectTypes types);

// The text of every Root property: a special folder's name (rfDesktop ...) or a path.
using TRoot = std::string;

enum TRootFolder {
    rfDesktop,
    rfMyComputer,
    rfNetwork,
    rfRecycleBin,
    rfAppData,
    rfCommonDesktopDirectory,
    rfCommonPrograms,
    rfCommonStartMenu,
    rfCommonStartup,
    rfControlPanel,
    rfDesktopDirectory,
    rfFavorites,
    rfFonts,
    rfInternet,
    rfPersonal,
    rfPrinters,
    rfPrintHood,
    rfPrograms,
    rfRecent,
    rfSendTo,
    rfStartMenu,
    rfStartup,
    rfTemplates,
};
constexpr int kRootFolderCount = rfTemplates + 1;

// The name of a special folder as Root texts spell it ("rfDesktop").
const char* RootFolderName(TRootFolder folder);
// The special folder a Root text names, compared without regard to case; -1 for none.
int RootFolderIndex(const std::string& text);

// Asked for every item a tree or list is about to add; CanAdd false leaves it out.
using TAddFolderEvent = std::function<void(TObject* sender, TbsShellFolder* folder, bool& canAdd)>;
