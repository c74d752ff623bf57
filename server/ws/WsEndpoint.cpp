#include "server/ws/WsEndpoint.h"

#include "server/actions/ActionContext.h"
#include "server/actions/BlogAccess.h"
#include "server/auth/Authentication.h"
#include "server/photos/PhotoUpload.h"
#include "server/photos/PictureFitting.h"
#include "server/soap/RequestParser.h"
#include "server/soap/ResponseWriter.h"
#include "server/soap/ServiceErrorText.h"
#include "server/storage/Blogs.h"
#include "server/storage/ServiceMeta.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <future>
#include <random>
#include <thread>

namespace {

WsAnswer Fault(WsAnswer answer, int status, std::string_view reason)
{
    answer.status = status;
    answer.body = FaultAnswer(status >= 500 ? "soap:Server" : "soap:Client", reason);
    answer.outcome = std::string(reason);
    return answer;
}

// Attempts at a request that keeps meeting conflicts: enough for a score of
// devices of one account uploading at the same moment (each upload changes
// the account's count of photos).
constexpr int MaximumAttempts = 16;

void PauseBeforeAttempt(int attempt)
{
    // Random, so that two requests that met once don't meet again; longer
    // each time.
    thread_local std::minstd_rand random(std::random_device {}());
    int most = 2 << std::min(attempt, 6);
    std::this_thread::sleep_for(std::chrono::milliseconds(1 + random() % static_cast<unsigned>(most)));
}

WsAnswer InternalFault(WsAnswer answer, ErrorCode code)
{
    // A writer waiting too long for the database, or meeting conflicts
    // again and again, is worth a retry.
    if (code == Error::SharingViolation || code == TransactionConflict)
        return Fault(std::move(answer), 503, "The service is busy; please try again");
    std::fprintf(stderr, "vellumbrix-server: %s failed with code %u\n", answer.action.c_str(), static_cast<unsigned>(code));
    return Fault(std::move(answer), 500, "The service could not complete the request");
}

}

struct WsEndpoint::RequestResult {
    ActionOutcome outcome;
    std::vector<PhotoToRemove> photosToRemove;
    std::string note;
};

// Removes an uploaded photo's file again when its entry was not made.
class UploadGuard {
public:
    UploadGuard(PhotoStore& photos, UploadedPhoto& upload)
        : m_photos(photos)
        , m_upload(upload)
    {
    }
    ~UploadGuard()
    {
        if (m_upload.stored && !m_kept)
            m_photos.RemovePhoto(m_blogName, m_upload.key);
    }
    void SetBlog(std::string name) { m_blogName = std::move(name); }
    void Keep() { m_kept = true; }

private:
    PhotoStore& m_photos;
    UploadedPhoto& m_upload;
    std::string m_blogName;
    bool m_kept { false };
};

namespace {

// A look ahead, in a read transaction, at whether an upload will be taken,
// so that a stranger's photo is never written. The request's own
// transaction decides again.
ErrorOr<std::optional<BlogRecord>> BlogTakingUpload(SqlDatabase& database, const ServiceRequest& request, std::int64_t now)
{
    if (!request.credentials)
        return std::optional<BlogRecord> {};
    auto transaction = database.Begin(TransactionKind::Read);
    if (transaction.IsError())
        return transaction.GetError();
    SqlTransaction& db = **transaction;
    auto auth = Authenticate(db, *request.credentials, now, NonceUse::Check);
    if (auth.IsError())
        return auth.GetError();
    if (!auth->user)
        return std::optional<BlogRecord> {};
    auto blog = FindBlogByName(db, request.blogName.value_or(""));
    if (blog.IsError() || !*blog)
        return blog;
    auto access = AccessOf(db, **blog, auth->user);
    if (access.IsError())
        return access.GetError();
    if (!access->mayPost)
        return std::optional<BlogRecord> {};
    return blog;
}

}

ErrorCode WsEndpoint::StoreUpload(const ServiceRequest& request, std::int64_t now, UploadedPhoto& upload, UploadGuard& uploadGuard)
{
    auto blog = BlogTakingUpload(m_database, request, now);
    if (blog.IsError())
        return blog.GetError();
    if (!*blog)
        return Error::Success;
    uploadGuard.SetBlog((*blog)->name);
    if (ErrorCode code = m_photos.StoreOriginal((*blog)->name, upload.key, upload.bytes); code != Error::Success)
        return code;
    upload.stored = true;
    return Error::Success;
}

WsAnswer WsEndpoint::Handle(std::string_view body, const std::string& host)
{
    WsAnswer answer;
    auto parsed = ParseServiceRequest(body);
    if (auto* malformed = std::get_if<MalformedRequest>(&parsed))
        return Fault(std::move(answer), 400, malformed->reason);
    const ServiceRequest& request = std::get<ServiceRequest>(parsed);
    answer.action = request.action;
    if (request.credentials)
        answer.user = request.credentials->email;

    if (request.version != "3") {
        answer.body = RefusalAnswer(request.action, host, ServiceErrorText::InvalidVersion);
        answer.outcome = ServiceErrorText::InvalidVersion;
        return answer;
    }

    std::int64_t now = m_settings.clock();
    UploadedPhoto upload;
    UploadGuard uploadGuard(m_photos, upload);
    if (auto* entry = std::get_if<StoreEntryRequest>(&request.body); entry && !entry->id) {
        auto read = ReadPhotoUpload(entry->photo);
        if (read.IsError())
            return Fault(std::move(answer), 400, "The photo is not a JPEG picture this service can read");
        upload = read.ReleaseValue();
        // The photo is decoded on a thread of its own while its file is
        // written and flushed: the decoding is work for a processor, the
        // flush a wait for the disk. A photo that fails is refused all the
        // same, and the guard removes its file. (Where no thread can be
        // started, the check runs here at get().)
        auto decodes = std::async(std::launch::async | std::launch::deferred,
            [bytes = std::string_view(upload.bytes)] { return CheckPictureDecodes(bytes); });
        ErrorCode stored = StoreUpload(request, now, upload, uploadGuard);
        if (decodes.get() != Error::Success)
            return Fault(std::move(answer), 400, "The photo is not a JPEG picture this service can read");
        if (stored != Error::Success)
            return InternalFault(std::move(answer), stored);
    }

    // A conflict with another request (of this process or another) leaves
    // nothing behind, and the request runs again from its start after a
    // short pause.
    for (int attempt = 1;; ++attempt) {
        auto ran = RunOnce(request, host, now, upload, uploadGuard);
        if (ran.IsError()) {
            if (ran.GetError() != TransactionConflict || attempt == MaximumAttempts)
                return InternalFault(std::move(answer), ran.GetError());
            PauseBeforeAttempt(attempt + 1);
            continue;
        }
        RequestResult& result = *ran;
        if (result.outcome.refusal.empty())
            uploadGuard.Keep();
        for (const PhotoToRemove& photo : result.photosToRemove)
            m_photos.RemovePhoto(photo.blogName, photo.key);
        answer.body = std::move(result.outcome.body);
        answer.outcome = result.outcome.refusal.empty() ? "ok" : result.outcome.refusal;
        if (attempt > 1)
            result.note += (result.note.empty() ? "" : ", ") + std::string("attempt ") + std::to_string(attempt);
        if (!result.note.empty())
            answer.outcome += " (" + result.note + ")";
        return answer;
    }
}

ErrorOr<WsEndpoint::RequestResult> WsEndpoint::RunOnce(const ServiceRequest& request, const std::string& host, std::int64_t now,
    UploadedPhoto& upload, UploadGuard& uploadGuard)
{
    bool readsFeed = std::holds_alternative<GetChangesRequest>(request.body);
    auto transaction = readsFeed ? m_database.BeginFeed(now) : m_database.Begin(TransactionKind::Write);
    if (transaction.IsError())
        return transaction.GetError();
    SqlTransaction& db = **transaction;
    if (ErrorCode code = RunHousekeeping(db, now, m_settings.keepDeletionsSeconds); code != Error::Success)
        return code;

    ActionContext context { db, m_photos, m_settings, request, now, host };
    context.scheme = m_scheme;
    context.upload = &upload;
    ActionOutcome outcome;
    bool authenticated = true;
    if (request.credentials) {
        auto auth = Authenticate(db, *request.credentials, now, NonceUse::Record);
        if (auth.IsError())
            return auth.GetError();
        if (!auth->user) {
            authenticated = false;
            outcome = Refuse(context, ServiceErrorText::InvalidAuthentication);
            context.note = DigestFaultName(auth->fault);
        }
        context.user = std::move(auth->user);
    }
    if (authenticated) {
        // The action runs inside a savepoint, so that a refusal keeps
        // nothing of it while the nonce stays used up.
        if (ErrorCode code = db.Execute("SAVEPOINT action"); code != Error::Success)
            return code;
        auto run = RunAction(context);
        if (run.IsError())
            return run.GetError();
        outcome = run.ReleaseValue();
        if (!outcome.refusal.empty()) {
            if (ErrorCode code = db.Execute("ROLLBACK TO action"); code != Error::Success)
                return code;
        }
        if (ErrorCode code = db.Execute("RELEASE action"); code != Error::Success)
            return code;
    }
    if (context.blog)
        uploadGuard.SetBlog(context.blog->name);
    if (ErrorCode code = db.Commit(); code != Error::Success)
        return code;
    return RequestResult { std::move(outcome), std::move(context.photosToRemove), std::move(context.note) };
}
