// zodikeon-cli: the program's calculations and files for batch work and scripting.
#include <cstring>
#include <iostream>
#include <string>

#include "AppState.h"
#include "CliCommands.h"
#include "Ephemeris.h"
#include "UserFolder.h"

namespace {

void printHelp(const AppState& state) {
    std::cout << "Usage: zodikeon-cli [--lang en|hu] COMMAND [OPTIONS]\n"
                 "       zodikeon-cli --version | --help\n\n"
                 "Zodikeon " << state.Strings[730] << " command-line tool: charts and files for batch work.\n\n"
                 "Commands:\n";
    for (const CliCommand& c : cliCommands())
        std::cout << "  " << c.name << std::string(10 - std::min<std::size_t>(9, std::strlen(c.name)), ' ')
                  << c.summary << "\n";
    std::cout << "\nOptions:\n"
                 "  --lang en|hu   language of texts and messages (default en)\n"
                 "  --version      print the version and exit\n"
                 "  --help         print this help and exit\n\n"
                 "Exit codes: 0 success, 1 failure, 2 bad usage.\n";
}

}  // namespace

int main(int argc, char** argv) {
    AppState state;
    state.LanguageId = LanguageEnglish;

    int i = 1;
    // Global options come before the command; --lang may also follow it (the commands accept it).
    for (; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--lang" || arg.rfind("--lang=", 0) == 0) {
            std::string value;
            if (arg == "--lang") {
                if (i + 1 >= argc)
                    return cliError(CliUsage, "option '--lang' needs a value");
                value = argv[++i];
            } else {
                value = arg.substr(7);
            }
            if (value != "en" && value != "hu")
                return cliError(CliUsage, "--lang must be en or hu, not '" + value + "'");
            state.LanguageId = value == "hu" ? LanguageHungarian : LanguageEnglish;
            continue;
        }
        break;
    }
    LoadStrings(state);
    if (i >= argc) {
        printHelp(state);
        return CliUsage;
    }
    const std::string command = argv[i];
    if (command == "--version") {
        std::cout << "zodikeon-cli " << state.Strings[730] << "\n";
        return CliOk;
    }
    if (command == "--help" || command == "-h") {
        printHelp(state);
        return CliOk;
    }
    for (const CliCommand& c : cliCommands()) {
        if (command != c.name)
            continue;
        if (const std::string error = prepareProgramFolder(state); !error.empty())
            return cliError(CliFailure, "cannot set up the folder for charts and settings: " + error);
        // The ephemeris folder is handed over once, as the program does at start-up; without
        // files the charts are less precise and lack the minor bodies, which the user must know.
        const EphemerisStart ephemeris = startEphemeris(state.EphemerisPath);
        if (ephemeris.state != EphemerisFolder::Ready)
            cliError(CliOk, "warning: " + describeEphemerisStart(ephemeris));
        return c.run(state, argc, argv, i + 1);
    }
    return cliError(CliUsage, "unknown command '" + command + "' (see --help)");
}
