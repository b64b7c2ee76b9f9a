// zodikeon-cli chart with --options, --house and --node, run as scripts run it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

#include "TempDir.h"
#include "WholeFile.h"

namespace {

struct ChartRun {
    int exitCode = -1;
    std::string out, err;
};

std::string quoted(const std::string& arg) {
    std::string q = "'";
    for (const char c : arg)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

ChartRun chart(const TempDir& scratch, const std::vector<std::string>& extra) {
    const char* programDir = std::getenv("ZDK_PROGRAM_DIR");
    std::string command = quoted(std::string(programDir ? programDir : ".") + "/zodikeon-cli") +
                          " chart --json --date 1984-3-15 --time 10:30 --zone +1:00 --lon 19.04 --lat 47.5";
    for (const std::string& a : extra)
        command += " " + quoted(a);
    command += " >" + quoted(scratch.file("out")) + " 2>" + quoted(scratch.file("err"));
    ChartRun r;
    const int status = std::system(command.c_str());
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = scratch.read("out");
    r.err = scratch.read("err");
    return r;
}

TEST(CliChartOptions, optionsFileAndOverridesReachTheChart) {
    TempDir scratch;
    const std::string koch = scratch.write(
        "koch.zdo", "[main]\r\ndescription=Zodikeon 4.0 Options File - Revision K\r\n[misc]\r\nhousecalc=4\r\n");
    const char* programDir = std::getenv("ZDK_PROGRAM_DIR");
    const std::string shipped = std::string(programDir ? programDir : ".") + "/options/ZODIKEON.ZDO";
    const struct {
        const char* name;
        std::vector<std::string> args;
        std::string file;
        int house, node;
    } cases[] = {
        {"the program's options by default", {}, shipped, 0, 0},
        {"an options file", {"--options", koch}, koch, 4, 0},
        {"overrides on top of a file", {"--options", koch, "--house", "9", "--node", "true"}, koch, 9, 1},
        {"overrides on the default", {"--house=7", "--node=mean"}, shipped, 7, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ChartRun r = chart(scratch, c.args);
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_NE(r.out.find("\"options\": {\n    \"file\": \"" + c.file + "\",\n    \"housecalc\": " +
                             std::to_string(c.house) + ",\n    \"nodetype\": " + std::to_string(c.node)),
                  std::string::npos)
            << r.out;
    }
}

TEST(CliChartOptions, badOptionsAreRefused) {
    TempDir scratch;
    const std::string notes = scratch.write("notes.zdo", "[main]\r\ndescription=Zodikeon 4.0 Options File - Revision L\r\n");
    const std::string pipe = scratch.file("pipe.zdo");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const std::string huge = scratch.write("huge.zdo", "[main]\r\n");
    std::filesystem::resize_file(huge, ProfileFileLimit + 1);
    const struct {
        const char* name;
        std::vector<std::string> args;
        int exitCode;
        const char* message;
    } cases[] = {
        {"not an options file", {"--options", notes}, 1, "Selected file is not a ZODIKEON v4.x options file"},
        {"no such file", {"--options", scratch.file("none.zdo")}, 1, "Selected file is not a ZODIKEON v4.x options file"},
        {"house system out of range", {"--house", "10"}, 2, "--house must be a number from 0 to 9"},
        {"house system not a number", {"--house", "K"}, 2, "--house must be a number from 0 to 9"},
        {"unknown node type", {"--node", "osculating"}, 2, "--node must be mean or true"},
        // Refused before a byte is read: an endless device or a pipe would never end, and a
        // file larger than an options file can be would fill the memory.
        {"endless device", {"--options", "/dev/zero"}, 1, "/dev/zero was not read: it is not an ordinary file"},
        {"pipe", {"--options", pipe}, 1, "pipe.zdo was not read: it is not an ordinary file"},
        {"oversized", {"--options", huge}, 1, "huge.zdo was not read: it is larger than such a file can be"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ChartRun r = chart(scratch, c.args);
        EXPECT_EQ(r.exitCode, c.exitCode);
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
}

}  // namespace
