#pragma once
#include <string>
#include <string_view>

class TObject;
class TStream;

// A list of text lines, each with an optional object reference, and the text forms built on it:
// name=value pairs, the whole text, and comma- or delimiter-separated text. Storage is left to
// descendants (TStringList, and the item lists of controls); everything else is written here in
// terms of the few virtual operations. The list never owns its objects.
class TStrings {
public:
    TStrings() = default;
    virtual ~TStrings() = default;
    TStrings(const TStrings&) = delete;
    TStrings& operator=(const TStrings&) = delete;

    int Count() const { return GetCount(); }
    std::string Strings(int index) const { return Get(index); }
    std::string operator[](int index) const { return Get(index); }
    void SetStrings(int index, const std::string& s) { Put(index, s); }
    TObject* Objects(int index) const { return GetObject(index); }
    void SetObject(int index, TObject* object) { PutObject(index, object); }

    virtual int Add(const std::string& s);
    virtual int AddObject(const std::string& s, TObject* object);
    void Append(const std::string& s) { Add(s); }
    virtual void Insert(int index, const std::string& s) = 0;
    virtual void InsertObject(int index, const std::string& s, TObject* object);
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;
    virtual void Exchange(int index1, int index2);
    // Moves a line with its object so that it ends up at newIndex.
    virtual void Move(int curIndex, int newIndex);

    virtual int IndexOf(const std::string& s) const;
    int IndexOfName(const std::string& name) const;
    int IndexOfObject(const TObject* object) const;

    // name=value lines: the name is the text before the first separator ('=' by default).
    // A line without a separator has an empty name and an empty value.
    std::string Names(int index) const;
    std::string Values(const std::string& name) const;
    // Sets the value of the first line with that name, adding a line when there is none;
    // an empty value deletes the line.
    void SetValue(const std::string& name, const std::string& value);
    std::string ValueFromIndex(int index) const;
    void SetValueFromIndex(int index, const std::string& value);
    char NameValueSeparator() const { return FNameValueSeparator; }
    void SetNameValueSeparator(char value) { FNameValueSeparator = value; }

    // Every line followed by "\n". Setting splits at CR LF, LF or CR; a final line break
    // makes no extra empty line.
    std::string Text() const;
    void SetText(std::string_view text);

    // Lines joined by the delimiter; a line holding the quote character, the delimiter or (unless
    // StrictDelimiter) a blank is quoted, with quote characters inside doubled. Setting splits the
    // same way and, unless StrictDelimiter, also at blanks outside quotes.
    std::string DelimitedText() const;
    void SetDelimitedText(std::string_view text);
    char Delimiter() const { return FDelimiter; }
    void SetDelimiter(char value) { FDelimiter = value; }
    char QuoteChar() const { return FQuoteChar; }
    void SetQuoteChar(char value) { FQuoteChar = value; }
    bool StrictDelimiter() const { return FStrictDelimiter; }
    void SetStrictDelimiter(bool value) { FStrictDelimiter = value; }
    // The delimited text with ',' and '"', blanks separating too.
    std::string CommaText() const;
    void SetCommaText(std::string_view text);

    // Change notifications are held back until the outermost EndUpdate.
    void BeginUpdate();
    void EndUpdate();

    // Replaces the lines and objects by those of source, with its separator and quoting settings.
    virtual void Assign(const TStrings& source);
    void AddStrings(const TStrings& source);

    // UTF-8 text; a byte-order mark is skipped on reading and never written.
    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream) const;
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName) const;

protected:
    virtual std::string Get(int index) const = 0;
    virtual int GetCount() const = 0;
    virtual TObject* GetObject(int index) const;
    virtual void Put(int index, const std::string& s);
    virtual void PutObject(int index, TObject* object);
    // Called with true when the first BeginUpdate starts and false when the last EndUpdate ends.
    virtual void SetUpdateState(bool updating);
    // How IndexOf and IndexOfName match; the base ignores ASCII case.
    virtual int CompareStrings(const std::string& a, const std::string& b) const;

    int UpdateCount() const { return FUpdateCount; }
    [[noreturn]] static void IndexError(int index);

private:
    int FUpdateCount{ 0 };
    char FNameValueSeparator{ '=' };
    char FDelimiter{ ',' };
    char FQuoteChar{ '"' };
    bool FStrictDelimiter{ false };
};
