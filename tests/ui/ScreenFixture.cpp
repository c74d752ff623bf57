#include "ScreenFixture.h"

#include "ui/QtPaintContext.h"

#include <QElapsedTimer>
#include <QMenu>
#include <QPainter>

void ScreenTest::SetUp()
{
    ASSERT_TRUE(CreatePreferenceKeyChain());
}

void ScreenTest::TearDown()
{
    m_screen.reset();
    m_user.reset();
    for (QWidget* widget : QApplication::topLevelWidgets())
        widget->close();
    Settle();
    ScreenScale::Set({});
    ScreenSize::Set({});
}

void ScreenTest::MakeDevice(int tripsEntries)
{
    CWinBlogUser setup;
    ASSERT_TRUE(SaveAccount(setup, 7));
    CWinBlogStorage& family = AddBlog(setup, { "family", "Family", "All of us, all the time", true, false, 9 });
    AddEntry(family, { .title = "Theirs", .author = "Bob", .postDate = 200, .serverId = 32, .posterId = 9, .newComments = true, .thumbnailSeed = 21 });
    ASSERT_EQ(family.Save(), Error::Success);
    AddBlog(setup, { "empty", "Sample Trips", "", false, false, 7 });
    CWinBlogStorage& trips = AddBlog(setup, { "trips", "Trips", "Where we went", false, false, 7 });
    AddCategory(trips, 501, "Beach");
    AddCategory(trips, 502, "Mountains");
    for (int i = 0; i < tripsEntries; ++i) {
        AddEntry(trips, { .title = "Entry " + std::to_string(i), .caption = "Caption of entry " + std::to_string(i), .postDate = static_cast<std::uint32_t>(1000 - i), .serverId = static_cast<std::uint32_t>(100 + i), .posterId = 7, .categoryId = i % 2 ? 502u : 501u, .isNew = i == 0, .thumbnailSeed = i });
    }
    ASSERT_EQ(trips.Save(), Error::Success);
}

void ScreenTest::Start(int width, int height, int dpi)
{
    ScreenScale::Set(ScreenScale::FromDotsPerInch(dpi, dpi));
    ScreenSize::Set({ width, height });
    m_screen.reset();
    m_user = std::make_unique<CWinBlogUser>();
    m_screen = std::make_unique<DeviceScreen>(*m_user, dialogs);
    View().Init();
    m_screen->show();
    m_screen->GetFrame().setFocus();
    Settle();
}

void ScreenTest::Settle(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    do {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    } while (timer.elapsed() < milliseconds);
}

QImage ScreenTest::Shot(const char* name)
{
    Settle();
    QImage image = m_screen->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QPainter painter(&image);
    QPoint origin = m_screen->mapToGlobal(QPoint(0, 0));
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* menu = qobject_cast<QMenu*>(widget); menu && menu->isVisible())
            painter.drawPixmap(menu->pos() - origin, menu->grab());
    }
    painter.end();
    QDir().mkpath(QStringLiteral("screenshots"));
    image.save(QStringLiteral("screenshots/%1.png").arg(QString::fromUtf8(name)));
    return image;
}

QPoint ScreenTest::ItemCentre(int index)
{
    auto cell = View().GetLayout().ItemRect(index);
    EXPECT_TRUE(cell.has_value()) << "item " << index << " is not visible";
    if (!cell)
        return {};
    return QPoint((cell->left + cell->right) / 2, (cell->top + cell->bottom) / 2);
}

std::uint16_t PixelAt(const QImage& image, int x, int y)
{
    QRgb pixel = image.pixel(x, y);
    return ToRgb565(Rgb(static_cast<std::uint8_t>(qRed(pixel)), static_cast<std::uint8_t>(qGreen(pixel)), static_cast<std::uint8_t>(qBlue(pixel))));
}
