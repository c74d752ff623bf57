#include "service/ChangesResponse.h"

#include "service/ChangesMerger.h"
#include "service/ChangesRecords.h"
#include "transport/XmlReader.h"

#include <array>
#include <new>

namespace {

enum Section : std::size_t {
    Timestamp,
    Blogs,
    Categories,
    Entries,
    Comments,
};

constexpr std::array<std::string_view, 5> kSectionNames { "TS", "BS", "CS", "PS", "OS" };
constexpr std::uint32_t kTimestampSize = 32;
constexpr unsigned kEntriesPerProcessingReport = 8;

// Reads and merges one section's records; 0 or why it stopped.
class ChangesReader {
public:
    ChangesReader(Stream& body, const ChangesProcessing& processing)
        : m_body(body)
        , m_processing(processing)
        , m_fields(body)
        , m_merger(processing.store, processing.fullRefresh)
    {
    }

    ErrorOr<ServerTimestamp> Run();

private:
    ProgramTime ReadTimestamp();
    void ReadBlogs();
    void ReadCategories();
    [[nodiscard]] ErrorCode ReadEntries();
    void ReadComments();
    bool ReportProcessing();

    Stream& m_body;
    const ChangesProcessing& m_processing;
    ResponseFieldReader m_fields;
    ChangesMerger m_merger;
    // One of each, reused for every record read.
    BlogRecord m_blog;
    CategoryRecord m_category;
    EntryRecord m_entry;
    CommentRecord m_comment;
};

ErrorOr<ServerTimestamp> ChangesReader::Run()
{
    ServerTimestamp timestamp;
    std::size_t next = 0;
    while (next < kSectionNames.size()) {
        auto found = FindNextSection(m_body, std::span(kSectionNames).subspan(next));
        if (!found)
            break;
        std::size_t section = next + found->index;
        next = section + 1;
        if (found->empty)
            continue;
        switch (section) {
        case Timestamp:
            timestamp.time = ReadTimestamp();
            break;
        case Blogs:
            ReadBlogs();
            break;
        case Categories:
            ReadCategories();
            break;
        case Entries:
            if (ErrorCode error = ReadEntries())
                return ErrorOr<ServerTimestamp>::FromError(error);
            break;
        case Comments:
            ReadComments();
            break;
        }
    }
    return timestamp;
}

ProgramTime ChangesReader::ReadTimestamp()
{
    char text[kTimestampSize] = {};
    (void)ReadElementValue(m_body, text, sizeof text, '>', '<');
    return text[0] ? m_processing.http.ParseTime(text) : 0;
}

void ChangesReader::ReadBlogs()
{
    while (FindElement(m_body, "BL", "BS")) {
        ReadBlogRecord(m_fields, m_blog);
        m_merger.MergeBlog(m_blog);
    }
}

void ChangesReader::ReadCategories()
{
    while (FindElement(m_body, "CA", "CS")) {
        ReadCategoryRecord(m_fields, m_category);
        m_merger.MergeCategory(m_category);
    }
}

ErrorCode ChangesReader::ReadEntries()
{
    unsigned count = 0;
    while (FindElement(m_body, "PI", "PS")) {
        // The blog's settings, merged before, say whether it is a group
        // blog, whose entries name their posters.
        bool groupBlog = m_processing.store.GetBlogInfo().GetGroupBlog() != 0;
        ReadEntryRecord(m_fields, m_processing.http, groupBlog, m_entry);
        if (ErrorCode error = m_merger.MergeEntry(m_entry))
            return error;
        if (count++ % kEntriesPerProcessingReport == 0 && !ReportProcessing())
            return Error::Cancelled;
    }
    return Error::Success;
}

void ChangesReader::ReadComments()
{
    while (FindElement(m_body, "OM", "OS")) {
        ReadCommentRecord(m_fields, m_processing.http, m_comment);
        m_merger.MergeComment(m_comment);
    }
}

bool ChangesReader::ReportProcessing()
{
    if (!m_processing.progressCallback)
        return true;
    ProgressRecord record;
    record.step = ProgressStep::Processing;
    return m_processing.progressCallback(m_processing.progressContext, &record, -1);
}

// Marks that a full refresh set and could not sweep would otherwise stay
// in the store's file.
void ClearUnconfirmedMarks(LocalBlogStorage& store)
{
    for (auto& category : store.GetCategories())
        category->ClearUnconfirmed();
    for (auto& entry : store.GetEntries())
        entry->ClearUnconfirmed();
    for (auto& comment : store.GetComments())
        comment->ClearUnconfirmed();
}

}

ErrorOr<ServerTimestamp> ProcessChangesResponse(Stream& body, const ChangesProcessing& processing)
{
    LocalBlogStorage& store = processing.store;
    if (processing.fullRefresh) {
        store.MarkAllCategoriesUnconfirmed();
        store.MarkAllEntriesUnconfirmed();
        store.MarkAllCommentsUnconfirmed();
    }
    ErrorOr<ServerTimestamp> timestamp = ErrorOr<ServerTimestamp>::FromError(Error::NotEnoughMemory);
    try {
        timestamp = ChangesReader(body, processing).Run();
    } catch (const std::bad_alloc&) {
        // A store that cannot grow any more ends the processing like any
        // other failure of the store.
    }
    if (timestamp.IsError()) {
        if (processing.fullRefresh)
            ClearUnconfirmedMarks(store);
        return timestamp;
    }
    if (processing.fullRefresh) {
        store.SweepCategories();
        store.SweepEntries();
        store.SweepComments();
    }
    return timestamp;
}
