#include "ScriptedDialogHost.h"

#include <algorithm>

DialogResult ScriptedDialogHost::Answer(DialogId id, void* workflow)
{
    m_opened.push_back(id);
    auto& script = m_scripts[static_cast<size_t>(id)];
    if (script.empty())
        return DialogResults::Cancel;
    auto answer = std::move(script.front());
    script.pop_front();
    return answer(workflow);
}

size_t ScriptedDialogHost::TimesOpened(DialogId id) const
{
    return static_cast<size_t>(std::count(m_opened.begin(), m_opened.end(), id));
}

size_t ScriptedDialogHost::UnusedScripts() const
{
    size_t count = 0;
    for (auto& script : m_scripts)
        count += script.size();
    return count;
}
