#include "lib/dialogs/bsShellFindData.h"

#include "platform/rtl/FilePath.h"
#include "platform/rtl/FileSearch.h"
#include "platform/rtl/TextUtils.h"

#include <algorithm>
#include <ctime>

std::int64_t FindDataSize(const TShellFindData& data) {
    return data.IsDirectory() ? -1 : data.Size;
}

TDateTime FindDataModified(const TShellFindData& data) {
    return data.IsDirectory() ? -1.0 : FindDataWriteTime(data);
}

TDateTime FindDataWriteTime(const TShellFindData& data) {
    std::tm local{};
    if (!::localtime_r(&data.WriteTime, &local)) return -1.0;
    const int year = local.tm_year + 1900;
    if (year < 1980 || year > 2107) return -1.0;
    return EncodeDate(year, local.tm_mon + 1, local.tm_mday) +
           EncodeTime(local.tm_hour, local.tm_min, std::min(local.tm_sec, 59) & ~1, 0);
}

std::string FindDataColumnText(const TShellFindData& data, int k) {
    switch (k) {
    case 1:
        return IntToStr(FindDataSize(data));
    case 2:
        return ExtractFileExt(data.Name);
    case 3: {
        // A folder has no time here; an empty cell says so better than a date of 1899.
        const TDateTime modified = FindDataModified(data);
        return modified < 0 ? std::string() : FormatDateTime("yyyy-mm-dd hh:nn:ss", modified);
    }
    case 4:
        return IntToStr(data.Attributes & (faReadOnly | faHidden | faDirectory | faArchive));
    default:
        return std::string();
    }
}
