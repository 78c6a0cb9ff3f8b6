#include "platform/forms/TFormReader.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TScreen.h"
#include "platform/forms/TWinControl.h"
#include "platform/rtl/TextUtils.h"
#include <algorithm>
#include <fstream>
#include <sstream>

namespace {

// An error that already names its file and line.
class ELocatedReadError : public EReadError {
public:
    using EReadError::EReadError;
};

class TReader : public TReadContext {
public:
    TReader(TComponent* root, const std::string& fileName) : FRoot(root), FFile(fileName) {}

    TComponent* Root() const override { return FRoot; }
    const std::string& RootClass() const override { return FRootClass; }

    void AddFixup(const std::string& name, std::function<void(TComponent*)> resolve) override {
        FFixups.push_back({ name, std::move(resolve), FLine, FWhere });
    }

    void ReadItem(TPersistent* item, const std::string& itemClass,
                  const std::vector<TDescriptionProperty>& properties) override {
        const std::string where = FWhere;
        const int line = FLine;
        Apply(item, itemClass, properties, where);
        FWhere = where;
        FLine = line;
    }

    void Read(const TDescriptionObject& description) {
        const TClassRegistry& registry = TClassRegistry::Instance();
        FLine = description.Line;
        if (!registry.IsRegistered(description.ClassName))
            Fail(Format("Class %s not found", description.ClassName));
        if (!SameText(description.ClassName, FRoot->ClassName()) &&
            !registry.InheritsFrom(description.ClassName, FRoot->ClassName()))
            Fail(Format("Class %s does not describe a %s", description.ClassName,
                        FRoot->ClassName()));
        FRootClass = description.ClassName;
        FRoot->SetLoading(true);
        try {
            Guard(description.Name, [&] { FRoot->SetName(description.Name); });
            Apply(FRoot, description.ClassName, description.Properties, description.Name);
            for (const TDescriptionObject& child : description.Children)
                ReadChild(child, FRoot);
            ResolveFixups();
            FLine = description.Line;
            Guard(description.Name, [&] {
                FRoot->Loaded();
                for (TComponent* c : FCreated)
                    c->Loaded();
            });
        } catch (...) {
            // Nothing made by a failed reading stays behind.
            for (auto it = FCreated.rbegin(); it != FCreated.rend(); ++it)
                delete *it;
            FCreated.clear();
            FRoot->SetLoading(false);
            throw;
        }
    }

private:
    struct Fixup {
        std::string Name;
        std::function<void(TComponent*)> Resolve;
        int Line;
        std::string Where;
    };

    [[noreturn]] void Fail(const std::string& what) const {
        throw ELocatedReadError(Format("%s(%d): %s", FFile, FLine, what));
    }

    // Runs step, turning any error into one that names the file, the line and where.
    template <typename F>
    void Guard(const std::string& where, F&& step) {
        try {
            step();
        } catch (const ELocatedReadError&) {
            throw;
        } catch (const std::exception& e) {
            Fail(Format("Error reading %s: %s", where, e.what()));
        }
    }

    void Apply(TPersistent* target, const std::string& className,
               const std::vector<TDescriptionProperty>& properties, const std::string& path) {
        const TClassRegistry& registry = TClassRegistry::Instance();
        for (const TDescriptionProperty& p : properties) {
            FLine = p.Line;
            FWhere = path + "." + p.Name;
            const TPropertySetter* setter = registry.FindProperty(className, p.Name);
            if (!setter)
                Fail(Format("Error reading %s: Property %s does not exist", FWhere, p.Name));
            const std::string where = FWhere;
            Guard(where, [&] { (*setter)(target, p.Value, *this); });
        }
    }

    void ReadChild(const TDescriptionObject& description, TComponent* enclosing) {
        const TClassRegistry& registry = TClassRegistry::Instance();
        FLine = description.Line;
        const TComponentFactory factory = registry.Factory(description.ClassName);
        if (!factory) Fail(Format("Class %s not found", description.ClassName));
        TComponent* c = nullptr;
        Guard(description.Name, [&] { c = factory(FRoot); });
        if (!c) Fail(Format("Class %s not found", description.ClassName));
        FCreated.push_back(c);
        c->SetLoading(true);
        FLine = description.Line;
        Guard(description.Name, [&] {
            c->SetName(description.Name);
            c->SetParentComponent(enclosing);
        });
        Apply(c, description.ClassName, description.Properties, description.Name);
        for (const TDescriptionObject& child : description.Children)
            ReadChild(child, c);
    }

    void ResolveFixups() {
        for (const Fixup& f : FFixups) {
            FLine = f.Line;
            TComponent* target = nullptr;
            if (!SameText(f.Name, "nil")) {
                target = FindTarget(f.Name);
                if (!target)
                    Fail(Format("Error reading %s: Unresolved reference to %s", f.Where, f.Name));
            }
            Guard(f.Where, [&] { f.Resolve(target); });
        }
        FFixups.clear();
    }

    // A component of the form being read, the form itself, or, written "Form.Component", a
    // component of another form the program has made (or of this one).
    TComponent* FindTarget(const std::string& name) const {
        if (SameText(name, FRoot->Name())) return FRoot;
        const std::size_t dot = name.find('.');
        if (dot == std::string::npos) return FRoot->FindComponent(name);
        const std::string formName = name.substr(0, dot);
        const std::string componentName = name.substr(dot + 1);
        if (SameText(formName, FRoot->Name())) return FRoot->FindComponent(componentName);
        if (!Screen) return nullptr;
        for (int i = 0; i < Screen->FormCount(); ++i) {
            TCustomForm* form = Screen->Forms(i);
            if (form != FRoot && SameText(form->Name(), formName))
                return form->FindComponent(componentName);
        }
        return nullptr;
    }

    TComponent* FRoot;
    std::string FFile;
    std::string FRootClass;
    std::vector<TComponent*> FCreated;
    std::vector<Fixup> FFixups;
    int FLine{ 0 };
    std::string FWhere;
};

} // namespace

void ReadFormDescription(TComponent* root, std::string_view text, const std::string& fileName) {
    RegisterStandardClasses();
    const TDescriptionObject description = ParseFormDescription(text, fileName);
    TReader(root, fileName).Read(description);
}

void ReadFormDescriptionFile(TComponent* root, const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw EReadError(Format("Cannot open file \"%s\"", path));
    std::ostringstream text;
    text << in.rdbuf();
    ReadFormDescription(root, text.str(), path);
}
