#include "dialogs/QtProgressWindow.h"

#include <QCoreApplication>
#include <QProgressDialog>

QtProgressWindow::QtProgressWindow(QWidget* parent, int lines, bool showNow)
    : m_dialog(std::make_unique<QProgressDialog>(parent))
{
    for (int i = 0; i < (lines > 0 ? lines : 1); ++i)
        m_lines.append(QString());
    m_dialog->setWindowTitle("Vellumbrix");
    m_dialog->setRange(0, 0); // busy, no percentage
    m_dialog->setWindowModality(Qt::ApplicationModal);
    m_dialog->setMinimumDuration(0);
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
    if (showNow)
        Show();
}

QtProgressWindow::~QtProgressWindow() = default;

void QtProgressWindow::Show()
{
    m_dialog->show();
    QCoreApplication::processEvents();
}

void QtProgressWindow::SetLine(int index, std::string_view text)
{
    if (index < 0 || index >= m_lines.size())
        return;
    QString line = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (m_lines[index] == line)
        return;
    m_lines[index] = line;
    UpdateLabel();
}

void QtProgressWindow::ClearStatus()
{
    for (int i = 1; i < m_lines.size(); ++i)
        m_lines[i].clear();
    UpdateLabel();
}

void QtProgressWindow::Step()
{
    QCoreApplication::processEvents();
}

bool QtProgressWindow::IsCancelled()
{
    QCoreApplication::processEvents();
    return m_dialog->wasCanceled();
}

void QtProgressWindow::UpdateLabel()
{
    QStringList shown;
    for (auto& line : m_lines) {
        if (!line.isEmpty())
            shown.append(line);
    }
    m_dialog->setLabelText(shown.join('\n'));
}
