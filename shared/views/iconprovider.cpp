#include "iconprovider.h"

#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>

// Q_INIT_RESOURCE must be used outside any namespace.
static void registerCoreResources()
{
    Q_INIT_RESOURCE(core);
}

IconProvider *IconProvider::self = nullptr;

IconProvider *IconProvider::instance()
{
    if (!self) {
        registerCoreResources();
        self = new IconProvider;
    }
    return self;
}

QIcon IconProvider::fileIcon(const QString &path)
{
    return instance()->m_provider.icon(QFileInfo(path));
}

QIcon IconProvider::dirIcon()
{
    return instance()->m_provider.icon(QFileIconProvider::Folder);
}

QIcon IconProvider::makeIcon(const QString &base, const QString &overlay)
{
    instance();
    const QString key = base + QLatin1Char('_') + overlay;
    QPixmap result;
    if (QPixmapCache::find(key, &result))
        return QIcon(result);

    const QPixmap basePixmap(base);
    const QPixmap overlayPixmap(overlay);
    if (basePixmap.isNull())
        return QIcon();
    QImage image(basePixmap.size(), QImage::Format_ARGB32);
    image.fill(0);
    QPainter painter(&image);
    painter.drawPixmap(0, 0, basePixmap);
    // Corner on corner; an overlay larger than the base is cut at the top left.
    painter.drawPixmap(basePixmap.width() - overlayPixmap.width(),
                       basePixmap.height() - overlayPixmap.height(), overlayPixmap);
    painter.end();
    result = QPixmap::fromImage(image);
    QPixmapCache::insert(key, result);
    return QIcon(result);
}

QIcon IconProvider::makeIcon(const QString &base, uint number)
{
    instance();
    const QString key = base + QLatin1Char('#') + QString::number(number);
    QPixmap result;
    if (QPixmapCache::find(key, &result))
        return QIcon(result);

    const QIcon icon(base);
    const QList<QSize> sizes = icon.availableSizes(QIcon::Normal, QIcon::Off);
    if (sizes.isEmpty())
        return QIcon();
    const int k = sizes.size(); // 2 when a double-resolution variant was found
    const QPixmap pixmap = icon.pixmap(sizes.last(), QIcon::Normal, QIcon::Off);
    const int W = pixmap.width();

    QImage image(pixmap.size(), QImage::Format_ARGB32);
    image.fill(0);
    QPainter painter(&image);
    painter.drawPixmap(0, 0, pixmap);
    QFont font(QStringLiteral("Arial"), 8 * k, QFont::Bold, false);
    const QString text = badgeText(number, W, &font);
    painter.setFont(font);
    const QRect bounds = painter.boundingRect(QRect(), 0, text);
    const int w = bounds.width();

    // Right edge 4 pixels inside the icon's; more digits widen it leftwards.
    QPainterPath badge;
    badge.addRoundedRect(QRectF(W - w - 12, bounds.top(), w + 8, bounds.height()), 7.0, 7.0,
                         Qt::AbsoluteSize);
    painter.setPen(Qt::red);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(badge, QBrush(Qt::red, Qt::SolidPattern));
    painter.drawPath(badge);
    painter.setPen(Qt::white);
    painter.drawText(QRect(QPoint(W - 8 - w, bounds.top()), QPoint(W - 9, bounds.bottom())), 0, text);
    painter.end();

    result = QPixmap::fromImage(image);
    QPixmapCache::insert(key, result);
    return QIcon(result);
}

QString IconProvider::badgeText(uint number, int width, QFont *font)
{
    // The badge is 12 pixels wider than its text; cut at the icon's left
    // edge, "2021" would read "021".
    const auto fits = [&](const QString &text) { return QFontMetrics(*font).horizontalAdvance(text) + 12 <= width; };
    const QString digits = QString::number(number);
    const QString text = number <= 999 || fits(digits) ? digits : QStringLiteral("999+");
    // A wide font (DejaVu stands in for Arial on many systems) is made
    // smaller rather than cut.
    while (!fits(text) && font->pointSize() > 5)
        font->setPointSize(font->pointSize() - 1);
    return text;
}

QPixmap IconProvider::fromFile(const QString &path)
{
    instance();
    QPixmap result;
    if (QPixmapCache::find(path, &result))
        return result;
    const QIcon icon(path);
    const QList<QSize> sizes = icon.availableSizes(QIcon::Normal, QIcon::Off);
    if (sizes.isEmpty())
        return QPixmap();
    result = icon.pixmap(sizes.last(), QIcon::Normal, QIcon::Off);
    result.setDevicePixelRatio(sizes.size());
    QPixmapCache::insert(path, result);
    return result;
}

QPixmap IconProvider::fromFile(const QString &path, bool mirrored)
{
    instance();
    const QString key = path + QLatin1Char('M') + (mirrored ? QLatin1Char('1') : QLatin1Char('0'));
    QPixmap result;
    if (QPixmapCache::find(key, &result))
        return result;
    const QImage image(path);
    if (image.isNull())
        return QPixmap();
    result = QPixmap::fromImage(image.mirrored(mirrored, false));
    QPixmapCache::insert(key, result);
    return result;
}
