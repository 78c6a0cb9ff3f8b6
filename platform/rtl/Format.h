#pragma once
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

// One value handed to Format, tagged with its kind so that every placeholder is checked against
// what it really receives.
class TFormatArg {
public:
    enum TKind { fkInteger, fkUnsigned, fkFloat, fkString, fkChar, fkPointer };

    TFormatArg(char value) : FKind(fkChar), FChar(value) {}
    TFormatArg(bool) = delete; // a flag is no number: say 0/1 or "True"/"False" explicitly
    template <std::signed_integral T>
    TFormatArg(T value) : FKind(fkInteger), FInteger(value), FSize(sizeof(T)) {}
    template <std::unsigned_integral T>
    TFormatArg(T value) : FKind(fkUnsigned), FUnsigned(value), FSize(sizeof(T)) {}
    template <typename T>
    requires std::is_enum_v<T> TFormatArg(T value)
        : TFormatArg(static_cast<std::underlying_type_t<T>>(value)) {}
    template <std::floating_point T>
    TFormatArg(T value) : FKind(fkFloat), FFloat(static_cast<double>(value)) {}
    TFormatArg(const char* value) : FKind(fkString), FString(value ? value : "") {}
    TFormatArg(const std::string& value) : FKind(fkString), FString(value) {}
    TFormatArg(std::string_view value) : FKind(fkString), FString(value) {}
    template <typename T>
    requires(!std::is_same_v<std::remove_cv_t<T>, char>) TFormatArg(T* value)
        : FKind(fkPointer), FPointer(value) {}
    TFormatArg(std::nullptr_t) : FKind(fkPointer) {}

    TKind Kind() const { return FKind; }
    int64_t Integer() const { return FInteger; }
    uint64_t Unsigned() const { return FUnsigned; }
    double Float() const { return FFloat; }
    std::string_view String() const { return FString; }
    char Char() const { return FChar; }
    const void* Pointer() const { return FPointer; }
    // Bytes of the integer type given, so that %u and %x show a negative int as 32 bits.
    int Size() const { return FSize; }

private:
    TKind FKind;
    int64_t FInteger{ 0 };
    uint64_t FUnsigned{ 0 };
    double FFloat{ 0 };
    std::string_view FString;
    char FChar{ 0 };
    const void* FPointer{ nullptr };
    int FSize{ 8 };
};

// printf-style formatting: %d %i %u %x %X %c %s %p %f %F %e %E %g %G and %%, with the flags
// - + space # 0, a width and a precision (either may be *), and the C length modifiers (hh h l
// ll L q j z t I I32 I64), which are accepted and ignored because each value carries its type.
// Numbers use "." whatever the process locale; %s widths and precisions count UTF-8 characters;
// %p gives the address as 16 upper-case hexadecimal digits.
// A placeholder that does not fit its value raises EConvertError "Format '%s' invalid or
// incompatible with argument"; a missing value raises "No argument for format '%s'".
std::string FormatArgs(std::string_view format, std::span<const TFormatArg> args);

template <typename... Args>
std::string Format(std::string_view format, const Args&... args) {
    if constexpr (sizeof...(Args) == 0) {
        return FormatArgs(format, {});
    } else {
        const TFormatArg list[] = { TFormatArg(args)... };
        return FormatArgs(format, list);
    }
}
