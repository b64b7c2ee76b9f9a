#include "OptionsLoader.h"

#include "OptionsFile.h"
#include "SettingsFile.h"
#include "StringIds.h"

OptionsLoadResult LoadStartupOptions(TOptions& options, const std::string& programFolder, const StringTable& strings) {
    OptionsLoadResult result;
    ReadSettings(options, programFolder);
    result.ok = ReadOptions(options, programFolder, strings, {}, &result.dignityMessage);
    if (!result.ok) {
        SetDefaultOptionsFile(options, programFolder);
        result.ok = ReadOptions(options, programFolder, strings, {}, &result.dignityMessage);
    }
    if (!result.ok)
        result.error = strings[StrId::NoValidOptionsFile];
    return result;
}

OptionsLoadResult loadChartOptions(const std::string& programFolder, const StringTable& strings,
                                   const std::string& optionsPath, int houseOverride, int nodeOverride,
                                   TOptions& options) {
    OptionsLoadResult result;
    if (optionsPath.empty()) {
        result = LoadStartupOptions(options, programFolder, strings);
    } else {
        ReadSettings(options, programFolder);
        std::string refusal;
        result.ok = ReadOptions(options, programFolder, strings, optionsPath, &result.dignityMessage, &refusal);
        if (!result.ok)
            result.error = refusal.empty() ? strings[StrId::NotAnOptionsFile] : refusal;
    }
    if (!result.ok)
        return result;
    if (houseOverride >= 0)
        options.housecalc = static_cast<std::uint8_t>(houseOverride);
    if (nodeOverride >= 0)
        options.nodetype = static_cast<std::uint8_t>(nodeOverride);
    return result;
}
