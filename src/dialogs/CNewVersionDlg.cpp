#include "dialogs/CNewVersionDlg.h"

#include "app/StringFormat.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

CNewVersionDlg::CNewVersionDlg(const QString& version, QWidget* parent)
    : CHandheldDialog(kTitle, parent)
{
    AddLabel(this, kSentence, { 6, 8, 228, 42 }, true);
    AddLabel(this, FormatText("Vellumbrix %s", { version.toStdString() }), { 6, 54, 228, 14 })->setObjectName("versionLine");
    m_dontShowAgainBox = AddCheckBox(this, "Dont show again", { 6, 78, 228, 16 });
    m_dontShowAgainBox->setObjectName("dontShowAgainBox");

    auto buttons = AddButtonPair("OK", "Download");
    buttons.cancel->setObjectName("downloadButton");
    connect(buttons.accept, &QPushButton::clicked, this, &CNewVersionDlg::AcceptWithCheckBox);
    connect(buttons.cancel, &QPushButton::clicked, this, [this] { done(DownloadResult); });
}

void CNewVersionDlg::AcceptWithCheckBox()
{
    m_dontShowAgain = m_dontShowAgainBox->isChecked();
    accept();
}
