#include "platform/shell/FakeTray.h"
#include "platform/win/Messaging.h"
#include <algorithm>

namespace win {

namespace {

bool SameIcon(const NOTIFYICONDATA& a, const NOTIFYICONDATA& b) {
    return a.hWnd == b.hWnd && a.uID == b.uID;
}

} // namespace

bool FakeTray::Add(const NOTIFYICONDATA& data) {
    FCalls.push_back({ NIM_ADD, data });
    if (FRefuse) return false;
    if (std::any_of(FIcons.begin(), FIcons.end(), [&](const auto& i) { return SameIcon(i, data); }))
        return false;
    FIcons.push_back(data);
    return true;
}

bool FakeTray::Modify(const NOTIFYICONDATA& data) {
    FCalls.push_back({ NIM_MODIFY, data });
    if (FRefuse) return false;
    for (auto& icon : FIcons) {
        if (!SameIcon(icon, data)) continue;
        icon = data;
        return true;
    }
    return false;
}

bool FakeTray::Delete(const NOTIFYICONDATA& data) {
    FCalls.push_back({ NIM_DELETE, data });
    if (FRefuse) return false;
    const auto before = FIcons.size();
    std::erase_if(FIcons, [&](const auto& i) { return SameIcon(i, data); });
    return FIcons.size() != before;
}

bool FakeTray::Mouse(UINT mouseMessage) {
    if (FIcons.empty()) return false;
    const NOTIFYICONDATA& icon = FIcons.back();
    return PostMessage(icon.hWnd, icon.uCallbackMessage, icon.uID, LPARAM(mouseMessage));
}

void FakeTray::Restart() {
    FIcons.clear();
    AnnounceTrayCreated();
}

} // namespace win
