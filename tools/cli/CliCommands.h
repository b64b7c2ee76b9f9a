#pragma once
// The subcommands of zodikeon-cli. Each one parses its own options from argv[first..],
// prints its result on standard output and its errors on standard error, and returns a CliExit.
#include <optional>
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

// Reads a command's options from argv[first..] into `args` (which lists "help" among its flags),
// prints `usage` on --help and applies --lang. Returns the exit code when the command ends here
// (CliOk after the help, CliUsage after saying why), nullopt when it goes on.
std::optional<int> readCommandArgs(AppState& state, CliArgs& args, int argc, char** argv, int first,
                                   const char* usage);

// `text` with its first "%1" replaced by `a` and its first "%2" by `b`; a placeholder the text
// lacks is passed over, so a translated text without one still prints.
std::string replaced(std::string text, const std::string& a, const std::string& b = {});
