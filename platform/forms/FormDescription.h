#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The parsed text of a form description: a tree of named components of named classes, each
// with its property assignments in the order written.
//
//   object MainForm: TMainForm
//     Caption = 'Converter'
//     Font.Style = [fsBold]
//     OnClose = FormClose
//     Columns = <
//       item
//         Width = 80
//       end>
//     UserImages = {0A}
//     object Panel1: TPanel
//       Align = alTop
//     end
//   end
struct TDescriptionProperty;

struct TDescriptionValue {
    enum TKind { vkInteger, vkFloat, vkString, vkIdent, vkSet, vkList, vkCollection, vkBinary };
    TKind Kind{ vkInteger };
    std::int64_t Integer{ 0 };
    double Float{ 0 };
    std::string Text;               // vkString, vkIdent
    std::vector<std::string> Names; // vkSet
    std::vector<TDescriptionValue> List;
    std::vector<std::vector<TDescriptionProperty>> Items; // vkCollection: one list per item
    std::vector<std::uint8_t> Bytes;                      // vkBinary
};

struct TDescriptionProperty {
    std::string Name; // possibly dotted: Font.Name
    TDescriptionValue Value;
    int Line{ 0 };
};

struct TDescriptionObject {
    std::string Name;
    std::string ClassName;
    int Line{ 0 };
    std::vector<TDescriptionProperty> Properties;
    std::vector<TDescriptionObject> Children;
};

// Parses one description; raises EReadError "<file>(<line>): <what is wrong>" for text that is
// not one, including a truncated file.
TDescriptionObject ParseFormDescription(std::string_view text, const std::string& fileName);
