#include "dialogs/CPhotoEmailDlg.h"

#include "dialogs/CChooseContactDlg.h"
#include "dialogs/DialogControls.h"
#include "dialogs/LimitedTextEdit.h"
#include "dialogs/QtText.h"

#include "platform/AddressBook.h"
#include "platform/CodePage.h"
#include "workflows/PhotoEmailWorkflow.h"

#include <QLabel>
#include <QPushButton>
#include <limits>

static constexpr size_t kNoLimit = std::numeric_limits<size_t>::max();

CPhotoEmailDlg::CPhotoEmailDlg(PhotoEmailWorkflow& workflow, QWidget* parent)
    : CHandheldDialog(PhotoEmailWorkflow::kTitle, parent)
    , m_workflow(workflow)
{
    AddLabel(this, "Sending:", { 6, 8, 50, 14 });
    AddLabel(this, workflow.SendingText(), { 58, 8, 176, 14 })->setObjectName("sendingLine");
    auto* to = AddButton(this, "To:", { 6, 28, 40, 20 });
    to->setObjectName("toButton");
    m_recipients = AddMultiLineEdit(this, kNoLimit, { 50, 28, 184, 40 });
    m_recipients->setObjectName("recipientsField");
    AddLabel(this, "Message:", { 6, 74, 228, 14 });
    m_message = AddMultiLineEdit(this, kNoLimit, { 6, 90, 228, 144 });
    m_message->setObjectName("messageField");
    auto buttons = AddButtonPair("Send", "Cancel");
    Layout().SetGrowing(m_message);
    Layout().IgnoreHeightsUpTo(PhotoEmailWorkflow::kLowestLaidOutHeight);

    connect(to, &QPushButton::clicked, this, &CPhotoEmailDlg::ChooseContact);
    connect(buttons.accept, &QPushButton::clicked, this, [this] {
        Finish(m_workflow.Send(m_recipients->Text(), m_message->Text()), [this](int field) { return Field(field); });
    });
    connect(buttons.cancel, &QPushButton::clicked, this, &CHandheldDialog::reject);
    m_recipients->selectAll();
    m_recipients->setFocus();
}

void CPhotoEmailDlg::ChooseContact()
{
    std::vector<AddressBookEntry> entries = LoadAddressBook(DeviceFolders::Current());
    if (entries.empty())
        return;
    CChooseContactDlg chooser(std::move(entries), this);
    if (chooser.exec() != DialogResults::Ok || !chooser.ChosenAddress())
        return;
    m_recipients->SetText(PhotoEmailWorkflow::WithRecipient(m_recipients->Text(), Utf8ToUtf16(*chooser.ChosenAddress())));
    QTextCursor end = m_recipients->textCursor();
    end.movePosition(QTextCursor::End);
    m_recipients->setTextCursor(end);
    m_recipients->setFocus();
}

QWidget* CPhotoEmailDlg::Field(int field) const
{
    return field == PhotoEmailWorkflow::kMessageField ? m_message : m_recipients;
}
