#include "platform/HeadlessUserInteraction.h"

void HeadlessUserInteraction::ShowMessage(std::string_view text, MessageIcon icon)
{
    m_shown.push_back({ std::string(text), icon, false });
    if (m_echo)
        *m_echo << text << '\n';
}

bool HeadlessUserInteraction::AskYesNo(std::string_view text, MessageIcon icon, DefaultButton)
{
    m_shown.push_back({ std::string(text), icon, true });
    bool answer = m_fallback;
    if (!m_answers.empty()) {
        answer = m_answers.front();
        m_answers.pop_front();
    }
    if (m_echo)
        *m_echo << text << (answer ? " [yes]" : " [no]") << '\n';
    return answer;
}

NewVersionChoice HeadlessUserInteraction::ShowNewVersion(std::string_view version)
{
    m_shown.push_back({ "New version " + std::string(version), MessageIcon::Information, true });
    if (m_newVersionChoices.empty())
        return {};
    NewVersionChoice choice = m_newVersionChoices.front();
    m_newVersionChoices.pop_front();
    return choice;
}

void HeadlessUserInteraction::OpenWebPage(std::string_view url)
{
    m_openedPages.emplace_back(url);
}

bool HeadlessUserInteraction::CancelPressed()
{
    if (m_cancelCountdown < 0)
        return false;
    if (m_cancelCountdown == 0)
        return true;
    --m_cancelCountdown;
    return false;
}

namespace {

class HeadlessProgressWindow : public ProgressWindow {
public:
    HeadlessProgressWindow(HeadlessUserInteraction& owner, std::shared_ptr<HeadlessUserInteraction::ProgressRecord> record)
        : m_owner(owner)
        , m_record(std::move(record))
    {
    }
    ~HeadlessProgressWindow() override { m_record->closed = true; }

    void Show() override { m_record->shown = true; }
    void SetLine(int index, std::string_view text) override
    {
        if (index < 0 || static_cast<size_t>(index) >= m_record->lines.size())
            return;
        m_record->lines[static_cast<size_t>(index)] = std::string(text);
        m_record->lineHistory[static_cast<size_t>(index)].emplace_back(text);
    }
    void ClearStatus() override
    {
        for (size_t i = 1; i < m_record->lines.size(); ++i)
            m_record->lines[i].clear();
    }
    void Step() override { ++m_record->steps; }
    bool IsCancelled() override
    {
        ++m_record->cancelChecks;
        return m_owner.CancelPressed();
    }

private:
    HeadlessUserInteraction& m_owner;
    std::shared_ptr<HeadlessUserInteraction::ProgressRecord> m_record;
};

}

std::unique_ptr<ProgressWindow> HeadlessUserInteraction::OpenProgressWindow(int lines, bool showNow)
{
    auto record = std::make_shared<ProgressRecord>();
    record->lines.resize(static_cast<size_t>(lines > 0 ? lines : 1));
    record->lineHistory.resize(record->lines.size());
    record->shown = showNow;
    m_progressWindows.push_back(record);
    return std::make_unique<HeadlessProgressWindow>(*this, record);
}
