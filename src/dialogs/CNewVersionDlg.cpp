#include "dialogs/CNewVersionDlg.h"

#include "app/StringFormat.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CNewVersionDlg::CNewVersionDlg(const QString& version, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle("New Version Available");
    auto* layout = new QVBoxLayout(this);
    auto* sentence = new QLabel("A newer version of Vellumbrix can be downloaded from the Vellumbrix web site.", this);
    sentence->setWordWrap(true);
    layout->addWidget(sentence);
    auto* versionLine = new QLabel(QString::fromStdString(FormatText("Vellumbrix %s", { version.toStdString() })), this);
    versionLine->setObjectName("versionLine");
    layout->addWidget(versionLine);
    m_dontShowAgainBox = new QCheckBox("Dont show again", this);
    layout->addWidget(m_dontShowAgainBox);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QDialogButtonBox::Ok);
    QPushButton* download = buttons->addButton("Download", QDialogButtonBox::ActionRole);
    download->setObjectName("downloadButton");
    layout->addWidget(buttons);
    connect(ok, &QPushButton::clicked, this, &CNewVersionDlg::AcceptWithCheckBox);
    connect(download, &QPushButton::clicked, this, [this] { done(DownloadResult); });
}

void CNewVersionDlg::AcceptWithCheckBox()
{
    m_dontShowAgain = m_dontShowAgainBox->isChecked();
    accept();
}
