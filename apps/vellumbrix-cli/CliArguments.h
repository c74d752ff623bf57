#pragma once

#include <optional>
#include <string>
#include <vector>

// The arguments of one command. Options are taken out by name; whatever is
// left are the positional arguments, in order.
class CliArguments {
public:
    explicit CliArguments(std::vector<std::string> arguments)
        : m_arguments(std::move(arguments))
    {
    }

    // Takes "--name VALUE" (or "--name=VALUE"); none when absent. A name
    // given without its value is recorded as an error.
    std::optional<std::string> TakeOption(const std::string& name);
    // Takes every "--name VALUE".
    std::vector<std::string> TakeRepeatedOption(const std::string& name);
    // Takes "--name".
    bool TakeFlag(const std::string& name);

    // Whether anything is left once the options taken so far are out.
    bool HasAny() const { return !m_arguments.empty(); }

    // The remaining arguments; an unknown "--option" among them is an error.
    const std::vector<std::string>& Positional();
    const std::string& Error() const { return m_error; }

private:
    std::vector<std::string> m_arguments;
    std::string m_error;
};
