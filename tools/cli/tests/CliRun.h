#pragma once
// Runs the built zodikeon-cli (from ZDK_PROGRAM_DIR) as a script would and captures its exit
// code, standard output and standard error.
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "TempDir.h"

struct CliRun {
    int exitCode = -1;
    std::string out, err;
};

inline CliRun runCli(const std::vector<std::string>& args) {
    auto quote = [](const std::string& arg) {
        std::string q = "'";
        for (const char c : arg)
            q += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return q + "'";
    };
    auto slurp = [](const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    };
    static TempDir scratch;
    const char* programDir = std::getenv("ZDK_PROGRAM_DIR");
    std::string command = quote(std::string(programDir ? programDir : ".") + "/zodikeon-cli");
    for (const std::string& a : args)
        command += " " + quote(a);
    command += " >" + quote(scratch.file("out")) + " 2>" + quote(scratch.file("err"));
    CliRun r;
    const int status = std::system(command.c_str());
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = slurp(scratch.file("out"));
    r.err = slurp(scratch.file("err"));
    return r;
}
