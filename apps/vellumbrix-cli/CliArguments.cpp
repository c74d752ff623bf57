#include "CliArguments.h"

std::optional<std::string> CliArguments::TakeOption(const std::string& name)
{
    std::optional<std::string> value;
    for (size_t i = 0; i < m_arguments.size(); ++i) {
        const std::string& argument = m_arguments[i];
        if (argument == "--")
            break;
        if (argument.rfind(name + "=", 0) == 0) {
            value = argument.substr(name.size() + 1);
            m_arguments.erase(m_arguments.begin() + static_cast<long>(i));
            return value;
        }
        if (argument != name)
            continue;
        if (i + 1 >= m_arguments.size()) {
            m_error = name + " needs a value";
            m_arguments.erase(m_arguments.begin() + static_cast<long>(i));
            return std::nullopt;
        }
        value = m_arguments[i + 1];
        m_arguments.erase(m_arguments.begin() + static_cast<long>(i), m_arguments.begin() + static_cast<long>(i) + 2);
        return value;
    }
    return value;
}

std::vector<std::string> CliArguments::TakeRepeatedOption(const std::string& name)
{
    std::vector<std::string> values;
    while (auto value = TakeOption(name))
        values.push_back(*value);
    return values;
}

bool CliArguments::TakeFlag(const std::string& name)
{
    for (size_t i = 0; i < m_arguments.size(); ++i) {
        if (m_arguments[i] == "--")
            break;
        if (m_arguments[i] == name) {
            m_arguments.erase(m_arguments.begin() + static_cast<long>(i));
            return true;
        }
    }
    return false;
}

const std::vector<std::string>& CliArguments::Positional()
{
    bool afterSeparator = false;
    std::vector<std::string> remaining;
    for (auto& argument : m_arguments) {
        if (!afterSeparator && argument == "--") {
            afterSeparator = true;
            continue;
        }
        if (!afterSeparator && argument.size() > 2 && argument.rfind("--", 0) == 0 && m_error.empty())
            m_error = "unknown option " + argument;
        remaining.push_back(argument);
    }
    m_arguments = std::move(remaining);
    return m_arguments;
}
