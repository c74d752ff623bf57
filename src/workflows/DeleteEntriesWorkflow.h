#pragma once

#include "workflows/DialogOutcome.h"

#include <string>

class BlogEntry;
class CWinBlogStorage;
class LocalBlogStorage;

// How the delete-entries dialog is opened.
struct DeleteEntriesSetup {
    bool single { false };      // one entry, else all shown entries
    bool noWebChoice { false }; // the user may not delete on the web
    bool notOnWeb { false };    // the one entry was never published
};

// What the user chose.
struct DeleteChoices {
    bool onWeb { false };
    bool deletePhotos { false };
};

// "Delete Entries" (CDeleteEntriesDlg): asks whether to delete one entry or
// all the entries the view shows, and whether on the web too and with the
// photos on the device. The openers delete with DeleteShownEntries or
// DeleteEntry.
class DeleteEntriesWorkflow {
public:
    static constexpr std::string_view kTitle = "Delete Entries";

    // The dialog's texts and which of its lines show.
    struct Texts {
        std::string question;
        std::string webChoice;
        std::string remainLine;
        std::string photoChoice;
        bool showWebChoice { true };
        bool showRemainLine { false };
    };

    explicit DeleteEntriesWorkflow(DeleteEntriesSetup setup);

    const Texts& GetTexts() const { return m_texts; }
    // "Yes": closes with OK and keeps the choices; the web choice counts
    // only while the dialog offers it.
    DialogOutcome Yes(DeleteChoices choices);
    const DeleteChoices& Choices() const { return m_choices; }

    // The setups of the two openers.
    static DeleteEntriesSetup ForShownEntries(const LocalBlogStorage& store);
    static DeleteEntriesSetup ForEntry(const LocalBlogStorage& store, const BlogEntry& entry);

    // The view's "Delete Entries...": every shown entry is deleted with the
    // choices, from the last of the store to the first, and the store is
    // saved.
    static void DeleteShownEntries(CWinBlogStorage& store, DeleteChoices choices);
    // One entry (the entry page and the edit dialog): deleted with the
    // choices, and the store saved. The entry is gone afterwards when it was
    // deleted on the web.
    static void DeleteEntry(CWinBlogStorage& store, BlogEntry& entry, DeleteChoices choices);

private:
    Texts m_texts;
    DeleteChoices m_choices;
};
