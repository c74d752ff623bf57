#include "CliCommand.h"

#include "app/PreferenceList.h"

#include <iostream>
#include <nlohmann/json.hpp>

static nlohmann::ordered_json PreferenceJson(const PreferenceDescriptor& preference)
{
    bool isDefault = false;
    std::string text = PreferenceText(preference, &isDefault);
    nlohmann::ordered_json value;
    if (preference.kind == "dword")
        value = std::stoul(text);
    else if (preference.kind == "font" && isDefault)
        value = nullptr;
    else
        value = text;
    return { { "name", preference.name }, { "type", preference.kind }, { "value", value }, { "default", isDefault } };
}

// vellumbrix-cli prefs [NAME VALUE]
int RunPrefsCommand(CliArguments& arguments)
{
    auto& positional = arguments.Positional();
    if (!arguments.Error().empty())
        return UsageError("prefs", arguments.Error());
    if (positional.empty()) {
        auto list = nlohmann::ordered_json::array();
        for (auto& preference : AllPreferences())
            list.push_back(PreferenceJson(preference));
        std::cout << list.dump(2) << "\n";
        return ExitSuccess;
    }
    if (positional.size() != 2)
        return UsageError("prefs", "give a preference name and its new value, or nothing");

    const PreferenceDescriptor* preference = FindPreference(positional[0]);
    if (!preference)
        return UsageError("prefs", "there is no preference named '" + positional[0] + "'");
    if (!preference->write(positional[1]))
        return Failure("could not set \"" + std::string(preference->name) + "\" to '" + positional[1] + "'");
    std::cout << PreferenceJson(*preference).dump(2) << "\n";
    return ExitSuccess;
}
