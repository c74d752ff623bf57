#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// What a device asks for, decoded from its SOAP envelope: the action with
// its fields, already checked for shape (numbers are numbers, times are
// times, the photo is decoded base64) and cut to the sizes the devices
// read back. Whether the asker may do it is the actions' business.

// The authentication element: SHA-1 over nonce, created time and password.
struct Credentials {
    std::string email;
    std::string digest; // base64, as sent
    std::string created;
    std::string nonce;
};

// The viewer-password element of a changes request: the same digest made
// with a protected blog's view password.
struct ViewerCredentials {
    std::string digest;
    std::string created;
    std::string nonce;
};

struct GetUserInfoRequest { };

struct EditSubscriptionsRequest {
    std::vector<std::string> blogNames;
};

struct EditBlogRequest {
    std::string title;
    std::string subtitle;
    bool hidden { false };
};

struct GetChangesRequest {
    std::optional<std::int64_t> since; // none: a full listing
    std::optional<ViewerCredentials> viewer;
    std::optional<std::uint32_t> maxEntries; // none: no limit
};

struct StoreCategoryRequest {
    std::optional<std::uint32_t> id; // none: a new category ("AC")
    std::string name;
};

struct DeleteCategoryRequest {
    std::uint32_t id { 0 };
};

struct StoreEntryRequest {
    std::optional<std::uint32_t> id; // none: a new entry ("AP"), which brings its photo
    std::uint32_t categoryId { 0 };
    std::string title;
    std::string caption;
    std::int64_t posted { 0 };
    std::int64_t taken { 0 };
    std::string photo; // the JPEG file's bytes
};

struct DeleteEntryRequest {
    std::uint32_t id { 0 };
};

struct StoreCommentRequest {
    std::optional<std::uint32_t> id; // none: a new comment ("AO")
    std::uint32_t entryId { 0 };
    std::int64_t written { 0 };
    std::string text;
};

struct DeleteCommentRequest {
    std::uint32_t id { 0 };
};

struct PhotoEmailRequest {
    std::uint32_t categoryId { 0 };
    std::uint32_t entryId { 0 }; // 0: no entry
    std::vector<std::string> recipients;
    std::string message;
};

struct RemoteBlogRequest {
    std::uint32_t categoryId { 0 };
    std::uint32_t entryId { 0 };
    std::string remoteBlog;
    std::string title;
    std::string caption;
};

struct CreateAccountRequest {
    std::string email;
    std::string password;
    std::string firstName;
    std::string lastName;
};

struct CreateBlogRequest {
    std::string name;
    std::string title;
    std::string subtitle;
    bool hidden { false };
};

using ActionRequest = std::variant<GetUserInfoRequest, EditSubscriptionsRequest, EditBlogRequest, GetChangesRequest,
    StoreCategoryRequest, DeleteCategoryRequest, StoreEntryRequest, DeleteEntryRequest, StoreCommentRequest, DeleteCommentRequest,
    PhotoEmailRequest, RemoteBlogRequest, CreateAccountRequest, CreateBlogRequest>;

struct ServiceRequest {
    std::string action;                     // "GC", "AP", "CreateBlog", ...
    std::string version;                    // the protocol version the device speaks
    std::optional<Credentials> credentials; // none: "<AU />", or no element
    std::optional<std::string> blogName;    // BI
    ActionRequest body;
};

// A request that is not what any device sends.
struct MalformedRequest {
    std::string reason;
};

// The largest values the devices read back whole (their buffer less the
// terminating NUL), as escaped bytes.
namespace WireLimits {
constexpr size_t Title = 127;
constexpr size_t Caption = 7999;
constexpr size_t CategoryName = 127;
constexpr size_t BlogTitle = 99; // what the answer to "EB" is read into
constexpr size_t AuthorName = 63;
constexpr size_t CommentText = 7999;
constexpr size_t RemoteBlogName = 63;
constexpr size_t BlogName = 31;
constexpr size_t Email = 127;
constexpr size_t Password = 127;
constexpr size_t PersonName = 63;
constexpr size_t Message = 7999;
constexpr size_t Nonce = 64;
}
