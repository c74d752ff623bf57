#include "dialogs/DialogScreenshot.h"

#include "dialogs/DialogFonts.h"
#include "dialogs/DialogGeometry.h"

#include <QApplication>
#include <QPainter>
#include <QWidget>

// The navigation bar's colours on the handheld.
static const QColor kBarColour(16, 52, 140);
static const QColor kBarTextColour(255, 255, 255);

QImage DialogScreenshot(QWidget& dialog)
{
    if (!dialog.isVisible())
        dialog.show();
    QApplication::processEvents();
    QPixmap body = dialog.grab();

    int barHeight = DialogGeometry::ScaleY(DialogGeometry::kBarHeight);
    QImage picture(body.width(), barHeight + body.height(), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.fillRect(0, 0, picture.width(), barHeight, kBarColour);
    painter.setPen(kBarTextColour);
    painter.setFont(HeadingFont());
    QRect titleArea(DialogGeometry::ScaleX(6), 0, picture.width() - DialogGeometry::ScaleX(12), barHeight);
    painter.drawText(titleArea, Qt::AlignLeft | Qt::AlignVCenter, dialog.windowTitle());
    painter.drawPixmap(0, barHeight, body);
    return picture;
}

bool SaveDialogScreenshot(QWidget& dialog, const QString& path)
{
    return DialogScreenshot(dialog).save(path, "PNG");
}
