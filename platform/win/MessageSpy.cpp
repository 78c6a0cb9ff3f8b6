#include "platform/win/MessageSpy.h"
#include "platform/win/WindowSystem.h"
#include <algorithm>

namespace win {

MessageSpy::MessageSpy() {
    FHook = WindowSystem::Instance().AddHook([this](HWND h, UINT m, WPARAM w, LPARAM l) {
        std::lock_guard lock(FMutex);
        FRecords.push_back(Record{ h, m, w, l });
    });
}

MessageSpy::~MessageSpy() {
    WindowSystem::Instance().RemoveHook(FHook);
}

std::vector<MessageSpy::Record> MessageSpy::Records() const {
    std::lock_guard lock(FMutex);
    return FRecords;
}

std::vector<UINT> MessageSpy::Messages(HWND hwnd, const std::vector<UINT>& only) const {
    std::lock_guard lock(FMutex);
    std::vector<UINT> out;
    for (const Record& r : FRecords)
        if (r.FHwnd == hwnd &&
            (only.empty() || std::find(only.begin(), only.end(), r.FMessage) != only.end()))
            out.push_back(r.FMessage);
    return out;
}

std::vector<MessageSpy::Record> MessageSpy::Matching(const std::vector<UINT>& only) const {
    std::lock_guard lock(FMutex);
    std::vector<Record> out;
    for (const Record& r : FRecords)
        if (std::find(only.begin(), only.end(), r.FMessage) != only.end()) out.push_back(r);
    return out;
}

void MessageSpy::Clear() {
    std::lock_guard lock(FMutex);
    FRecords.clear();
}

} // namespace win
