#include "app/Unit6Classes.h"

#include "Src/FFmpegTasks/TFFmpegTasks.h"
#include "lib/controls/TbsSkinOfficeComboBox.h"
#include "platform/forms/TClassRegistry.h"
#include "platform/forms/TFormReader.h"

#include <mutex>

namespace {

constexpr const char* kOfficeComboBox = "TbsSkinOfficeComboBox";
constexpr const char* kSkinnedBase = "TbsSkinCustomOfficeComboBox";

// Registers a class under another base and factory while it lives, then puts back what was
// registered before. Start-up reads the windows one after another on the GUI thread.
class TScopedClass {
public:
    TScopedClass(std::string name, const std::string& base, TComponentFactory factory)
        : FName(std::move(name)), FBase(Registry().Base(FName)),
          FFactory(Registry().Factory(FName)) {
        Registry().RegisterClass(FName, base, std::move(factory));
    }
    ~TScopedClass() { Registry().RegisterClass(FName, FBase, FFactory); }
    TScopedClass(const TScopedClass&) = delete;
    TScopedClass& operator=(const TScopedClass&) = delete;

private:
    static TClassRegistry& Registry() { return TClassRegistry::Instance(); }

    std::string FName;
    std::string FBase;
    TComponentFactory FFactory;
};

} // namespace

void RegisterSettingsWindowClasses() {
    static std::once_flag once;
    std::call_once(once, [] {
        auto& r = TClassRegistry::Instance();
        // The main window registers it with its handlers; this window binds none.
        if (!r.IsRegistered("TFFmpegTasks"))
            r.RegisterClass("TFFmpegTasks", "TComponent",
                            [](TComponent* owner) { return new TFFmpegTasks(owner); });
    });
}

void ReadSettingsWindowDescription(TComponent* root, std::string_view text,
                                   const std::string& fileName) {
    auto& r = TClassRegistry::Instance();
    if (r.InheritsFrom(kOfficeComboBox, kSkinnedBase)) {
        ReadFormDescription(root, text, fileName);
        return;
    }
    const TScopedClass skinned(kOfficeComboBox, kSkinnedBase,
                               ComponentFactory<TbsSkinOfficeComboBox>());
    ReadFormDescription(root, text, fileName);
}
