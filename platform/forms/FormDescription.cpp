#include "platform/forms/FormDescription.h"
#include "platform/forms/EReadError.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/TextUtils.h"
#include <cctype>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace {

// Deeper nesting than any window has is taken for damage rather than followed down the stack.
constexpr int kMaxDepth = 64;

// Names may hold letters of any script, written in UTF-8: every byte of a multi-byte sequence
// counts as a letter.
bool IsNonAscii(char c) {
    return static_cast<unsigned char>(c) >= 0x80;
}

bool IsIdentStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_' || IsNonAscii(c);
}

bool IsIdentChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || IsNonAscii(c);
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    return std::tolower(static_cast<unsigned char>(c)) - 'a' + 10;
}

class TParser {
public:
    TParser(std::string_view text, const std::string& fileName) : FText(text), FFile(fileName) {}

    TDescriptionObject ParseRoot() {
        SkipBlanks();
        TDescriptionObject root = ParseObject(0);
        SkipBlanks();
        if (!AtEnd()) Fail("Text after the end of the description");
        return root;
    }

private:
    [[noreturn]] void Fail(const std::string& what) const {
        throw EReadError(Format("%s(%d): %s", FFile, FLine, what));
    }

    bool AtEnd() const { return FPos >= FText.size(); }
    char Peek() const { return AtEnd() ? '\0' : FText[FPos]; }

    void Need() const {
        if (AtEnd()) Fail("Unexpected end of file");
    }

    void SkipBlanks() {
        while (!AtEnd()) {
            const char c = FText[FPos];
            if (c == '\n') {
                ++FLine;
                ++FPos;
            } else if (c == ' ' || c == '\t' || c == '\r') {
                ++FPos;
            } else if (c == '/' && FPos + 1 < FText.size() && FText[FPos + 1] == '/') {
                while (!AtEnd() && FText[FPos] != '\n')
                    ++FPos;
            } else {
                break;
            }
        }
    }

    std::string ReadIdent(bool dotted) {
        SkipBlanks();
        Need();
        if (!IsIdentStart(Peek()))
            Fail(Format("Identifier expected but '%s' found", std::string(1, Peek())));
        const std::size_t start = FPos;
        while (!AtEnd() &&
               (IsIdentChar(Peek()) || (dotted && Peek() == '.' && FPos + 1 < FText.size() &&
                                        IsIdentStart(FText[FPos + 1]))))
            ++FPos;
        return std::string(FText.substr(start, FPos - start));
    }

    void Expect(char c) {
        SkipBlanks();
        Need();
        if (Peek() != c)
            Fail(Format("'%s' expected but '%s' found", std::string(1, c), std::string(1, Peek())));
        ++FPos;
    }

    bool PeekKeyword(std::string_view word) {
        SkipBlanks();
        if (FText.size() - FPos < word.size()) return false;
        if (!SameText(FText.substr(FPos, word.size()), word)) return false;
        const std::size_t after = FPos + word.size();
        return after >= FText.size() || !IsIdentChar(FText[after]);
    }

    TDescriptionObject ParseObject(int depth) {
        if (depth > kMaxDepth) Fail("Objects nested too deeply");
        SkipBlanks();
        Need();
        if (!PeekKeyword("object")) Fail("'object' expected");
        TDescriptionObject object;
        object.Line = FLine;
        FPos += 6;
        object.Name = ReadIdent(false);
        Expect(':');
        object.ClassName = ReadIdent(false);
        for (;;) {
            SkipBlanks();
            Need();
            if (PeekKeyword("end")) {
                FPos += 3;
                return object;
            }
            if (PeekKeyword("object")) {
                object.Children.push_back(ParseObject(depth + 1));
                continue;
            }
            object.Properties.push_back(ParseProperty(depth));
        }
    }

    TDescriptionProperty ParseProperty(int depth) {
        TDescriptionProperty property;
        SkipBlanks();
        property.Line = FLine;
        property.Name = ReadIdent(true);
        Expect('=');
        property.Value = ParseValue(depth);
        return property;
    }

    TDescriptionValue ParseValue(int depth) {
        if (depth > kMaxDepth) Fail("Values nested too deeply");
        SkipBlanks();
        Need();
        const char c = Peek();
        if (c == '\'' || c == '#') return ParseString();
        if (c == '-' || c == '+' || c == '$' || std::isdigit(static_cast<unsigned char>(c)))
            return ParseNumber();
        if (c == '[') return ParseSet();
        if (c == '(') return ParseList(depth);
        if (c == '<') return ParseCollection(depth);
        if (c == '{') return ParseBinary();
        if (IsIdentStart(c)) {
            TDescriptionValue v;
            v.Kind = TDescriptionValue::vkIdent;
            v.Text = ReadIdent(true);
            return v;
        }
        Fail(Format("Invalid property value '%s'", std::string(1, c)));
    }

    TDescriptionValue ParseNumber() {
        TDescriptionValue v;
        bool negative = false;
        if (Peek() == '-' || Peek() == '+') {
            negative = Peek() == '-';
            ++FPos;
        }
        Need();
        if (Peek() == '$') {
            ++FPos;
            std::uint64_t value = 0;
            int digits = 0;
            while (!AtEnd() && std::isxdigit(static_cast<unsigned char>(Peek()))) {
                if (++digits > 16) Fail("Number too large");
                value = value * 16 + std::uint64_t(HexDigit(Peek()));
                ++FPos;
            }
            if (digits == 0) Fail("Hexadecimal digits expected");
            v.Integer = negative ? -std::int64_t(value) : std::int64_t(value);
            return v;
        }
        const std::size_t start = FPos;
        bool isFloat = false;
        while (!AtEnd()) {
            const char c = Peek();
            if (std::isdigit(static_cast<unsigned char>(c))) {
                ++FPos;
            } else if (c == '.' || c == 'e' || c == 'E' ||
                       ((c == '-' || c == '+') &&
                        (FText[FPos - 1] == 'e' || FText[FPos - 1] == 'E'))) {
                isFloat = true;
                ++FPos;
            } else {
                break;
            }
        }
        const std::string digits(FText.substr(start, FPos - start));
        if (digits.empty() || !std::isdigit(static_cast<unsigned char>(digits[0])))
            Fail("Number expected");
        try {
            std::size_t used = 0;
            if (isFloat) {
                v.Kind = TDescriptionValue::vkFloat;
                v.Float = std::stod(digits, &used);
                if (negative) v.Float = -v.Float;
            } else {
                const long long n = std::stoll(digits, &used);
                v.Integer = negative ? -n : n;
            }
            if (used != digits.size()) Fail(Format("Invalid number '%s'", digits));
        } catch (const std::out_of_range&) {
            Fail(Format("Number too large '%s'", digits));
        } catch (const std::invalid_argument&) {
            Fail(Format("Invalid number '%s'", digits));
        }
        return v;
    }

    TDescriptionValue ParseString() {
        TDescriptionValue v;
        v.Kind = TDescriptionValue::vkString;
        for (;;) {
            SkipBlanks();
            Need();
            if (Peek() == '\'') {
                ++FPos;
                for (;;) {
                    Need();
                    const char c = FText[FPos++];
                    if (c == '\n') Fail("Unterminated string");
                    if (c == '\'') {
                        if (Peek() == '\'') {
                            v.Text += '\'';
                            ++FPos;
                            continue;
                        }
                        break;
                    }
                    v.Text += c;
                }
            } else if (Peek() == '#') {
                ++FPos;
                std::uint32_t cp = 0;
                int digits = 0;
                while (!AtEnd() && std::isdigit(static_cast<unsigned char>(Peek()))) {
                    cp = cp * 10 + std::uint32_t(Peek() - '0');
                    if (++digits > 7 || cp > 0x10FFFF) Fail("Invalid character code");
                    ++FPos;
                }
                if (digits == 0) Fail("Character code expected");
                AppendUtf8(v.Text, cp);
            } else {
                break;
            }
            // Pieces follow each other directly, or are joined with '+' across lines.
            const std::size_t save = FPos;
            const int saveLine = FLine;
            SkipBlanks();
            if (Peek() == '+') {
                ++FPos;
                continue;
            }
            if (Peek() == '#' || Peek() == '\'') {
                if (FLine == saveLine) continue;
            }
            FPos = save;
            FLine = saveLine;
            break;
        }
        return v;
    }

    TDescriptionValue ParseSet() {
        TDescriptionValue v;
        v.Kind = TDescriptionValue::vkSet;
        Expect('[');
        SkipBlanks();
        if (Peek() == ']') {
            ++FPos;
            return v;
        }
        for (;;) {
            v.Names.push_back(ReadIdent(false));
            SkipBlanks();
            Need();
            if (Peek() == ']') {
                ++FPos;
                return v;
            }
            Expect(',');
        }
    }

    TDescriptionValue ParseList(int depth) {
        TDescriptionValue v;
        v.Kind = TDescriptionValue::vkList;
        Expect('(');
        for (;;) {
            SkipBlanks();
            Need();
            if (Peek() == ')') {
                ++FPos;
                return v;
            }
            v.List.push_back(ParseValue(depth + 1));
        }
    }

    TDescriptionValue ParseCollection(int depth) {
        TDescriptionValue v;
        v.Kind = TDescriptionValue::vkCollection;
        Expect('<');
        for (;;) {
            SkipBlanks();
            Need();
            if (Peek() == '>') {
                ++FPos;
                return v;
            }
            if (!PeekKeyword("item")) Fail("'item' expected");
            FPos += 4;
            std::vector<TDescriptionProperty> item;
            for (;;) {
                SkipBlanks();
                Need();
                if (PeekKeyword("end")) {
                    FPos += 3;
                    break;
                }
                item.push_back(ParseProperty(depth + 1));
            }
            v.Items.push_back(std::move(item));
        }
    }

    TDescriptionValue ParseBinary() {
        TDescriptionValue v;
        v.Kind = TDescriptionValue::vkBinary;
        Expect('{');
        int high = -1;
        for (;;) {
            SkipBlanks();
            Need();
            const char c = Peek();
            if (c == '}') {
                ++FPos;
                if (high >= 0) Fail("Odd number of hexadecimal digits");
                return v;
            }
            if (!std::isxdigit(static_cast<unsigned char>(c))) Fail("Invalid binary value");
            const int digit = HexDigit(c);
            ++FPos;
            if (high < 0) {
                high = digit;
            } else {
                v.Bytes.push_back(std::uint8_t(high * 16 + digit));
                high = -1;
            }
        }
    }

    std::string_view FText;
    const std::string& FFile;
    std::size_t FPos{ 0 };
    int FLine{ 1 };
};

} // namespace

TDescriptionObject ParseFormDescription(std::string_view text, const std::string& fileName) {
    return TParser(text, fileName).ParseRoot();
}
