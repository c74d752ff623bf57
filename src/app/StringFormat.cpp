#include "app/StringFormat.h"

#include <cstdio>
#include <vector>

std::string FormatArgument::Text() const
{
    if (IsText())
        return std::get<std::string>(m_value);
    return std::to_string(std::get<std::int64_t>(m_value));
}

static std::string FormatNumber(const FormatArgument& argument, char conversion)
{
    if (argument.IsText())
        return argument.Text();
    char buffer[32];
    auto bits = static_cast<std::uint32_t>(argument.Number());
    switch (conversion) {
    case 'd':
    case 'i':
        std::snprintf(buffer, sizeof buffer, "%d", static_cast<std::int32_t>(bits));
        break;
    case 'u':
        std::snprintf(buffer, sizeof buffer, "%u", bits);
        break;
    case 'x':
        std::snprintf(buffer, sizeof buffer, "%x", bits);
        break;
    case 'X':
        std::snprintf(buffer, sizeof buffer, "%X", bits);
        break;
    default:
        return argument.Text();
    }
    return buffer;
}

std::string FormatText(std::string_view format, std::initializer_list<FormatArgument> arguments)
{
    std::vector<const FormatArgument*> list;
    for (auto& argument : arguments)
        list.push_back(&argument);
    size_t next = 0;
    auto take = [&]() -> const FormatArgument* { return next < list.size() ? list[next++] : nullptr; };

    std::string result;
    for (size_t i = 0; i < format.size(); ++i) {
        char c = format[i];
        if (c != '%' || i + 1 >= format.size()) {
            result += c;
            continue;
        }
        char marker = format[i + 1];
        if (marker == '%') {
            result += '%';
            ++i;
            continue;
        }
        if (marker >= '1' && marker <= '9') {
            size_t index = static_cast<size_t>(marker - '1');
            if (index < list.size())
                result += list[index]->Text();
            ++i;
            continue;
        }
        size_t end = i + 1;
        while (end < format.size() && (format[end] == 'l' || format[end] == 'h'))
            ++end;
        if (end >= format.size()) {
            result += format.substr(i);
            break;
        }
        char conversion = format[end];
        if (conversion == 's' || conversion == 'S') {
            if (auto* argument = take())
                result += argument->Text();
        } else if (conversion == 'd' || conversion == 'i' || conversion == 'u' || conversion == 'x' || conversion == 'X') {
            if (auto* argument = take())
                result += FormatNumber(*argument, conversion);
        } else {
            result += format.substr(i, end - i + 1);
        }
        i = end;
    }
    return result;
}
