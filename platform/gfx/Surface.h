#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <utility>
#include <vector>

namespace gfx {

// One 32-bit pixel as it lies in memory: blue, green, red, alpha (the DIB byte order).
using Pixel = std::uint32_t;

constexpr Pixel MakePixel(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a = 0) {
    return Pixel(b) | (Pixel(g) << 8) | (Pixel(r) << 16) | (Pixel(a) << 24);
}
constexpr std::uint8_t PixelB(Pixel p) {
    return std::uint8_t(p);
}
constexpr std::uint8_t PixelG(Pixel p) {
    return std::uint8_t(p >> 8);
}
constexpr std::uint8_t PixelR(Pixel p) {
    return std::uint8_t(p >> 16);
}
constexpr std::uint8_t PixelA(Pixel p) {
    return std::uint8_t(p >> 24);
}

// Leaves the elements a container makes without a value uninitialised (the filling constructor
// still fills): a picture about to be written whole need not be cleared first.
template <typename T>
struct TDefaultInitAllocator : std::allocator<T> {
    template <typename U>
    struct rebind {
        using other = TDefaultInitAllocator<U>;
    };
    TDefaultInitAllocator() = default;
    template <typename U>
    TDefaultInitAllocator(const TDefaultInitAllocator<U>&) noexcept {}
    template <typename U>
    void construct(U* p) noexcept {
        ::new (static_cast<void*>(p)) U;
    }
    template <typename U, typename... Args>
    void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
};

// A 32-bit BGRA pixel buffer: the storage behind bitmaps, DIB sections and window back buffers.
// Row(0) is the top row. Rows are contiguous; Stride() is in pixels. A bottom-up surface (the
// memory layout of a bottom-up 32-bit DIB section) keeps its top row last in memory: Row(y) hides
// that from drawing code, and Data() is then the bottom row.
class Surface {
public:
    enum class RowOrder { TopDown, BottomUp };

    Surface() = default;
    Surface(int width, int height, Pixel fill = 0, RowOrder order = RowOrder::TopDown);
    // A surface whose pixels the caller writes every one of before reading any.
    struct Unfilled {};
    Surface(int width, int height, Unfilled, RowOrder order = RowOrder::TopDown);

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    int Stride() const { return FWidth; }
    bool Empty() const { return FWidth <= 0 || FHeight <= 0; }

    RowOrder Order() const { return FOrder; }
    Pixel* Row(int y) { return FPixels.data() + MemoryRow(y) * std::size_t(FWidth); }
    const Pixel* Row(int y) const { return FPixels.data() + MemoryRow(y) * std::size_t(FWidth); }
    Pixel* Data() { return FPixels.data(); }
    const Pixel* Data() const { return FPixels.data(); }
    std::size_t ByteSize() const { return FPixels.size() * sizeof(Pixel); }

    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < FWidth && y < FHeight; }
    Pixel At(int x, int y) const { return Row(y)[x]; }
    void Set(int x, int y, Pixel p) { Row(y)[x] = p; }

    // Changes the size (the row order stays); the content is kept where old and new overlap, the
    // rest is filled.
    void Resize(int width, int height, Pixel fill = 0);
    void Fill(Pixel p);

    bool operator==(const Surface&) const = default;

private:
    void ResizeInPlace(int width, int height, std::size_t count, Pixel fill);
    std::size_t MemoryRow(int y) const {
        return std::size_t(FOrder == RowOrder::TopDown ? y : FHeight - 1 - y);
    }

    RowOrder FOrder{ RowOrder::TopDown };
    int FWidth{ 0 };
    int FHeight{ 0 };
    std::vector<Pixel, TDefaultInitAllocator<Pixel>> FPixels;
};

} // namespace gfx
