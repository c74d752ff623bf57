#include "CliCommand.h"

#include "app/ErrorTable.h"

#include <charconv>
#include <iostream>

// vellumbrix-cli error CODE: the code may be given unsigned (4294967062),
// signed (-234) or in hexadecimal (0xFFFFFF16).
int RunErrorCommand(CliArguments& arguments)
{
    auto& positional = arguments.Positional();
    if (!arguments.Error().empty())
        return UsageError("error", arguments.Error());
    if (positional.size() != 1)
        return UsageError("error", "give exactly one error code");

    const std::string& text = positional[0];
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        begin += 2;
        base = 16;
    }
    long long value = 0;
    auto [stop, error] = std::from_chars(begin, end, value, base);
    if (error != std::errc() || stop != end || value < -2147483648LL || value > 4294967295LL)
        return UsageError("error", "'" + text + "' is not a 32-bit error code");

    std::cout << ErrorText(static_cast<ErrorCode>(value)) << "\n";
    return ExitSuccess;
}
