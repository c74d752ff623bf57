#include "DialogTestKit.h"

#include "dialogs/DialogScreenshot.h"

#include <QAbstractButton>
#include <QDir>

QAbstractButton* FindButton(QWidget& dialog, const QString& text)
{
    for (auto* button : dialog.findChildren<QAbstractButton*>()) {
        if (button->text().remove('&') == text)
            return button;
    }
    return nullptr;
}

void Click(QWidget& dialog, const QString& text)
{
    QAbstractButton* button = FindButton(dialog, text);
    ASSERT_NE(button, nullptr) << "no button " << text.toStdString();
    ASSERT_TRUE(button->isEnabled()) << "button " << text.toStdString() << " is disabled";
    button->click();
}

QString ScreenshotFolder()
{
    QString folder = qEnvironmentVariable("VBX_SCREENSHOT_DIR");
    if (folder.isEmpty())
        folder = QCoreApplication::applicationDirPath() + "/screenshots";
    QDir().mkpath(folder);
    return folder;
}

void SaveScreenshot(QWidget& dialog, const QString& name)
{
    QString path = ScreenshotFolder() + "/" + name + ".png";
    ASSERT_TRUE(SaveDialogScreenshot(dialog, path)) << path.toStdString();
}
