#pragma once

#include "dialogs/CHandheldDialog.h"

#include "platform/AddressBook.h"

#include <optional>
#include <string>
#include <vector>

class QListWidget;

// "Choose Contact": the address book's people with their e-mail addresses,
// one line each; OK (or a double tap) picks the selected address. The
// desktop's stand-in for the handheld's contact chooser.
class CChooseContactDlg : public CHandheldDialog {
    Q_OBJECT

public:
    static constexpr std::string_view kTitle = "Choose Contact";

    CChooseContactDlg(std::vector<AddressBookEntry> entries, QWidget* parent = nullptr);

    // The address picked with OK (UTF-8); none before, or after Cancel.
    const std::optional<std::string>& ChosenAddress() const { return m_chosen; }

    void accept() override;

private:
    std::vector<AddressBookEntry> m_entries;
    QListWidget* m_list;
    std::optional<std::string> m_chosen;
};
