#include "app/MessageCheck.h"
#include "service/MessageFile.h"
#include "service/QuillberryBlogService.h"
#include "service/ServiceProgress.h"
#include "transport/ServiceHost.h"
#include "transport/StreamTail.h"

// The check of the service's message file for a newer version of the
// program and for notes to its users.

namespace {

constexpr std::string_view kMessageFilePath = "/Downloads/messages/ppc/Vellumbrix.txt";

// The bookkeeping goes through the store when there is one (it is the
// store's to keep), else straight to the preferences.
class MessageBookkeeping {
public:
    explicit MessageBookkeeping(CWinBlogStorage* store)
        : m_store(store)
    {
    }
    bool ShouldCheck(bool forced, std::uint32_t& lastNote, std::string& version)
    {
        return m_store ? m_store->ShouldCheckMessages(forced, lastNote, version) : ShouldCheckMessages(forced, lastNote, version);
    }
    bool ShowNewVersion(std::string_view version) { return m_store ? m_store->ShowNewVersion(version) : ::ShowNewVersion(version); }
    bool ShowNote(const ServiceNote& note)
    {
        return m_store ? m_store->ShowNote(note.number, note.text, note.secondText) : ::ShowNote(note.number, note.text, note.secondText);
    }
    void SetLastCheck(int flag)
    {
        if (m_store)
            m_store->SetLastMessageCheck(flag);
        else
            SetLastMessageCheck(flag);
    }

private:
    CWinBlogStorage* m_store;
};

}

bool QuillberryBlogService::CheckVersion(bool forced, bool& newVersion, ProgressCallback callback, void* context)
{
    newVersion = false;
    SetProgress(callback, context);
    MessageBookkeeping bookkeeping(m_store);
    std::uint32_t lastNote = 0;
    std::string ownVersion;
    if (!bookkeeping.ShouldCheck(forced, lastNote, ownVersion))
        return false;
    if (forced && !ReportStep(callback, context, ProgressStep::CheckingVersion))
        return false;
    std::unique_ptr<HttpResponse> response;
    if (HttpGet(ServiceAddress(kMessageFilePath), response) != Error::Success) {
        // Looked for again at the next start.
        bookkeeping.SetLastCheck(0);
        return false;
    }
    StreamTail body(*response->stream, response->bodyOffset);
    MessageFile file = ReadMessageFile(body);
    if (file.version && MakeVersionKey(ownVersion) < MakeVersionKey(*file.version)) {
        newVersion = true;
        // The user chose to download it: the program is about to end.
        if (bookkeeping.ShowNewVersion(*file.version))
            return true;
    }
    // The caller of a forced check wants to know about the version alone.
    if (forced)
        return true;
    for (const ServiceNote& note : file.notes) {
        if (note.number > lastNote && bookkeeping.ShowNote(note))
            return true;
    }
    bookkeeping.SetLastCheck(1);
    return false;
}
