#include "ui/BitmapResources.h"

#include "app/ScreenSize.h"

#include <QImage>
#include <QBitmap>
#include <QPixmap>
#include <cstring>

// Outside any namespace, as Q_INIT_RESOURCE requires: the resources live
// in a static library and must be registered before the first load.
static void RegisterBitmapResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(bitmaps);
        return true;
    }();
    (void)registered;
}

static QImage LoadImage(std::string_view name)
{
    RegisterBitmapResources();
    QString path = QStringLiteral(":/bitmaps/") + QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())) + QStringLiteral(".png");
    return QImage(path);
}

Dib LoadBitmapResource(std::string_view name)
{
    QImage image = LoadImage(name).convertToFormat(QImage::Format_RGB16);
    if (image.isNull())
        return Dib();
    auto bitmap = CreateDibForOverwrite(image.width(), image.height(), 16);
    if (bitmap.IsError())
        return Dib();
    Dib result = bitmap.ReleaseValue();
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(result.Row(y), image.constScanLine(y), static_cast<size_t>(image.width()) * 2);
    return result;
}

namespace {

struct ToolbarButton {
    CommandId command;
    std::string_view strip;
    std::string_view largeStrip;
    int position;
};

// The toolbars of the three modes, in button order.
constexpr ToolbarButton kButtons[] = {
    { Command::CreateNewBlog, Bitmaps::HomeToolbar, Bitmaps::HomeToolbarLarge, 0 },
    { Command::SubscribeToBlog, Bitmaps::HomeToolbar, Bitmaps::HomeToolbarLarge, 1 },
    { Command::EditBlogs, Bitmaps::HomeToolbar, Bitmaps::HomeToolbarLarge, 2 },
    { Command::SyncAllBlogs, Bitmaps::HomeToolbar, Bitmaps::HomeToolbarLarge, 3 },
    { Command::Home, Bitmaps::BlogToolbar, Bitmaps::BlogToolbarLarge, 0 },
    { Command::Camera, Bitmaps::BlogToolbar, Bitmaps::BlogToolbarLarge, 1 },
    { Command::AddPhoto, Bitmaps::BlogToolbar, Bitmaps::BlogToolbarLarge, 2 },
    { Command::SyncBlog, Bitmaps::BlogToolbar, Bitmaps::BlogToolbarLarge, 3 },
    { Command::EditEntry, Bitmaps::EntryToolbar, Bitmaps::EntryToolbarLarge, 0 },
    { Command::PreviousEntry, Bitmaps::EntryToolbar, Bitmaps::EntryToolbarLarge, 1 },
    { Command::NextEntry, Bitmaps::EntryToolbar, Bitmaps::EntryToolbarLarge, 2 },
};

}

QIcon ToolbarIcon(CommandId command)
{
    for (const ToolbarButton& button : kButtons) {
        if (button.command != command)
            continue;
        QImage strip = LoadImage(ScreenSize::Current().IsLarge() ? button.largeStrip : button.strip);
        int side = strip.height();
        if (side <= 0)
            return QIcon();
        QPixmap image = QPixmap::fromImage(strip.copy(button.position * side, 0, side, side));
        image.setMask(image.createMaskFromColor(QColor(0, 255, 255)));
        return QIcon(image);
    }
    return QIcon();
}
