#include "platform/rtl/DynamicLibrary.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <zlib.h>

TEST(DynamicLibrary, LoadsBySonameThroughTheSystemSearch) {
    const auto library = TDynamicLibrary::Load("", "libz.so.1");
    ASSERT_TRUE(library.Loaded()) << library.ErrorText();
    EXPECT_EQ(library.ErrorText(), "");
    EXPECT_EQ(library.FileName(), "libz.so.1");
    const auto symbol = library.Symbol("zlibVersion");
    ASSERT_TRUE(symbol) << symbol.Error;
    const auto version = reinterpret_cast<decltype(&zlibVersion)>(symbol.Address);
    EXPECT_STREQ(version(), ZLIB_VERSION);
}

TEST(DynamicLibrary, AFolderWithoutTheFileFallsBackToTheSearch) {
    ScratchFolder folder;
    const auto library = TDynamicLibrary::Load(folder.Path(), "libz.so.1");
    ASSERT_TRUE(library.Loaded()) << library.ErrorText();
    EXPECT_EQ(library.FileName(), "libz.so.1");
}

TEST(DynamicLibrary, AFileInTheFolderIsTakenFromThereAndMustBeALibrary) {
    ScratchFolder folder;
    folder.WriteFile("libz.so.1", "this is not a shared object");
    const auto library = TDynamicLibrary::Load(folder.Path() + "/", "libz.so.1");
    EXPECT_FALSE(library.Loaded());
    EXPECT_EQ(library.FileName(), folder / "libz.so.1");
    EXPECT_NE(library.ErrorText().find(folder / "libz.so.1"), std::string::npos)
        << library.ErrorText();
    EXPECT_FALSE(library.Symbol("zlibVersion"));
}

TEST(DynamicLibrary, FailuresCarryTheLoadersText) {
    const auto missing = TDynamicLibrary::Load("", "libdoesnotexist.so.7");
    EXPECT_FALSE(missing.Loaded());
    EXPECT_NE(missing.ErrorText().find("libdoesnotexist.so.7"), std::string::npos)
        << missing.ErrorText();

    const auto library = TDynamicLibrary::Load("", "libz.so.1");
    const auto symbol = library.Symbol("no_such_function");
    EXPECT_FALSE(symbol);
    EXPECT_NE(symbol.Error.find("no_such_function"), std::string::npos) << symbol.Error;
}

TEST(DynamicLibrary, MovingKeepsOneOwner) {
    auto first = TDynamicLibrary::Load("", "libz.so.1");
    TDynamicLibrary second = std::move(first);
    EXPECT_TRUE(second.Loaded());
    EXPECT_TRUE(second.Symbol("deflate"));
    second.Unload();
    EXPECT_FALSE(second.Loaded());
    EXPECT_FALSE(second.Symbol("deflate"));
}
