#pragma once
#include "lib/menus/bsHintLayout.h"
#include "platform/forms/THintWindow.h"
#include <string>

class TBitmap;
class TCustomImageList;
class TbsSkinData;
class TbsSkinHint;

// A hint window in the skin's look: the skin's hint element as a nine-slice picture, shaped by
// its mask, or the plain tool-tip look without a usable skin. Lines break only at the hint
// component's line separator. The settings come from the first active TbsSkinHint on the main
// form, looked up at every activation and paint, so the window never holds a freed component.
class TbsSkinHintWindow : public THintWindow {
public:
    explicit TbsSkinHintWindow(TComponent* owner);
    ~TbsSkinHintWindow() override;

    std::string ClassName() const override { return "TbsSkinHintWindow"; }

    // Only rect's top-left corner is used: the window measures itself.
    void ActivateHint(const TRect& rect, const std::string& hint) override;
    void ActivateHintEx(const TRect& rect, const std::string& hintTitle, const std::string& hint,
                        int imageIndex, TCustomImageList* imageList);
    // Centred on fromRect, above it when top, else below it.
    void ActivateHintFromRect(const TRect& fromRect, const std::string& hint, bool top);

    void WndProc(TMessage& message) override;

    // True while the current hint has the title and image layout.
    bool AExtendedStyle{ false };

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;

private:
    // The first active TbsSkinHint among the main form's components, or nullptr.
    static TbsSkinHint* FindActiveSkinHint();
    // The component's skin when it can draw a hint, else nullptr (the plain look).
    TbsSkinData* UsableSkin() const;
    TBitmap* SkinPicture(int index) const;
    void SetHintFont(bool painting);
    TSize TextSize(const std::string& text);
    void CalcHintSize(int& W, int& H);
    void CalcHintSizeEx(const std::string& hintTitle, TCustomImageList* imageList, int imageIndex,
                        int& W, int& H);
    // The border around the text: the plain look's 2 pixels each side, or the skin picture's
    // frame plus skinExtraWidth.
    void AddFrame(int skinExtraWidth, int& W, int& H);
    void AddSkinFrame(int& W, int& H);
    // Chooses the skin and font and sets the text with its line breaks.
    void PrepareText(const std::string& hint);
    void ShowAt(int x, int y, int W, int H);
    void ApplyAlpha();
    void SetHintRegion();
    void FadeIn();
    void PaintBackground(TBitmap& buffer);
    void PaintHintEx(TCanvas& canvas);

    TbsSkinHint* FspHint{ nullptr };
    TbsSkinData* FSD{ nullptr };
    TbsHintGeometry FGeometry;
    bool FHasRegion{ false };
    bool FOldAlphaBlend{ false };
    int FOldAlphaBlendValue{ 0 };
};
