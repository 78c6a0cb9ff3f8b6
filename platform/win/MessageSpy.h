#pragma once
#include "platform/win/WinDefs.h"
#include <mutex>
#include <vector>

namespace win {

// Records every message that reaches a window procedure while it lives, in order, for tests
// that check message sequences.
class MessageSpy {
public:
    struct Record {
        HWND FHwnd{};
        UINT FMessage{ 0 };
        WPARAM FWParam{ 0 };
        LPARAM FLParam{ 0 };
    };

    MessageSpy();
    ~MessageSpy();
    MessageSpy(const MessageSpy&) = delete;
    MessageSpy& operator=(const MessageSpy&) = delete;

    std::vector<Record> Records() const;
    // The messages one window received, optionally only those listed.
    std::vector<UINT> Messages(HWND hwnd, const std::vector<UINT>& only = {}) const;
    // Messages of any window, as (window, message) pairs, only those listed.
    std::vector<Record> Matching(const std::vector<UINT>& only) const;
    void Clear();

private:
    mutable std::mutex FMutex;
    std::vector<Record> FRecords;
    int FHook{ 0 };
};

} // namespace win
