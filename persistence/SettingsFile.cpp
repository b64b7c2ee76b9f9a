#include "SettingsFile.h"

#include "FixedText.h"
#include "JoinPath.h"
#include "ProfileFile.h"
#include "ProfileValues.h"

namespace {

constexpr const char* Config = "config";
constexpr const char* LastFiles = "lastfiles";
constexpr const char* PlacementKeys[3] = {"window", "radixsh", "progrsh"};
constexpr const char* DefaultTown = "Budapest, Hungary";

int lastFileCount(const TOptions& o) {
    return o.lastfile_count < 0 ? 0 : o.lastfile_count > LastFileCount ? LastFileCount : o.lastfile_count;
}

}  // namespace

std::string SettingsFilePath(const std::string& programFolder) {
    return JoinPath(JoinPath(programFolder, "options"), "zodikeon.ini");
}

std::string DefaultOptionsFilePath(const std::string& programFolder) {
    return JoinPath(JoinPath(programFolder, "options"), "ZODIKEON.ZDO");
}

void SetDefaultOptionsFile(TOptions& o, const std::string& programFolder) {
    setFixedText(o.options_file, DefaultOptionsFilePath(programFolder));
}

std::string formatPlacement(const WindowPlacement& p) {
    const long long values[10] = {p.flags, p.showCmd, p.minX, p.minY, p.maxX, p.maxY, p.left, p.top, p.right, p.bottom};
    std::string out;
    for (int i = 0; i < 10; ++i) {
        if (i)
            out += ", ";
        out += std::to_string(values[i]);
    }
    return out;
}

WindowPlacement parsePlacement(std::string_view value) {
    WindowPlacement p;
    p.length = sizeof(WindowPlacement);
    const auto items = splitListItems(value);
    std::int32_t* fields[10] = {nullptr, nullptr, &p.minX, &p.minY, &p.maxX, &p.maxY, &p.left, &p.top, &p.right, &p.bottom};
    for (std::size_t i = 0; i < items.size() && i < 10; ++i) {
        const auto low32 = static_cast<std::uint32_t>(static_cast<unsigned long long>(parseLeadingInt(items[i])));
        if (i == 0)
            p.flags = low32;
        else if (i == 1)
            p.showCmd = low32;
        else
            *fields[i] = static_cast<std::int32_t>(low32);
    }
    if (p.showCmd == 2)  // minimised windows come back shown normally
        p.showCmd = 1;
    return p;
}

void ReadSettings(TOptions& o, const std::string& programFolder) {
    const ProfileFile file(SettingsFilePath(programFolder));
    o.options_file = {};
    o.autosave = false;
    o.default_town = {};
    o.last_directory = {};
    o.lastfile_count = 0;
    o.lastfiles = {};
    o.window_placements = {};

    const std::string optionsFile = file.getString(Config, "options", "", PathSize);
    if (optionsFile.empty())
        SetDefaultOptionsFile(o, programFolder);
    else
        setFixedText(o.options_file, optionsFile);

    if (file.find(Config, "autosave"))
        o.autosave = file.getString(Config, "autosave", "", 6) == "yes";

    const std::string town = file.getString(Config, "default_town", "", TownNameSize - 1);
    setFixedText(o.default_town, town.empty() ? DefaultTown : town);

    const std::string lastDirectory = file.getString(Config, "last_directory", "", PathSize);
    setFixedText(o.last_directory, lastDirectory.empty() ? JoinPath(programFolder, "horo") : lastDirectory);

    int count = 0;
    for (; count < LastFileCount; ++count) {
        const std::string entry = file.getString(LastFiles, std::to_string(count + 1), "", LastFileSize);
        if (entry.empty())
            break;
        setFixedText(o.lastfiles[static_cast<std::size_t>(count)], entry);
    }
    o.lastfile_count = static_cast<std::int16_t>(count);

    for (int i = 0; i < 3; ++i)
        o.window_placements[static_cast<std::size_t>(i)] =
            parsePlacement(file.getString(Config, PlacementKeys[i], "", 201));
}

bool WriteSettings(const TOptions& o, const std::string& programFolder, bool withLastFiles) {
    ProfileFile file(SettingsFilePath(programFolder));
    file.writeString(Config, "options", fixedText(o.options_file));
    file.writeString(Config, "autosave", o.autosave ? "yes" : "no");
    file.writeString(Config, "default_town", fixedText(o.default_town));
    file.writeString(Config, "last_directory", fixedText(o.last_directory));
    if (withLastFiles) {
        file.deleteSection(LastFiles);
        for (int i = 0; i < lastFileCount(o); ++i)
            file.writeString(LastFiles, std::to_string(i + 1), fixedText(o.lastfiles[static_cast<std::size_t>(i)]));
    }
    for (int i = 0; i < 3; ++i) {
        const WindowPlacement& p = o.window_placements[static_cast<std::size_t>(i)];
        if (p.showCmd != 0)
            file.writeString(Config, PlacementKeys[i], formatPlacement(p));
    }
    return file.flush();
}

void AddLastFile(TOptions& o, std::string_view entry) {
    entry = entry.substr(0, entry.find('\0'));
    if (entry.empty())
        return;
    const int count = lastFileCount(o);
    const std::string stored = entry.size() < LastFileSize ? std::string(entry) : std::string(entry.substr(0, LastFileSize - 1));
    for (int i = 0; i < count; ++i)
        if (fixedText(o.lastfiles[static_cast<std::size_t>(i)]) == stored)
            return;
    const int kept = count < LastFileCount ? count : LastFileCount - 1;
    for (int i = kept; i > 0; --i)
        o.lastfiles[static_cast<std::size_t>(i)] = o.lastfiles[static_cast<std::size_t>(i - 1)];
    setFixedText(o.lastfiles[0], stored);
    o.lastfile_count = static_cast<std::int16_t>(kept + 1);
}

void RemoveLastFile(TOptions& o, std::string_view entry) {
    const int count = lastFileCount(o);
    for (int i = 0; i < count; ++i) {
        if (fixedText(o.lastfiles[static_cast<std::size_t>(i)]) != entry)
            continue;
        for (int j = i; j + 1 < count; ++j)
            o.lastfiles[static_cast<std::size_t>(j)] = o.lastfiles[static_cast<std::size_t>(j + 1)];
        o.lastfiles[static_cast<std::size_t>(count - 1)] = {};
        o.lastfile_count = static_cast<std::int16_t>(count - 1);
        return;
    }
}
