#include "Src/MyUtils/TextSplit.h"

#include "platform/rtl/Format.h"

void SplitAt(std::string& s, const std::string& delimiter, bool remove, std::string& head) {
    const std::size_t p = delimiter.empty() ? std::string::npos : s.find(delimiter);
    if (p == std::string::npos) {
        head = s;
        if (remove) s.clear();
        return;
    }
    head = s.substr(0, p);
    if (remove) s.erase(0, p + delimiter.size());
}

std::string SizeToText(std::int64_t bytes) {
    if (bytes > 1073741824) return Format("%.2f GB", double(bytes) / 1073741824);
    if (bytes > 1048576) return Format("%.2f MB", double(bytes) / 1048576);
    if (bytes > 1024) return Format("%.2f KB", double(bytes) / 1024);
    return Format("%d Byte", bytes);
}
