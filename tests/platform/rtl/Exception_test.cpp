#include "platform/rtl/Exception.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

TEST(Exception, CarriesItsMessage) {
    try {
        throw Exception("Cannot Start while working.");
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "Cannot Start while working.");
    }
}

TEST(Exception, KindsAreCaughtAsException) {
    EXPECT_THROW(throw EConvertError("x"), Exception);
    EXPECT_THROW(throw EListError("x"), Exception);
    EXPECT_THROW(throw EAssertionFailed("x"), Exception);
    EXPECT_THROW(throw EOutOfResources("Unable to insert a line"), Exception);
    EXPECT_THROW(Abort(), EAbort);
}

TEST(Exception, AssertNamesTextModuleAndLine) {
    struct Case {
        const char* text;
        const char* expectedStart;
    };
    const Case kCases[] = {
        { "", "Assertion failure (Exception_test.cpp, line " },
        { "Allow creating only one instance of TFFLogger.",
          "Allow creating only one instance of TFFLogger. (Exception_test.cpp, line " },
    };
    for (const auto& c : kCases) {
        const int line = __LINE__ + 2;
        try {
            Assert(false, c.text);
            ADD_FAILURE() << "no exception for " << c.text;
        } catch (const EAssertionFailed& e) {
            EXPECT_EQ(e.Message(), c.expectedStart + std::to_string(line) + ")");
        }
    }
    EXPECT_NO_THROW(Assert(true, "never shown"));
}

TEST(Exception, HandleExceptionShowsAllButAbort) {
    std::vector<std::string> shown;
    SetExceptionHandler([&](const std::exception& e) { shown.push_back(e.what()); });

    const auto handle = [](auto raise) {
        try {
            raise();
        } catch (...) {
            HandleException();
        }
    };
    handle([] { throw EConvertError("'x' is not a valid integer value"); });
    handle([] { Abort(); });
    handle([] { throw std::runtime_error("from the library"); });
    handle([] { throw 42; });
    SetExceptionHandler(nullptr);

    const std::vector<std::string> expected = { "'x' is not a valid integer value",
                                                "from the library", "Unknown exception" };
    EXPECT_EQ(shown, expected);
}

TEST(Exception, ShowExceptionWithoutHandlerWritesStandardError) {
    SetExceptionHandler(nullptr);
    testing::internal::CaptureStderr();
    ShowException(Exception("Unable to write to /x/option.ini"));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Unable to write to /x/option.ini\n");
}
