#include "workflows/NewBlogWorkflow.h"

#include "workflows/NetworkStep.h"

#include "app/Messages.h"
#include "model/CWinBlogStorage.h"

namespace {

constexpr StringId kBlogCreated = 163;

}

DialogOutcome NewBlogWorkflow::Create(const NewBlogFields& fields)
{
    if (auto fault = fields.Check())
        return DialogOutcome::Stay(*fault);
    if (!m_services.accounts)
        return DialogOutcome::Stay(NewBlogFields::kUrlField);

    BlogCreationResult created;
    RunConnected([&](ProgressWindow& progress) { created = CreateBlogOnService(m_user, *m_services.accounts, fields, progress); });
    if (created.code != Error::Success || !created.store)
        return DialogOutcome::Stay(NewBlogFields::kUrlField);
    ShowStringMessage(kBlogCreated, MessageIcon::Information);
    SetNewBlog(std::move(created.store));
    return DialogOutcome::Close(DialogResults::Ok);
}
