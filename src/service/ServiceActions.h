#pragma once

#include <string_view>

// The names of the service's actions: the SOAPAction and the envelope's
// action element.
namespace ServiceAction {

constexpr std::string_view GetUserInfo = "GU";
constexpr std::string_view EditSubscriptions = "EU";
constexpr std::string_view EditBlog = "EB";
constexpr std::string_view GetChanges = "GC";
constexpr std::string_view AddCategory = "AC";
constexpr std::string_view EditCategory = "EC";
constexpr std::string_view DeleteCategory = "DC";
constexpr std::string_view AddEntry = "AP";
constexpr std::string_view EditEntry = "EP";
constexpr std::string_view DeleteEntry = "DP";
constexpr std::string_view AddComment = "AO";
constexpr std::string_view EditComment = "EO";
constexpr std::string_view DeleteComment = "DCO";
constexpr std::string_view PhotoEmail = "PhotoEMail";
constexpr std::string_view RemoteBlogPost = "RemoteBlog";
constexpr std::string_view CreateAccount = "CreateAccount";
constexpr std::string_view CreateBlog = "CreateBlog";

}
