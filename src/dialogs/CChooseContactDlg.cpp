#include "dialogs/CChooseContactDlg.h"

#include "dialogs/DialogControls.h"
#include "dialogs/QtText.h"

#include <QListWidget>
#include <QPushButton>

// "Name <address>", or the address alone for a card without a name.
static QString EntryLine(const AddressBookEntry& entry)
{
    if (entry.name.empty())
        return ToQString(entry.email);
    return ToQString(entry.name) + " <" + ToQString(entry.email) + ">";
}

CChooseContactDlg::CChooseContactDlg(std::vector<AddressBookEntry> entries, QWidget* parent)
    : CHandheldDialog(kTitle, parent)
    , m_entries(std::move(entries))
{
    m_list = Place(new QListWidget(this), { 6, 6, 228, 228 });
    m_list->setObjectName("contactList");
    for (const AddressBookEntry& entry : m_entries)
        m_list->addItem(EntryLine(entry));
    if (!m_entries.empty())
        m_list->setCurrentRow(0);
    m_list->setFocus();
    auto buttons = AddButtonPair();
    connect(buttons.accept, &QPushButton::clicked, this, &CChooseContactDlg::accept);
    connect(buttons.cancel, &QPushButton::clicked, this, &CHandheldDialog::reject);
    connect(m_list, &QListWidget::itemActivated, this, &CChooseContactDlg::accept);
    Layout().SetGrowing(m_list);
}

void CChooseContactDlg::accept()
{
    int row = m_list->currentRow();
    if (row < 0 || static_cast<size_t>(row) >= m_entries.size())
        return;
    m_chosen = m_entries[static_cast<size_t>(row)].email;
    CHandheldDialog::accept();
}
