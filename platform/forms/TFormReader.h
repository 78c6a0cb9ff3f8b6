#pragma once
#include "platform/forms/TClassRegistry.h"
#include <string>
#include <string_view>

// Reads a form description into root: root takes the description's name and properties, and
// every object of the description becomes a component owned by root (its control parent the
// object it is written in). All of them carry csLoading while their properties are set in the
// order written; references are resolved once everything is read, then each gets Loaded, root
// first. The description's class must be root's class or one registered as based on it.
// A failure raises EReadError naming the file, the line and the property, and leaves root
// without any of the components made so far.
void ReadFormDescription(TComponent* root, std::string_view text, const std::string& fileName);
// The same for a file's contents.
void ReadFormDescriptionFile(TComponent* root, const std::string& path);

// The component of that name the root owns, of type T; raises EReadError when there is none.
template <typename T>
T* DescribedComponent(TComponent* root, const std::string& name) {
    T* c = dynamic_cast<T*>(root->FindComponent(name));
    if (!c) throw EReadError(Format("Component %s not found", name));
    return c;
}
