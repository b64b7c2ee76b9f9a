#include "CliArgs.h"

CliArgs::CliArgs(std::set<std::string> valued, std::set<std::string> flags)
    : m_valued(std::move(valued)), m_flags(std::move(flags)) {}

bool CliArgs::parse(int argc, char** argv, int first) {
    bool optionsEnded = false;
    for (int i = first; i < argc; ++i) {
        std::string arg = argv[i];
        if (optionsEnded || arg.size() < 3 || arg.compare(0, 2, "--") != 0) {
            if (arg == "--") {
                optionsEnded = true;
                continue;
            }
            if (!optionsEnded && arg.size() > 1 && arg[0] == '-' && !(arg[1] >= '0' && arg[1] <= '9')) {
                m_error = "unknown option '" + arg + "'";
                return false;
            }
            m_positional.push_back(arg);
            continue;
        }
        std::string name = arg.substr(2);
        std::optional<std::string> inlineValue;
        if (const auto eq = name.find('='); eq != std::string::npos) {
            inlineValue = name.substr(eq + 1);
            name.resize(eq);
        }
        if (m_flags.count(name)) {
            if (inlineValue) {
                m_error = "option '--" + name + "' takes no value";
                return false;
            }
            m_set.insert(name);
        } else if (m_valued.count(name)) {
            if (inlineValue) {
                m_values[name] = *inlineValue;
            } else if (i + 1 < argc) {
                m_values[name] = argv[++i];
            } else {
                m_error = "option '--" + name + "' needs a value";
                return false;
            }
        } else {
            m_error = "unknown option '--" + name + "'";
            return false;
        }
    }
    return true;
}

std::optional<std::string> CliArgs::value(const std::string& name) const {
    const auto it = m_values.find(name);
    if (it == m_values.end())
        return std::nullopt;
    return it->second;
}
