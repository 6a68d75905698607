#include "iconprovider.h"

#include <QPixmapCache>
#include <QtTest>

static QImage solid(int width, int height, QColor color)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

static bool isRed(QRgb pixel)
{
    return qAlpha(pixel) > 200 && qRed(pixel) > 200 && qGreen(pixel) < 60 && qBlue(pixel) < 60;
}

static bool isWhite(QRgb pixel)
{
    return qAlpha(pixel) > 200 && qRed(pixel) > 200 && qGreen(pixel) > 200 && qBlue(pixel) > 200;
}

class TestIconProvider : public QObject
{
    Q_OBJECT
private slots:
    void init() { QPixmapCache::clear(); }

    void applicationImagesArePresent_data();
    void applicationImagesArePresent();
    void overlayMeetsBottomRightCorner();
    void largerOverlayIsCutAtTopLeft();
    void compositionIsCachedByArguments();
    void badgeShowsWhatFits_data();
    void badgeShowsWhatFits();
    void unreadableBaseGivesEmptyIcon();
    void numberBadge_data();
    void numberBadge();
    void badgeWidensLeftwards();
    void mirroredImages();

private:
    QTemporaryDir m_dir;
    QString save(const QString &name, const QImage &image)
    {
        const QString path = m_dir.path() + QLatin1Char('/') + name;
        image.save(path, "PNG");
        return path;
    }
};

void TestIconProvider::applicationImagesArePresent_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"closedfolder.png", "error_32.png", "file_24.png", "files_24.png",
                             "harddrive_32.png", "help2.png", "network_32.png", "openfolder.png",
                             "refresh_32.png", "stick_32.png", "vault.png", "vault_error.png",
                             "vlmr_vault.png"})
        QTest::newRow(name) << QString(":/res/") + name;
}

void TestIconProvider::applicationImagesArePresent()
{
    QFETCH(QString, name);
    IconProvider::instance();
    QVERIFY2(!QImage(name).isNull(), qPrintable(name));
}

void TestIconProvider::overlayMeetsBottomRightCorner()
{
    const QString base = save("base.png", solid(40, 30, Qt::blue));
    const QString overlay = save("overlay.png", solid(10, 8, Qt::red));
    const QIcon icon = IconProvider::makeIcon(base, overlay);
    QCOMPARE(icon.availableSizes(), QList<QSize>{QSize(40, 30)});
    const QImage image = icon.pixmap(QSize(40, 30)).toImage();
    QCOMPARE(image.pixel(0, 0), QColor(Qt::blue).rgba());
    QCOMPARE(image.pixel(29, 21), QColor(Qt::blue).rgba());
    QCOMPARE(image.pixel(30, 22), QColor(Qt::red).rgba());
    QCOMPARE(image.pixel(39, 29), QColor(Qt::red).rgba());
    QCOMPARE(image.pixel(39, 21), QColor(Qt::blue).rgba());
    QCOMPARE(image.pixel(29, 29), QColor(Qt::blue).rgba());
}

void TestIconProvider::largerOverlayIsCutAtTopLeft()
{
    const QString base = save("small-base.png", solid(10, 10, Qt::green));
    QImage big = solid(16, 16, Qt::red);
    big.setPixel(6, 6, QColor(Qt::yellow).rgba()); // lands on the base's (0, 0)
    const QString overlay = save("big-overlay.png", big);
    const QImage image = IconProvider::makeIcon(base, overlay).pixmap(QSize(10, 10)).toImage();
    QCOMPARE(image.size(), QSize(10, 10));
    QCOMPARE(image.pixel(0, 0), QColor(Qt::yellow).rgba());
    QCOMPARE(image.pixel(9, 9), QColor(Qt::red).rgba());
}

void TestIconProvider::compositionIsCachedByArguments()
{
    const QString base = save("cached-base.png", solid(20, 20, Qt::blue));
    const QString overlay = save("cached-overlay.png", solid(5, 5, Qt::red));
    const QImage first = IconProvider::makeIcon(base, overlay).pixmap(QSize(20, 20)).toImage();
    QPixmap cached;
    QVERIFY(QPixmapCache::find(base + "_" + overlay, &cached));

    // Served from the cache: the files are not read again.
    save("cached-base.png", solid(20, 20, Qt::green));
    save("cached-overlay.png", solid(5, 5, Qt::green));
    QCOMPARE(IconProvider::makeIcon(base, overlay).pixmap(QSize(20, 20)).toImage(), first);
    const QIcon badge = IconProvider::makeIcon(base, 3u);
    QVERIFY(QPixmapCache::find(base + "#3", &cached));
    QCOMPARE(IconProvider::makeIcon(base, 3u).pixmap(QSize(20, 20)).cacheKey(),
             badge.pixmap(QSize(20, 20)).cacheKey());

    // Evicted, it is drawn again from the files as they are now.
    QPixmapCache::clear();
    const QImage again = IconProvider::makeIcon(base, overlay).pixmap(QSize(20, 20)).toImage();
    QCOMPARE(again.pixel(0, 0), QColor(Qt::green).rgba());
}

void TestIconProvider::badgeShowsWhatFits_data()
{
    QTest::addColumn<uint>("count");
    QTest::addColumn<QString>("text");
    QTest::newRow("one digit") << 7u << "7";
    QTest::newRow("three digits") << 999u << "999";
    QTest::newRow("four digits") << 2021u << "999+";
    QTest::newRow("largest") << 4294967295u << "999+";
}

void TestIconProvider::badgeShowsWhatFits()
{
    QFETCH(uint, count);
    QFETCH(QString, text);
    // The Synchronize button's icon and badge font.
    const QString base = QStringLiteral(":/res/refresh_32.png");
    IconProvider::instance();
    const int width = QPixmap(base).width();
    QFont font(QStringLiteral("Arial"), 8, QFont::Bold, false);
    QCOMPARE(IconProvider::badgeText(count, width, &font), text);
    // The badge (12 pixels wider than its text) lies inside the icon.
    QVERIFY(QFontMetrics(font).horizontalAdvance(text) + 12 <= width);
    // With KV_SHOT_DIR set the icon is also saved there as a picture.
    const QString shots = qEnvironmentVariable("KV_SHOT_DIR");
    if (!shots.isEmpty())
        IconProvider::makeIcon(base, count).pixmap(QSize(width, width)).save(shots + QStringLiteral("/badge-%1.png").arg(count));
}

void TestIconProvider::unreadableBaseGivesEmptyIcon()
{
    const QString overlay = save("lonely-overlay.png", solid(5, 5, Qt::red));
    QVERIFY(IconProvider::makeIcon(m_dir.path() + "/missing.png", overlay).isNull());
    QVERIFY(IconProvider::makeIcon(m_dir.path() + "/missing.png", 4u).isNull());
    QVERIFY(IconProvider::fromFile(m_dir.path() + "/missing.png", true).isNull());
    QVERIFY(IconProvider::fromFile(m_dir.path() + "/missing.png").isNull());
}

void TestIconProvider::numberBadge_data()
{
    QTest::addColumn<uint>("number");
    QTest::newRow("0") << 0u;
    QTest::newRow("3") << 3u;
    QTest::newRow("12345") << 12345u;
}

void TestIconProvider::numberBadge()
{
    QFETCH(uint, number);
    const int W = 64;
    const QString base = save("badge-base.png", solid(W, W, Qt::transparent));
    const QImage image = IconProvider::makeIcon(base, number).pixmap(QSize(W, W)).toImage();
    QCOMPARE(image.size(), QSize(W, W));

    int left = W, right = -1, top = W, bottom = -1, white = 0;
    for (int y = 0; y < W; ++y) {
        for (int x = 0; x < W; ++x) {
            const QRgb p = image.pixel(x, y);
            if (isRed(p)) {
                left = qMin(left, x);
                right = qMax(right, x);
                top = qMin(top, y);
                bottom = qMax(bottom, y);
            }
            white += isWhite(p) ? 1 : 0;
        }
    }
    QVERIFY2(right >= 0, "no badge drawn");
    // Its right edge 4 pixels inside the icon's (the pen straddles the edge).
    QVERIFY2(right == W - 5 || right == W - 4, qPrintable(QString::number(right)));
    QVERIFY(top <= 1);              // at the top
    QVERIFY(bottom < W / 2);        // a badge, not a fill
    QVERIFY(left < right - 8);
    QVERIFY(white > 3);             // the digits
}

void TestIconProvider::badgeWidensLeftwards()
{
    const QString base = save("widen-base.png", solid(64, 64, Qt::transparent));
    const auto extent = [&](uint number) {
        const QImage image = IconProvider::makeIcon(base, number).pixmap(QSize(64, 64)).toImage();
        int left = 64, right = -1;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                if (isRed(image.pixel(x, y))) {
                    left = qMin(left, x);
                    right = qMax(right, x);
                }
        return qMakePair(left, right);
    };
    const auto one = extent(7);
    const auto many = extent(77777);
    QVERIFY(many.first < one.first - 10);
    QCOMPARE(many.second, one.second);
}

void TestIconProvider::mirroredImages()
{
    QImage halves = solid(20, 10, Qt::red);
    for (int y = 0; y < 10; ++y)
        for (int x = 10; x < 20; ++x)
            halves.setPixel(x, y, QColor(Qt::blue).rgba());
    const QString path = save("halves.png", halves);

    const QImage mirrored = IconProvider::fromFile(path, true).toImage();
    const QImage plain = IconProvider::fromFile(path, false).toImage();
    const QPixmap atRatio = IconProvider::fromFile(path);
    QCOMPARE(mirrored.pixel(0, 5), QColor(Qt::blue).rgba());
    QCOMPARE(mirrored.pixel(19, 5), QColor(Qt::red).rgba());
    QCOMPARE(plain.pixel(0, 5), QColor(Qt::red).rgba());
    QCOMPARE(atRatio.size(), QSize(20, 10));
    QCOMPARE(atRatio.devicePixelRatio(), 1.0);

    // Three requests, three cache entries.
    QPixmap found;
    QVERIFY(QPixmapCache::find(path + "M1", &found));
    QVERIFY(QPixmapCache::find(path + "M0", &found));
    QVERIFY(QPixmapCache::find(path, &found));
    QCOMPARE(found.cacheKey(), atRatio.cacheKey());
}

QTEST_MAIN(TestIconProvider)
#include "tst_iconprovider.moc"
