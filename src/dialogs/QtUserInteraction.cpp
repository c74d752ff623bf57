#include "dialogs/QtUserInteraction.h"

#include "dialogs/CNewVersionDlg.h"

#include "app/StringTable.h"
#include "ui/CProgressWnd.h"

#include <QApplication>
#include <QDesktopServices>
#include <QInputDialog>
#include <QLineEdit>
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

bool QtUserInteraction::ShowBlogPreferences(CWinBlogStorage&, BlogPreferencesPages)
{
    return true;
}

// String 179, shown when the password prompt is answered with nothing.
static constexpr StringId kEmptyPasswordMessage = 179;

std::optional<std::string> QtUserInteraction::AskViewPassword(std::string_view blogName)
{
    for (;;) {
        QInputDialog dialog(m_parent);
        dialog.setWindowTitle("Password Required");
        dialog.setLabelText("Please enter the view password for the blog:\n" + ToQString(blogName));
        dialog.setTextEchoMode(QLineEdit::Password);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        QString password = dialog.textValue();
        if (!password.isEmpty())
            return password.toUtf8().toStdString();
        ShowMessage(LoadString(kEmptyPasswordMessage), MessageIcon::Warning);
    }
}

std::unique_ptr<ProgressWindow> QtUserInteraction::OpenProgressWindow(int lines, bool showNow)
{
    // Over the dialog that runs the operation, else over the main window.
    QWidget* parent = QApplication::activeModalWidget();
    return std::make_unique<CProgressWnd>(parent ? parent : m_parent, lines, showNow);
}
