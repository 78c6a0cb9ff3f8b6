#pragma once
#include "platform/forms/TComponent.h"
#include <string>
#include <typeinfo>
#include <vector>

// Binds the components a window's code uses to the window's typed members, once, right after
// its description is read. Every name the description lacks, or gives to a component of
// another class, is collected, and Check raises one EReadError naming them all: a broken
// description stops the window at its creation instead of failing at the first use.
class TComponentBinder {
public:
    TComponentBinder(TComponent& root, std::string fileName);

    // Points member at the root's component of that name; null when it has none of type T.
    template <typename T>
    void Bind(T*& member, const std::string& name) {
        TComponent* found = FRoot.FindComponent(name);
        member = dynamic_cast<T*>(found);
        if (!member) Fault(name, found, typeid(T));
    }
    // Raises EReadError "<file>: component a not found; component b is a TX, not a TY" when
    // any binding failed.
    void Check() const;

private:
    void Fault(const std::string& name, const TComponent* found, const std::type_info& wanted);

    TComponent& FRoot;
    std::string FFileName;
    std::vector<std::string> FFaults;
};
