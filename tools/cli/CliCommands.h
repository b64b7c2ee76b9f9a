#pragma once
// The subcommands of zodikeon-cli. Each one parses its own options from argv[first..],
// prints its result on standard output and its errors on standard error, and returns a CliExit.
#include <string>
#include <vector>

#include "CliArgs.h"

struct AppState;

struct CliCommand {
    const char* name;
    const char* summary;
    int (*run)(AppState& state, int argc, char** argv, int first);
};

const std::vector<CliCommand>& cliCommands();

// Prints "zodikeon-cli: <message>" on standard error and returns `code`.
int cliError(int code, const std::string& message);

// Applies a "--lang en|hu" given after the command (a command lists "lang" among its valued
// options): sets the language and reloads the texts. Returns CliOk, or CliUsage after saying why.
int applyLanguageOption(AppState& state, const CliArgs& args);
