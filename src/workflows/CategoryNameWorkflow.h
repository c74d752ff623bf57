#pragma once

#include "workflows/DialogOutcome.h"

#include <string>

class BlogAlbum;
class CWinBlogStorage;

// "Category" (CCategoryNameDlg): the name of a new category, or the new
// name of one being renamed. Names of one blog differ in more than letter
// case; any other name is accepted, an empty one too.
class CategoryNameWorkflow {
public:
    enum Field : int {
        kNameField,
    };
    static constexpr std::string_view kTitle = "Category";
    static constexpr std::string_view kPrompt = "Enter a new category name:";
    static constexpr size_t kNameLimit = 99;
    static constexpr unsigned kNameTakenMessage = 201;

    // category: the one being renamed, or none for a new one.
    CategoryNameWorkflow(CWinBlogStorage& store, BlogAlbum* category);

    CWinBlogStorage& GetStore() { return m_store; }
    BlogAlbum* GetCategory() { return m_category; }

    // The field's text at opening (selected whole).
    std::u16string Opening() const;

    // OK: past the limit, the framework's message; renaming to the very same
    // name closes with Cancel (nothing to do), to the same name in other
    // letter case with OK; a name another category has (in any case) shows
    // string 201 and the dialog stays.
    DialogOutcome Ok(std::u16string_view name);
    // The name OK accepted, in the 8-bit form the store keeps names in.
    const std::string& GetName() const { return m_name; }

private:
    CWinBlogStorage& m_store;
    BlogAlbum* m_category;
    std::string m_name;
};
