#include "lib/dialogs/bsShellItemCompare.h"

#include "lib/dialogs/bsShellFindData.h"
#include "lib/dialogs/bsShellTypes.h"
#include "platform/rtl/TextUtils.h"

#include <optional>

namespace {

TbsShellItemFacts ReadFacts(const TbsShellFolder& item) {
    try {
        const TShellFindData data = item.ReadFindData();
        return { FindDataSize(data), FindDataWriteTime(data) };
    } catch (const EInvalidPath&) {
        return {};
    }
}

const TbsShellItemFacts& FactsOf(const TbsShellFolder& item, const TbsShellSort& sort) {
    auto found = sort.Facts.find(&item);
    if (found == sort.Facts.end()) found = sort.Facts.emplace(&item, ReadFacts(item)).first;
    return found->second;
}

// Names without case, read in place where the items' ids hold them as shown.
int CompareShownNames(const TbsShellFolder& a, const TbsShellFolder& b) {
    const std::optional<std::string_view> inA = a.ShownEntryName();
    const std::optional<std::string_view> inB = b.ShownEntryName();
    if (inA && inB) return CompareText(*inA, *inB);
    return CompareText(a.DisplayName(), b.DisplayName());
}

template <typename T>
int CompareValues(const T& a, const T& b) {
    return a == b ? 0 : (a > b ? 1 : -1);
}

// The folder rule of the column cases: a folder before a file; 0 when both are of a kind.
int KindOrder(bool aFolder, bool bFolder) {
    if (aFolder && !bFolder) return -1;
    if (bFolder && !aFolder) return 1;
    return 0;
}

int CompareByColumn(TbsShellFolder& a, TbsShellFolder& b, bool aFolder, bool bFolder, int r,
                    const TbsShellSort& sort) {
    if (const int kind = KindOrder(aFolder, bFolder); kind != 0) return kind;
    switch (sort.Column) {
    case 0:
        return CompareShownNames(a, b);
    case 1:
        if (aFolder) return r;
        return CompareValues(FactsOf(a, sort).Size, FactsOf(b, sort).Size);
    case 2:
        return CompareText(DetailTextOrEmpty(a, 2), DetailTextOrEmpty(b, 2));
    case 3:
        // An item without a time comes before every item with one.
        return CompareValues(FactsOf(a, sort).WriteTime, FactsOf(b, sort).WriteTime);
    default:
        return r;
    }
}

} // namespace

void LoadDetailsQuietly(TbsShellFolder& item, TbsShellFolder* rootFolder, win::HWND view,
                        int columnCount) {
    try {
        item.LoadColumnDetails(rootFolder, view, columnCount);
    } catch (const EInvalidPath&) {
        // Gone since the folder was read: its texts stay empty.
    }
}

std::string DetailTextOrEmpty(const TbsShellFolder& item, int k) {
    try {
        return item.DetailText(k);
    } catch (const Exception&) {
        return {};
    }
}

int CompareShellItems(TbsShellFolder* a, TbsShellFolder* b, const TbsShellSort& sort) {
    if (!a || !b) return 0;
    const bool aFolder = a->IsFolder();
    const bool bFolder = b->IsFolder();
    int r = int(bFolder) - int(aFolder);
    if (r == 0) {
        if (const std::shared_ptr<IShellFolder>& parent = a->ParentShellFolder())
            r = int(std::int16_t(parent->CompareIDs(0, a->PIDL(), b->PIDL())));
    }
    if (!sort.ColumnSortActive) return r;
    if (sort.Column != 0) {
        LoadDetailsQuietly(*a, sort.SortRootFolder, sort.ViewHandle, 4);
        LoadDetailsQuietly(*b, sort.SortRootFolder, sort.ViewHandle, 4);
    }
    const int result = CompareByColumn(*a, *b, aFolder, bFolder, r, sort);
    return sort.Descending ? -result : result;
}
