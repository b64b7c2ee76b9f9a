#pragma once
// GNU-style options for zodikeon-cli: "--name value", "--name=value", and flags.
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

class CliArgs {
public:
    // `valued` lists the options that take a value, `flags` those that do not.
    CliArgs(std::set<std::string> valued, std::set<std::string> flags);

    // Parses argv[first..]; false with `error()` set on an unknown option or a missing value.
    bool parse(int argc, char** argv, int first);

    bool has(const std::string& name) const { return m_values.count(name) || m_set.count(name); }
    std::optional<std::string> value(const std::string& name) const;
    const std::vector<std::string>& positional() const { return m_positional; }
    // A copy in which `name` was not given.
    CliArgs without(const std::string& name) const {
        CliArgs copy = *this;
        copy.m_values.erase(name);
        copy.m_set.erase(name);
        return copy;
    }
    const std::string& error() const { return m_error; }

private:
    std::set<std::string> m_valued, m_flags, m_set;
    std::map<std::string, std::string> m_values;
    std::vector<std::string> m_positional;
    std::string m_error;
};

// Exit codes of the tool.
enum CliExit { CliOk = 0, CliFailure = 1, CliUsage = 2 };
