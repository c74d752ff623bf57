#pragma once

#include "workflows/DialogOutcome.h"

#include <string>

class BlogEntry;
class CWinBlogStorage;
class LocalBlogStorage;

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

    // single: one entry, else all shown entries; noWebChoice: the user may
    // not delete on the web; notOnWeb: the one entry was never published.
    DeleteEntriesWorkflow(bool single, bool noWebChoice, bool notOnWeb);

    // As the two openers open it.
    static DeleteEntriesWorkflow ForShownEntries(const LocalBlogStorage& store);
    static DeleteEntriesWorkflow ForEntry(const LocalBlogStorage& store, const BlogEntry& entry);

    bool IsSingle() const { return m_single; }
    bool HasNoWebChoice() const { return m_noWebChoice; }
    bool IsNotOnWeb() const { return m_notOnWeb; }
    const Texts& GetTexts() const { return m_texts; }

    // "Yes": closes with OK and keeps the choices.
    DialogOutcome Yes(DeleteChoices choices);
    // The choices as the boxes hold them; the web choice counts only while
    // the dialog offers it.
    DeleteChoices Choices() const { return { GetDeleteOnWeb(), GetDeletePhotos() }; }
    bool GetDeleteOnWeb() const { return m_choices.onWeb && m_texts.showWebChoice; }
    void SetDeleteOnWeb(bool onWeb) { m_choices.onWeb = onWeb; }
    bool GetDeletePhotos() const { return m_choices.deletePhotos; }
    void SetDeletePhotos(bool deletePhotos) { m_choices.deletePhotos = deletePhotos; }

    // The view's "Delete Entries...": every shown entry is deleted with the
    // choices, from the last of the store to the first, and the store is
    // saved.
    static void DeleteShownEntries(CWinBlogStorage& store, DeleteChoices choices);
    // One entry (the entry page and the edit dialog): deleted with the
    // choices, and the store saved. The entry is gone afterwards when it was
    // deleted on the web.
    static void DeleteEntry(CWinBlogStorage& store, BlogEntry& entry, DeleteChoices choices);

private:
    bool m_single;
    bool m_noWebChoice;
    bool m_notOnWeb;
    Texts m_texts;
    DeleteChoices m_choices;
};
