#pragma once
#include "platform/gfx/Surface.h"
#include "platform/gfx/TRect.h"
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

class TCanvas;
class TStream;

// A picture of some file format that can load, save, draw itself and take another's content.
class TGraphic {
public:
    TGraphic() = default;
    virtual ~TGraphic() = default;
    TGraphic(const TGraphic&) = delete;
    TGraphic& operator=(const TGraphic&) = delete;

    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void SetWidth(int value) = 0;
    virtual void SetHeight(int value) = 0;
    virtual bool Empty() const = 0;
    bool Transparent() const { return FTransparent; }
    virtual void SetTransparent(bool value);
    bool Modified() const { return FModified; }
    void SetModified(bool value);

    // Reads from the stream's position; what follows the picture is left unread when the format
    // says where the picture ends.
    virtual void LoadFromStream(TStream& stream) = 0;
    virtual void SaveToStream(TStream& stream) = 0;
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName);

    // Takes the content of another graphic; raises EConvertError "Cannot assign a X to a Y."
    // for classes that cannot be converted.
    virtual void Assign(const TGraphic& source);
    virtual std::string ClassName() const = 0;
    // A new empty graphic of the same class.
    virtual std::unique_ptr<TGraphic> CreateNew() const = 0;

    // The picture as 32-bit pixels, top-down: alpha is meaningful when HasAlpha() says so.
    virtual gfx::Surface ToSurface() const = 0;
    virtual bool HasAlpha() const { return false; }

    std::function<void(TGraphic* sender)> OnChange;

protected:
    friend class TCanvas;
    // Draws the whole picture into rect of the canvas, stretched to fit.
    virtual void Draw(TCanvas& canvas, const TRect& rect) = 0;
    virtual void Changed();
    [[noreturn]] void AssignError(const TGraphic& source) const;

    // Draws pixels into rect: with alpha through a per-pixel blend, else as a copy.
    static void DrawSurface(TCanvas& canvas, const TRect& rect, const gfx::Surface& pixels,
                            bool withAlpha);
    // The bytes from the stream's position to its end.
    static std::vector<std::uint8_t> ReadRest(TStream& stream);
    // The same bytes for a decoder that reports how many it used, after which the caller seeks
    // past them. A memory stream lends its own bytes, so a picture early in a long stream (a
    // skin holds many in one) is not copied with everything after it.
    class TStreamRest {
    public:
        explicit TStreamRest(TStream& stream);
        std::span<const std::uint8_t> Bytes() const { return FBytes; }

    private:
        std::vector<std::uint8_t> FCopy;
        std::span<const std::uint8_t> FBytes;
    };

private:
    bool FTransparent{ false };
    bool FModified{ false };
};
