#pragma once
#include <string>
#include <unordered_map>
#include <vector>

// Which icons stand for a file type, by the shared MIME database: the type's own icon
// (<folder>/mime/icons, else the type with '/' turned into '-') and its generic icon
// (<folder>/mime/generic-icons, else "<media>-x-generic").
class TMimeIcons {
public:
    // The "icons" and "generic-icons" lists of every <folder>/mime, most important first.
    static TMimeIcons Load(const std::vector<std::string>& dataFolders);

    // "type:icon" lines; a type keeps the first icon it is given.
    void AddIcons(const std::string& text);
    void AddGenericIcons(const std::string& text);

    // The icon names to try for a type, best first: its own, then its generic one.
    std::vector<std::string> IconNamesOf(const std::string& type) const;

private:
    static void AddLines(const std::string& text, std::unordered_map<std::string, std::string>& to);

    std::unordered_map<std::string, std::string> FIcons;
    std::unordered_map<std::string, std::string> FGenericIcons;
};
