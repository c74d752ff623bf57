#pragma once

// CDeleteEntriesDlg: asks how to delete one entry or all shown entries. Any
// result but Cancel makes the opener delete with the two choices.
class DeleteEntriesWorkflow {
public:
    // single: one entry rather than all shown entries; noWebChoice: the
    // user may not delete on the web; notOnWeb: the one entry was never
    // published.
    DeleteEntriesWorkflow(bool single, bool noWebChoice, bool notOnWeb)
        : m_single(single)
        , m_noWebChoice(noWebChoice)
        , m_notOnWeb(notOnWeb)
    {
    }

    bool IsSingle() const { return m_single; }
    bool HasNoWebChoice() const { return m_noWebChoice; }
    bool IsNotOnWeb() const { return m_notOnWeb; }

    bool GetDeleteOnWeb() const { return m_deleteOnWeb; }
    void SetDeleteOnWeb(bool deleteOnWeb) { m_deleteOnWeb = deleteOnWeb; }
    bool GetDeletePhotos() const { return m_deletePhotos; }
    void SetDeletePhotos(bool deletePhotos) { m_deletePhotos = deletePhotos; }

private:
    bool m_single;
    bool m_noWebChoice;
    bool m_notOnWeb;
    bool m_deleteOnWeb { false };
    bool m_deletePhotos { false };
};
