#include "ShellFixture.h"

#include "platform/rtl/FileSystem.h"
#include "platform/shell/TrashCan.h"

#include <gtest/gtest.h>
#include <regex>

namespace {

class TrashCanTest : public testing::Test {
protected:
    std::string Trash(const std::string& relative) const {
        return Fixture.Path("home/.local/share/Trash/" + relative);
    }

    TShellFixture Fixture;
    TShellEnvironment Env{ Fixture.Environment() };
};

TEST_F(TrashCanTest, AFileMovesIntoTheTrashWithAnInfoFileNamingWhereItWas) {
    const std::string file = Fixture.WriteFile("home/docs/my film #1.vob", "frames");
    std::string trashedAs;
    ASSERT_TRUE(MoveToTrash(Env, Fixture.Path("home/docs/../docs/my film #1.vob"), &trashedAs));
    EXPECT_EQ(trashedAs, "my film #1.vob");
    EXPECT_FALSE(FileExists(file));
    EXPECT_EQ(TShellFixture::ReadText(Trash("files/my film #1.vob")), "frames");

    const std::string info = TShellFixture::ReadText(Trash("info/my film #1.vob.trashinfo"));
    std::smatch parts;
    ASSERT_TRUE(std::regex_match(info, parts,
                                 std::regex("\\[Trash Info\\]\nPath=(.*)\nDeletionDate="
                                            "\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\n")))
        << info;
    std::string escaped = Fixture.Path("home/docs/my%20film%20%231.vob");
    EXPECT_EQ(parts[1].str(), escaped);
}

TEST_F(TrashCanTest, ASecondItemOfTheSameNameGetsANameOfItsOwn) {
    Fixture.WriteFile("a/same.txt", "first");
    Fixture.WriteFile("b/same.txt", "second");
    std::string first, second;
    ASSERT_TRUE(MoveToTrash(Env, Fixture.Path("a/same.txt"), &first));
    ASSERT_TRUE(MoveToTrash(Env, Fixture.Path("b/same.txt"), &second));
    EXPECT_EQ(first, "same.txt");
    EXPECT_EQ(second, "same.txt.2");
    EXPECT_EQ(TShellFixture::ReadText(Trash("files/same.txt")), "first");
    EXPECT_EQ(TShellFixture::ReadText(Trash("files/same.txt.2")), "second");
    EXPECT_NE(TShellFixture::ReadText(Trash("info/same.txt.2.trashinfo"))
                  .find(Fixture.Path("b/same.txt")),
              std::string::npos);
}

TEST_F(TrashCanTest, AFolderMovesWholeAndAMissingItemIsRefused) {
    Fixture.WriteFile("project/inner/deep.txt", "deep");
    ASSERT_TRUE(MoveToTrash(Env, Fixture.Path("project")));
    EXPECT_EQ(TShellFixture::ReadText(Trash("files/project/inner/deep.txt")), "deep");
    EXPECT_FALSE(DirectoryExists(Fixture.Path("project")));

    EXPECT_FALSE(MoveToTrash(Env, Fixture.Path("project")));
    EXPECT_FALSE(MoveToTrash(Env, "/"));
    EXPECT_FALSE(FileExists(Trash("info/project.2.trashinfo")))
        << "a failed move leaves no info file behind";
}

} // namespace
