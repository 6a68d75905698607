#ifndef ICONPROVIDER_H
#define ICONPROVIDER_H

#include <QFileIconProvider>
#include <QIcon>
#include <QPixmap>
#include <QString>

// Composed interface images (an icon with an overlay, an icon with a number
// badge, mirrored images), each drawn once and then served from
// QPixmapCache by a key made of its arguments. GUI thread only.
//
// Creating the instance also registers the application's images
// (":/res/vault.png" and the others of resources/core.qrc).
class QFont;

class IconProvider
{
public:
    static IconProvider *instance();

    static QIcon fileIcon(const QString &path);
    static QIcon dirIcon();
    // The base image with the overlay's bottom-right corner on its own.
    static QIcon makeIcon(const QString &base, const QString &overlay);
    // The base image with a red rounded badge showing the number at its top
    // right (badgeText() of it).
    static QIcon makeIcon(const QString &base, uint number);
    // What the badge shows on an icon `width` pixels wide: the number, or
    // "999+" when its digits would not fit in `font`; `font` is made smaller
    // where even that needs it.
    static QString badgeText(uint number, int width, QFont *font);
    // The image at the last size its icon offers, at the matching pixel ratio.
    static QPixmap fromFile(const QString &path);
    // The image, mirrored left to right when asked.
    static QPixmap fromFile(const QString &path, bool mirrored);

private:
    IconProvider() = default;
    QFileIconProvider m_provider;
    static IconProvider *self;
};

#endif // ICONPROVIDER_H
