#include "platform/rtl/TStringList.h"

#include "ScratchFolder.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/TStream.h"
#include "platform/rtl/TStringStream.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <utility>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

Lines LinesOf(const TStrings& list) {
    Lines lines;
    for (int i = 0; i < list.Count(); ++i)
        lines.push_back(list[i]);
    return lines;
}

void Fill(TStrings& list, const Lines& lines) {
    list.Clear();
    for (const auto& line : lines)
        list.Add(line);
}

TObject* Tag(int n) {
    // Objects are only compared, never dereferenced: distinct addresses are enough.
    static char tags[8];
    return reinterpret_cast<TObject*>(&tags[n]);
}

// The least a descendant must provide; everything else comes from TStrings.
class TVectorStrings : public TStrings {
public:
    void Insert(int index, const std::string& s) override {
        if (index < 0 || index > Count()) IndexError(index);
        FLines.insert(FLines.begin() + index, s);
    }
    void Delete(int index) override {
        if (index < 0 || index >= Count()) IndexError(index);
        FLines.erase(FLines.begin() + index);
    }
    void Clear() override { FLines.clear(); }

protected:
    std::string Get(int index) const override {
        if (index < 0 || index >= Count()) IndexError(index);
        return FLines[static_cast<size_t>(index)];
    }
    int GetCount() const override { return static_cast<int>(FLines.size()); }

private:
    Lines FLines;
};

} // namespace

TEST(TStringList, IndexErrorsNameTheIndex) {
    TStringList list;
    Fill(list, { "a", "b", "c" });
    struct Case {
        const char* what;
        std::function<void()> call;
        int index;
    };
    const Case kCases[] = {
        { "Strings(-1)", [&] { list.Strings(-1); }, -1 },
        { "Strings(3)", [&] { list.Strings(3); }, 3 },
        { "SetStrings(5)", [&] { list.SetStrings(5, "x"); }, 5 },
        { "Objects(3)", [&] { list.Objects(3); }, 3 },
        { "SetObject(-2)", [&] { list.SetObject(-2, nullptr); }, -2 },
        { "Delete(3)", [&] { list.Delete(3); }, 3 },
        { "Insert(4)", [&] { list.Insert(4, "x"); }, 4 },
        { "Insert(-1)", [&] { list.Insert(-1, "x"); }, -1 },
        { "Exchange(0, 9)", [&] { list.Exchange(0, 9); }, 9 },
        { "Move(7, 0)", [&] { list.Move(7, 0); }, 7 },
        { "Move(0, 3)", [&] { list.Move(0, 3); }, 3 },
        { "Names(3)", [&] { list.Names(3); }, 3 },
        { "ValueFromIndex(-1)", [&] { list.ValueFromIndex(-1); }, -1 },
    };
    for (const auto& c : kCases) {
        try {
            c.call();
            ADD_FAILURE() << "no exception for " << c.what;
        } catch (const EListError& e) {
            EXPECT_EQ(e.Message(), "List index out of bounds (" + std::to_string(c.index) + ")")
                << c.what;
        }
        EXPECT_EQ(LinesOf(list), (Lines{ "a", "b", "c" })) << c.what << " changed the list";
    }
}

TEST(TStringList, InsertDeleteExchangeAndMoveKeepObjects) {
    TStringList list;
    list.AddObject("a", Tag(0));
    list.AddObject("b", Tag(1));
    list.AddObject("c", Tag(2));
    list.InsertObject(0, "z", Tag(3));
    list.Insert(4, "end");
    EXPECT_EQ(LinesOf(list), (Lines{ "z", "a", "b", "c", "end" }));

    list.Move(0, 3);
    EXPECT_EQ(LinesOf(list), (Lines{ "a", "b", "c", "z", "end" }));
    EXPECT_EQ(list.Objects(3), Tag(3));
    list.Exchange(0, 2);
    EXPECT_EQ(LinesOf(list), (Lines{ "c", "b", "a", "z", "end" }));
    EXPECT_EQ(list.Objects(0), Tag(2));
    EXPECT_EQ(list.Objects(2), Tag(0));
    list.Delete(1);
    EXPECT_EQ(list.IndexOfObject(Tag(1)), -1);
    EXPECT_EQ(list.IndexOfObject(Tag(3)), 2);
    EXPECT_EQ(list.Objects(3), nullptr);
    list.SetStrings(0, "C");
    EXPECT_EQ(list.Objects(0), Tag(2)) << "replacing the text keeps the object";
    EXPECT_EQ(list.IndexOf("c"), 0) << "IndexOf ignores case by default";
    EXPECT_EQ(list.IndexOf("missing"), -1);
}

TEST(TStringList, MoveInBothDirections) {
    struct Case {
        int from;
        int to;
        Lines lines;
    };
    const Case kCases[] = {
        { 0, 3, { "b", "c", "d", "a" } },
        { 3, 1, { "a", "d", "b", "c" } },
        { 2, 2, { "a", "b", "c", "d" } },
    };
    for (const auto& c : kCases) {
        TStringList list;
        TVectorStrings plain;
        Fill(list, { "a", "b", "c", "d" });
        Fill(plain, { "a", "b", "c", "d" });
        list.Move(c.from, c.to);
        plain.Move(c.from, c.to);
        EXPECT_EQ(LinesOf(list), c.lines) << c.from << "->" << c.to;
        EXPECT_EQ(LinesOf(plain), c.lines) << c.from << "->" << c.to;
    }
}

TEST(TStringList, NameValueRules) {
    TStringList list;
    Fill(list, { "plain", "=novalue", "OutPath=C:\\a=b", "outpath=second", "Key=", "A = B" });
    struct Case {
        int index;
        const char* name;
        const char* value;
    };
    const Case kLines[] = {
        { 0, "", "" },
        { 1, "", "novalue" },
        { 2, "OutPath", "C:\\a=b" },
        { 3, "outpath", "second" },
        { 4, "Key", "" },
        { 5, "A ", " B" },
    };
    for (const auto& c : kLines) {
        EXPECT_EQ(list.Names(c.index), c.name) << c.index;
        EXPECT_EQ(list.ValueFromIndex(c.index), c.value) << c.index;
    }
    EXPECT_EQ(list.IndexOfName("OUTPATH"), 2) << "the first match, ignoring case";
    EXPECT_EQ(list.Values("outPath"), "C:\\a=b");
    EXPECT_EQ(list.IndexOfName("plain"), -1) << "a line without '=' has no name";
    EXPECT_EQ(list.Values("A"), "") << "blanks belong to the name";
    EXPECT_EQ(list.Values("A "), " B");

    list.SetValue("OUTPATH", "D:\\x");
    EXPECT_EQ(list[2], "OUTPATH=D:\\x");
    list.SetValue("New", "1");
    EXPECT_EQ(list[list.Count() - 1], "New=1");
    list.SetValue("outpath", "");
    EXPECT_EQ(list.IndexOfName("outpath"), 2) << "setting \"\" deletes only the first line";
    EXPECT_EQ(list[2], "outpath=second");
    list.SetValue("absent", "");
    EXPECT_EQ(list.Count(), 6);
    list.SetValueFromIndex(2, "third");
    EXPECT_EQ(list[2], "outpath=third");

    list.SetNameValueSeparator(':');
    list.Add("Host: example");
    EXPECT_EQ(list.Values("host"), " example");
}

TEST(TStringList, CaseSensitiveLookups) {
    TStringList list;
    list.SetCaseSensitive(true);
    Fill(list, { "Name=1", "name=2", "ABC" });
    EXPECT_EQ(list.Values("name"), "2");
    EXPECT_EQ(list.IndexOf("abc"), -1);
    EXPECT_EQ(list.IndexOf("ABC"), 2);
}

TEST(TStringList, TextSplitsAnyLineBreakAndJoinsWithLf) {
    struct Case {
        const char* text;
        Lines lines;
    };
    const Case kCases[] = {
        { "", {} },
        { "one", { "one" } },
        { "one\n", { "one" } },
        { "a\r\nb\r\n", { "a", "b" } },
        { "a\rb\nc", { "a", "b", "c" } },
        { "a\n\nb", { "a", "", "b" } },
        { "\n", { "" } },
        { "\r\n\r\n", { "", "" } },
        { "a\n\r\nb", { "a", "", "b" } },
        { "宋体\r\n输出", { "宋体", "输出" } },
    };
    for (const auto& c : kCases) {
        TStringList list;
        list.SetText(c.text);
        EXPECT_EQ(LinesOf(list), c.lines) << c.text;
    }
    TStringList list;
    Fill(list, { "a", "", "b" });
    EXPECT_EQ(list.Text(), "a\n\nb\n");
    list.Clear();
    EXPECT_EQ(list.Text(), "");
}

TEST(TStringList, CommaTextReading) {
    struct Case {
        const char* text;
        Lines lines;
    };
    const Case kCases[] = {
        { "", {} },
        { "a,b,c", { "a", "b", "c" } },
        { "a b", { "a", "b" } },
        { "  a , b  ", { "a", "b" } },
        { "\"a b\",c", { "a b", "c" } },
        { "\"say \"\"hi\"\"\"", { "say \"hi\"" } },
        { "a,,b", { "a", "", "b" } },
        { "a,", { "a", "" } },
        { ",a", { "", "a" } },
        { "\"\"", { "" } },
        { "\"unterminated", { "unterminated" } },
        { "\"x\"y", { "x", "y" } },
        { "\"a,b\", \"c\"", { "a,b", "c" } },
    };
    for (const auto& c : kCases) {
        TStringList list;
        list.Add("old");
        list.SetCommaText(c.text);
        EXPECT_EQ(LinesOf(list), c.lines) << c.text;
    }
}

TEST(TStringList, CommaTextRoundTrips) {
    const Lines kLists[] = {
        { "a", "b" },
        { "with space", "tab\there", "comma,inside", "quote\"inside", "\"leading" },
        { "", "a", "", "" },
        { "" },
        { "宋体", "输出 目录" },
        { " padded " },
    };
    for (const auto& lines : kLists) {
        TStringList list;
        Fill(list, lines);
        TStringList back;
        back.SetCommaText(list.CommaText());
        EXPECT_EQ(LinesOf(back), lines) << list.CommaText();
    }
    TStringList list;
    Fill(list, { "a", "b c", "d\"e", "" });
    EXPECT_EQ(list.CommaText(), "a,\"b c\",\"d\"\"e\",");
}

TEST(TStringList, DelimitedTextWithOwnDelimiterAndQuote) {
    TStringList list;
    list.SetDelimiter(';');
    list.SetQuoteChar('\'');
    list.SetDelimitedText("a b;'c;d';e");
    EXPECT_EQ(LinesOf(list), (Lines{ "a", "b", "c;d", "e" })) << "blanks split unless strict";

    list.SetStrictDelimiter(true);
    list.SetDelimitedText(" a b ;'c;d';;e");
    EXPECT_EQ(LinesOf(list), (Lines{ " a b ", "c;d", "", "e" }));
    EXPECT_EQ(list.DelimitedText(), " a b ;'c;d';;e");
    EXPECT_EQ(list.CommaText(), "\" a b \",c;d,,e") << "CommaText keeps its own rules";
}

TEST(TStringList, SortedListsStayInOrder) {
    TStringList list;
    Fill(list, { "pear", "Apple", "fig", "apple" });
    list.SetSorted(true);
    EXPECT_EQ(LinesOf(list), (Lines{ "Apple", "apple", "fig", "pear" }));
    EXPECT_EQ(list.Add("banana"), 2);
    EXPECT_EQ(list.Add("Zucchini"), 5);
    EXPECT_EQ(list.Add("0"), 0);
    EXPECT_EQ(LinesOf(list), (Lines{ "0", "Apple", "apple", "banana", "fig", "pear", "Zucchini" }));

    int index = -1;
    EXPECT_TRUE(list.Find("APPLE", index));
    EXPECT_EQ(index, 1) << "Find gives the first equal line";
    EXPECT_FALSE(list.Find("grape", index));
    EXPECT_EQ(index, 5);
    EXPECT_EQ(list.IndexOf("FIG"), 4);
    EXPECT_EQ(list.IndexOf("kiwi"), -1);

    for (const auto& call : std::vector<std::function<void()>>{
             [&] { list.Insert(0, "x"); }, [&] { list.SetStrings(0, "x"); },
             [&] { list.Exchange(0, 1); }, [&] { list.Move(0, 1); } }) {
        try {
            call();
            ADD_FAILURE() << "a sorted list accepted an operation that breaks its order";
        } catch (const EListError& e) {
            EXPECT_EQ(e.Message(), "Operation not allowed on sorted list");
        }
    }
    EXPECT_EQ(list.Count(), 7);

    list.SetCaseSensitive(true);
    EXPECT_EQ(LinesOf(list), (Lines{ "0", "Apple", "Zucchini", "apple", "banana", "fig", "pear" }));
    EXPECT_EQ(list.IndexOf("APPLE"), -1);
}

TEST(TStringList, DuplicatesInSortedLists) {
    struct Case {
        TDuplicates duplicates;
        int secondIndex;
        Lines lines;
    };
    const Case kCases[] = {
        { dupIgnore, 0, { "a", "b" } },
        { dupAccept, 0, { "A", "a", "b" } },
    };
    for (const auto& c : kCases) {
        TStringList list;
        list.SetSorted(true);
        list.SetDuplicates(c.duplicates);
        list.Add("b");
        list.Add("a");
        EXPECT_EQ(list.Add("A"), c.secondIndex) << c.duplicates;
        EXPECT_EQ(LinesOf(list), c.lines) << c.duplicates;
    }

    TStringList list;
    list.SetSorted(true);
    list.SetDuplicates(dupError);
    list.Add("a");
    try {
        list.Add("A");
        ADD_FAILURE() << "dupError accepted a duplicate";
    } catch (const EListError& e) {
        EXPECT_EQ(e.Message(), "String list does not allow duplicates");
    }
    EXPECT_EQ(list.Count(), 1);

    TStringList unsorted;
    unsorted.SetDuplicates(dupError);
    unsorted.Add("a");
    EXPECT_NO_THROW(unsorted.Add("a")) << "duplicates matter only in sorted lists";
}

TEST(TStringList, ChangeEventsFireOncePerUpdate) {
    TStringList list;
    std::string events;
    list.OnChanging = [&](TStrings* sender) {
        EXPECT_EQ(sender, &list);
        events += '[';
    };
    list.OnChange = [&](TStrings*) { events += ']'; };

    list.Add("a");
    list.Delete(0);
    EXPECT_EQ(events, "[][]");

    events.clear();
    list.BeginUpdate();
    list.Add("a");
    list.BeginUpdate();
    list.Add("b");
    list.EndUpdate();
    EXPECT_EQ(events, "[");
    list.EndUpdate();
    EXPECT_EQ(events, "[]");

    events.clear();
    list.SetCommaText("x,y,z");
    EXPECT_EQ(events, "[]");
    events.clear();
    list.Clear();
    list.Clear();
    EXPECT_EQ(events, "[]") << "clearing an empty list changes nothing";
}

TEST(TStringList, ChangingHandlerThatEmptiesTheListCannotCorruptIt) {
    const std::pair<const char*, std::function<void(TStringList&)>> kCalls[] = {
        { "Delete", [](TStringList& l) { l.Delete(2); } },
        { "Insert", [](TStringList& l) { l.Insert(3, "x"); } },
        { "SetStrings", [](TStringList& l) { l.SetStrings(2, "x"); } },
        { "SetObject", [](TStringList& l) { l.SetObject(2, Tag(0)); } },
        { "Exchange", [](TStringList& l) { l.Exchange(0, 2); } },
        { "Move", [](TStringList& l) { l.Move(2, 0); } },
    };
    for (const auto& [what, call] : kCalls) {
        TStringList list;
        Fill(list, { "a", "b", "c" });
        bool armed = true;
        list.OnChanging = [&](TStrings*) {
            if (!std::exchange(armed, false)) return;
            list.Clear();
        };
        EXPECT_THROW(call(list), EListError) << what;
        EXPECT_EQ(list.Count(), 0) << what;
    }
}

TEST(TStringList, AssignAndAddStrings) {
    TStringList source;
    source.SetNameValueSeparator(':');
    source.AddObject("k:v", Tag(1));
    source.Add("x");
    TStringList target;
    target.Add("old");
    target.Assign(source);
    EXPECT_EQ(LinesOf(target), (Lines{ "k:v", "x" }));
    EXPECT_EQ(target.Objects(0), Tag(1));
    EXPECT_EQ(target.Values("k"), "v") << "the separator comes along";

    target.AddStrings(target);
    EXPECT_EQ(LinesOf(target), (Lines{ "k:v", "x", "k:v", "x" }));
    target.Assign(target);
    EXPECT_EQ(target.Count(), 4);
}

TEST(TStringList, DescendantWithOnlyStorageGetsTheRest) {
    TVectorStrings list;
    list.SetText("Skin=0\nOutPath=/tmp\nplain\n");
    list.SetValue("skin", "1");
    list.Move(0, 2);
    list.Exchange(0, 1);
    EXPECT_EQ(LinesOf(list), (Lines{ "plain", "OutPath=/tmp", "skin=1" }));
    EXPECT_EQ(list.Values("SKIN"), "1");
    EXPECT_EQ(list.Objects(0), nullptr);
    EXPECT_THROW(list.Objects(3), EListError);
    list.SetStrings(0, "changed");
    EXPECT_EQ(list[0], "changed");
    EXPECT_EQ(list.CommaText(), "changed,OutPath=/tmp,skin=1");
}

TEST(TStringList, StreamsAndFilesAreUtf8) {
    TStringStream input("\xEF\xBB\xBF[Options]\r\nThread_Count=0\r\n\xE5\xAE\x8B\r\n");
    TStringList list;
    list.LoadFromStream(input);
    EXPECT_EQ(LinesOf(list), (Lines{ "[Options]", "Thread_Count=0", "宋" }));

    TStringStream output;
    list.SaveToStream(output);
    EXPECT_EQ(output.DataString(), "[Options]\nThread_Count=0\n宋\n");

    ScratchFolder folder;
    const std::string file = folder / "列表 1.txt";
    list.SaveToFile(file);
    TStringList back;
    back.LoadFromFile(file);
    EXPECT_EQ(LinesOf(back), LinesOf(list));
    {
        std::ifstream raw(file, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(raw), {}),
                  "[Options]\nThread_Count=0\n宋\n");
    }
    EXPECT_THROW(back.LoadFromFile(folder / "missing.txt"), EFOpenError);
    EXPECT_EQ(back.Count(), 3) << "a failed load leaves the list alone";
    EXPECT_THROW(list.SaveToFile(folder / "no/such.txt"), EFCreateError);
}
