#include "platform/rtl/TStrings.h"

#include "platform/rtl/Exception.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/TFileStream.h"
#include "platform/rtl/TStream.h"
#include "platform/rtl/TextUtils.h"

#include <vector>

namespace {

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

struct TDelimiting {
    char Delimiter;
    char Quote;
    bool Strict;
};

std::string Quoted(const std::string& s, char quote) {
    std::string result(1, quote);
    for (const char c : s) {
        result += c;
        if (c == quote) result += quote;
    }
    result += quote;
    return result;
}

std::string JoinDelimited(const TStrings& list, TDelimiting how) {
    const int count = list.Count();
    // A single empty line is written as an empty quoted string; otherwise it would read back as
    // no line at all.
    if (count == 1 && list[0].empty()) return std::string(2, how.Quote);
    std::string result;
    for (int i = 0; i < count; ++i) {
        const std::string s = list[i];
        bool quote = false;
        for (const char c : s)
            if (c == how.Quote || c == how.Delimiter || (!how.Strict && IsBlank(c))) {
                quote = true;
                break;
            }
        if (i > 0) result += how.Delimiter;
        result += quote ? Quoted(s, how.Quote) : s;
    }
    return result;
}

// Reads a quoted part starting at the opening quote; a doubled quote stands for one. A missing
// closing quote ends the part at the end of the text.
std::string ExtractQuoted(std::string_view text, size_t& i, char quote) {
    std::string result;
    ++i;
    while (i < text.size()) {
        if (text[i] == quote) {
            if (i + 1 < text.size() && text[i + 1] == quote) {
                result += quote;
                i += 2;
                continue;
            }
            ++i;
            break;
        }
        result += text[i++];
    }
    return result;
}

void SplitDelimited(std::string_view text, TDelimiting how, TStrings& list) {
    const auto skipBlanks = [&](size_t& i) {
        if (how.Strict) return;
        while (i < text.size() && IsBlank(text[i]))
            ++i;
    };
    size_t i = 0;
    skipBlanks(i);
    while (i < text.size()) {
        std::string part;
        if (text[i] == how.Quote) {
            part = ExtractQuoted(text, i, how.Quote);
        } else {
            const size_t start = i;
            while (i < text.size() && text[i] != how.Delimiter && (how.Strict || !IsBlank(text[i])))
                ++i;
            part.assign(text.substr(start, i - start));
        }
        list.Add(part);
        skipBlanks(i);
        if (i < text.size() && text[i] == how.Delimiter) {
            ++i;
            if (i == text.size()) list.Add(""); // a trailing delimiter ends with an empty line
            skipBlanks(i);
        }
    }
}

// Runs fn between BeginUpdate and EndUpdate; EndUpdate runs also when fn throws. A guard object
// cannot do this, because EndUpdate fires OnChange, which may throw itself.
template <typename Fn>
void WithUpdate(TStrings& list, Fn fn) {
    list.BeginUpdate();
    try {
        fn();
    } catch (...) {
        list.EndUpdate();
        throw;
    }
    list.EndUpdate();
}

} // namespace

int TStrings::Add(const std::string& s) {
    return AddObject(s, nullptr);
}

int TStrings::AddObject(const std::string& s, TObject* object) {
    const int index = Count();
    InsertObject(index, s, object);
    return index;
}

void TStrings::InsertObject(int index, const std::string& s, TObject* object) {
    Insert(index, s);
    PutObject(index, object);
}

void TStrings::Exchange(int index1, int index2) {
    WithUpdate(*this, [&] {
        const std::string s = Get(index1);
        TObject* const object = GetObject(index1);
        Put(index1, Get(index2));
        PutObject(index1, GetObject(index2));
        Put(index2, s);
        PutObject(index2, object);
    });
}

void TStrings::Move(int curIndex, int newIndex) {
    if (curIndex == newIndex) return;
    if (newIndex < 0 || newIndex >= Count()) IndexError(newIndex);
    WithUpdate(*this, [&] {
        const std::string s = Get(curIndex);
        TObject* const object = GetObject(curIndex);
        Delete(curIndex);
        InsertObject(newIndex, s, object);
    });
}

int TStrings::IndexOf(const std::string& s) const {
    const int count = Count();
    for (int i = 0; i < count; ++i)
        if (CompareStrings(Get(i), s) == 0) return i;
    return -1;
}

int TStrings::IndexOfName(const std::string& name) const {
    const int count = Count();
    for (int i = 0; i < count; ++i) {
        const std::string s = Get(i);
        const auto separator = s.find(FNameValueSeparator);
        if (separator != std::string::npos && CompareStrings(s.substr(0, separator), name) == 0)
            return i;
    }
    return -1;
}

int TStrings::IndexOfObject(const TObject* object) const {
    const int count = Count();
    for (int i = 0; i < count; ++i)
        if (GetObject(i) == object) return i;
    return -1;
}

std::string TStrings::Names(int index) const {
    const std::string s = Get(index);
    const auto separator = s.find(FNameValueSeparator);
    return separator == std::string::npos ? std::string() : s.substr(0, separator);
}

std::string TStrings::Values(const std::string& name) const {
    const int index = IndexOfName(name);
    return index < 0 ? std::string() : ValueFromIndex(index);
}

void TStrings::SetValue(const std::string& name, const std::string& value) {
    int index = IndexOfName(name);
    if (value.empty()) {
        if (index >= 0) Delete(index);
        return;
    }
    if (index < 0)
        index = Add(name + FNameValueSeparator + value);
    else
        Put(index, name + FNameValueSeparator + value);
}

std::string TStrings::ValueFromIndex(int index) const {
    const std::string s = Get(index);
    const auto separator = s.find(FNameValueSeparator);
    return separator == std::string::npos ? std::string() : s.substr(separator + 1);
}

void TStrings::SetValueFromIndex(int index, const std::string& value) {
    if (value.empty()) {
        Delete(index);
        return;
    }
    Put(index, Names(index) + FNameValueSeparator + value);
}

std::string TStrings::Text() const {
    std::string result;
    const int count = Count();
    for (int i = 0; i < count; ++i) {
        result += Get(i);
        result += '\n';
    }
    return result;
}

void TStrings::SetText(std::string_view text) {
    WithUpdate(*this, [&] {
        Clear();
        size_t start = 0;
        while (start < text.size()) {
            const size_t end = text.find_first_of("\r\n", start);
            if (end == std::string_view::npos) {
                Add(std::string(text.substr(start)));
                break;
            }
            Add(std::string(text.substr(start, end - start)));
            start = end + 1;
            if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
        }
    });
}

std::string TStrings::DelimitedText() const {
    return JoinDelimited(*this, { FDelimiter, FQuoteChar, FStrictDelimiter });
}

void TStrings::SetDelimitedText(std::string_view text) {
    WithUpdate(*this, [&] {
        Clear();
        SplitDelimited(text, { FDelimiter, FQuoteChar, FStrictDelimiter }, *this);
    });
}

std::string TStrings::CommaText() const {
    return JoinDelimited(*this, { ',', '"', false });
}

void TStrings::SetCommaText(std::string_view text) {
    WithUpdate(*this, [&] {
        Clear();
        SplitDelimited(text, { ',', '"', false }, *this);
    });
}

void TStrings::BeginUpdate() {
    // The state changes before the count rises, so that OnChanging still fires for it.
    if (FUpdateCount == 0) SetUpdateState(true);
    ++FUpdateCount;
}

void TStrings::EndUpdate() {
    if (FUpdateCount == 0) return;
    if (--FUpdateCount == 0) SetUpdateState(false);
}

void TStrings::Assign(const TStrings& source) {
    if (&source == this) return;
    WithUpdate(*this, [&] {
        Clear();
        FNameValueSeparator = source.FNameValueSeparator;
        FDelimiter = source.FDelimiter;
        FQuoteChar = source.FQuoteChar;
        FStrictDelimiter = source.FStrictDelimiter;
        AddStrings(source);
    });
}

void TStrings::AddStrings(const TStrings& source) {
    // Copied first so that adding a list to itself stops at its original length.
    const int count = source.Count();
    std::vector<std::pair<std::string, TObject*>> items;
    items.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        items.emplace_back(source.Get(i), source.GetObject(i));
    WithUpdate(*this, [&] {
        for (const auto& [s, object] : items)
            AddObject(s, object);
    });
}

void TStrings::LoadFromStream(TStream& stream) {
    const int64_t size = stream.Size() - stream.Position();
    std::string text(static_cast<size_t>(size > 0 ? size : 0), '\0');
    stream.ReadBuffer(text.data(), static_cast<int64_t>(text.size()));
    std::string_view view = text;
    if (view.starts_with("\xEF\xBB\xBF")) view.remove_prefix(3);
    SetText(view);
}

void TStrings::SaveToStream(TStream& stream) const {
    const std::string text = Text();
    stream.WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
}

void TStrings::LoadFromFile(const std::string& fileName) {
    TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(stream);
}

void TStrings::SaveToFile(const std::string& fileName) const {
    TFileStream stream(fileName, fmCreate);
    SaveToStream(stream);
}

TObject* TStrings::GetObject(int index) const {
    if (index < 0 || index >= Count()) IndexError(index);
    return nullptr;
}

void TStrings::Put(int index, const std::string& s) {
    TObject* const object = GetObject(index);
    WithUpdate(*this, [&] {
        Delete(index);
        InsertObject(index, s, object);
    });
}

void TStrings::PutObject(int index, TObject*) {
    if (index < 0 || index >= Count()) IndexError(index);
}

void TStrings::SetUpdateState(bool) {}

int TStrings::CompareStrings(const std::string& a, const std::string& b) const {
    return ::CompareText(a, b);
}

void TStrings::IndexError(int index) {
    throw EListError(Format("List index out of bounds (%d)", index));
}
