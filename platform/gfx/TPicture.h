#pragma once
#include "platform/gfx/TGraphic.h"
#include <functional>
#include <memory>
#include <string>

class TBitmap;
class TIcon;
class TStream;

// Holds one graphic of any class: loads a file by its extension (.bmp, .png, .jpg, .jpeg,
// .gif, .ico) and saves it in its own format.
class TPicture {
public:
    TPicture();
    ~TPicture();
    TPicture(const TPicture&) = delete;
    TPicture& operator=(const TPicture&) = delete;

    TGraphic* Graphic() const { return FGraphic.get(); }
    // A copy of value of its own class; nullptr empties the picture.
    void SetGraphic(const TGraphic* value);
    // The graphic as a bitmap; a graphic of another class is replaced by an empty bitmap.
    TBitmap& Bitmap();
    TIcon& Icon();

    int Width() const { return FGraphic ? FGraphic->Width() : 0; }
    int Height() const { return FGraphic ? FGraphic->Height() : 0; }

    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName);
    // Recognises the format by its first bytes.
    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream);
    void Assign(const TPicture& source);

    std::function<void(TPicture* sender)> OnChange;

private:
    void SetOwned(std::unique_ptr<TGraphic> graphic);
    template <class T>
    T& ForceType();
    void Changed();

    std::unique_ptr<TGraphic> FGraphic;
};
