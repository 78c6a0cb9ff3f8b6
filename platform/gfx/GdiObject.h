#pragma once
#include "platform/gfx/WinTypes.h"

#include <atomic>
#include <cstdint>
#include <memory>

// GDI handles and the object base behind them. A handle is an index into one process-wide table
// plus a generation, packed into a pointer-sized value, so a handle kept past DeleteObject is
// recognised as stale (calls fail) instead of reaching freed memory or a newer object.
namespace win {

using HGDIOBJ = void*;
struct HBITMAP__;
using HBITMAP = HBITMAP__*;
struct HPEN__;
using HPEN = HPEN__*;
struct HBRUSH__;
using HBRUSH = HBRUSH__*;
struct HRGN__;
using HRGN = HRGN__*;
struct HFONT__;
using HFONT = HFONT__*;
struct HDC__;
using HDC = HDC__*;
struct HPALETTE__;
using HPALETTE = HPALETTE__*;

// Object kinds, numbered as GetObjectType reports them.
constexpr DWORD OBJ_PEN = 1;
constexpr DWORD OBJ_BRUSH = 2;
constexpr DWORD OBJ_DC = 3;
constexpr DWORD OBJ_PAL = 5;
constexpr DWORD OBJ_FONT = 6;
constexpr DWORD OBJ_BITMAP = 7;
constexpr DWORD OBJ_REGION = 8;
constexpr DWORD OBJ_MEMDC = 10;

// The base of every object a GDI handle names. Font objects (gfx-text) derive from it too:
// construct with OBJ_FONT and override GetObjectInfo to fill a LOGFONT.
class GdiObject {
public:
    explicit GdiObject(DWORD kind) : FKind(kind) {}
    virtual ~GdiObject();
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    DWORD Kind() const { return FKind; }
    // GetObject: copies at most `size` bytes of the object's description into `buffer` and
    // returns the bytes written; with a null buffer, returns the size needed. 0 on failure.
    virtual int GetObjectInfo(int size, void* buffer) const;

    bool IsStock() const { return FStock; }
    void MarkStock() { FStock = true; }
    // How many DCs have this object selected: such an object refuses DeleteObject. Atomic,
    // as DCs on several threads share the stock objects.
    int SelectCount() const { return FSelectCount.load(); }
    void AddSelect() { ++FSelectCount; }
    void ReleaseSelect() { --FSelectCount; }

private:
    DWORD FKind;
    bool FStock{ false };
    std::atomic<int> FSelectCount{ 0 };
};

// The handle table. Its calls are thread-safe, so a worker may create, use and free its own
// objects while the GUI thread paints; an object used by two threads at once needs the user's
// own lock (TCanvas Lock/Unlock), as with GDI.
namespace gdi {
// Takes ownership; never returns null.
HGDIOBJ Add(std::unique_ptr<GdiObject> object);
// The live object of a handle, or null for 0, a stale or a foreign value.
GdiObject* Lookup(HGDIOBJ handle);
// Frees the object and retires the handle; false when the handle is not live.
bool Remove(HGDIOBJ handle);
// The number of live objects, for leak checks in tests.
std::size_t LiveCount();

template <class T>
T* LookupAs(HGDIOBJ handle) {
    return dynamic_cast<T*>(Lookup(handle));
}
template <class H>
H AddAs(std::unique_ptr<GdiObject> object) {
    return static_cast<H>(Add(std::move(object)));
}
} // namespace gdi

DWORD GetObjectType(HGDIOBJ handle);

} // namespace win
