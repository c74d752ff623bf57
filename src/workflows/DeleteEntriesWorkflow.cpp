#include "workflows/DeleteEntriesWorkflow.h"

#include "app/StringTable.h"
#include "model/CWinBlogStorage.h"

// The template's texts, for all shown entries.
static constexpr std::string_view kAllQuestion = "Delete all blog entries shown?";
static constexpr std::string_view kAllWebChoice = "Delete entries on the web";
static constexpr std::string_view kAllRemainLine = "The entries will remain on the web.";
static constexpr std::string_view kAllPhotoChoice = "Delete photos on the device";
// The strings that replace them for one entry.
static constexpr StringId kOneQuestion = 304;
static constexpr StringId kOneWebChoice = 305;
static constexpr StringId kOneRemainLine = 306;
static constexpr StringId kOnePhotoChoice = 307;

DeleteEntriesWorkflow::DeleteEntriesWorkflow(bool single, bool noWebChoice, bool notOnWeb)
    : m_single(single)
    , m_noWebChoice(noWebChoice)
    , m_notOnWeb(notOnWeb)
{
    if (single) {
        m_texts.question = LoadString(kOneQuestion);
        m_texts.webChoice = LoadString(kOneWebChoice);
        m_texts.remainLine = LoadString(kOneRemainLine);
        m_texts.photoChoice = LoadString(kOnePhotoChoice);
    } else {
        m_texts.question = kAllQuestion;
        m_texts.webChoice = kAllWebChoice;
        m_texts.remainLine = kAllRemainLine;
        m_texts.photoChoice = kAllPhotoChoice;
    }
    // Without a web choice the entries stay on the web, which the remain
    // line says, unless they never were there.
    bool neverPublished = single && notOnWeb;
    m_texts.showWebChoice = !noWebChoice && !neverPublished;
    m_texts.showRemainLine = !m_texts.showWebChoice && !neverPublished;
}

DialogOutcome DeleteEntriesWorkflow::Yes(DeleteChoices choices)
{
    m_choices = choices;
    return DialogOutcome::Close(DialogResults::Ok);
}

DeleteEntriesWorkflow DeleteEntriesWorkflow::ForShownEntries(const LocalBlogStorage& store)
{
    return DeleteEntriesWorkflow(false, store.IsReadOnly(nullptr), false);
}

DeleteEntriesWorkflow DeleteEntriesWorkflow::ForEntry(const LocalBlogStorage& store, const BlogEntry& entry)
{
    return DeleteEntriesWorkflow(true, store.IsReadOnly(&entry), !entry.IsOnTheWeb());
}

// A photo that cannot be deleted keeps its path; the entry is deleted all
// the same, and nothing more is said.
static void DeleteAsAsked(CWinBlogStorage& store, BlogEntry& entry, DeleteChoices choices)
{
    (void)store.DeleteEntryAsAsked(entry, choices.onWeb, choices.deletePhotos);
}

void DeleteEntriesWorkflow::DeleteShownEntries(CWinBlogStorage& store, DeleteChoices choices)
{
    // From the last entry to the first, so that an entry taken out of the
    // list moves none of those still to be visited.
    for (size_t i = store.GetEntries().GetSize(); i-- > 0;) {
        BlogEntry* entry = store.GetEntries().GetAt(i);
        if (entry && store.IsShown(*entry))
            DeleteAsAsked(store, *entry, choices);
    }
    // The store reports a failed save itself (message 6002).
    (void)store.Save();
}

void DeleteEntriesWorkflow::DeleteEntry(CWinBlogStorage& store, BlogEntry& entry, DeleteChoices choices)
{
    DeleteAsAsked(store, entry, choices);
    // The store reports a failed save itself (message 6002).
    (void)store.Save();
}
