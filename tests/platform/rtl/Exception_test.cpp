#include "platform/rtl/Exception.h"

#include <gtest/gtest.h>

TEST(Exception, CarriesItsMessage)
{
    try {
        throw Exception("Cannot Start while working.");
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "Cannot Start while working.");
    }
}
