#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "TempDir.h"
#include "UserFolder.h"

namespace fs = std::filesystem;

namespace {

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// An installation's shipped data (read-only, as a package installs it) and an empty home.
class UserFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(shipped() / "options");
        fs::create_directories(shipped() / "data");
        fs::create_directories(shipped() / "doc");
        dir.write("share/options/ZODIKEON.ZDO", "shipped options");
        dir.write("share/data/ZDKTOWNS.TWD", "atlas");
        dir.write("share/data/zdkdigns.csv", "dignities");
        dir.write("share/doc/NOTICE", "notice");
        fs::permissions(shipped() / "options" / "ZODIKEON.ZDO", fs::perms::owner_read | fs::perms::group_read,
                        fs::perm_options::replace);
    }
    fs::path shipped() const { return fs::path(dir.path()) / "share"; }
    fs::path user() const { return fs::path(dir.path()) / "home/.local/share/zodikeon"; }

    TempDir dir;
};

TEST_F(UserFolderTest, firstStart_createsAPrivateFolderSeededFromTheShippedData) {
    ASSERT_EQ(seedUserFolder(user().string(), shipped().string()), "");
    EXPECT_TRUE(fs::is_directory(user() / "horo"));
    EXPECT_EQ((fs::status(user()).permissions() & fs::perms::all), fs::perms::owner_all);
    // The options are the user's own copy, writable; the data files are links to the shipped ones.
    EXPECT_FALSE(fs::is_symlink(user() / "options/ZODIKEON.ZDO"));
    EXPECT_EQ(contents(user() / "options/ZODIKEON.ZDO"), "shipped options");
    EXPECT_NE((fs::status(user() / "options/ZODIKEON.ZDO").permissions() & fs::perms::owner_write), fs::perms::none);
    EXPECT_EQ(fs::read_symlink(user() / "data/ZDKTOWNS.TWD"), shipped() / "data/ZDKTOWNS.TWD");
    EXPECT_EQ(contents(user() / "data/zdkdigns.csv"), "dignities");
    EXPECT_EQ(contents(user() / "doc/NOTICE"), "notice");
}

TEST_F(UserFolderTest, laterStart_keepsTheUsersFilesAndRepairsWhatIsMissing) {
    ASSERT_EQ(seedUserFolder(user().string(), shipped().string()), "");
    dir.write("home/.local/share/zodikeon/options/ZODIKEON.ZDO", "my options");
    dir.write("home/.local/share/zodikeon/data/ZDKTOWNS_user.TWD", "my towns");
    fs::remove(user() / "data/zdkdigns.csv");
    fs::remove(user() / "data/ZDKTOWNS.TWD");
    dir.write("home/.local/share/zodikeon/data/ZDKTOWNS.TWD", "my own atlas");
    // A link left by an installation under another prefix.
    fs::remove(user() / "doc");
    fs::create_directory_symlink("/nonexistent/share/zodikeon/doc", user() / "doc");

    ASSERT_EQ(seedUserFolder(user().string(), shipped().string()), "");
    EXPECT_EQ(contents(user() / "options/ZODIKEON.ZDO"), "my options");
    EXPECT_EQ(contents(user() / "data/ZDKTOWNS_user.TWD"), "my towns");
    EXPECT_EQ(contents(user() / "data/ZDKTOWNS.TWD"), "my own atlas");
    EXPECT_EQ(contents(user() / "data/zdkdigns.csv"), "dignities");
    EXPECT_EQ(fs::read_symlink(user() / "doc"), shipped() / "doc");
}

TEST_F(UserFolderTest, folderThatCannotBeCreated_isReportedWithItsPath) {
    fs::create_directories(fs::path(dir.path()) / "home");
    dir.write("home/.local", "a file in the way");
    const std::string error = seedUserFolder(user().string(), shipped().string());
    EXPECT_NE(error.find(user().string()), std::string::npos) << error;
}

}  // namespace
