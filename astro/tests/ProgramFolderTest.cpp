#include <gtest/gtest.h>

#include <set>
#include <string>

#include "ProgramFolder.h"

namespace {

struct FolderCase {
    const char* name;
    const char* exe;
    std::set<std::string> directories;
    FolderEnvironment env;
    const char* program;
    const char* shipped;
    const char* ephemeris;
    bool perUser;
};

const char* const Ephe = "/usr/share/libswe/ephe";

TEST(ProgramFolderTest, resolveProgramFolders_choosesPortableOrPerUser) {
    const FolderCase cases[] = {
        {"build folder with its own options", "/src/build/zodikeon", {"/src/build/zodikeon/options"},
         {"", "/home/anna"}, "/src/build/zodikeon", "/src/build/zodikeon", "/src/build/zodikeon/data/ephem", false},
        {"portable copy wins over an installation beside it", "/usr/bin", {"/usr/bin/options", "/usr/share/zodikeon/options"},
         {"", "/home/anna"}, "/usr/bin", "/usr/bin", "/usr/bin/data/ephem", false},
        {"installed, default data home", "/usr/bin", {"/usr/share/zodikeon/options"},
         {"", "/home/anna"}, "/home/anna/.local/share/zodikeon", "/usr/share/zodikeon", Ephe, true},
        {"installed, XDG data home", "/opt/z/bin", {"/opt/z/share/zodikeon/options"},
         {"/data/anna/", "/home/anna"}, "/data/anna/zodikeon", "/opt/z/share/zodikeon", Ephe, true},
        {"relative XDG data home is ignored", "/usr/bin", {"/usr/share/zodikeon/options"},
         {"data", "/home/bela"}, "/home/bela/.local/share/zodikeon", "/usr/share/zodikeon", Ephe, true},
        {"no home at all", "/usr/bin", {"/usr/share/zodikeon/options"}, {"", ""}, "", "/usr/share/zodikeon", Ephe, true},
        {"lone executable starts as before and reports its missing options", "/tmp/copy", {},
         {"", "/home/anna"}, "/tmp/copy", "/tmp/copy", "/tmp/copy/data/ephem", false},
    };
    for (const FolderCase& c : cases) {
        SCOPED_TRACE(c.name);
        const auto isDirectory = [&](const std::string& path) { return c.directories.count(path) > 0; };
        const ProgramFolders f = resolveProgramFolders(c.exe, c.env, isDirectory, "../share/zodikeon", Ephe);
        EXPECT_EQ(f.program, c.program);
        EXPECT_EQ(f.shipped, c.shipped);
        EXPECT_EQ(f.ephemeris, c.ephemeris);
        EXPECT_EQ(f.perUser, c.perUser);
    }
}

}  // namespace
