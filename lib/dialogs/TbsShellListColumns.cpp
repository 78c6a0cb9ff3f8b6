// The file list's report columns and the sort a click on one of them starts.
#include "lib/dialogs/TbsCustomShellListView.h"

#include "lib/dialogs/bsShellFolderQueries.h"
#include "lib/skindata/TbsResourceStrData.h"
#include "lib/skindata/TbsSkinData.h"
#include "platform/gfx/TBitmap.h"
#include "platform/rtl/TextUtils.h"

namespace {

struct TDefaultColumn {
    const char* Key;
    const char* Caption;
    TAlignment Alignment;
    int CharCount;
};

constexpr TDefaultColumn kDefaultColumns[] = {
    { "FLV_NAME", "Name", taLeftJustify, 25 },
    { "FLV_SIZE", "Size", taRightJustify, 10 },
    { "FLV_TYPE", "Type", taLeftJustify, 10 },
    { "FLV_MODIFIED", "Modified", taLeftJustify, 14 },
};

} // namespace

void TbsCustomShellListView::RebuildColumns() {
    if (!FRootFolder || !FRootFolder->ShellFolder()) return;
    FColumnCaptions.clear();
    Columns().BeginUpdate();
    struct TEndUpdate {
        TListColumns& Columns;
        ~TEndUpdate() { Columns.EndUpdate(); }
    } endUpdate{ Columns() };
    Columns().Clear();
    // The namespace offers no column sets of its own: file-system folders show the four
    // columns their entries tell, other folders the name alone.
    const bool fileSystem =
        FRootFolder->FullPIDL().empty() ? false : FRootFolder->Properties().Contains(fpFileSystem);
    AddDefaultColumns(fileSystem ? 4 : 1);
}

bool TbsCustomShellListView::AddShellColumn(const std::string& caption, TAlignment alignment,
                                            int charCount) {
    if (caption.empty()) return true;
    if (!ColumnCaptionIsNew(caption)) return false;
    AddColumn(caption, alignment, charCount);
    FColumnCaptions.push_back(caption);
    return true;
}

void TbsCustomShellListView::AddColumn(const std::string& caption, TAlignment alignment,
                                       int charCount) {
    TListColumn* column = Columns().Add();
    column->SetCaption(caption);
    column->SetAlignment(alignment);
    TBitmap measure(1, 1);
    measure.Canvas().Font().Assign(Font());
    column->SetWidth(charCount * measure.Canvas().TextWidth("X"));
}

void TbsCustomShellListView::AddDefaultColumns(int count) {
    const TbsResourceStrData* strings = SkinData() ? SkinData()->ResourceStrData() : nullptr;
    for (int i = 0; i < count && i < int(std::size(kDefaultColumns)); ++i) {
        const TDefaultColumn& c = kDefaultColumns[i];
        AddColumn(strings ? strings->GetResStr(c.Key) : c.Caption, c.Alignment, c.CharCount);
    }
}

bool TbsCustomShellListView::ColumnCaptionIsNew(const std::string& caption) const {
    for (const std::string& added : FColumnCaptions)
        if (SameText(added, caption)) return false;
    return true;
}

void TbsCustomShellListView::ColumnClick(int column) {
    TbsSkinCustomListView::ColumnClick(column);
    if (Columns().Count() < 4 && column != 0) return;
    FOldSortColumn = FSortColumn;
    FSortColumn = column;
    if (FSortColumn == FOldSortColumn && FSortColumn != -1)
        FSortDirection = !FSortDirection;
    else
        FSortDirection = false;
    Items().BeginUpdate();
    struct TEndUpdate {
        TListItems& Items;
        ~TEndUpdate() { Items.EndUpdate(); }
    } endUpdate{ Items() };
    SortFolders(true);
}
