#include "CliCommand.h"

#include "app/PreferenceList.h"

#include <iostream>
#include <nlohmann/json.hpp>

static nlohmann::ordered_json PreferenceJson(const Preference& preference)
{
    bool isDefault = false;
    std::string text = PreferenceText(preference, &isDefault);
    nlohmann::ordered_json value;
    if (preference.kind == Preference::Kind::DWord)
        value = std::stoul(text);
    else if (preference.kind == Preference::Kind::Font && isDefault)
        value = nullptr;
    else
        value = text;
    return { { "name", PreferenceName(preference) }, { "type", PreferenceKindName(preference) }, { "value", value }, { "default", isDefault } };
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

    const Preference* preference = FindPreference(positional[0]);
    if (!preference)
        return UsageError("prefs", "there is no preference named '" + positional[0] + "'");
    std::string name = PreferenceName(*preference);
    ErrorCode error = WritePreferenceText(*preference, positional[1]);
    if (error == Error::InvalidParameter)
        return Failure("\"" + name + "\" cannot be set to '" + positional[1] + "': it takes " + std::string(PreferenceKindName(*preference) == "dword" ? "a whole number from 0 to 4294967295" : "a face name, then optionally \",height,weight\""));
    if (error)
        return Failure("could not set \"" + name + "\": " + SystemErrorText(error));
    std::cout << PreferenceJson(*preference).dump(2) << "\n";
    return ExitSuccess;
}
