#pragma once
#include "platform/shell/ShellEnvironment.h"

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// Icon files by name from the freedesktop icon themes: the user's theme, then the themes it
// inherits (each before the themes those inherit), then "hicolor". Only PNG files are used,
// from the folders an index.theme declares for exactly the size asked for.
class TIconTheme {
public:
    // themeFolders: where themes live ($HOME/.icons, then <data folder>/icons for each data
    // folder); themeName: the user's theme.
    TIconTheme(std::vector<std::string> themeFolders, std::string themeName);
    ~TIconTheme();

    // The folders and theme of the environment: the theme GTK is set to in
    // $XDG_CONFIG_HOME/gtk-3.0/settings.ini, else "Adwaita".
    static std::unique_ptr<TIconTheme> FromEnvironment(const TShellEnvironment& env);

    // The themes searched, in order.
    const std::vector<std::string>& ThemeChain() const { return FChain; }
    // The icon's file at size pixels, or "" when no theme has one.
    std::string FindIcon(const std::string& name, int size) const;

private:
    struct TTheme;
    const TTheme* ThemeNamed(const std::string& name) const;
    void BuildChain(const std::string& name);

    std::vector<std::string> FThemeFolders;
    std::vector<std::string> FChain;
    mutable std::map<std::string, std::unique_ptr<TTheme>> FThemes;
    mutable std::map<std::pair<std::string, int>, std::string> FFound;
};
