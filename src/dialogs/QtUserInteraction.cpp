#include "dialogs/QtUserInteraction.h"

#include "dialogs/CBlogPrefsDlg.h"
#include "dialogs/CGetViewPasswordDlg.h"
#include "dialogs/CNewVersionDlg.h"

#include "platform/CodePage.h"
#include "ui/CProgressWnd.h"
#include "workflows/BlogPrefsWorkflow.h"
#include "workflows/ViewPasswordWorkflow.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QMetaObject>
#include <QUrl>

static QMessageBox::Icon ToQtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::None:
        return QMessageBox::NoIcon;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

static QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void QtUserInteraction::ShowMessage(std::string_view text, MessageIcon icon)
{
    QMessageBox box(ToQtIcon(icon), "Vellumbrix", ToQString(text), QMessageBox::Ok, m_parent);
    box.exec();
}

bool QtUserInteraction::AskYesNo(std::string_view text, MessageIcon icon, DefaultButton defaultButton)
{
    QMessageBox box(ToQtIcon(icon), "Vellumbrix", ToQString(text), QMessageBox::Yes | QMessageBox::No, m_parent);
    box.setDefaultButton(defaultButton == DefaultButton::Yes ? QMessageBox::Yes : QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

NewVersionChoice QtUserInteraction::ShowNewVersion(std::string_view version)
{
    CNewVersionDlg dialog(ToQString(version), m_parent);
    int result = dialog.exec();
    return { result == QDialog::Accepted && dialog.DontShowAgain(), result == CNewVersionDlg::DownloadResult };
}

void QtUserInteraction::OpenWebPage(std::string_view url)
{
    QDesktopServices::openUrl(QUrl(ToQString(url)));
}

void QtUserInteraction::RequestQuit()
{
    // Queued, so that the command that asked finishes first.
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
}

bool QtUserInteraction::ShowBlogPreferences(CWinBlogStorage& store, BlogPreferencesPages pages)
{
    BlogPrefsWorkflow workflow(store, pages);
    CBlogPrefsDlg dialog(workflow, m_parent);
    return dialog.exec() == DialogResults::Ok;
}

std::optional<std::string> QtUserInteraction::AskViewPassword(std::string_view blogName)
{
    ViewPasswordWorkflow workflow(Utf8ToUtf16(blogName));
    CGetViewPasswordDlg dialog(workflow, m_parent);
    if (dialog.exec() != DialogResults::Ok)
        return std::nullopt;
    return workflow.Password();
}

std::unique_ptr<ProgressWindow> QtUserInteraction::OpenProgressWindow(int lines, bool showNow)
{
    // Over the dialog that runs the operation, else over the main window.
    QWidget* parent = QApplication::activeModalWidget();
    return std::make_unique<CProgressWnd>(parent ? parent : m_parent, lines, showNow);
}
