// zodikeon-cli save: a horoscope file from birth data.
#include <filesystem>
#include <iostream>

#include "AppState.h"
#include "BirthOptions.h"
#include "CliCommands.h"
#include "CodePage.h"
#include "FixedText.h"
#include "HoroscopeFile.h"
#include "JoinPath.h"
#include "StringIds.h"

namespace {


const char* const SaveUsage =
    "Usage: zodikeon-cli save --out PATH --date Y-M-D --time H:M[:S] --lon DEG --lat DEG | --town NAME\n"
    "              [--zone +H:MM|-H:MM] [--clock gmt|lmt|zone] [--calendar gregorian|julian]\n"
    "              [--name TEXT] [--type TEXT] [--sex male|female]\n\n"
    "Writes a horoscope file (an existing file is replaced). When PATH is a folder, the file gets\n"
    "the default name made from the person's name. The birth data are as for 'chart'.\n";

std::string replacePlaceholder(std::string text, const std::string& value) {
    if (const auto at = text.find("%s"); at != std::string::npos)
        text.replace(at, 2, value);
    return text;
}

}  // namespace

int runSave(AppState& state, int argc, char** argv, int first) {
    std::set<std::string> valued = birthDataOptions();
    valued.insert({"out", "lang"});
    CliArgs args(valued, {"help"});
    if (!args.parse(argc, argv, first))
        return cliError(CliUsage, args.error());
    if (args.has("help")) {
        std::cout << SaveUsage;
        return CliOk;
    }
    if (!args.positional().empty())
        return cliError(CliUsage, "unexpected argument '" + args.positional().front() + "'");
    if (const int code = applyLanguageOption(state, args))
        return code;
    const auto out = args.value("out");
    if (!out || out->empty())
        return cliError(CliUsage, "missing --out");

    RadixData radix{};
    if (const int code = radixFromOptions(args, state.Strings, radix))
        return code;
    if (const int code = applyTownOption(state, args, radix))
        return code;
    // A new chart: no life events, an empty persons block, the default options' direction settings.
    const ChartBlocks blocks{};

    std::string path = *out;
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        std::string folder = path;
        while (folder.size() > 1 && folder.back() == '/')
            folder.pop_back();
        path = JoinPath(folder, DefaultHoroscopeFileName(fixedText(radix.name)));
    }
    if (!WriteHoroscopeFile(path, state.Strings, radix, blocks))
        return cliError(CliFailure, path + ": " + cp1250ToUtf8(state.Strings[StrId::FailedToCreateFile]));
    std::cout << replacePlaceholder(cp1250ToUtf8(state.Strings[StrId::HoroscopeSavedTo]), path) << "\n";
    return CliOk;
}
