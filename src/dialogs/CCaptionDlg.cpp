#include "dialogs/CCaptionDlg.h"

#include "dialogs/DialogControls.h"
#include "dialogs/LimitedTextEdit.h"

#include "workflows/CaptionWorkflow.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>

// The handheld's key that closes the caption.
static constexpr int kCloseKey = Qt::Key_F6;

CCaptionDlg::CCaptionDlg(const CaptionWorkflow& workflow, QWidget* parent)
    : CHandheldDialog(CaptionWorkflow::kTitle, parent)
{
    std::u16string caption = workflow.Caption();
    m_caption = AddMultiLineEdit(this, caption.size(), { 6, 6, 228, 228 });
    m_caption->setObjectName("captionField");
    m_caption->setReadOnly(true);
    // Read-only, yet the caret can move through the text.
    m_caption->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_caption->SetText(caption);
    m_caption->installEventFilter(this);
    QTextCursor start = m_caption->textCursor();
    start.setPosition(0);
    m_caption->setTextCursor(start);
    m_caption->ensureCursorVisible();
    m_caption->setFocus();

    auto* ok = AddButton(this, "OK", { 162, 240, 72, 22 });
    ok->setObjectName("okButton");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CHandheldDialog::accept);
    Layout().SetGrowing(m_caption);
    Layout().Anchor(ok);
}

bool CCaptionDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_caption && event->type() == QEvent::KeyRelease && static_cast<QKeyEvent*>(event)->key() == kCloseKey) {
        accept();
        return true;
    }
    return CHandheldDialog::eventFilter(watched, event);
}

void CCaptionDlg::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == kCloseKey) {
        accept();
        return;
    }
    CHandheldDialog::keyReleaseEvent(event);
}
