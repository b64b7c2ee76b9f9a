// Files read whole are refused unread when they are no regular file or larger than their
// format can be: an endless device or a pipe would otherwise hang the program or fill the
// memory. The refusal names the file.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <sys/stat.h>

#include "EnglishStrings.h"
#include "HoroscopeFile.h"
#include "OptionsFile.h"
#include "OptionsLoader.h"
#include "ProfileFile.h"
#include "SettingsFile.h"
#include "TempDir.h"
#include "TownFixtures.h"
#include "TownImport.h"
#include "WholeFile.h"

namespace {

constexpr const char* EndlessDevice = "/dev/zero";

// A file of `size` bytes that takes no room: a hole.
std::string sparseFile(const TempDir& dir, const std::string& name, std::uintmax_t size) {
    const std::string path = dir.write(name, "");
    std::filesystem::resize_file(path, size);
    return path;
}

std::string fifo(const TempDir& dir, const std::string& name) {
    const std::string path = dir.file(name);
    EXPECT_EQ(::mkfifo(path.c_str(), 0600), 0);
    return path;
}

}  // namespace

TEST(WholeFile, readsRegularFilesUpToTheLimitAndRefusesTheRest) {
    TempDir dir;
    constexpr std::uintmax_t Limit = 10;
    const struct {
        const char* name;
        std::string path;
        WholeFileStatus status;
    } rows[] = {
        {"at the limit", dir.write("ten", "0123456789"), WholeFileStatus::Ok},
        {"empty", dir.write("empty", ""), WholeFileStatus::Ok},
        {"one byte over", dir.write("eleven", "0123456789A"), WholeFileStatus::TooLarge},
        {"missing", dir.file("none"), WholeFileStatus::Missing},
        {"folder", dir.path(), WholeFileStatus::NotRegular},
        {"endless device", EndlessDevice, WholeFileStatus::NotRegular},
        {"pipe", fifo(dir, "pipe"), WholeFileStatus::NotRegular},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const WholeFile file = readWholeFile(row.path, Limit);
        EXPECT_EQ(file.status, row.status);
        if (file.ok()) {
            EXPECT_EQ(file.bytes.size(), std::filesystem::file_size(row.path));
        }
        const std::string message = wholeFileMessage(english(), file.status, row.path, Limit);
        if (file.ok() || file.status == WholeFileStatus::Missing) {
            EXPECT_TRUE(message.empty()) << message;
        } else {
            EXPECT_NE(message.find(row.path), std::string::npos) << message;
        }
    }
    EXPECT_NE(wholeFileMessage(english(), WholeFileStatus::TooLarge, "x", Limit).find("10 bytes"), std::string::npos);
}

TEST(WholeFile, optionsAndSettingsReadersRefuseEndlessAndOversizedFiles) {
    TempDir dir;
    const struct {
        const char* name;
        std::string path;
        const char* reason;  // part of the message
    } rows[] = {
        {"endless device", EndlessDevice, "not an ordinary file"},
        {"pipe", fifo(dir, "options.zdo"), "not an ordinary file"},
        {"oversized", sparseFile(dir, "huge.zdo", ProfileFileLimit + 1), "larger than such a file can be"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TOptions options{};
        std::string refusal;
        EXPECT_FALSE(ReadOptions(options, dir.path(), english(), row.path, nullptr, &refusal));
        EXPECT_NE(refusal.find(row.path), std::string::npos) << refusal;
        EXPECT_NE(refusal.find(row.reason), std::string::npos) << refusal;
        const OptionsLoadResult loaded = loadChartOptions(dir.path(), english(), row.path, -1, -1, options);
        EXPECT_FALSE(loaded.ok);
        EXPECT_EQ(loaded.error, refusal);
    }
    // A settings file in the way of the start-up is read as missing: all defaults, no wait.
    TempDir folder;
    const std::string settings = SettingsFilePath(folder.path());
    std::filesystem::create_directories(std::filesystem::path(settings).parent_path());
    ASSERT_EQ(::mkfifo(settings.c_str(), 0600), 0);
    TOptions options{};
    ReadSettings(options, folder.path());
    EXPECT_EQ(options.lastfile_count, 0);
    EXPECT_EQ(ProfileFile(settings).readStatus(), WholeFileStatus::NotRegular);
}

TEST(WholeFile, townImportTellsWhichFileIsWrongAndWhy) {
    TempDir dir;
    TownDatabase db;
    db.paths = {dir.file("t.TID"), dir.file("u.TID"), dir.file("t.TWD"), dir.file("u.TWD"), dir.file("x.dat")};
    const struct {
        const char* name;
        std::string path;
        const char* reason;
    } rows[] = {
        {"pipe", fifo(dir, "pipe.twd"), "not an ordinary file"},
        {"oversized", sparseFile(dir, "huge.twd", TownFileLimit + 1), "larger than such a file can be"},
        {"no town file", dir.write("notes.twd", "just some text, no header"), "is not a town data file"},
        {"missing", dir.file("gone.twd"), "cannot be found"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const ImportResult result = ImportTowns(db, row.path, english(), {});
        EXPECT_EQ(result.outcome, ImportOutcome::Failed);
        EXPECT_NE(result.problem.find(row.path), std::string::npos) << result.problem;
        EXPECT_NE(result.problem.find(row.reason), std::string::npos) << result.problem;
    }
    std::string problem;
    EXPECT_FALSE(LoadTimeFile(EndlessDevice, english(), &problem));
    EXPECT_NE(problem.find(EndlessDevice), std::string::npos) << problem;
}

TEST(WholeFile, aHoroscopePathThatIsAPipeCannotBeOpenedAndDoesNotWait) {
    TempDir dir;
    const std::string pipe = fifo(dir, "chart.hor");
    RadixData radix{};
    ChartBlocks blocks{};
    EXPECT_EQ(ReadHoroscopeFile(pipe, english(), {}, radix, blocks, nullptr), HoroscopeRead::CannotOpen);
    EXPECT_FALSE(IsHoroscopeFile(pipe, english()));
}
