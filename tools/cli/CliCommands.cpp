#include "CliCommands.h"

#include <iostream>

const std::vector<CliCommand>& cliCommands() {
    static const std::vector<CliCommand> commands = {
    };
    return commands;
}

int cliError(int code, const std::string& message) {
    std::cerr << "zodikeon-cli: " << message << "\n";
    return code;
}
