#pragma once
#include "platform/forms/TCustomEdit.h"
#include "platform/forms/TCustomForm.h"
#include <optional>
#include <string>

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

// A one-line text field: a caret and a selection counted in characters, typing, the keyboard
// and mouse moves of the caret (by characters and by words), the clipboard, one level of undo, a
// length limit, a read-only mode, a password character and a letter case. The text sits in a
// formatting rectangle (by default the inside of the border) less a left and a right margin; owners
// that draw their own frame around it move both with the EM_ messages, and centre or right-align
// the text with the ES_ styles of the window. While focused it shows the window system's blinking
// caret. OnChange fires after every change of the text, by the user or by code.
class TEdit : public TCustomEdit {
public:
    explicit TEdit(TComponent* owner);
    ~TEdit() override;

    std::string ClassName() const override { return "TEdit"; }

    // Replaces the selection with value, cut to MaxLength, leaving the caret after it.
    void SetSelText(const std::string& value);
    void ClearSelection() { SetSelText(""); }

    // bsSingle draws the sunken edge; bsNone draws the text straight on the background.
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle value);
    // Shown in place of every character when not 0; the text then cannot be copied or cut.
    char32_t PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(char32_t value);
    // Letters typed or set are converted; characters beyond ASCII stay as they are.
    TEditCharCase CharCase() const { return FCharCase; }
    void SetCharCase(TEditCharCase value);

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void ReplaceSelection(std::u32string_view inserted) override;
    void TextSwapped() override { TextChanged(); }
    std::u32string Converted(std::u32string chars) const override;
    // One line only: a pasted text ends at its first line break.
    std::u32string Pasted(std::u32string chars) const override;
    bool Masked() const override { return FPasswordChar != 0; }
    bool CaretKey(unsigned short key, bool extend, bool ctrl) override;
    int PositionAt(int x, int y) override;
    TRect CaretRect() override;
    void ScrollToCaret() override;
    void SelectedByCode() override { ScrollToCaret(); }
    win::LRESULT EditMessage(TMessage& message) override;

private:
    // A pixel of air between the text and the formatting rectangle's sides.
    static constexpr int kDefaultMargin = 1;

    // What is drawn: the text, or the password character in place of each of its characters.
    std::u32string DisplayChars() const;
    void SetMargins(unsigned which, int left, int right);
    void SetFormatRect(const win::RECT* rect);
    // Where the character boundary position is drawn, before scrolling.
    int TextX(int position);
    void TextChanged();
    // The top of the line within the formatting rectangle, for a line textHeight high.
    int LineTop(int textHeight) const;
    // The formatting rectangle: set by the owner, or the inside of the border.
    TRect FormatRect() const;
    // Where the text lies: the formatting rectangle less the margins.
    TRect TextArea() const;
    // Where the first character is drawn: scrolled, or placed by the ES_CENTER and ES_RIGHT
    // styles that owners give the window.
    int TextStart();

    std::optional<TRect> FFormatRect;
    int FLeftMargin{ kDefaultMargin };
    int FRightMargin{ kDefaultMargin };
    char32_t FPasswordChar{ 0 };
    TEditCharCase FCharCase{ ecNormal };
    int FScroll{ 0 };
    TFormBorderStyle FBorderStyle{ bsSingle };
};
