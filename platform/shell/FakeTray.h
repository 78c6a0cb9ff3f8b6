#pragma once
#include "platform/shell/NotifyIcon.h"
#include <string>
#include <vector>

namespace win {

// A tray for tests: it keeps the icons added, records every call, can refuse, and turns a
// test's mouse actions on an icon into the icon's callback message.
class FakeTray : public TrayBackend {
public:
    struct Call {
        DWORD Message;
        NOTIFYICONDATA Data;
    };

    bool Add(const NOTIFYICONDATA& data) override;
    bool Modify(const NOTIFYICONDATA& data) override;
    bool Delete(const NOTIFYICONDATA& data) override;

    // The icons in the tray now.
    const std::vector<NOTIFYICONDATA>& Icons() const { return FIcons; }
    const std::vector<Call>& Calls() const { return FCalls; }
    // While refusing every call fails, as with no tray running.
    bool FRefuse{ false };

    // Posts mouseMessage (WM_LBUTTONDOWN ...) as the callback of the icon shown; false when
    // there is none.
    bool Mouse(UINT mouseMessage);
    // Empties the tray and tells every window a tray started.
    void Restart();

private:
    std::vector<NOTIFYICONDATA> FIcons;
    std::vector<Call> FCalls;
};

} // namespace win
