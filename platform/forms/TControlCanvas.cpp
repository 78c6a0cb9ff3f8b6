#include "platform/forms/TControlCanvas.h"
#include "platform/forms/TWinControl.h"
#include "platform/win/Painting.h"
#include <algorithm>
#include <vector>

namespace {

// The canvases of this thread holding a DC they fetched: windows belong to the thread that
// made them, and so do the DCs over them.
std::vector<TControlCanvas*>& FetchedCanvases() {
    thread_local std::vector<TControlCanvas*> canvases;
    return canvases;
}

} // namespace

TControlCanvas::~TControlCanvas() {
    FreeHandle();
}

void TControlCanvas::SetControl(TControl* value) {
    if (FControl == value) return;
    FreeHandle();
    FControl = value;
}

void TControlCanvas::CreateHandle() {
    if (!FControl) return;
    auto* windowed = dynamic_cast<TWinControl*>(FControl);
    FWindow = windowed && windowed->HandleAllocated() ? windowed->Handle() : nullptr;
    const win::HDC dc = win::GetDC(FWindow);
    if (!dc) return;
    FFetched = dc;
    FetchedCanvases().push_back(this);
    SetHandle(dc);
}

void TControlCanvas::FreeHandle() {
    if (!FFetched) return;
    SetHandle(nullptr);
    win::ReleaseDC(FWindow, FFetched);
    FFetched = nullptr;
    FWindow = nullptr;
    std::erase(FetchedCanvases(), this);
}

void TControlCanvas::FreeDeviceContexts() {
    auto& canvases = FetchedCanvases();
    for (std::size_t i = canvases.size(); i-- > 0;) {
        if (i >= canvases.size()) continue;
        TControlCanvas* canvas = canvases[i];
        if (!canvas->TryLock()) continue;
        // Locked once here: anything more is someone drawing with it right now.
        if (canvas->LockCount() == 1) canvas->FreeHandle();
        canvas->Unlock();
    }
}
