#include "SkinFixture.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

TScratchSkinFolder::TScratchSkinFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "skintest-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (!::mkdtemp(buffer.data())) throw std::runtime_error("mkdtemp failed");
    FPath = std::string(buffer.data()) + "/";
}

TScratchSkinFolder::~TScratchSkinFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(FPath, ignored);
}

std::string TScratchSkinFolder::WriteFile(const std::string& name,
                                          const std::string& content) const {
    const std::string path = FPath + name;
    std::ofstream out(path, std::ios::binary);
    out << content;
    if (!out) throw std::runtime_error("cannot write " + path);
    return path;
}

std::unique_ptr<TBitmap> MakePicture(int width, int height, int seed) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf24bit);
    bitmap->SetSize(width, height);
    for (int y = 0; y < height; ++y) {
        auto* row = static_cast<std::uint8_t*>(bitmap->ScanLine(y));
        for (int x = 0; x < width; ++x) {
            row[x * 3 + 0] = std::uint8_t(x * 7 + seed);
            row[x * 3 + 1] = std::uint8_t(y * 13 + seed * 3);
            row[x * 3 + 2] = std::uint8_t(x * y + seed * 5);
        }
    }
    return bitmap;
}

std::unique_ptr<TBitmap> MakeMask(int width, int height) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf1bit);
    bitmap->SetSize(width, height);
    for (int y = 0; y < height; ++y) {
        auto* row = static_cast<std::uint8_t*>(bitmap->ScanLine(y));
        for (int x = 0; x < width; ++x) {
            const bool white = x >= y;
            if (white)
                row[x / 8] |= std::uint8_t(0x80 >> (x % 8));
            else
                row[x / 8] &= std::uint8_t(~(0x80 >> (x % 8)));
        }
    }
    return bitmap;
}

gfx::Surface PixelsOf(const TBitmap& bitmap) {
    return bitmap.ToSurface();
}

std::string FixtureSkinIni() {
    return "[VERSION]\n"
           "ver=1\n"
           "skinname=Fixture\n"
           "skinauthor=Tester\n"
           "authoremail=tester@example.org\n"
           "authorurl=example.org\n"
           "skincomments=made by the test\n"
           "[PICTURES]\n"
           "picture=main.bmp\n"
           "inactivepicture=inactive.bmp\n"
           "mask=mask.bmp\n"
           "activepicturescount=3\n"
           "0=active0.bmp\n"
           "1=active1.bmp\n"
           "2=active2.bmp\n"
           "[FORMINFO]\n"
           "lefttoppoint=10,20\n"
           "righttoppoint=90,20\n"
           "leftbottompoint=10,60\n"
           "rightbottompoint=90,60\n"
           "clientrect=12,22,88,58\n"
           "bgpictureindex=2\n"
           "maskrectarea=0,0,50,30\n"
           "hittestlefttoppoint=0,5\n"
           "hittestrighttoppoint=80,15\n"
           "buttonsrect=60,2,95,18\n"
           "captionrect=4,2,60,18\n"
           "buttonsoffset=3\n"
           "buttonsinleft=1\n"
           "borderwidth=4\n"
           "formminwidth=120\n"
           "formminheight=80\n"
           "stretchtype=stvert\n"
           "inactiveeffect=iedarkness\n"
           "autorenderinginactiveimage=1\n"
           "[POPUPWINDOW]\n"
           "windowpictureindex=0\n"
           "[LAYERFRAME]\n"
           "pictureindex=-1\n"
           "[HINTWINDOW]\n"
           "windowpictureindex=1\n"
           "fontname=Tahoma\n"
           "[SKINCOLORS]\n"
           "cbtnface=12632256\n"
           "[SKINOBJECTS]\n"
           "count=4\n"
           "0=closebutton:stdbutton\n"
           "1=caption:caption\n"
           "2=closebutton:button\n"
           "3=appmenu:appmenu\n"
           "[SKINCONTROLS]\n"
           "count=5\n"
           "0=button:button\n"
           "1=vscrollbar:scrollbar\n"
           "2=nocolon\n"
           "3=a:b:c\n"
           "4=edit:edit\n"
           "[closebutton]\n"
           "hint=Close\n"
           "activepictureindex=0\n"
           "skinrect=60,2,76,18\n"
           "command=cmclose\n"
           "[caption]\n"
           "skinrect=4,2,60,18\n"
           "fontname=Arial\n"
           "[button]\n"
           "pictureindex=1\n"
           "skinrect=0,0,40,20\n"
           "[vscrollbar]\n"
           "pictureindex=2\n"
           "skinrect=0,0,16,40\n"
           "[edit]\n"
           "pictureindex=1\n"
           "skinrect=0,20,40,40\n";
}

std::string WriteFixtureSkin(const TScratchSkinFolder& folder) {
    MakePicture(100, 80, 1)->SaveToFile(folder.Path() + "main.bmp");
    MakePicture(100, 80, 2)->SaveToFile(folder.Path() + "inactive.bmp");
    MakeMask(100, 80)->SaveToFile(folder.Path() + "mask.bmp");
    MakePicture(40, 40, 3)->SaveToFile(folder.Path() + "active0.bmp");
    MakePicture(33, 17, 4)->SaveToFile(folder.Path() + "active1.bmp");
    MakePicture(16, 40, 5)->SaveToFile(folder.Path() + "active2.bmp");
    return folder.WriteFile("skin.ini", FixtureSkinIni());
}

TbsSkinMessageForm TRecordingForms::Make(const std::string& name, const std::string& className) {
    FNames.push_back(std::make_unique<std::string>(name));
    const void* identity = FNames.back().get();
    for (const auto& owned : FNames)
        if (*owned == name) {
            identity = owned.get();
            break;
        }
    TbsSkinData* skin = &FSkin;
    return { identity, className,
             [this, name, skin](win::UINT message, win::WPARAM wParam, win::LPARAM lParam) {
                 if (wParam != reinterpret_cast<win::WPARAM>(skin) || lParam != 1000) return;
                 Log.push_back({ name, message, skin->Empty, skin->ChangeSkinDataProcess,
                                 skin->ObjectList.size() + skin->CtrlList.size() });
             } };
}

void TRecordingForms::AddScreenForm(const std::string& name, const std::string& className) {
    FScreen.emplace_back(name, className);
}

void TRecordingForms::SetOwnerForm(const std::string& name) {
    FOwner = name;
}

void TRecordingForms::Attach() {
    FSkin.FormsToNotify = [this] {
        FNames.clear();
        TbsSkinMessageForms forms;
        for (const auto& [name, className] : FScreen)
            forms.ScreenForms.push_back(Make(name, className));
        if (!FOwner.empty()) forms.OwnerForm = Make(FOwner, "TForm");
        return forms;
    };
}

std::vector<std::string> TRecordingForms::FormsFor(win::UINT message) const {
    std::vector<std::string> names;
    for (const auto& seen : Log)
        if (seen.Message == message) names.push_back(seen.Form);
    return names;
}

std::vector<win::UINT> TRecordingForms::MessagesTo(const std::string& form) const {
    std::vector<win::UINT> messages;
    for (const auto& seen : Log)
        if (seen.Form == form) messages.push_back(seen.Message);
    return messages;
}
