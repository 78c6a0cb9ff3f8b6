// Form descriptions: parsed, then read into a form with the class library's own classes, on the
// headless window system.
#include "fuzz/FuzzSupport.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TFormReader.h"
#include "platform/rtl/Exception.h"
#include "platform/win/Backend.h"
#include "platform/win/headless/HeadlessBackend.h"

#include <memory>
#include <string_view>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    win::InstallBackend(std::make_unique<win::HeadlessBackend>());
    // Forms expect the application object, as in the program; it lives as long as the process.
    static TApplication application(nullptr);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        TForm form(nullptr);
        ReadFormDescription(&form, text, "fuzz.dfm");
    } catch (const Exception&) {}
    return 0;
}
