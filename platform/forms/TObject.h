#pragma once
#include <string>

// The root of the class library's classes. ClassName is what error texts and form descriptions
// name a class by; every registered class overrides it.
class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    virtual std::string ClassName() const { return "TObject"; }
};

// Frees an object the caller holds by raw pointer and clears the pointer, as the class library's
// FreeAndNil does for components it owns.
template <typename T>
void FreeAndNil(T*& object) {
    T* doomed = object;
    object = nullptr;
    delete doomed;
}
