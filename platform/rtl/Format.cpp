#include "platform/rtl/Format.h"

#include "platform/rtl/Exception.h"
#include "platform/rtl/TextUtils.h"

#include <climits>
#include <cstdio>
#include <locale.h>
#include <vector>

namespace {

struct TSpec {
    bool LeftJustify{ false };
    bool Plus{ false };
    bool Space{ false };
    bool Alternate{ false };
    bool ZeroPad{ false };
    int Width{ -1 };
    int Precision{ -1 };
    char Conversion{ 0 };
};

// The C locale, so that %f and friends print "." whatever locale the program runs in.
class TCLocale {
public:
    TCLocale() : FLocale(newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr))) {}
    ~TCLocale() {
        if (FLocale) freelocale(FLocale);
    }
    TCLocale(const TCLocale&) = delete;
    TCLocale& operator=(const TCLocale&) = delete;

    locale_t Handle() const { return FLocale; }

private:
    locale_t FLocale;
};

// Switches the calling thread to the C locale for its lifetime.
class TScopedCLocale {
public:
    TScopedCLocale() {
        static const TCLocale cLocale;
        if (cLocale.Handle()) FPrevious = uselocale(cLocale.Handle());
    }
    ~TScopedCLocale() {
        if (FPrevious) uselocale(FPrevious);
    }
    TScopedCLocale(const TScopedCLocale&) = delete;
    TScopedCLocale& operator=(const TScopedCLocale&) = delete;

private:
    locale_t FPrevious{ nullptr };
};

class TFormatter {
public:
    TFormatter(std::string_view format, std::span<const TFormatArg> args)
        : FFormat(format), FArgs(args) {}

    std::string Run() {
        size_t i = 0;
        while (i < FFormat.size()) {
            const size_t percent = FFormat.find('%', i);
            if (percent == std::string_view::npos) {
                FResult.append(FFormat.substr(i));
                break;
            }
            FResult.append(FFormat.substr(i, percent - i));
            i = Placeholder(percent + 1);
        }
        return std::move(FResult);
    }

private:
    [[noreturn]] void Invalid() const {
        throw EConvertError("Format '" + std::string(FFormat) +
                            "' invalid or incompatible with argument");
    }

    const TFormatArg& NextArg() {
        if (FNextArg >= FArgs.size())
            throw EConvertError("No argument for format '" + std::string(FFormat) + "'");
        return FArgs[FNextArg++];
    }

    char At(size_t i) const { return i < FFormat.size() ? FFormat[i] : '\0'; }

    // A width or precision: digits, or * taking an integer value.
    int Number(size_t& i) {
        if (At(i) == '*') {
            ++i;
            const TFormatArg& arg = NextArg();
            if (arg.Kind() == TFormatArg::fkInteger && arg.Integer() >= INT_MIN &&
                arg.Integer() <= INT_MAX)
                return static_cast<int>(arg.Integer());
            if (arg.Kind() == TFormatArg::fkUnsigned && arg.Unsigned() <= INT_MAX)
                return static_cast<int>(arg.Unsigned());
            Invalid();
        }
        int value = 0;
        while (At(i) >= '0' && At(i) <= '9') {
            if (value > (INT_MAX - 9) / 10) Invalid();
            value = value * 10 + (At(i) - '0');
            ++i;
        }
        return value;
    }

    // Parses one placeholder starting after its '%', writes it and returns the index after it.
    size_t Placeholder(size_t i) {
        if (At(i) == '%') {
            FResult += '%';
            return i + 1;
        }
        TSpec spec;
        for (;; ++i) {
            const char c = At(i);
            if (c == '-')
                spec.LeftJustify = true;
            else if (c == '+')
                spec.Plus = true;
            else if (c == ' ')
                spec.Space = true;
            else if (c == '#')
                spec.Alternate = true;
            else if (c == '0')
                spec.ZeroPad = true;
            else
                break;
        }
        if ((At(i) >= '0' && At(i) <= '9') || At(i) == '*') {
            spec.Width = Number(i);
            if (spec.Width < 0) { // a negative * width means left-justified
                if (spec.Width == INT_MIN) Invalid();
                spec.LeftJustify = true;
                spec.Width = -spec.Width;
            }
        }
        if (At(i) == '.') {
            ++i;
            spec.Precision = Number(i);
            if (spec.Precision < 0) spec.Precision = -1; // as if none was given
        }
        SkipLengthModifier(i);
        spec.Conversion = At(i);
        if (spec.Conversion == '\0') Invalid();
        Convert(spec, NextArgFor(spec.Conversion));
        return i + 1;
    }

    const TFormatArg& NextArgFor(char conversion) {
        static constexpr std::string_view kConversions = "diuxXcspfFeEgG";
        if (kConversions.find(conversion) == std::string_view::npos) Invalid();
        return NextArg();
    }

    void SkipLengthModifier(size_t& i) const {
        static constexpr std::string_view kModifiers[] = { "I64", "I32", "hh", "ll", "h", "l",
                                                           "L",   "q",   "j",  "z",  "t", "I" };
        for (const auto modifier : kModifiers)
            if (FFormat.substr(i, modifier.size()) == modifier) {
                i += modifier.size();
                return;
            }
    }

    void Convert(const TSpec& spec, const TFormatArg& arg) {
        switch (spec.Conversion) {
        case 'd':
        case 'i':
            return Signed(spec, arg);
        case 'u':
        case 'x':
        case 'X':
            return Unsigned(spec, arg);
        case 'c':
            return Character(spec, arg);
        case 's':
            return Text(spec, arg);
        case 'p':
            return Pointer(spec, arg);
        default:
            return Floating(spec, arg);
        }
    }

    void Signed(const TSpec& spec, const TFormatArg& arg) {
        if (arg.Kind() == TFormatArg::fkInteger)
            return Printf(spec, "lld", static_cast<long long>(arg.Integer()));
        if (arg.Kind() == TFormatArg::fkUnsigned) {
            if (arg.Unsigned() <= static_cast<uint64_t>(LLONG_MAX))
                return Printf(spec, "lld", static_cast<long long>(arg.Unsigned()));
            return Printf(spec, "llu", static_cast<unsigned long long>(arg.Unsigned()));
        }
        Invalid();
    }

    void Unsigned(const TSpec& spec, const TFormatArg& arg) {
        uint64_t value = 0;
        if (arg.Kind() == TFormatArg::fkUnsigned) {
            value = arg.Unsigned();
        } else if (arg.Kind() == TFormatArg::fkInteger) {
            value = static_cast<uint64_t>(arg.Integer());
            if (arg.Size() < 8) value &= (uint64_t(1) << (arg.Size() * 8)) - 1;
        } else {
            Invalid();
        }
        const char* conversion =
            spec.Conversion == 'u' ? "llu" : (spec.Conversion == 'x' ? "llx" : "llX");
        Printf(spec, conversion, static_cast<unsigned long long>(value));
    }

    void Floating(const TSpec& spec, const TFormatArg& arg) {
        double value = 0;
        switch (arg.Kind()) {
        case TFormatArg::fkFloat:
            value = arg.Float();
            break;
        case TFormatArg::fkInteger:
            value = static_cast<double>(arg.Integer());
            break;
        case TFormatArg::fkUnsigned:
            value = static_cast<double>(arg.Unsigned());
            break;
        default:
            Invalid();
        }
        const char conversion[] = { spec.Conversion, '\0' };
        TScopedCLocale cLocale;
        Printf(spec, conversion, value);
    }

    void Character(const TSpec& spec, const TFormatArg& arg) {
        if (arg.Kind() == TFormatArg::fkChar) return Pad(spec, std::string(1, arg.Char()));
        int64_t code = -1;
        if (arg.Kind() == TFormatArg::fkInteger)
            code = arg.Integer();
        else if (arg.Kind() == TFormatArg::fkUnsigned && arg.Unsigned() <= 0x10FFFF)
            code = static_cast<int64_t>(arg.Unsigned());
        else
            Invalid();
        if (code < 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) Invalid();
        Pad(spec, Utf8(static_cast<uint32_t>(code)));
    }

    void Text(const TSpec& spec, const TFormatArg& arg) {
        if (arg.Kind() == TFormatArg::fkChar) return Pad(spec, std::string(1, arg.Char()));
        if (arg.Kind() != TFormatArg::fkString) Invalid();
        std::string_view text = arg.String();
        if (spec.Precision >= 0) text = text.substr(0, Utf8Prefix(text, spec.Precision));
        Pad(spec, text);
    }

    void Pointer(const TSpec& spec, const TFormatArg& arg) {
        if (arg.Kind() != TFormatArg::fkPointer) Invalid();
        char digits[17];
        std::snprintf(digits, sizeof digits, "%016llX",
                      static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(arg.Pointer())));
        Pad(spec, digits);
    }

    // Text padded with blanks to the width, counted in UTF-8 characters.
    void Pad(const TSpec& spec, std::string_view text) {
        const int length = Utf8Length(text);
        const size_t fill = spec.Width > length ? static_cast<size_t>(spec.Width - length) : 0;
        if (!spec.LeftJustify) FResult.append(fill, ' ');
        FResult.append(text);
        if (spec.LeftJustify) FResult.append(fill, ' ');
    }

    template <typename T>
    void Printf(const TSpec& spec, const char* conversion, T value) {
        std::string format = "%";
        if (spec.LeftJustify) format += '-';
        if (spec.Plus) format += '+';
        if (spec.Space) format += ' ';
        if (spec.Alternate) format += '#';
        if (spec.ZeroPad) format += '0';
        if (spec.Width >= 0) format += std::to_string(spec.Width);
        if (spec.Precision >= 0) format += '.' + std::to_string(spec.Precision);
        format += conversion;

        char small[128];
        const int length = std::snprintf(small, sizeof small, format.c_str(), value);
        if (length < 0) Invalid();
        if (static_cast<size_t>(length) < sizeof small) {
            FResult.append(small, static_cast<size_t>(length));
            return;
        }
        std::vector<char> large(static_cast<size_t>(length) + 1);
        std::snprintf(large.data(), large.size(), format.c_str(), value);
        FResult.append(large.data(), static_cast<size_t>(length));
    }

    static bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

    static int Utf8Length(std::string_view text) {
        int length = 0;
        for (const char c : text)
            if (!IsContinuation(c)) ++length;
        return length;
    }

    // Bytes of the first count characters of text.
    static size_t Utf8Prefix(std::string_view text, int count) {
        size_t i = 0;
        for (int n = 0; i < text.size(); ++i) {
            if (!IsContinuation(text[i]) && n++ == count) break;
        }
        return i;
    }

    static std::string Utf8(uint32_t code) {
        std::string out;
        AppendUtf8(out, char32_t(code));
        return out;
    }

    std::string_view FFormat;
    std::span<const TFormatArg> FArgs;
    size_t FNextArg{ 0 };
    std::string FResult;
};

} // namespace

std::string FormatArgs(std::string_view format, std::span<const TFormatArg> args) {
    return TFormatter(format, args).Run();
}
