#pragma once

#include "workflows/CommandIds.h"

#include <QWidget>

class CChildView;
class CWinBlogUser;
class DialogHost;

// The program's one top-level frame: it holds the main view and routes
// every command, offering it to the view first and handling only what the
// view leaves (the framework's Exit).
class CMainFrame : public QWidget {
    Q_OBJECT

public:
    CMainFrame(CWinBlogUser& user, DialogHost& dialogs, QWidget* parent);

    CChildView& GetView() { return *m_view; }
    // Runs a command from a menu, a soft key or a toolbar.
    void OnCommand(CommandId id);

signals:
    // The frame's own Exit: the program ends once the current command is
    // over.
    void exitRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    CChildView* m_view { nullptr };
};
