#include "app/TComponentBinder.h"

#include "platform/forms/EReadError.h"
#include "platform/rtl/Format.h"

#include <cstdlib>
#include <cxxabi.h>
#include <memory>
#include <utility>

namespace {

// The C++ name of a type, as the code spells it.
std::string TypeName(const std::type_info& type) {
    int status = 0;
    const std::unique_ptr<char, decltype(&std::free)> name(
        abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), &std::free);
    return status == 0 && name ? std::string(name.get()) : std::string(type.name());
}

} // namespace

TComponentBinder::TComponentBinder(TComponent& root, std::string fileName)
    : FRoot(root), FFileName(std::move(fileName)) {}

void TComponentBinder::Fault(const std::string& name, const TComponent* found,
                             const std::type_info& wanted) {
    if (!found)
        FFaults.push_back(Format("component %s not found", name));
    else
        FFaults.push_back(
            Format("component %s is a %s, not a %s", name, found->ClassName(), TypeName(wanted)));
}

void TComponentBinder::Check() const {
    if (FFaults.empty()) return;
    std::string faults;
    for (const std::string& fault : FFaults)
        faults += (faults.empty() ? "" : "; ") + fault;
    throw EReadError(Format("%s: %s", FFileName, faults));
}
