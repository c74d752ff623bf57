#include "app/StartUp.h"

#include "app/CRegistry.h"

bool CreatePreferenceKeyChain()
{
    static constexpr const char16_t* kChain[] = {
        u"Software\\Quillberry",
        u"Software\\Quillberry\\Vellumbrix",
        u"Software\\Quillberry\\Vellumbrix\\Preferences",
    };
    bool created = true;
    for (auto* path : kChain) {
        CRegistry key;
        created = key.Create(RegistryRoot::CurrentUser, path) && created;
        key.Close();
    }
    return created;
}
