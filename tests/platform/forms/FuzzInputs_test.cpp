// The form-description fuzz target's seeds and past findings: whatever the text, the
// description is read into a form or refused with the system's error, and nothing else happens.
#include "FormsTestSupport.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TFormReader.h"
#include "tests/main/FuzzInputs.h"

#include <string_view>

namespace formstest {
namespace {

class FormFuzzInputs : public FormsTest {};

TEST_F(FormFuzzInputs, EverySeedAndPastFindingReadsOrIsRefused) {
    TApplication application(nullptr);
    for (const TFuzzInput& input : FuzzInputs("form")) {
        const std::string_view text(reinterpret_cast<const char*>(input.Bytes.data()),
                                    input.Bytes.size());
        EXPECT_NO_THROW({
            try {
                TForm form(nullptr);
                ReadFormDescription(&form, text, "fuzz.dfm");
            } catch (const Exception&) {}
        }) << input.Name;
    }
}

} // namespace
} // namespace formstest
