#pragma once

#include "platform/ProgressWindow.h"

#include <QStringList>
#include <memory>

class QProgressDialog;
class QWidget;

// A progress window on the desktop: a busy indicator, the title and status
// lines, and a Cancel button, modal over the program while it is open.
class QtProgressWindow : public ProgressWindow {
public:
    QtProgressWindow(QWidget* parent, int lines, bool showNow);
    ~QtProgressWindow() override;

    void Show() override;
    void SetLine(int index, std::string_view text) override;
    void ClearStatus() override;
    void Step() override;
    bool IsCancelled() override;

private:
    void UpdateLabel();

    std::unique_ptr<QProgressDialog> m_dialog;
    QStringList m_lines;
};
